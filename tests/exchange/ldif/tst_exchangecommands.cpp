// The CSV and LDIF commands as the System menu runs them, over real
// databases: a file in each program's shape imported (groups and addresses
// included) and summed up; exported in each shape and imported into an
// empty book, giving the same rows; a file that is no LDIF refused naming
// its line, and a cancelled mapping, store nothing.
#include "RecordingMessages.h"
#include "TestDb.h"
#include "TestSession.h"
#include "exchange/csv/CsvCommands.h"
#include "exchange/csv/f_csvexport.h"
#include "exchange/ldif/LdifCommands.h"
#include "settings/Language.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTextEdit>
#include <QtTest>

using namespace pellori;
using pellori::test::RecordingMessages;
using pellori::test::TestDb;
using pellori::test::TestSession;

namespace {

QString writeFile(const QString& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = QDir(dir).filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

// Every stored row of a book, by contact name: what two books must share.
QString rows(const TestDb& db)
{
    const QStringList selects = {
        "select o.O_TYPE || ' ' || o.O_NAME1 || ', ' || coalesce(o.O_NAME2, '') || ' / ' || coalesce(t.T_NAME, '') "
        "|| ' / ' || coalesce(s.S_NAME, '') || ' / ' || coalesce(cast(p.P_BIRTHDAY as varchar(10)), '') || ' / ' || "
        "coalesce(p.P_NICKNAME, '') || ' / ' || coalesce(e.O_NAME1, '') || ' / ' || coalesce(o.O_ADDITIONAL, '') "
        "from object o left join person p on p.P_ID = o.O_ID left join title t on t.T_ID = p.P_TID "
        "left join salutation s on s.S_ID = p.P_SID left join object e on e.O_ID = p.P_CID order by 1",
        "select o.O_NAME1 || ': ' || t.CT_NAME || ' ' || c.C_PREFIX || '/' || c.C_NUMBER from communication c "
        "join object o on o.O_ID = c.C_OID join communicationtype t on t.CT_ID = c.C_CTID order by 1",
        "select o.O_NAME1 || ': ' || t.IT_NAME || ' ' || i.I_NAME from internet i join object o on o.O_ID = i.I_OID "
        "join internettype t on t.IT_ID = i.I_ITID order by 1",
        "select o.O_NAME1 || ': ' || t.AT_NAME || ' ' || a.A_STREET || ', ' || a.A_POSTCODE || ' ' || a.A_TOWN || "
        "', ' || coalesce(a.A_COUNTRY, '') from address a join object o on o.O_ID = a.A_OID "
        "join addresstype t on t.AT_ID = a.A_ATID order by 1",
        "select o.O_NAME1 || ': ' || g.G_NAME from belong2group b join object o on o.O_ID = b.B2G_OID "
        "join groupt g on g.G_ID = b.B2G_GID order by 1"};
    QStringList out;
    for (const QString& s : selects)
        out << test::committedValues(db.path(), s).join(u'\n');
    return out.join(QLatin1String("\n--\n"));
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

const std::function<int(QDialog*)> accept = [](QDialog*) { return int(QDialog::Accepted); };

enum class Format { OutlookCsv, GoogleCsv, Ldif };

// known: the file's contacts are in the book already, and the question what to do with them is answered as it comes.
int import(const TestDb& db, Format format, const QString& path, QString& headline, QString& report,
           RecordingMessages& rec, bool known = false)
{
    rec.fileAnswers << path;
    if (format != Format::Ldif)
        rec.modalHandlers << accept;   // the mapping window as it comes
    if (known)
        rec.modalHandlers << accept;
    rec.modalHandlers << readSummary(headline, report);
    QWidget owner;
    TestSession session(db.path());
    return format == Format::Ldif ? importLdif(session, &owner) : importCsv(session, &owner);
}

} // namespace

Q_DECLARE_METATYPE(Format)

class TestExchangeCommands : public QObject {
    Q_OBJECT
private slots:
    void importThenExportGivesTheSameBook_data();
    void importThenExportGivesTheSameBook();
    void refusedOrCancelledStoresNothing_data();
    void refusedOrCancelledStoresNothing();
    void catalogueHoldsEveryText();
};

void TestExchangeCommands::importThenExportGivesTheSameBook_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Format>("format");
    QTest::addColumn<QString>("headline");
    QTest::addColumn<QString>("note");   // a line the summary holds
    QTest::addColumn<QString>("stored"); // a row the book holds afterwards
    // The headline of the export read back into the same book. A company of
    // its own row with no e-mail, number or birthday has nothing the matching
    // rules compare besides its name, and comes back as a new contact.
    QTest::addColumn<QString>("again");

    QTest::newRow("Google Contacts")
        << QByteArray("\xEF\xBB\xBF" "First Name,Last Name,Name Prefix,Organization Name,Birthday,Labels,"
                      "E-mail 1 - Label,E-mail 1 - Value,Phone 1 - Label,Phone 1 - Value,Address 1 - Label,"
                      "Address 1 - Street,Address 1 - City,Address 1 - Postal Code,Address 1 - Country\n"
                      "Anna,Schmidt,Frau Dr.,Beta AG,1980-05-17,* myContacts ::: Freunde,* Home,a@s.example,"
                      "Mobile,0171 1234567,Home,Weg 2,Berlin,10115,Deutschland\n"
                      "Ben,Roth,,,--12-24,Freunde ::: Neu,Work,ben@r.example ::: b2@r.example,Work Fax,0221 99,"
                      "Work,Ring 1,K\xC3\xB6ln,50667,\n")
        << Format::GoogleCsv << "Contacts added: 3, from 2 rows in \"in.csv\"."
        << "Birthday \"--12-24\" has no year: stored in the year 1604." << "Roth: Neu"
        << "Contacts added: 1, updated: 0, unchanged: 2, skipped: 0; rows read from \"out\": 3.";
    QTest::newRow("Outlook, German")
        << QByteArray("\"Anrede\",\"Vorname\",\"Nachname\",\"Firma\",\"Stra\xDF" "e gesch\xE4" "ftlich\","
                      "\"Ort gesch\xE4" "ftlich\",\"Postleitzahl gesch\xE4" "ftlich\",\"Telefon gesch\xE4" "ftlich\","
                      "\"Mobiltelefon\",\"E-Mail-Adresse\",\"Geburtstag\",\"Kategorien\",\"Notizen\"\r\n"
                      "\"Herr\",\"J\xFCrgen\",\"M\xFCller\",\"Acme GmbH\",\"Hauptstr. 1\",\"M\xFCnchen\",\"80331\","
                      "\"089 123456\",\"0170 555\",\"jm@acme.example\",\"3.4.1965\",\"Kollegen;Verein\","
                      "\"Zeile 1\r\nZeile 2\"\r\n")
        << Format::OutlookCsv << "Contacts added: 2, from 1 row in \"in.csv\"."
        << "Companies created, as persons of the file work there: \"Acme GmbH\"." << "Müller: Verein"
        << "Contacts added: 1, updated: 0, unchanged: 1, skipped: 0; rows read from \"out\": 2.";
    QTest::newRow("a row of an e-mail address alone, in the words of rows")
        << QByteArray("First Name,Last Name,E-mail Address,Home Phone\n,,solo@x.example,0221 1234567\n")
        << Format::OutlookCsv << "Contacts added: 1, from 1 row in \"in.csv\"."
        << "The row has no name: filed under its e-mail address \"solo@x.example\"."
        << "solo@x.example: E-Mail solo@x.example"
        << "Contacts added: 0, updated: 0, unchanged: 1, skipped: 0; rows read from \"out\": 1.";
    QTest::newRow("a row without a name listed, the rows around it stored")
        << QByteArray("First Name,Last Name,Home Phone\nEva,Roth,0221 1234567\n,,0221 7654321\nMax,Berg,0228 123456\n")
        << Format::OutlookCsv << "Contacts added: 2, from 3 rows in \"in.csv\"." << "The row has no name: not imported."
        << "Berg: Telefon 0228/123456"
        << "Contacts added: 0, updated: 0, unchanged: 2, skipped: 0; rows read from \"out\": 2.";
    QTest::newRow("every row stored as it was, in the words of rows")
        << QByteArray("First Name,Last Name,Home Phone\nEva,Roth,0221 1234567\n") << Format::OutlookCsv
        << "Contacts added: 1, from 1 row in \"in.csv\"." << "Every row was stored as it was."
        << "Roth: Telefon 0221/1234567"
        << "Contacts added: 0, updated: 0, unchanged: 1, skipped: 0; rows read from \"out\": 1.";
    QTest::newRow("Thunderbird LDIF")
        << QByteArray("dn: cn=Freunde\nobjectclass: top\nobjectclass: groupOfNames\ncn: Freunde\n"
                      "member: cn=Eva Klein,mail=eva@k.example\n\n"
                      "dn: cn=Eva Klein,mail=eva@k.example\nobjectclass: top\nobjectclass: person\n"
                      "objectclass: mozillaAbPersonAlpha\ngivenName: Eva\nsn: Klein\ncn: Eva Klein\n"
                      "mail: eva@k.example\ntelephoneNumber: 0211 1\nhomePhone: 0211 2\n"
                      "mozillaHomeStreet: Allee 5\nmozillaHomeLocalityName:: RMO8c3NlbGRvcmY=\n"
                      "mozillaHomePostalCode: 40210\nbirthyear: 1990\nbirthmonth: 7\nbirthday: 1\n\n")
        << Format::Ldif << "Contacts added: 1, from 2 entries in \"in.csv\"."
        << "A group, not a contact: contacts of this file added to the group \"Freunde\": 1." << "Klein: Freunde"
        << "Contacts added: 0, updated: 0, unchanged: 1, skipped: 0; entries read from \"out\": 2.";
}

void TestExchangeCommands::importThenExportGivesTheSameBook()
{
    QFETCH(QByteArray, file);
    QFETCH(Format, format);
    QFETCH(QString, headline);
    QFETCH(QString, note);
    QFETCH(QString, stored);
    QFETCH(QString, again);
    TestDb first;
    RecordingMessages rec;
    QString shown, report;
    QVERIFY(import(first, format, writeFile(first.dir(), "in.csv", file), shown, report, rec) > 0);
    QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join('|')));
    QCOMPARE(shown, headline);
    QVERIFY2(report.split(u'\n').contains(note), qPrintable(report));
    const QString book = rows(first);
    QVERIFY2(book.contains(stored), qPrintable(book));

    // Exported in the shape it came in, and read into an empty book: the same rows.
    const QString out = QDir(first.dir()).filePath("out");
    rec.fileAnswers << out;
    rec.modalHandlers << [format](QDialog* d) {
        if (auto* google = d->findChild<QRadioButton*>(QStringLiteral("rb_google")); google && format == Format::GoogleCsv)
            google->setChecked(true);
        d->findChild<QRadioButton*>(QStringLiteral("rb_all"))->setChecked(true);
        return int(QDialog::Accepted);
    };
    {
        QWidget owner;
        TestSession session(first.path());
        if (format == Format::Ldif)
            exportLdif(session, &owner, {}, 0);
        else
            exportCsv(session, &owner, {}, 0);
    }
    QVERIFY2(rec.messages.last().startsWith(QLatin1String("Contacts exported:")), qPrintable(rec.messages.join('|')));
    TestDb second;
    QVERIFY(import(second, format, out, shown, report, rec) > 0);
    QCOMPARE(rows(second), book);

    // Read back into the book it came from: its contacts known, nothing of theirs changed.
    import(first, format, out, shown, report, rec, true);
    QCOMPARE(shown, again);
    if (again.startsWith(QLatin1String("Contacts added: 0,")))
        QCOMPARE(rows(first), book);
}

