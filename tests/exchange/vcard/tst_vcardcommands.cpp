// The two vCard commands as the System menu runs them, over real databases:
// the import's summary window names every card and what could not be stored
// as it was; a file that is not well formed is refused naming its line and
// imports nothing; cancelling the progress window stores nothing; the export
// writes the contacts chosen, and a failed export leaves no file and says so.
#include "RecordingMessages.h"
#include "TestDb.h"
#include "TestSession.h"
#include "exchange/vcard/CardMapping.h"
#include "exchange/vcard/VCardCommands.h"
#include "exchange/vcard/f_vcardexport.h"
#include "exchange/vcard/f_vcardprogress.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace pellori;
using pellori::test::RecordingMessages;
using pellori::test::TestDb;
using pellori::test::TestSession;

namespace {

QByteArray card(const QByteArray& body)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\n" + body + "END:VCARD\r\n";
}

QString writeFile(const QString& dir, const QByteArray& bytes)
{
    const QString path = QDir(dir).filePath(QStringLiteral("cards.vcf"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

QString committed(const TestDb& db, const QString& select)
{
    return test::committedValues(db.path(), select).join(u'|');
}

// Every file below a folder, hidden ones too.
QStringList filesBelow(const QString& dir)
{
    QStringList out;
    for (QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
        out << it.next();
    out.sort();
    return out;
}

// Answers the summary window: its headline and report, then closes it.
std::function<int(QDialog*)> readSummary(QString& headline, QString& report)
{
    return [&headline, &report](QDialog* d) {
        headline = d->findChild<QLabel*>(QStringLiteral("label_added"))->text();
        report = d->findChild<QTextEdit*>(QStringLiteral("memo_report"))->toPlainText();
        return int(QDialog::Accepted);
    };
}

} // namespace

class TestVCardCommands : public QObject {
    Q_OBJECT

private slots:
    void summaryTellsWhatCouldNotBeStored_data();
    void summaryTellsWhatCouldNotBeStored();
    void countsReadInWords_data();
    void countsReadInWords();
    void unreadableFileImportsNothing_data();
    void unreadableFileImportsNothing();
    void progressCancelStoresNothing_data();
    void progressCancelStoresNothing();
    void exportWritesChosenContacts_data();
    void exportWritesChosenContacts();
    void failedExportLeavesNoFile_data();
    void failedExportLeavesNoFile();
};

void TestVCardCommands::summaryTellsWhatCouldNotBeStored_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QList<bool>>("answers");   // to the postcode question; none: not asked
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("select");
    QTest::addColumn<QString>("stored");

    const QByteArray london = "ADR;TYPE=home:;;10 Downing Street;London;;SW1A 2AA;UK\r\n";
    QTest::newRow("postcode not a number, put before the town")
        << london << QList<bool>{true} << ""
        << "Postcode \"SW1A 2AA\" is not a whole number: stored in front of the town, as \"SW1A 2AA London\"."
        << "select A_POSTCODE || ' ' || A_TOWN from address" << "0 SW1A 2AA London";
    QTest::newRow("postcode not a number, address left out")
        << london << QList<bool>{false} << ""
        << "Postcode \"SW1A 2AA\" is not a whole number: the address \"10 Downing Street, SW1A 2AA London, UK\" "
           "was not stored."
        << "select count(*) from address" << "0";
    QTest::newRow("no postcode") << QByteArray("ADR:;;Weg 1;Köln;;;\r\n") << QList<bool>{} << ""
                                 << "Address \"Weg 1, Köln\" has no postcode: stored with postcode 0."
                                 << "select A_POSTCODE || ' ' || A_TOWN from address" << "0 Köln";
    QTest::newRow("characters outside Latin-1")
        << QByteArray("NICKNAME:Tonča €\r\n") << QList<bool>{} << ""
        << "Nickname \"Tonča €\": characters outside ISO-8859-1 (č €), stored as \"Tonca EUR\"."
        << "select P_NICKNAME from person" << "Tonca EUR";
    QTest::newRow("longer than its column")
        << QByteArray("NICKNAME:" + QByteArray(48, 'n') + "abcd\r\n") << QList<bool>{} << ""
        << "Nickname \"" + QString(48, 'n') + "abcd\" is longer than 50 characters: cut to \"" + QString(48, 'n')
               + "ab\"."
        << "select char_length(P_NICKNAME) from person" << "50";
    QTest::newRow("number of a type the contact has")
        << QByteArray("TEL;TYPE=home:0221 1111111\r\nTEL;TYPE=home:0221 2222222\r\n") << QList<bool>{} << ""
        << "Number \"0221 2222222\": the contact already has one of type \"Telefon\", stored as type "
           "\"Telefon gesch\u00e4ftlich\"."
        << "select count(*) from communication" << "2";
    QTest::newRow("no type left")
        << QByteArray("EMAIL:a@x.example\r\nEMAIL:b@x.example\r\nEMAIL:c@x.example\r\nEMAIL:d@x.example\r\n")
        << QList<bool>{} << ""
        << "Internet \"d@x.example\": the contact already has one of type \"E-Mail\" and of every other type of "
           "its kind, not stored."
        << "select count(*) from internet" << "2";
    QTest::newRow("no type of its kind")
        << QByteArray("EMAIL:a@x.example\r\n") << QList<bool>{} << "delete from internettype;"
        << "Internet \"a@x.example\": the database has no type for it, not stored."
        << "select count(*) from internet" << "0";
    QTest::newRow("no column for it") << QByteArray("TITLE:Elektromeister\r\n") << QList<bool>{} << ""
                                      << "Job title \"Elektromeister\" has no place in Pellori, not stored."
                                      << "select count(*) from object" << "1";
    QTest::newRow("properties without a place")
        << QByteArray("PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQ\r\nGEO:50.9;6.9\r\n") << QList<bool>{} << ""
        << "Not stored: PHOTO, GEO." << "select count(*) from object" << "1";
    QTest::newRow("birthday without year")
        << QByteArray("BDAY:--0321\r\n") << QList<bool>{} << ""
        << "Birthday \"--0321\" has no year: stored in the year 1604."
        << "select cast(P_BIRTHDAY as varchar(10)) from person"
        << "1604-03-21";
    QTest::newRow("birthday not a date") << QByteArray("BDAY:sometime\r\n") << QList<bool>{} << ""
                                         << "Birthday \"sometime\" is not a date, not stored."
                                         << "select count(P_BIRTHDAY) from person" << "0";
    QTest::newRow("property without a colon")
        << QByteArray("EMAIL;heike@example.de\r\n") << QList<bool>{} << ""
        << "Line 4: \"EMAIL;heike@example.de\" has no \":\" between name and value, not stored."
        << "select count(*) from internet" << "0";
    QTest::newRow("number without prefix") << QByteArray("TEL:123456\r\n") << QList<bool>{} << ""
                                           << "Number \"123456\" has no prefix to tell apart: stored without one."
                                           << "select C_PREFIX || '|' || C_NUMBER from communication" << "|123456";
}

void TestVCardCommands::summaryTellsWhatCouldNotBeStored()
{
    QFETCH(QByteArray, lines);
    QFETCH(QList<bool>, answers);
    QFETCH(QString, setup);
    QFETCH(QString, note);
    QFETCH(QString, select);
    QFETCH(QString, stored);

    TestDb db;
    if (!setup.isEmpty())
        db.isql(setup + "\ncommit;");
    // Beside the named card, one without a name, which is not imported.
    const QString path = writeFile(db.dir(), card("N:Probe;Eva;;;\r\n" + lines) + card("TEL:0221 1234567\r\n"));
    RecordingMessages rec;
    rec.fileAnswers << path;
    rec.answers = answers;
    QString headline, report;
    rec.modalHandlers << readSummary(headline, report);
    QWidget owner;
    int first = 0;
    {
        TestSession session(db.path());
        first = importVCards(session, &owner);
    }

    QCOMPARE(rec.confirmations.size(), answers.size());
    QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join('|')));
    QCOMPARE(rec.modalTitles, QStringList{"vCard import"});
    QCOMPARE(headline, QString("Contacts added: 1, from 2 cards in \"cards.vcf\"."));
    const QStringList reported = report.split('\n');
    const qsizetype at = reported.indexOf("Line 1: Probe, Eva");
    QVERIFY2(at >= 0, qPrintable(report));
    QVERIFY2(reported.mid(at).contains(note), qPrintable(report));
    // The card without a name begins after the first card's lines.
    const QString unnamed = "Line " + QString::number(5 + lines.count('\n')) + "\nThe card has no name: not imported.";
    QVERIFY2(report.endsWith(unnamed), qPrintable(report));
    QCOMPARE(committed(db, select), stored);
    QCOMPARE(first, committed(db, "select O_ID from object").toInt());
}

