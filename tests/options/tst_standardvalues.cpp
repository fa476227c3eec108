// The standard values dialog over real databases, opened as the main window
// opens it: what it shows, what OK stores and hands over, what every other way
// out leaves alone, the refusals, and the password tool.
#include "RecordingMessages.h"
#include "TestDb.h"
#include "TestSession.h"
#include "WindowTest.h"
#include "options/KeyChoiceBox.h"
#include "info/f_notimplemented.h"
#include "options/f_standardvalues.h"
#include "services/CommandGuard.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace pellori;
using namespace pellori::test;

namespace {

const QStringList kKeys{"addresstype",  "addresstypecompany",  "communicationtype", "communicationtypecompany",
                        "internettype", "internettypecompany", "doctors"};

QByteArray iniWith(const QByteArray& standardValues)
{
    QByteArray text = "[Pellori]\r\nVersion=1.0\r\n";
    if (!standardValues.isEmpty())
        text += "[StandardValues]\r\n" + standardValues;
    return text;
}

struct Fixture : WindowTest {
    explicit Fixture(const QByteArray& ini = iniWith({}))
    {
        QFile file(QDir(db.dir()).filePath("Pellori.ini"));
        if (file.open(QIODevice::WriteOnly))
            file.write(ini);
        file.close();
        start();
    }
    QByteArray iniBytes() const
    {
        QFile file(session->configPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    StandardKeys values() { return standardKeys(session->standardValues()); }

    // Opens the dialog as the main window does and drives it while it is shown.
    void run(const std::function<void(Tf_standard&)>& drive, Session* through = nullptr)
    {
        QPointer<QDialog> shown;
        messages.modalHandlers << [&](QDialog* d) {
            shown = d;
            drive(static_cast<Tf_standard&>(*d));
            return d->result();
        };
        openStandardValues(through ? *through : *session, &owner);
        QCOMPARE(messages.modalTitles, QStringList{"Pellori - set standard values"});
        QVERIFY(shown.isNull());   // destroyed by the opener
    }

};

// The session with its configuration file somewhere else.
class RedirectedSession final : public Session {
public:
    RedirectedSession(Session& s, QString path) : m_s(s), m_path(std::move(path)) {}
    Connection& connection() override { return m_s.connection(); }
    DbTransaction& mainTransaction() override { return m_s.mainTransaction(); }
    const TLang& lang() const override { return m_s.lang(); }
    StandardValues& standardValues() override { return m_s.standardValues(); }
    QString configPath() const override { return m_path; }
    bool canWrite() override { return m_s.canWrite(); }
    QAction* faqAction() override { return m_s.faqAction(); }
    void openPersonEditor(int key) override { m_s.openPersonEditor(key); }
    void openCompanyEditor(int key) override { m_s.openCompanyEditor(key); }

private:
    Session& m_s;
    QString m_path;
};

// Moves every box to another row with the keyboard.
void changeEveryBox(Tf_standard& w)
{
    for (KeyChoiceBox* box : w.choiceBoxes())
        QTest::keyClick(box, box->currentIndex() == box->count() - 1 ? Qt::Key_Home : Qt::Key_End);
}

// The key=value lines of section StandardValues, for the seven keys, in file order.
QStringList storedLines(const QByteArray& ini)
{
    QStringList lines;
    bool inSection = false;
    for (const QByteArray& raw : ini.split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.startsWith('['))
            inSection = line.compare("[StandardValues]", Qt::CaseInsensitive) == 0;
        else if (inSection && kKeys.contains(line.section('=', 0, 0).trimmed()))
            lines << line.section('=', 0, 0).trimmed() + '=' + line.section('=', 1).trimmed();
    }
    return lines;
}

} // namespace

class TestStandardValues : public QObject {
    Q_OBJECT
private slots:
    void passwordToolShownUnlessModeIsZero_data();
    void passwordToolShownUnlessModeIsZero();
    void okStoresTheKeysAndHandsThemOver_data();
    void okStoresTheKeysAndHandsThemOver();
    void otherWaysOutChangeNothing_data();
    void otherWaysOutChangeNothing();
    void encodeShowsTheEncodedPassword_data();
    void encodeShowsTheEncodedPassword();
    void emptiedBoxRefusesOk_data();
    void emptiedBoxRefusesOk();
    void failedWriteReportsAndChangesNothing();
    void catalogueCaptionsMenusAndHelp();
};

void TestStandardValues::passwordToolShownUnlessModeIsZero_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("shown");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("0") << QByteArray("administratormode=0\r\n") << false;
    QTest::newRow("1") << QByteArray("administratormode=1\r\n") << true;
    QTest::newRow("empty") << QByteArray("administratormode=\r\n") << true;
}