void TestExchangeCommands::refusedOrCancelledStoresNothing_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Format>("format");
    QTest::addColumn<QString>("message");
    QTest::newRow("a change record is no address book")
        << QByteArray("dn: cn=A,mail=a@x\ncn: A\n\ndn: cn=B\nchangetype: modify\nreplace: cn\ncn: C\n-\n")
        << Format::Ldif
        << "The file \"%1\" cannot be imported:\r\nLine 8: \"-\" is neither an attribute nor the continuation of "
           "one.\r\n\r\nNothing was imported.";
    QTest::newRow("the mapping window cancelled") << QByteArray("Name,E-Mail\nAnna,a@x.example\n") << Format::GoogleCsv
                                                  << "";
}

void TestExchangeCommands::refusedOrCancelledStoresNothing()
{
    QFETCH(QByteArray, file);
    QFETCH(Format, format);
    QFETCH(QString, message);
    TestDb db;
    const QString path = writeFile(db.dir(), "in.txt", file);
    RecordingMessages rec;
    rec.fileAnswers << path;
    QWidget owner;
    {
        TestSession session(db.path());
        QCOMPARE(format == Format::Ldif ? importLdif(session, &owner) : importCsv(session, &owner), 0);
    }
    QCOMPARE(rec.messages.join('|'), message.isEmpty() ? QString() : message.arg(QDir::toNativeSeparators(path)));
    QCOMPARE(test::committedValues(db.path(), "select count(*) from object"), QStringList{"0"});
}

void TestExchangeCommands::catalogueHoldsEveryText()
{
    QHash<QString, const LangKey*> catalogue;
    for (const LangKey& k : TLang::keys())
        catalogue.insert(QLatin1String(k.key), &k);
    for (const exchange::MessageKey& m : exchangecommands::commandKeys() + ldifCommandKeys()) {
        const LangKey* entry = catalogue.value(QLatin1String(m.key));
        QVERIFY2(entry, m.key);
        QCOMPARE(QByteArray(entry->builtIn), QByteArray(m.builtIn));
    }
}

QTEST_MAIN(TestExchangeCommands)
#include "tst_exchangecommands.moc"
