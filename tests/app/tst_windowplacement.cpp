// Window placement: the restore rules step by step, and a saved placement that
// comes back exactly as saved through a window manager's frame.
#include "RecordingMessages.h"
#include "TestDb.h"
#include "app/WindowPlacement.h"
#include "app/f_main.h"
#include "settings/AppError.h"
#include "settings/IniFile.h"
#include "settings/uBase64Codec.h"
#include "widgets/OuterGeometry.h"

#include <QFile>
#include <QHash>
#include <QLineEdit>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QtTest>

using namespace pellori;

namespace {

// Records what restoring does, in order.
class Recorder : public placement::Target {
public:
    QStringList steps;
    void putIntoNormalState() override { steps << "normal"; }
    void maximize() override { steps << "maximize"; }
    void setOuterLeft(int v) override { steps << QString("left %1").arg(v); }
    void setOuterTop(int v) override { steps << QString("top %1").arg(v); }
    void setOuterHeight(int v) override { steps << QString("height %1").arg(v); }
    void setOuterWidth(int v) override { steps << QString("width %1").arg(v); }
};

QString mainWindowKeys(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    const QByteArray all = f.readAll();
    return QString::fromLatin1(all.mid(all.indexOf("[MainWindow]")));
}

} // namespace

class TestWindowPlacement : public QObject {
    Q_OBJECT
private slots:
    void restoreSteps_data();
    void restoreSteps();
    void keptOnTheWorkArea_data();
    void keptOnTheWorkArea();
    void savedPlacementComesBackThroughAFrame();
    void crampedClientShowsTheFocusedControl();
};

void TestWindowPlacement::restoreSteps_data()
{
    QTest::addColumn<QStringList>("keys");   // WindowsState, Left, Top, Height, Width
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("refused");
    QTest::newRow("within") << QStringList{"wsNormal", "10", "20", "300", "400"}
                            << QStringList{"normal", "left 10", "top 20", "height 300", "width 400"} << false;
    QTest::newRow("height not a number stops after the top")
        << QStringList{"wsNormal", "10", "20", "x", "400"} << QStringList{"normal", "left 10", "top 20"} << true;
    QTest::newRow("an edge far off does not wrap round")
        << QStringList{"wsNormal", "2147483000", "20", "300", "1000"}
        << QStringList{"normal", "left 2147483000", "top 20", "height 300", "width 1000", "left 321", "width 634",
                       "normal"}
        << false;
    QTest::newRow("maximised reads nothing more") << QStringList{"wsMaximized", "x", "x", "x", "x"}
                                                  << QStringList{"maximize"} << false;
    QTest::newRow("other state") << QStringList{"WSNORMAL", "1", "2", "3", "4"} << QStringList{} << false;
}

void TestWindowPlacement::restoreSteps()
{
    QFETCH(QStringList, keys);
    QFETCH(QStringList, steps);
    QFETCH(bool, refused);
    const QStringList names{"WindowsState", "Left", "Top", "Height", "Width"};
    QHash<QString, QString> file;
    for (int i = 0; i < names.size(); ++i)
        file.insert(names[i], keys[i]);
    Recorder r;
    bool threw = false;
    try {
        placement::restore([&](const QString& k) { return file.value(k); }, QSize(1280, 1024), r);
    } catch (const AppError&) {
        threw = true;
    }
    QCOMPARE(r.steps, steps);
    QCOMPARE(threw, refused);
}