void TestVCardCommands::countsReadInWords_data()
{
    QTest::addColumn<int>("cards");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("headline");
    QTest::newRow("one") << 1 << "1 address has a postcode that is not a whole number.\r\n\r\nStore it with the "
                                "postcode in front of the town?\r\nChoose No to leave this address out."
                         << "Contacts added: 1, from 1 card in \"cards.vcf\".";
    QTest::newRow("two") << 2 << "2 addresses have a postcode that is not a whole number.\r\n\r\nStore them with the "
                                "postcode in front of the town?\r\nChoose No to leave these addresses out."
                         << "Contacts added: 2, from 2 cards in \"cards.vcf\".";
}

void TestVCardCommands::countsReadInWords()
{
    QFETCH(int, cards);
    QFETCH(QString, question);
    QFETCH(QString, headline);
    TestDb db;
    const QString path = writeFile(
        db.dir(), card("N:Probe;Eva;;;\r\nADR:;;1 Main St;London;;SW1A 2AA;\r\n").repeated(cards));
    RecordingMessages rec;
    rec.fileAnswers << path;
    rec.answers = {true};
    QString shown, report;
    rec.modalHandlers << readSummary(shown, report);
    QWidget owner;
    {
        TestSession session(db.path());
        importVCards(session, &owner);
    }
    QCOMPARE(rec.confirmations, QStringList{question});
    QCOMPARE(shown, headline);
    // No salutation on the cards: each person got the book's first, and the summary says so.
    QVERIFY2(report.startsWith(QString("Persons given the salutation \"Herr\", the first of the book's, as their "
                                       "cards name none: %1.").arg(cards)),
             qPrintable(report));
    QCOMPARE(committed(db, "select distinct s.S_NAME from person p join salutation s on s.S_ID = p.P_SID"),
             QString("Herr"));
}