void TestStandardValues::passwordToolShownUnlessModeIsZero()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, shown);
    Fixture f(iniWith(line));
    f.run([&](Tf_standard& w) {
        for (QWidget* tool : std::initializer_list<QWidget*>{w.Label11, w.edit_encode, w.btn_encode, w.edit_encoded})
            QCOMPARE(tool->isVisible(), shown);
        // The built-in password and its encoding are there either way.
        QCOMPARE(w.edit_encode->text(), "*vemlox!");
        QCOMPARE(w.edit_encoded->text(), QString::fromLatin1(QByteArray("*vemlox!").toBase64()));
        QVERIFY(w.edit_encoded->isReadOnly());
    });
}

void TestStandardValues::okStoresTheKeysAndHandsThemOver_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<bool>("chooseLastRows");
    QTest::addColumn<QStringList>("stored");        // empty: each box's last row by name
    QTest::addColumn<QStringList>("blankBoxes");    // boxes showing no name

    QTest::newRow("as read, in plain decimal")
        << QByteArray("addresstype=02\r\naddresstypecompany=2\r\ncommunicationtype= 3\r\ncommunicationtypecompany=1\r\n"
                      "internettype=2\r\ninternettypecompany=3\r\ndoctors=04\r\nadministratormode=1\r\n")
        << false << QStringList{"2", "2", "3", "1", "2", "3", "04"} << QStringList{};
    QTest::newRow("missing keys, written in order") << QByteArray() << false
                                                    << QStringList{"1", "1", "1", "1", "1", "1", "1"} << QStringList{};
    QTest::newRow("keys without a row kept")
        << QByteArray("addresstype=1\r\naddresstypecompany=99\r\ncommunicationtype=1\r\ncommunicationtypecompany=1\r\n"
                      "internettype=1\r\ninternettypecompany=1\r\ndoctors=77\r\n")
        << false << QStringList{"1", "99", "1", "1", "1", "1", "77"}
        << QStringList{"addresstypecompany", "grouprepresentative"};
    QTest::newRow("last rows chosen") << QByteArray() << true << QStringList{} << QStringList{};
}

void TestStandardValues::okStoresTheKeysAndHandsThemOver()
{
    QFETCH(QByteArray, section);
    QFETCH(bool, chooseLastRows);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, blankBoxes);
    Fixture f(iniWith(section));
    if (stored.isEmpty()) {
        // The last row of each list by name, once for every box over it.
        const struct { const char* select; int boxes; } lists[] = {
            {"select at_id from addresstype order by at_name", 2},
            {"select ct_id from communicationtype order by ct_name", 2},
            {"select it_id from internettype order by it_name", 2},
            {"select g_id from groupt order by g_name", 1},
        };
        for (const auto& list : lists)
            for (int i = 0; i < list.boxes; ++i)
                stored << committedValues(f.db.path(), list.select).last();
    }
    const QString adminBefore = f.session->standardValues().administratorMode;

    f.run([&](Tf_standard& w) {
        for (KeyChoiceBox* box : w.choiceBoxes())
            QCOMPARE(box->currentText().isEmpty(), blankBoxes.contains(box->objectName()));
        if (chooseLastRows)
            for (KeyChoiceBox* box : w.choiceBoxes())
                QTest::keyClick(box, Qt::Key_End);
        w.btn_ok->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Accepted));
    });

    QStringList expectedLines;
    for (int i = 0; i < kKeys.size(); ++i)
        expectedLines << kKeys[i] + '=' + stored[i];
    QCOMPARE(storedLines(f.iniBytes()), expectedLines);
    const StandardKeys now = f.values();
    QCOMPARE(QStringList(now.begin(), now.end()), stored);
    QCOMPARE(f.session->standardValues().administratorMode, adminBefore);
    QVERIFY(f.errors.isEmpty());
    QVERIFY(f.messages.messages.isEmpty());
}

