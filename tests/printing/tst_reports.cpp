// The printed reports over real databases, run through their commands as the
// main window runs them: what the laid-out pages say, in which order, on which
// page, and what happens when a step fails.
#include "RecordingMessages.h"
#include "TestDb.h"
#include "TestSession.h"
#include "WindowTest.h"
#include "printing/PrintCommands.h"
#include "printing/ReportTexts.h"
#include "printing/engine/PreviewDialog.h"
#include "printing/f_birth.h"
#include "printing/f_print_address_book.h"
#include "services/CommandGuard.h"

#include <QDate>
#include <QTest>

using namespace pellori;
using namespace pellori::test;
using report::Page;
using report::PlacedItem;

namespace {

const QString L1(const char* latin1) { return QString::fromLatin1(latin1); }

struct Fixture : WindowTest {
    explicit Fixture(TestDb::Content content = TestDb::Demo, const QString& seed = QString()) : WindowTest(content)
    {
        if (!seed.isEmpty())
            db.isql(seed);
        start();
    }
    // Runs a command as the menu does; the preview it opens is laid out to the end and kept.
    bool run(const std::function<void()>& command)
    {
        messages.modalHandlers << [this](QDialog* d) {
            if (auto* p = qobject_cast<report::PreviewDialog*>(d)) {
                if (!QTest::qWaitFor([p] { return p->layout().finished(); }, 120000))
                    qWarning("the preview did not finish its pages");
                pages.assign(p->layout().pages().begin(), p->layout().pages().end());
            }
            return int(QDialog::Rejected);
        };
        const bool ok = guarded(command);
        if (messages.modalTitles.isEmpty())
            messages.modalHandlers.clear();
        return ok;
    }
    int reportWindows() const
    {
        return int(owner.findChildren<Tf_print_ad_book*>().size() + owner.findChildren<Tf_birthday*>().size());
    }

    std::vector<Page> pages;
};

// Each placed band but the page header and footer as one line: its texts joined by "|".
QStringList bodyLines(const std::vector<Page>& pages, const QStringList& skip = {"QRBand_header", "QRBand_footer", "QRBand1", "QRBand2"})
{
    QStringList lines;
    for (const Page& p : pages)
        for (int b = 0; b < int(p.bands.size()); ++b) {
            if (skip.contains(p.bands[b].name))
                continue;
            QStringList texts;
            for (const PlacedItem& i : p.items)
                if (i.placement == b && i.kind == PlacedItem::Kind::Text)
                    texts << i.text();
            lines << texts.join('|');
        }
    return lines;
}

QString itemText(const Page& page, const QString& item)
{
    for (const PlacedItem& i : page.items)
        if (i.item == item)
            return i.text();
    return "<none>";
}

QStringList names(const std::vector<Page>& pages)
{
    QStringList n;
    for (const Page& p : pages)
        for (const PlacedItem& i : p.items)
            if (i.item == "QRDBText1")
                n << i.text();
    return n;
}

const AddressBook& book(const char* name)
{
    for (const AddressBook& b : addressBooks())
        if (QLatin1String(b.objectName) == QLatin1String(name))
            return b;
    qFatal("no book %s", name);
}

// A company with every kind of detail row, two employees (one of them dead) and one more
// person elsewhere in the alphabet. Type 7 and address type 5 have empty names.
const char* const kCompanySeed = R"(
INSERT INTO communicationtype (CT_ID, CT_NAME, CT_SORTID) VALUES (7, '', 7);
INSERT INTO addresstype (AT_ID, AT_NAME, AT_SORTID) VALUES (5, '', 5);
INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (1, 'C', 'Acme', 'GmbH', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (1, 2, '@', '030', '100', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (1, 5, '-', '030', '109', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (1, 6, '@', '030', '', 'Zentrale');
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (1, 7, '@', '', '555', '');
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (1, 3, 'www.acme.de', '@');
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (1, 2, '', '-');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (1, 2, '@', 10115, 'Berlin', 'Hauptstr. 1', 'D');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (1, 4, '-', 10117, 'Berlin', '', 'D');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (1, 5, '@', 1, 'X', 'Y', NULL);
INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (2, 'P', 'Berg', 'Anna', 'Line one
Line two');
UPDATE person SET P_CID = 1 WHERE P_ID = 2;
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (2, 1, '-', '089', '200', NULL);
INSERT INTO communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT) VALUES (2, 3, '@', '0170', '201', 'Frau X');
INSERT INTO internet (I_OID, I_ITID, I_NAME, I_PREF) VALUES (2, 1, 'anna@x.de', '-');
INSERT INTO address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) VALUES (2, 1, '-', 80331, 'M)" "\xFC" R"(nchen', 'Weg 2', NULL);
INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (3, 'P', ')" "\xC4" R"(rger', 'Udo', NULL);
UPDATE person SET P_CID = 1, P_ALIVE = '-' WHERE P_ID = 3;
INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) VALUES (4, 'P', 'Zander', 'Ole', NULL);
UPDATE person SET P_CID = 1 WHERE P_ID = 4;
COMMIT;
)";

} // namespace