void TestVCardCommands::unreadableFileImportsNothing_data()
{
    QTest::addColumn<QByteArray>("file");   // null: there is no file
    QTest::addColumn<QString>("error");
    QTest::newRow("text before the first card")
        << QByteArray("Kontakte\r\n" + card("N:Meier;Hans;;;\r\n")) << "Line 1: \"BEGIN:VCARD\" expected, found \"Kontakte\".";
    QTest::newRow("nested card never closed")
        << card("N:Meier;Hans;;;\r\n") + "BEGIN:VCARD\r\nN:Krause;Heike;;;\r\n" + card("N:Kind;Klein;;;\r\n")
        << "Line 7: \"BEGIN:VCARD\" inside the card begun on line 5, which has no \"END:VCARD\".";
    QTest::newRow("last card without its end")
        << card("N:Meier;Hans;;;\r\n") + "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Krause;Heike;;;\r\n"
        << "Line 5: the card begun here has no \"END:VCARD\".";
    QTest::newRow("no file") << QByteArray() << "";
}

void TestVCardCommands::unreadableFileImportsNothing()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, error);
    TestDb db;
    const QString path = file.isNull() ? QDir(db.dir()).filePath("missing.vcf") : writeFile(db.dir(), file);
    RecordingMessages rec;
    rec.fileAnswers << path;
    QWidget owner;
    {
        TestSession session(db.path());
        QCOMPARE(importVCards(session, &owner), 0);
    }
    QCOMPARE(rec.fileCaptions, QStringList{"Import vCard"});
    QCOMPARE(rec.messages.size(), 1);
    if (file.isNull()) {
        const QString start = "The file \"" + path + "\" cannot be read: ";
        QVERIFY2(rec.messages[0].startsWith(start) && rec.messages[0].size() > start.size(), qPrintable(rec.messages[0]));
    } else {
        QCOMPARE(rec.messages[0],
                 "The file \"" + path + "\" cannot be imported:\r\n" + error + "\r\n\r\nNothing was imported.");
    }
    QVERIFY(rec.modalTitles.isEmpty());
    QCOMPARE(committed(db, "select count(*) from object"), QString("0"));
}