void TestStandardValues::otherWaysOutChangeNothing_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Cancel") << 0;
    QTest::newRow("Close menu") << 1;
    QTest::newRow("close box") << 2;
    QTest::newRow("Escape outside the boxes") << 3;
}

void TestStandardValues::otherWaysOutChangeNothing()
{
    QFETCH(int, how);
    Fixture f(iniWith("addresstype=1\r\naddresstypecompany=2\r\ncommunicationtype=1\r\ncommunicationtypecompany=2\r\n"
                      "internettype=1\r\ninternettypecompany=2\r\ndoctors=1\r\n"));
    const QByteArray fileBefore = f.iniBytes();
    const StandardKeys valuesBefore = f.values();
    f.run([&](Tf_standard& w) {
        changeEveryBox(w);
        QVERIFY(w.chosenKeys() != valuesBefore);
        switch (how) {
        case 0: w.btn_cancel->click(); break;
        case 1: w.m_close->trigger(); break;
        case 2: w.close(); break;
        case 3: QTest::keyClick(w.btn_ok, Qt::Key_Escape); break;
        }
        QVERIFY(!w.isVisible());
    });
    QCOMPARE(f.iniBytes(), fileBefore);
    QVERIFY(f.values() == valuesBefore);
}

void TestStandardValues::encodeShowsTheEncodedPassword_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");   // what the box takes of it
    QTest::newRow("empty") << "" << "";
    QTest::newRow("ascii") << "abc" << "abc";
    QTest::newRow("latin-1") << QString::fromLatin1("M\xFCller\xA7") << QString::fromLatin1("M\xFCller\xA7");
    QTest::newRow("outside latin-1 not taken") << QString("a\u20ACb") << "ab";
}

void TestStandardValues::encodeShowsTheEncodedPassword()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    Fixture f(iniWith("administratormode=1\r\n"));
    f.run([&](Tf_standard& w) {
        w.edit_encode->clear();
        for (const QChar c : typed)   // typed as the keyboard sends it, Latin-1 letters too
            QTest::sendKeyEvent(QTest::Click, w.edit_encode, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(w.edit_encode->text(), kept);
        w.btn_encode->click();
        QCOMPARE(w.edit_encoded->text(), QString::fromLatin1(kept.toLatin1().toBase64()));
        // Enter in the password box encodes too, and leaves the dialog open.
        w.edit_encoded->clear();
        QTest::keyClick(w.edit_encode, Qt::Key_Return);
        QCOMPARE(w.edit_encoded->text(), QString::fromLatin1(kept.toLatin1().toBase64()));
        QVERIFY(w.isVisible());
        w.reject();
    });
    QVERIFY(f.messages.messages.isEmpty());
}

void TestStandardValues::emptiedBoxRefusesOk_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("label");
    QTest::newRow("address, persons") << 0 << "Standard addresstype for persons";
    QTest::newRow("address, companies") << 1 << "Standard addresstype for companies";
    QTest::newRow("communication, persons") << 2 << "standard communicationtype for persons";
    QTest::newRow("communication, companies") << 3 << "standard communicationtype for companies";
    QTest::newRow("internet, persons") << 4 << "Standard internettype for persons";
    QTest::newRow("internet, companies") << 5 << "Standard internettype for companies";
    QTest::newRow("doctors") << 6 << "Group representing DOCTORS";
}