class TestReports : public QObject {
    Q_OBJECT
private slots:
    void blocksJoinPersonAndCompanyRows();
    void emptyBooksGiveOnePage_data();
    void emptyBooksGiveOnePage();
    void booksHoldTheirLetters_data();
    void booksHoldTheirLetters();
    void blocksNearThePageFootMoveWhole();
    void doctorsValueMustBeAWholeNumber_data();
    void doctorsValueMustBeAWholeNumber();
    void failingQueriesOpenNoPreview_data();
    void failingQueriesOpenNoPreview();
    void birthdayList_data();
    void birthdayList();
    void lineTexts_data();
    void lineTexts();
    void titlesAndHeadings_data();
    void titlesAndHeadings();
};

void TestReports::blocksJoinPersonAndCompanyRows()
{
    Fixture f(TestDb::Schema, L1(kCompanySeed));
    QVERIFY(f.run([&] { printAddressBook(book("AddressbookA1"), *f.session, &f.owner); }));
    QCOMPARE(f.messages.modalTitles, QStringList{"Address-Book"});
    QCOMPARE(f.pages.size(), size_t(1));
    QCOMPARE(itemText(f.pages[0], "QRLabel7"), L1("AddressBook - (A..., \xC4..., B...)"));
    const QString business = L1("Telefon gesch\xE4" "ftlich [*]:|030 / 100");
    const QString office = L1("Gesch\xE4" "ftlich [*]:|D 10115 Berlin, Hauptstr. 1");
    const QStringList expected{
        // The company: its own rows; its employees in German order, the dead one too; no blank line.
        "Acme GmbH", business, "Zentrale", " [*]:| / 555", "Fax:|030 / 109", "Homepage [*]:|www.acme.de", office,
        "Postfach:|D 10117 Berlin,", L1("\xC4rger, Udo"), "Berg, Anna", "Zander, Ole",
        // The person: the company's rows among her own, current first; works at; the blank line.
        "Berg, Anna", "Line one\nLine two", business, "Mobil [*]:|0170 / 201", "Frau X", "Zentrale", " [*]:| / 555",
        "Telefon:|089 / 200", "Fax:|030 / 109", "Homepage [*]:|www.acme.de", "E-Mail:|anna@x.de", office,
        L1("Privat:|80331 M\xFCnchen, Weg 2"), "Postfach:|D 10117 Berlin,", "works at: Acme GmbH", ""};
    QCOMPARE(bodyLines(f.pages), expected);
    QCOMPARE(f.reportWindows(), 0);
}