void TestVCardCommands::progressCancelStoresNothing_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("cancelled") << true;
    QTest::newRow("run to its end") << false;
}

void TestVCardCommands::progressCancelStoresNothing()
{
    QFETCH(bool, cancel);
    TestDb db;
    QByteArray file;
    for (int i = 0; i < kImportProgressFrom; ++i)
        file += card("N:Probe " + QByteArray::number(i) + ";Eva;;Dr. rer. nat.;\r\nCATEGORIES:Neu\r\n"
                     "ORG:Werkstatt\r\nTEL;TYPE=home:0221 " + QByteArray::number(100000 + i) + "\r\n");
    const QString path = writeFile(db.dir(), file);
    RecordingMessages rec;
    rec.fileAnswers << path;
    QString headline, report;
    rec.modalHandlers << readSummary(headline, report);
    QWidget owner;
    // The window is there from the first contact on and lets events through while the import runs.
    bool seen = false;
    QTimer::singleShot(0, &owner, [&] {
        auto* progress = owner.findChild<Tf_vcardprogress*>();
        seen = progress && progress->isVisible() && progress->maximum() == kImportProgressFrom + 1;
        if (progress && cancel)
            progress->cancel();
    });
    int first = 0;
    {
        TestSession session(db.path());
        first = importVCards(session, &owner);
    }
    QVERIFY(seen);
    QVERIFY(owner.findChild<Tf_vcardprogress*>() == nullptr);
    const QString objects = committed(db, "select count(*) from object");
    if (cancel) {
        QCOMPARE(first, 0);
        QCOMPARE(rec.messages, QStringList{"The import was cancelled: nothing was stored."});
        QVERIFY(rec.modalTitles.isEmpty());
        QCOMPARE(objects, QString("0"));
        QCOMPARE(committed(db, "select count(*) from title where T_NAME = 'Dr. rer. nat.'"), QString("0"));
        QCOMPARE(committed(db, "select count(*) from groupt where G_NAME = 'Neu'"), QString("0"));
    } else {
        QCOMPARE(objects, QString::number(kImportProgressFrom + 1));
        QCOMPARE(headline, QString("Contacts added: %1, from %2 cards in \"cards.vcf\".")
                               .arg(kImportProgressFrom + 1)
                               .arg(kImportProgressFrom));
        QVERIFY2(report.startsWith("Companies created, as persons of the file work there: \"Werkstatt\".\n"
                                   "Groups created: \"Neu\".\nTitles created: \"Dr. rer. nat.\".\n"),
                 qPrintable(report.left(300)));
        QCOMPARE(committed(db, "select O_NAME1 from object where O_ID = " + QString::number(first)), QString("Probe 0"));
    }
}