void TestStandardValues::emptiedBoxRefusesOk()
{
    QFETCH(int, box);
    QFETCH(QString, label);
    Fixture f;
    const QByteArray fileBefore = f.iniBytes();
    const StandardKeys valuesBefore = f.values();
    f.run([&](Tf_standard& w) {
        changeEveryBox(w);
        KeyChoiceBox* emptied = w.choiceBoxes()[box];
        QTest::keyClick(emptied, Qt::Key_Escape);
        QVERIFY(w.isVisible());   // Escape in a box is the box's own
        QCOMPARE(emptied->currentIndex(), -1);
        QVERIFY(emptied->key().isEmpty());
        w.btn_ok->click();
        QVERIFY(w.isVisible());
        QCOMPARE(f.messages.messages,
                 QStringList{"You must choose a value for " + QString(QChar(0xAB)) + label + QChar(0xBB) + "."});
        // Choosing again lets OK through.
        QTest::keyClick(emptied, Qt::Key_Home);
        w.btn_ok->click();
        QVERIFY(!w.isVisible());
        QVERIFY(f.iniBytes() != fileBefore);
        QVERIFY(f.values() != valuesBefore);
        QCOMPARE(f.values()[box], emptied->itemData(0).toString());
    });
    QVERIFY(f.errors.isEmpty());
}

void TestStandardValues::failedWriteReportsAndChangesNothing()
{
    Fixture f;
    const QString path = QDir(f.db.dir()).filePath("no such folder/Pellori.ini");
    RedirectedSession elsewhere(*f.session, path);
    const StandardKeys valuesBefore = f.values();
    f.run(
        [&](Tf_standard& w) {
            changeEveryBox(w);
            w.btn_ok->click();
            QCOMPARE(f.errors, QStringList{"Unable to write to " + path});
            QVERIFY(f.messages.messages.isEmpty());
            QVERIFY(w.isVisible());
            QVERIFY(f.values() == valuesBefore);
            w.reject();
        },
        &elsewhere);
    QVERIFY(!QFile::exists(path));
    QVERIFY(f.values() == valuesBefore);
}

void TestStandardValues::catalogueCaptionsMenusAndHelp()
{
    Fixture f(iniWith("administratormode=1\r\n"));
    f.session->loadCatalogue(f.db.dir(), "L:");
    QVERIFY(f.session->lang().Loaded);
    f.run([&](Tf_standard& w) {
        QStringList labels;
        for (const char* name : {"Label8", "Label2", "Label3", "Label10", "Label1", "Label4", "Label9", "Label5", "Label7",
                                 "Label6", "Label11"})
            labels << w.findChild<QLabel*>(name)->text();
        QCOMPARE(labels, (QStringList{"L:standardaddresstypefor", "L:persons", "L:companies", "L:standardcommunicationtypefor",
                                      "L:persons", "L:companies", "L:standardinternettypefor", "L:persons", "L:companies",
                                      "L:grouprepresentingdoctors", "L:passwordtoencode"}));
        QCOMPARE((QStringList{w.btn_ok->text(), w.btn_cancel->text(), w.btn_encode->text(), w.m_menu->title(),
                              w.m_close->text(), w.m_question->title(), w.m_help->text()}),
                 (QStringList{"L:btnok", "L:btncancel", "L:encode", "L:menu", "L:close", "?", "L:help"}));
        const QList<QAction*> question = w.m_question->actions();
        QCOMPARE(question.size(), 3);
        QCOMPARE(question[0], f.session->faqAction());
        QVERIFY(question[1]->isSeparator());

        // The refusal names the box as the dialog shows it.
        QTest::keyClick(w.findChild<KeyChoiceBox*>(QStringLiteral("internettypecompany")), Qt::Key_Escape);
        w.btn_ok->click();
        QCOMPARE(f.messages.messages, QStringList{"You must choose a value for " + QString(QChar(0xAB))
                                                  + "L:standardinternettypefor L:companies" + QChar(0xBB) + "."});

        w.m_help->trigger();
        const auto notices = w.findChildren<Tf_not_implemented*>();
        QCOMPARE(notices.size(), 1);
        QVERIFY(notices[0]->isVisible());
        w.reject();
    });
    QCOMPARE(f.messages.modalTitles.size(), 1);   // the notice does not wait
}

QTEST_MAIN(TestStandardValues)
#include "tst_standardvalues.moc"