void TestReports::emptyBooksGiveOnePage_data()
{
    QTest::addColumn<QString>("doctors");
    QTest::addColumn<std::function<void(Session&, QWidget*)>>("command");
    QTest::newRow("all contacts") << "1" << std::function<void(Session&, QWidget*)>(printAllContacts);
    QTest::newRow("letters") << "1" << std::function<void(Session&, QWidget*)>([](Session& s, QWidget* o) {
        PrintAddressBookForLetters("XYZ", s, o);
    });
    QTest::newRow("doctors without members") << "1" << std::function<void(Session&, QWidget*)>(printDoctors);
    QTest::newRow("doctors naming no group") << " 999" << std::function<void(Session&, QWidget*)>(printDoctors);
}

void TestReports::emptyBooksGiveOnePage()
{
    QFETCH(QString, doctors);
    QFETCH(std::function<void(Session&, QWidget*)>, command);
    Fixture f(TestDb::Schema);
    f.session->standardValues().doctors = doctors;
    QVERIFY(f.run([&] { command(*f.session, &f.owner); }));
    QCOMPARE(f.pages.size(), size_t(1));
    // The title, one entry with its rule, no name and the blank employee line, the footer.
    const Page& p = f.pages[0];
    QStringList bands;
    for (const auto& b : p.bands)
        bands << b.name;
    QCOMPARE(bands, (QStringList{"QRBand_header", "QRBand_object", "QRSubDetail_pwac", "QRBand_footer"}));
    QCOMPARE(bodyLines(f.pages), (QStringList{"", ""}));
    QCOMPARE(p.items[1].kind, PlacedItem::Kind::Rule);
    QVERIFY(!itemText(p, "QRLabel7").isEmpty());
    QCOMPARE(itemText(p, "QRSysData3"), QString("1"));
    QCOMPARE(f.reportWindows(), 0);
}

void TestReports::booksHoldTheirLetters_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(addressBooks().size()); ++i)
        QTest::newRow(addressBooks()[i].objectName) << i;
}

void TestReports::booksHoldTheirLetters()
{
    QFETCH(int, index);
    const AddressBook& b = addressBooks()[index];
    // A name in lower case, a dead doctor; the demo has a name beginning with a digit and dead persons.
    Fixture f(TestDb::Demo, "INSERT INTO object (O_ID, O_TYPE, O_NAME1) VALUES (90, 'C', 'bauhaus kino');\n"
                            "INSERT INTO belong2group (B2G_OID, B2G_GID) VALUES (18, 1);\nCOMMIT;\n");
    f.session->standardValues().doctors = "1";
    QVERIFY(f.run([&] { printAddressBook(b, *f.session, &f.owner); }));
    QStringList expected;
    if (b.kind == AddressBookKind::Doctors) {
        expected = committedValues(f.db.path(), "select o_name1 || coalesce(' ' || o_name2, '') from object where o_id in (2, 10) "
                                                "union all select o_name1 || ', ' || o_name2 from object where o_id in (17, 22, 27, 36)");
    } else {
        for (const QString& n : committedValues(f.db.path(), "select o_name from p_view_company_and_person where o_alive = '@'"))
            if (b.kind == AddressBookKind::All || QString::fromLatin1(b.letters).contains(n.at(0).toUpper()))
                expected << n;
    }
    QStringList printed = names(f.pages);
    QVERIFY(!printed.isEmpty());
    if (b.kind == AddressBookKind::All)
        QVERIFY(printed.contains("3D Druck GmbH"));
    QCOMPARE(QSet<QString>(printed.begin(), printed.end()), QSet<QString>(expected.begin(), expected.end()));
    QCOMPARE(printed.size(), expected.size());
}

void TestReports::blocksNearThePageFootMoveWhole()
{
    Fixture f;
    QVERIFY(f.run([&] { printAllContacts(*f.session, &f.owner); }));
    QVERIFY(f.pages.size() > 3);
    const double bodyBottom = 210 - 20 - 8.5;
    const double chain = 7.1 + 4.8 * 6 + 5.0;
    int moved = 0;
    for (const Page& p : f.pages) {
        QCOMPARE(itemText(p, "QRLabel7"), QString("AddressBook"));
        QCOMPARE(itemText(p, "QRSysData3"), QString::number(p.number));
        double end = 0;
        for (size_t i = 0; i < p.bands.size(); ++i) {
            const auto& b = p.bands[i];
            if (b.name == "QRBand_footer")
                continue;
            QVERIFY2(b.rectMm.bottom() <= bodyBottom + 1e-6, qPrintable(b.name));
            end = b.rectMm.bottom();
            // A name starts only where the rest of its chain fits, or at the top of a page.
            if (b.name == "QRBand_object" && i > 1)
                QVERIFY2(bodyBottom - b.rectMm.top() >= chain - 1e-6, qPrintable(QString::number(p.number)));
        }
        if (p.number < int(f.pages.size()) && bodyBottom - end >= 7.1)
            ++moved;
    }
    QVERIFY(moved > 0);
}