void TestVCardCommands::exportWritesChosenContacts_data()
{
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("choice");   // empty: the window's own choice
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QStringList>("names");

    const QStringList everyChoice{"rb_shown", "rb_current", "rb_all"};
    QTest::newRow("the list as shown") << QList<int>{15, 1} << 15 << "" << everyChoice
                                       << QStringList{"Müller", "3D Druck"};
    QTest::newRow("the current contact") << QList<int>{15, 1} << 15 << "rb_current" << everyChoice
                                         << QStringList{"Müller"};
    QTest::newRow("all, with an empty list and none current")
        << QList<int>{} << 0 << "" << QStringList{"rb_all"} << QStringList{"3D Druck", "Ärztehaus am Park"};
}

void TestVCardCommands::exportWritesChosenContacts()
{
    QFETCH(QList<int>, shown);
    QFETCH(int, current);
    QFETCH(QString, choice);
    QFETCH(QStringList, enabled);
    QFETCH(QStringList, names);

    TestDb db(TestDb::Demo);
    const QString path = QDir(db.dir()).filePath("out.vcf");
    RecordingMessages rec;
    rec.fileAnswers << path;
    QStringList offered, labels;
    rec.modalHandlers << [&](QDialog* d) {
        for (QRadioButton* b : d->findChildren<QRadioButton*>()) {
            labels << b->text();
            if (b->isEnabled())
                offered << b->objectName();
        }
        if (!choice.isEmpty())
            d->findChild<QRadioButton*>(choice)->setChecked(true);
        return int(QDialog::Accepted);
    };
    QWidget owner;
    {
        TestSession session(db.path());
        exportVCards(session, &owner, shown, current);
    }
    QCOMPARE(rec.modalTitles, QStringList{"Export vCard"});
    QCOMPARE(offered, enabled);
    QCOMPARE(labels, (QStringList{QString("The contacts the list shows (%1)").arg(shown.size()),
                                  "The current contact: " + QString(current ? "Müller, Anna" : ""),
                                  "All contacts (52)"}));

    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("BEGIN:VCARD\r\nVERSION:4.0\r\n"));
    const exchange::ContactsRead read = exchange::readContacts(bytes);
    QStringList written;
    for (const exchange::CardContact& c : read.contacts)
        written << c.contact.name1;
    QCOMPARE(written.mid(0, names.size()), names);
    const int count = shown.isEmpty() ? 52 : int(names.size());
    QCOMPARE(written.size(), count);
    QCOMPARE(rec.messages, QStringList{QString("Contacts exported: %1, to \"%2\".").arg(count).arg(path)});
}

void TestVCardCommands::failedExportLeavesNoFile_data()
{
    QTest::addColumn<QString>("target");   // below the database's folder
    QTest::newRow("folder that does not exist") << "missing/out.vcf";
    QTest::newRow("target that is a folder") << "sub";
}

void TestVCardCommands::failedExportLeavesNoFile()
{
    QFETCH(QString, target);
    TestDb db(TestDb::Demo);
    QVERIFY(QDir(db.dir()).mkdir("sub"));
    const QString path = QDir(db.dir()).filePath(target);
    const QStringList before = filesBelow(db.dir());
    RecordingMessages rec;
    rec.fileAnswers << path;
    rec.modalHandlers << [](QDialog*) { return int(QDialog::Accepted); };
    QWidget owner;
    {
        TestSession session(db.path());
        exportVCards(session, &owner, {}, 0);
    }
    QCOMPARE(rec.messages.size(), 1);
    const QString start = "The file \"" + path + "\" could not be written: ";
    QVERIFY2(rec.messages[0].startsWith(start) && rec.messages[0].endsWith("\r\n\r\nNothing was exported.")
                 && rec.messages[0].size() > start.size() + 25,
             qPrintable(rec.messages[0]));
    QCOMPARE(filesBelow(db.dir()), before);
}

QTEST_MAIN(TestVCardCommands)
#include "tst_vcardcommands.moc"
