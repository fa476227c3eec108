// The information windows: the link label's address rule, the help window and
// the notice docked at the work area's right edge, the about window's link.
#include "RecordingMessages.h"
#include "WindowTest.h"
#include "info/f_copy.h"
#include "info/f_help_main.h"
#include "info/f_notimplemented.h"
#include "widgets/URLLabel.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace pellori;
using pellori::test::RecordingMessages;
using pellori::test::the;

namespace {

void verifyDockedRight(QWidget* window, int width)
{
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect outer = window->frameGeometry();
    QCOMPARE(outer.width(), width);
    QCOMPARE(outer.x() + outer.width(), work.x() + work.width());
    QCOMPARE(outer.y(), work.y());
    QCOMPARE(outer.height(), work.height());
}

} // namespace

class tst_InfoWindows : public QObject {
    Q_OBJECT

private slots:
    void linkLabelAddress_data();
    void linkLabelAddress();
    void linkOpensOnlyOnClickInside();
    void helpWindowsDockAndHide();
    void noticeLivesWithItsOwner();
    void aboutLinkOpensDownloadPage();
};

void tst_InfoWindows::linkLabelAddress_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("mail");
    QTest::addColumn<QString>("opens");

    QTest::newRow("web with scheme") << "http://www.x.example/download" << "www.x.example/download" << false
                                     << "http://www.x.example/download";
    QTest::newRow("scheme in capitals") << "HTTP://www.x.example" << "www.x.example" << false
                                        << "http://www.x.example";
    QTest::newRow("web without scheme") << "www.x.example" << "www.x.example" << false << "http://www.x.example";
    QTest::newRow("mail with scheme") << "MailTo:info@x.example" << "info@x.example" << true
                                      << "mailto:info@x.example";
    QTest::newRow("mail without scheme") << "info@x.example" << "info@x.example" << true
                                         << "mailto:info@x.example";
    QTest::newRow("at sign decides over the scheme") << "http://info@x.example" << "info@x.example" << true
                                                     << "mailto:info@x.example";
    QTest::newRow("mail scheme without at sign") << "mailto:www.x.example" << "www.x.example" << false
                                                 << "http://www.x.example";
    QTest::newRow("other scheme kept") << "ftp://x.example" << "ftp://x.example" << false
                                       << "http://ftp://x.example";
}

void tst_InfoWindows::linkLabelAddress()
{
    QFETCH(QString, given);
    QFETCH(QString, address);
    QFETCH(bool, mail);
    QFETCH(QString, opens);

    RecordingMessages rec;
    TURLLabel label;
    label.setUrl(given);
    label.resize(300, 20);
    QCOMPARE(label.text(), given);
    QCOMPARE(label.address(), address);
    QCOMPARE(label.isMail(), mail);
    QCOMPARE(label.target(), opens);

    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(rec.urls.size(), 1);
    QCOMPARE(rec.urls.first(), QUrl(opens, QUrl::TolerantMode));
}

void tst_InfoWindows::linkOpensOnlyOnClickInside()
{
    RecordingMessages rec;
    TURLLabel label;
    label.setUrl(QStringLiteral("www.x.example"));
    label.resize(200, 20);
    QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(label.toolTip().isEmpty());
    QTest::mouseClick(&label, Qt::RightButton);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(250, 10));
    QCOMPARE(rec.urls.size(), 0);
}

void tst_InfoWindows::helpWindowsDockAndHide()
{
    auto* owner = new QWidget;
    QPointer<Tf_main_help> first = new Tf_main_help(owner);
    QPointer<Tf_main_help> second = new Tf_main_help(owner);
    first->show();
    second->show();
    QVERIFY(QTest::qWaitForWindowExposed(second));
    QVERIFY(first->isWindow());
    QCOMPARE(first->windowTitle(), QStringLiteral("Help"));
    verifyDockedRight(first, Tf_main_help::kWidth);
    verifyDockedRight(second, Tf_main_help::kWidth);

    // Closing hides; the owner destroys.
    the<QAction>(*first, "m_close")->trigger();
    second->close();
    QVERIFY(!first->isVisible());
    QVERIFY(!second->isVisible());
    QVERIFY(first && second);
    delete owner;
    QVERIFY(!first && !second);
}

void tst_InfoWindows::noticeLivesWithItsOwner()
{
    auto* owner = new QWidget;
    showNotImplemented(owner);
    showNotImplemented(owner);
    const auto notices = owner->findChildren<Tf_not_implemented*>();
    QCOMPARE(notices.size(), 2);
    QPointer<Tf_not_implemented> notice = notices.first();
    QVERIFY(notice->isVisible());
    QVERIFY(!notice->isModal());
    QCOMPARE(notice->windowTitle(), QStringLiteral("Not implemented yet"));
    QVERIFY(notice->outerWidth() >= Tf_not_implemented::kWidth);
    verifyDockedRight(notice, notice->outerWidth());

    the<QPushButton>(*notice, "btn_close")->click();
    QVERIFY(!notice->isVisible());
    QVERIFY(notice);
    delete owner;
    QVERIFY(!notice);
}

void tst_InfoWindows::aboutLinkOpensDownloadPage()
{
    RecordingMessages rec;
    QWidget owner;
    bool stayedOpen = false;
    rec.modalHandlers << [&](QDialog* dialog) {
        auto* about = qobject_cast<Tf_copyright*>(dialog);
        if (!about)
            return -1;
        QTest::mouseClick(the<TURLLabel>(*about, "URLLabel1"), Qt::LeftButton);
        stayedOpen = about->isVisible();
        the<QPushButton>(*about, "btn_ok")->click();
        return about->result();
    };
    Tf_copyright about(&owner);
    QCOMPARE(about.size(), QSize(584, 309));
    QVERIFY(the<QPushButton>(about, "btn_ok")->isDefault());
    QCOMPARE(the<QLabel>(about, "Image1")->pixmap().size(), QSize(249, 169));
    QCOMPARE(execModal(&about), int(QDialog::Accepted));
    QVERIFY(stayedOpen);
    QCOMPARE(rec.urls, QList<QUrl>{QUrl(QStringLiteral("http://www.pellori.example/download"))});
    QCOMPARE(the<TURLLabel>(about, "URLLabel1")->text(), QStringLiteral("http://www.pellori.example/download"));
}

QTEST_MAIN(tst_InfoWindows)
#include "tst_infowindows.moc"