void TestReports::doctorsValueMustBeAWholeNumber_data()
{
    QTest::addColumn<QString>("doctors");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("number") << "1" << true;
    QTest::newRow("leading blanks") << "  1" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("text") << "abc" << false;
    QTest::newRow("injected") << "1) or (1=1" << false;
    QTest::newRow("list") << "1,2" << false;
}

void TestReports::doctorsValueMustBeAWholeNumber()
{
    QFETCH(QString, doctors);
    QFETCH(bool, accepted);
    Fixture f;
    f.session->standardValues().doctors = doctors;
    QCOMPARE(f.run([&] { printAddressBook(book("A1"), *f.session, &f.owner); }), accepted);
    if (accepted) {
        QCOMPARE(itemText(f.pages[0], "QRLabel7"), QString("AddressBook - Doctors"));
        QCOMPARE(names(f.pages).size(), 6);   // the demo's doctors
        return;
    }
    QCOMPARE(f.errors, QStringList{QString("'%1' is not a valid integer value").arg(doctors)});
    QVERIFY(f.messages.modalTitles.isEmpty());
}

void TestReports::failingQueriesOpenNoPreview_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<std::function<void(Session&, QWidget*)>>("command");
    QTest::newRow("birthday persons") << "DROP PROCEDURE p_view_birthday;"
                                      << std::function<void(Session&, QWidget*)>(printBirthdayList);
    QTest::newRow("birthday months") << "DROP VIEW v_birthday;" << std::function<void(Session&, QWidget*)>(printBirthdayList);
    QTest::newRow("doctors master") << "DROP TABLE belong2group;" << std::function<void(Session&, QWidget*)>(printDoctors);
    QTest::newRow("details") << "DROP TABLE internet;" << std::function<void(Session&, QWidget*)>(printAllContacts);
}

void TestReports::failingQueriesOpenNoPreview()
{
    QFETCH(QString, sql);
    QFETCH(std::function<void(Session&, QWidget*)>, command);
    Fixture f(TestDb::Demo, sql + "\nCOMMIT;\n");
    QVERIFY(!f.run([&] { command(*f.session, &f.owner); }));
    QCOMPARE(f.errors.size(), 1);
    QVERIFY(f.messages.modalTitles.isEmpty());
    QCOMPARE(f.reportWindows(), 0);
    // The other commands still work.
    QVERIFY(f.run([&] { PrintAddressBookForLetters("CD", *f.session, &f.owner); }) != (sql.contains("internet")));
}