void TestWindowPlacement::keptOnTheWorkArea_data()
{
    QTest::addColumn<QRect>("outer");
    QTest::addColumn<QRect>("workArea");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QRect>("kept");
    // A 1280 x 1024 screen at the scales 1, 1.5 and 2, in device-independent pixels.
    const QRect at1(0, 0, 1280, 1024), at15(0, 0, 853, 682), at2(0, 0, 640, 512);
    const QRect builtIn = placement::kBuiltIn;
    QTest::newRow("built in, 1x") << builtIn << at1 << QSize() << builtIn;
    QTest::newRow("built in, 1.5x: moved") << builtIn << at15 << QSize() << QRect(154, 284, 699, 398);
    QTest::newRow("built in, 2x: narrower") << builtIn << at2 << QSize() << QRect(0, 114, 640, 398);
    QTest::newRow("fallback, 2x") << QRect(321, 292, 634, 431) << at2 << QSize() << QRect(6, 81, 634, 431);
    QTest::newRow("saved at 1x, read at 2x") << QRect(600, 500, 679, 523) << at2 << QSize() << QRect(0, 0, 640, 512);
    QTest::newRow("above and left") << QRect(-20, -10, 620, 300) << at1 << QSize() << QRect(0, 0, 620, 300);
    QTest::newRow("below a panel") << QRect(10, 0, 400, 300) << QRect(0, 28, 1280, 996) << QSize()
                                   << QRect(10, 28, 400, 300);
    QTest::newRow("work area not at the origin") << QRect(1900, 10, 400, 300) << QRect(1280, 0, 640, 512) << QSize()
                                                 << QRect(1520, 10, 400, 300);
    QTest::newRow("not below the minimum: the top left corner stays on it")
        << QRect(300, 300, 753, 540) << at2 << QSize(700, 540) << QRect(0, 0, 700, 540);
}

void TestWindowPlacement::keptOnTheWorkArea()
{
    QFETCH(QRect, outer);
    QFETCH(QRect, workArea);
    QFETCH(QSize, minimum);
    QFETCH(QRect, kept);
    QCOMPARE(keptInside(outer, workArea, minimum), kept);
}

void TestWindowPlacement::savedPlacementComesBackThroughAFrame()
{
    test::RecordingMessages rec;
    QTemporaryDir dir;
    test::freshDemoDatabase(dir.path());
    const QString ini = dir.filePath("Pellori.ini");
    {
        IniFile f(ini);
        f.writeString("Pellori", "Version", "1.0");
        f.writeString("Database", "dbpassword", QString::fromLatin1(EncodeBase64Text("*vemlox!")));
        f.writeString("MainWindow", "WindowsState", "wsNormal");
        f.writeString("MainWindow", "Left", "40");
        f.writeString("MainWindow", "Top", "30");
        f.writeString("MainWindow", "Height", "450");
        f.writeString("MainWindow", "Width", "700");
    }
    const QString saved = mainWindowKeys(ini);
    // Saved, restored and saved again, three times over, through a frame of a
    // title bar and thin borders: the numbers never creep.
    for (int round = 0; round < 3; ++round) {
        Tf_mainForm w(dir.path());
        auto* outer = w.findChild<OuterGeometry*>();
        QVERIFY(outer);
        outer->setFrameSource([] { return QMargins(1, 24, 1, 1); });
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.size(), QSize(698, 425));   // the client is the outer size less the frame
        w.findChild<QAction*>("m_size_position")->trigger();
        QCOMPARE(mainWindowKeys(ini), saved);
    }
    QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join('|')));
}

// On a screen too small for an editor, a field the keyboard reaches (here by
// its label's access key) comes into view, its text cursor at least.
void TestWindowPlacement::crampedClientShowsTheFocusedControl()
{
    QWidget window;
    auto* client = new QWidget;
    auto* nearField = new QLineEdit(client);
    nearField->setGeometry(10, 10, 100, 21);
    auto* farField = new QLineEdit(client);
    farField->setGeometry(700, 500, 100, 21);
    auto* area = qobject_cast<QScrollArea*>(scrollingWhenCramped(client, QSize(820, 540)));
    QVERIFY(area);
    area->setParent(&window);
    area->setGeometry(0, 0, 300, 200);
    window.resize(300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    nearField->setFocus();
    farField->setFocus(Qt::ShortcutFocusReason);
    const QRect shown(area->widget()->mapFrom(area->viewport(), QPoint(0, 0)), area->viewport()->size());
    QVERIFY(shown.contains(QRect(farField->pos(), QSize(16, farField->height()))));
}

QTEST_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