void TestReports::birthdayList_data()
{
    QTest::addColumn<QString>("seed");
    QTest::addColumn<bool>("catalogue");
    QTest::addColumn<QStringList>("expected");   // heading, or day|name|birth year|birth year
    const QString people = L1(R"(
INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2) VALUES (10, 'P', 'Alt', 'Anna');
UPDATE person SET P_BIRTHDAY = DATE '1940-03-05' WHERE P_ID = 10;
INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2) VALUES (11, 'P', 'Jung', 'Jan');
UPDATE person SET P_BIRTHDAY = DATE '1990-03-05' WHERE P_ID = 11;
INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2) VALUES (12, 'P', 'Tot', 'Tim');
UPDATE person SET P_BIRTHDAY = DATE '1950-03-01', P_ALIVE = '-' WHERE P_ID = 12;
INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2) VALUES (13, 'P', 'Mai', 'Mia');
UPDATE person SET P_BIRTHDAY = DATE '1980-12-20' WHERE P_ID = 13;
INSERT INTO object (O_ID, O_TYPE, O_NAME1, O_NAME2) VALUES (14, 'P', 'Ohne', 'Tag');
COMMIT;
)");
    const QString dagger = QString(QChar(0x2020)) + " ";
    QTest::newRow("same day: older first; the dead with a dagger")
        << people << false
        << QStringList{"March", "1|" + dagger + "Tot, Tim|1950", "5|Alt, Anna|1940", "5|Jung, Jan|1990", "December", "20|Mai, Mia|1980"};
    QTest::newRow("headings from the catalogue") << people << true
                                                 << QStringList{"Xmonth03", "1|" + dagger + "Tot, Tim|1950", "5|Alt, Anna|1940",
                                                                "5|Jung, Jan|1990", "Xmonth12", "20|Mai, Mia|1980"};
    QTest::newRow("no birthdays") << QString() << true << QStringList{"[ ERROR ]", "|||"};
}

void TestReports::birthdayList()
{
    QFETCH(QString, seed);
    QFETCH(bool, catalogue);
    QFETCH(QStringList, expected);
    Fixture f(TestDb::Schema, seed);
    if (catalogue)
        f.session->loadCatalogue(f.db.dir(), "X");
    QVERIFY(f.run([&] { printBirthdayList(*f.session, &f.owner); }));
    QCOMPARE(f.messages.modalTitles, QStringList{report::PreviewDialog::defaultCaption()});
    QCOMPARE(f.pages.size(), size_t(1));
    const int year = QDate::currentDate().year();
    QCOMPARE(itemText(f.pages[0], "QRLabel3"), (catalogue ? "Xbirthdaylist " : "Birthdaylist ") + QString::number(year));
    QStringList lines = bodyLines(f.pages);
    // A person line: day, name, date of birth (its four-digit year), age in this year.
    for (QString& line : lines) {
        const QStringList parts = line.split('|');
        if (parts.size() == 4 && !parts[2].isEmpty()) {
            const QString born = parts[2].right(4);
            QVERIFY2(parts[2].contains(born) && born.toInt() > 1900, qPrintable(line));
            QCOMPARE(parts[3].toInt(), year - born.toInt());
            line = parts[0] + '|' + parts[1] + '|' + born;
        }
    }
    QCOMPARE(lines, expected);
}

void TestReports::lineTexts_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QString>("expected");
    const QVariant null;
    QTest::newRow("current type") << "type" << QVariantList{"Mobil", "@"} << "Mobil [*]:";
    QTest::newRow("other type") << "type" << QVariantList{"Mobil", "-"} << "Mobil:";
    QTest::newRow("current, empty type") << "type" << QVariantList{"", "@"} << " [*]:";
    QTest::newRow("other, empty type") << "type" << QVariantList{"", "-"} << "";
    QTest::newRow("other, NULL type") << "type" << QVariantList{null, null} << "";
    QTest::newRow("number") << "number" << QVariantList{"089", "123"} << "089 / 123";
    QTest::newRow("empty prefix") << "number" << QVariantList{"", "123"} << " / 123";
    QTest::newRow("NULL prefix") << "number" << QVariantList{null, "123"} << "";
    QTest::newRow("address") << "address" << QVariantList{"D", qlonglong(1069), "Dresden", "Markt 1"} << "D 01069 Dresden, Markt 1";
    QTest::newRow("no country") << "address" << QVariantList{null, qlonglong(1069), "Dresden", "Markt 1"} << "1069 Dresden, Markt 1";
    QTest::newRow("no street") << "address" << QVariantList{"D", qlonglong(1069), "Dresden", ""} << "D 01069 Dresden,";
    QTest::newRow("written 01069") << "address" << QVariantList{null, qlonglong(1069), "Dresden", "Prager Str. 12", "01069"}
                                   << "01069 Dresden, Prager Str. 12";
    QTest::newRow("written SW1A 1AA") << "address" << QVariantList{"UK", qlonglong(0), "London", "Whitehall 1", "SW1A 1AA"}
                                      << "UK SW1A 1AA London, Whitehall 1";
    QTest::newRow("written, number changed elsewhere")
        << "address" << QVariantList{"France", qlonglong(75011), "Paris", "Rue 1", "01069"} << "France 75011 Paris, Rue 1";
    QTest::newRow("control characters") << "address" << QVariantList{"\t\x01", qlonglong(5), "A", "B\r\n"} << "5 A, B";
    QTest::newRow("NULL postcode") << "address" << QVariantList{"D", null, "Dresden", "Markt 1"} << "";
    QTest::newRow("works at") << "worksat" << QVariantList{"Acme", "GmbH"} << "works at: Acme GmbH";
    QTest::newRow("works at, one name") << "worksat" << QVariantList{"Acme", null} << "works at: Acme";
    QTest::newRow("alive") << "birthday" << QVariantList{"Alt, Anna", "@"} << "Alt, Anna";
    QTest::newRow("dead") << "birthday" << QVariantList{"Alt, Anna", "-"} << QString(QChar(0x2020)) + " Alt, Anna";
}

void TestReports::lineTexts()
{
    QFETCH(QString, rule);
    QFETCH(QVariantList, values);
    QFETCH(QString, expected);
    const auto v = [&](int i) { return values.value(i); };
    QString text;
    if (rule == "type")
        text = reports::typeText(v(0), v(1));
    else if (rule == "number")
        text = reports::numberText(v(0), v(1));
    else if (rule == "address")
        text = reports::addressText(v(0), v(1), v(2), v(3), v(4));
    else if (rule == "worksat")
        text = reports::worksAtText(v(0), v(1));
    else
        text = reports::birthdayName(v(0), v(1));
    QCOMPARE(text, expected);
}

void TestReports::titlesAndHeadings_data()
{
    QTest::addColumn<QString>("catalogue");   // every key's text: this prefix and the key; none when empty
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("expected");
    QTest::newRow("letters") << "" << "letters" << "AddressBook - (C..., D...)";
    QTest::newRow("letters, catalogue") << "X" << "letters" << "Xaddressbook - (C..., D...)";
    QTest::newRow("doctors, catalogue") << "X" << "doctors" << "Xaddressbook - Xdoctors";
    QTest::newRow("birthday") << "" << "birthday" << "Birthdaylist 2031";
    // The catalogue's words are menu captions too: their access keys do not print.
    QTest::newRow("birthday, access key") << "&" << "birthday" << "birthdaylist 2031";
    QTest::newRow("doctors, access key") << "&&" << "doctors" << "&addressbook - &doctors";
    QTest::newRow("month 0") << "X" << "month0" << "[ ERROR ]";
    QTest::newRow("month 13") << "" << "month13" << "[ ERROR ]";
    QTest::newRow("doctors menu, catalogue") << "X" << "menuA1" << "Xaddressbook (Xdoctors)";
    QTest::newRow("range menu, catalogue") << "X" << "menuAddressbookA1" << "Xaddressbook (A..., B...)";
}

void TestReports::titlesAndHeadings()
{
    QFETCH(QString, catalogue);
    QFETCH(QString, which);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    TestDb db;
    TestSession s(db.path());
    if (!catalogue.isEmpty())
        s.loadCatalogue(dir.path(), catalogue);
    const TLang& lang = s.lang();
    QString text;
    if (which == "letters")
        text = reports::letterRangeTitle(lang, "CD");
    else if (which == "doctors")
        text = reports::doctorsTitle(lang);
    else if (which == "birthday")
        text = reports::birthdayListTitle(lang, QDate(2031, 1, 2));
    else if (which.startsWith("month"))
        text = reports::monthName(lang, which.mid(5).toInt());
    else
        text = addressBookCaption(book(qPrintable(which.mid(4))), lang);
    QCOMPARE(text, expected);
}

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
