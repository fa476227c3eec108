// The contact list: the stored list gives the rows and the order of the
// original statements by every plan; the search everywhere finds what it
// promises and says why; the triggers keep both current; a book without the
// stored list gets the original statements.
#include "SearchBook.h"
#include "data/ContactQueries.h"
#include "data/Statement.h"
#include "search/ContactListQuery.h"

#include <QTest>
#include <memory>

using namespace pellori;
using namespace pellori::test;
using search::Column;
using search::ContactListQuery;
using search::ListRequest;
using search::PlanLimits;
using search::Scope;
using Plan = ContactListQuery::Plan;

Q_DECLARE_METATYPE(std::optional<int>)
Q_DECLARE_METATYPE(PlanLimits)

namespace {

// Names that sort and match in tricky ways, beside the demo's.
const QString kTrickyNames = QStringLiteral(
    "insert into object (o_id, o_type, o_name1, o_name2) values (101, 'P', 'M\u00FCller', 'Hans');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (102, 'P', 'Mueller', 'Hans');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (103, 'P', 'Muller', 'Hans');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (104, 'P', 'M\u00DCLLER', 'hans');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (105, 'P', 'm\u00FCller', null);\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (106, 'P', 'Schmidt', 'Anna');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (107, 'P', 'Schmidt', 'Anna');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (108, 'P', 'Schmidt', 'Anna');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (109, 'C', 'Schmidt', 'Anna');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (110, 'P', 'Zander', '');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (111, 'P', 'Zander', '  ');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (112, 'P', 'Zander', null);\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (113, 'P', 'Strau\u00DF', 'Eva');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (114, 'P', 'Strauss', 'Eva');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (115, 'C', '\u00D6lm\u00FChle', '\u00D6ko');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (116, 'P', 'O''Neil', 'Sean');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (117, 'C', '100% Bio_Laden', null);\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (118, 'P', '\u00C9clair', 'Zo\u00EB');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (119, 'P', '\u00FFpsilon', 'x');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (120, 'P', 'Trailing  ', 'Blank');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (122, 'P', 'Back\\slash', 'Bob');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (123, 'P', 'zander', 'lower');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (124, 'C', '\u00C4RZTE', null);\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (125, 'P', '\u00C4rzte', 'Anna');\n"
    "insert into belong2group (b2g_oid, b2g_gid) values (101, 1);\n"
    "insert into belong2group (b2g_oid, b2g_gid) values (104, 1);\n"
    "insert into belong2group (b2g_oid, b2g_gid) values (106, 3);\n"
    "insert into belong2group (b2g_oid, b2g_gid) values (109, 3);\n"
    "insert into belong2group (b2g_oid, b2g_gid) values (110, 1);\n"
    "commit;\n");

// A small book whose every detail is known: "Elbtal Druck GmbH", "M\u00FCller, J\u00F6rg" (works
// there), "Mueller, Anna", "Schulz, Bernd", "B\u00E4ckerei K\u00FChn", "O'Brien, Se\u00E1n".
const QString kBook = QStringLiteral(
    "insert into object (o_id, o_type, o_name1, o_name2) values (1, 'C', 'Elbtal Druck', 'GmbH');\n"
    "insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street, a_country)"
    " values (1, 2, '@', 1067, 'Dresden', 'Prager Stra\u00DFe 5', 'Deutschland');\n"
    "insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) values (1, 2, '@', '0351', '486 29 10');\n"
    "insert into internet (i_oid, i_itid, i_name, i_pref) values (1, 2, 'info@elbtal-druck.de', '@');\n"
    "insert into object (o_id, o_type, o_name1, o_name2, o_additional)"
    " values (2, 'P', 'M\u00FCller', 'J\u00F6rg', 'Trifft man im Caf\u00E9 Prag');\n"
    "update person set p_nickname = 'Jockel', p_cid = 1 where p_id = 2;\n"
    "insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) values (2, 3, '@', '+49 351', '7654321');\n"
    "insert into belong2group (b2g_oid, b2g_gid) values (2, 4);\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (3, 'P', 'Mueller', 'Anna');\n"
    "insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street)"
    " values (3, 1, '@', 4109, 'Leipzig', 'Hauptstra\u00DFe 1');\n"
    "insert into internet (i_oid, i_itid, i_name, i_pref) values (3, 1, 'anna.mueller@example.org', '@');\n"
    "insert into object (o_id, o_type, o_name1, o_name2, o_additional)"
    " values (4, 'P', 'Schulz', 'Bernd', '100% zuverl\u00E4ssig, K\u00FCrzel x_y');\n"
    "insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street, a_country)"
    " values (4, 1, '@', 80331, 'M\u00FCnchen', 'Kaufingerstra\u00DFe 9', 'Deutschland');\n"
    "insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) values (4, 1, '@', '0041 31', '311 44 55');\n"
    "insert into belong2group (b2g_oid, b2g_gid) values (4, 1);\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (5, 'C', 'B\u00E4ckerei K\u00FChn', null);\n"
    "insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street, a_country)"
    " values (5, 2, '@', 1069, 'Dresden', 'Altmarkt 1', 'Deutschland');\n"
    "insert into object (o_id, o_type, o_name1, o_name2) values (6, 'P', 'O''Brien', 'Se\u00E1n');\n"
    "insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street, a_country)"
    " values (6, 1, '@', 12345, 'Dublin', 'Grafton Street 3', 'Irland');\n"
    "commit;\n");

const PlanLimits kIndexed{.drive = -1, .probe = 1000000, .screen = 0};
const PlanLimits kScanned{.drive = -1, .probe = 1, .screen = 1000000};
const PlanLimits kDriven{.drive = 1000000, .probe = 1000000, .screen = 1000000};

QStringList namesAndMatches(DbTransaction& tr, const QString& sql)
{
    QStringList out;
    for (const QStringList& row : rowsOf(tr, sql))
        out << row.value(1) + QLatin1Char('|') + row.last();
    return out;
}

} // namespace

class TestContactList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_tricky = std::make_unique<TestDb>(TestDb::Demo);
        upgradeWith(*m_tricky, kTrickyNames);
        m_book = std::make_unique<TestDb>();
        upgradeWith(*m_book, kBook);
    }

    void sameRowsAsTheOriginalStatements_data();
    void sameRowsAsTheOriginalStatements();
    void searchEverywhere_data();
    void searchEverywhere();
    void triggersKeepTheSearchCurrent_data();
    void triggersKeepTheSearchCurrent();
    void columnsShowTheFirstDetails_data();
    void columnsShowTheFirstDetails();
    void bookWithoutTheStepGetsTheOriginalStatements();

private:
    std::unique_ptr<TestDb> m_tricky, m_book;
};

void TestContactList::sameRowsAsTheOriginalStatements_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("group");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<PlanLimits>("limits");
    QTest::addColumn<int>("plan");
    const QStringList texts = {QString(), QStringLiteral("m\u00FCller"), QStringLiteral("M\u00DCL"), QStringLiteral("\u00FC"),
                               QStringLiteral("mul'ler"), QStringLiteral("o'neil"), QStringLiteral("_"),
                               QStringLiteral("%"), QStringLiteral("100%"), QStringLiteral("\\"), QStringLiteral(" "),
                               QStringLiteral("a"), QStringLiteral("  ,"), QStringLiteral("\u00FF"),
                               QStringLiteral("\u20AC"), QString(2000, QLatin1Char('a'))};
    const struct {
        const char* name;
        PlanLimits limits;
    } plans[] = {{"index", kIndexed}, {"scan", kScanned}, {"driven", kDriven}};
    for (const QString& text : texts)
        for (std::optional<int> group : {std::optional<int>(), std::optional<int>(1)})
            for (bool descending : {false, true})
                for (const auto& p : plans) {
                    if (descending && text.size() > 1)
                        continue;
                    const bool latin1 = text.isEmpty() || text.at(0).unicode() <= 0xFF;
                    Plan plan = !latin1                         ? Plan::Nothing
                                : p.limits.drive > 0 && group   ? Plan::Driven
                                : p.limits.screen > 0 && !text.isEmpty() ? Plan::Scan
                                                                         : Plan::NameOrder;
                    QTest::addRow("'%s' group %d %s %s", qPrintable(text.left(8)), group.value_or(0),
                                  descending ? "desc" : "asc", p.name)
                        << text << group << descending << p.limits << int(plan);
                }
    QTest::newRow("group 3 driven") << QString() << std::optional<int>(3) << false << kDriven << int(Plan::Driven);
    QTest::newRow("group 3 index") << QString() << std::optional<int>(3) << false << kIndexed << int(Plan::NameOrder);
}

void TestContactList::sameRowsAsTheOriginalStatements()
{
    QFETCH(QString, text);
    QFETCH(std::optional<int>, group);
    QFETCH(bool, descending);
    QFETCH(PlanLimits, limits);
    QFETCH(int, plan);
    Connection c;
    attachTo(c, m_tricky->path());
    DbTransaction tr(c, DbTransaction::readCommitted());

    // The statement the list has always run, its ties (equal names) in key order.
    QList<QStringList> expected;
    if (std::all_of(text.begin(), text.end(), [](QChar ch) { return ch.unicode() <= 0xFF; }))
        expected = rowsOf(tr, (text.isEmpty() ? queries::initialContacts() : queries::textSearch(text)) + ", o_id", 3);
    if (group) {
        const QList<QStringList> members =
            rowsOf(tr, QStringLiteral("select b2g_oid from belong2group where b2g_gid = %1").arg(*group));
        expected.removeIf([&](const QStringList& row) { return !members.contains(QStringList{row.first()}); });
    }
    if (descending)
        std::reverse(expected.begin(), expected.end());

    ContactListQuery query(tr, limits);
    QVERIFY(query.stored());
    const QString sql = query.statement({.text = text, .group = group, .descending = descending});
    QCOMPARE(int(query.plan()), plan);
    QCOMPARE(rowsOf(tr, sql, 3), expected);
    if (text.isEmpty() && !group)
        QVERIFY(expected.size() > 70);
}

void TestContactList::searchEverywhere_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("group");
    QTest::addColumn<QStringList>("found");   // name|why, in the list's order
    const QString elbtal = QStringLiteral("Elbtal Druck GmbH|"), mueller = QStringLiteral("Mueller, Anna|"),
                  joerg = QStringLiteral("M\u00FCller, J\u00F6rg|"), schulz = QStringLiteral("Schulz, Bernd|"),
                  kuehn = QStringLiteral("B\u00E4ckerei K\u00FChn|"), obrien = QStringLiteral("O'Brien, Se\u00E1n|");
    const std::optional<int> none;
    const auto row = [&](const char* name, const QString& text, const QStringList& found, std::optional<int> group = {}) {
        QTest::newRow(name) << text << group << found;
    };
    row("without umlaut", "muller", {mueller, joerg});
    row("umlaut written out", "Mueller", {mueller, joerg});
    row("umlaut, capitals", QStringLiteral("M\u00DCLL"), {mueller, joerg});
    row("nickname", "jockel", {joerg + "Nickname: Jockel"});
    row("name explains the match", "jo", {joerg});
    row("e-mail", "example", {mueller + "E-Mail anna.mueller@example.org"});
    row("town", "dresden", {kuehn + "01069 Dresden", elbtal + "01067 Dresden"});
    row("postcode with its zero", "01067", {elbtal + "01067 Dresden"});
    row("postcode by its number", "1067", {elbtal + "01067 Dresden"});
    row("digits alone", "0351 486", {elbtal + QStringLiteral("Telefon gesch\u00E4ftlich 0351 / 486 29 10")});
    row("country code +49", "+49 351",
        {elbtal + QStringLiteral("Telefon gesch\u00E4ftlich 0351 / 486 29 10"), joerg + "Mobil +49 351 / 7654321"});
    row("other country code", "+41 31", {schulz + "Telefon 0041 31 / 311 44 55"});
    row("company worked at", "elbtal",
        {elbtal, joerg + "Works at: Elbtal Druck GmbH"});
    row("group name", QStringLiteral("\u00E4rzte"), {schulz + QStringLiteral("Group: \u00C4rzte")});
    row("notes", "cafe", {joerg + QStringLiteral("Additional: Trifft man im Caf\u00E9 Prag")});
    row("street before notes", "prag", {elbtal + QStringLiteral("Prager Stra\u00DFe 5"), joerg + QStringLiteral("Additional: Trifft man im Caf\u00E9 Prag")});
    row("sharp s", QStringLiteral("Stra\u00DFe"), {elbtal + QStringLiteral("Prager Stra\u00DFe 5")});
    row("country", "irland", {obrien + "Irland"});
    row("accent in the name", "sean", {obrien});
    row("quote", "o'brien", {obrien});
    row("percent is no wildcard", "100%", {schulz + QStringLiteral("Additional: 100% zuverl\u00E4ssig, K\u00FCrzel x_y")});
    row("underscore is no wildcard", "x_y", {schulz + QStringLiteral("Additional: 100% zuverl\u00E4ssig, K\u00FCrzel x_y")});
    row("two words, both needed", "anna leipzig", {mueller + "4109 Leipzig"});
    row("within a group", "elbtal", {joerg + "Works at: Elbtal Druck GmbH"}, 4);
    row("nothing of the group", "dresden", {}, 4);
    row("empty box", "", {kuehn, elbtal, mueller, joerg, obrien, schulz});
    row("blanks", "   ", {kuehn, elbtal, mueller, joerg, obrien, schulz});
    row("a group alone", "", {joerg}, 4);
    for (const char* bad : {"%", "_", "'", "\\", "''--", "%'; delete from object; --"})
        row(bad, bad, {});
    row("2000 characters", QString(2000, QLatin1Char('e')), {});
    row("beyond latin-1", QStringLiteral("\u20AC\u2013"), {});
    row("beyond latin-1, folded", QStringLiteral("Se\u0103n"), {obrien});
}

void TestContactList::searchEverywhere()
{
    QFETCH(QString, text);
    QFETCH(std::optional<int>, group);
    QFETCH(QStringList, found);
    Connection c;
    attachTo(c, m_book->path());
    DbTransaction tr(c, DbTransaction::readCommitted());
    // The contacts of a rare word, and each contact tested along the name index.
    for (const PlanLimits& limits : {kDriven, kIndexed}) {
        ContactListQuery query(tr, limits);
        QCOMPARE(namesAndMatches(tr, query.statement({.scope = Scope::Everywhere, .text = text, .group = group})), found);
    }
    QCOMPARE(rowsOf(tr, QStringLiteral("select count(*) from object")).value(0).value(0), QStringLiteral("6"));
}

void TestContactList::triggersKeepTheSearchCurrent_data()
{
    QTest::addColumn<QStringList>("change");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");
    const auto row = [](const char* name, const QStringList& change, const QString& text, const QStringList& found) {
        QTest::newRow(name) << change << text << found;
    };
    const QString elbtal = QStringLiteral("Elbtal Druck GmbH|"), mueller = QStringLiteral("Mueller, Anna|"),
                  joerg = QStringLiteral("M\u00FCller, J\u00F6rg|"), kuehn = QStringLiteral("B\u00E4ckerei K\u00FChn|"),
                  obrien = QStringLiteral("O'Brien, Se\u00E1n|");
    row("address added", {"insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) "
                          "values (6, 1, '-', 8056, 'Zwickau', 'Ring 1')"},
        "zwickau", {obrien + "8056 Zwickau"});
    row("address changed, new town", {"update address set a_town = 'Zwickau' where a_oid = 3"}, "zwickau",
        {mueller + "4109 Zwickau"});
    row("address changed, old town", {"update address set a_town = 'Zwickau' where a_oid = 3"}, "leipzig", {});
    row("address removed", {"delete from address where a_oid = 3"}, "leipzig", {});
    // Postcodes as written, while they agree with the number another program may have changed.
    row("postcode written", {"update address set a_postcode_text = 'SW1A 1AA', a_postcode = 0 where a_oid = 6"},
        "sw1a", {obrien + "SW1A 1AA Dublin"});
    row("postcode written with its zero", {"update address set a_postcode_text = '04109' where a_oid = 3"}, "04109",
        {mueller + "04109 Leipzig"});
    row("number changed by another program", {"update address set a_postcode_text = '04109', a_postcode = 4229 "
                                              "where a_oid = 3"},
        "leipzig", {mueller + "4229 Leipzig"});
    row("its written text then out of date", {"update address set a_postcode_text = '04109', a_postcode = 4229 "
                                              "where a_oid = 3"},
        "04109", {});
    row("number added", {"insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) "
                         "values (6, 1, '@', '+353 1', '6612345')"},
        "+353 1 661", {obrien + "Telefon +353 1 / 6612345"});
    row("number changed", {"update communication set c_number = '4862999' where c_oid = 1"}, "0351 4862999",
        {elbtal + QStringLiteral("Telefon gesch\u00E4ftlich 0351 / 4862999")});
    row("number removed", {"delete from communication where c_oid = 1"}, "0351 486", {});
    row("internet added", {"insert into internet (i_oid, i_itid, i_name, i_pref) values (5, 3, 'www.kuehn-backt.de', '@')"},
        "backt", {kuehn + "Homepage www.kuehn-backt.de"});
    row("internet changed", {"update internet set i_name = 'anna@beispiel.de' where i_oid = 3"}, "beispiel",
        {mueller + "E-Mail anna@beispiel.de"});
    row("internet removed", {"delete from internet where i_oid = 3"}, "example", {});
    row("group joined", {"insert into belong2group (b2g_oid, b2g_gid) values (3, 4)"}, "kollegen",
        {mueller + "Group: Kollegen", joerg + "Group: Kollegen"});
    row("group left", {"delete from belong2group where b2g_oid = 2"}, "kollegen", {});
    row("group renamed", {"update groupt set g_name = 'Team' where g_id = 4"}, "team", {joerg + "Group: Team"});
    row("nickname", {"update person set p_nickname = 'Anni' where p_id = 3"}, "anni", {mueller + "Nickname: Anni"});
    row("works elsewhere", {"update person set p_cid = 5 where p_id = 2"}, QStringLiteral("b\u00E4ckerei"),
        {kuehn, joerg + QStringLiteral("Works at: B\u00E4ckerei K\u00FChn")});
    row("company renamed", {"update object set o_name1 = 'Saxonia Druck' where o_id = 1"}, "saxonia",
        {joerg + "Works at: Saxonia Druck GmbH", "Saxonia Druck GmbH|"});
    row("name changed", {"update object set o_name1 = 'Zorn' where o_id = 4"}, "zorn", {"Zorn, Bernd|"});
    row("old name gone", {"update object set o_name1 = 'Zorn' where o_id = 4"}, "schulz", {});
    row("notes changed", {"update object set o_additional = 'Mag Zimtschnecken' where o_id = 5"}, "zimt",
        {kuehn + "Additional: Mag Zimtschnecken"});
    row("contact added", {QStringLiteral("insert into object (o_id, o_type, o_name1, o_name2) values (7, 'P', '\u00C4hrens', '\u00D6l')")},
        "ahrens", {QStringLiteral("\u00C4hrens, \u00D6l|")});
    QStringList deletion;
    for (const queries::DeleteStatement& d : queries::contactDeleteStatements())
        deletion << QString::fromLatin1(d.sql).replace(QLatin1String(":o_id"), QLatin1String("2"));
    row("contact deleted", deletion, "", {kuehn, elbtal, mueller, obrien, "Schulz, Bernd|"});
    row("contact deleted, no word left", deletion, "jockel", {});
}

void TestContactList::triggersKeepTheSearchCurrent()
{
    QFETCH(QStringList, change);
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    Connection c;
    attachTo(c, m_book->path());
    DbTransaction tr(c);
    for (const QString& sql : change)
        executeDirect(tr, sql);
    ContactListQuery query(tr);
    QCOMPARE(namesAndMatches(tr, query.statement({.scope = Scope::Everywhere, .text = text})), found);
    tr.rollback();
}

void TestContactList::columnsShowTheFirstDetails_data()
{
    QTest::addColumn<QStringList>("change");
    QTest::addColumn<int>("sortBy");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QStringList>("rows");   // name|town|number|e-mail|company
    const QString kuehn = QStringLiteral("B\u00E4ckerei K\u00FChn|Dresden|||"),
                  elbtal = QStringLiteral("Elbtal Druck GmbH|Dresden|0351 / 486 29 10|info@elbtal-druck.de|"),
                  mueller = QStringLiteral("Mueller, Anna|Leipzig||anna.mueller@example.org|"),
                  joerg = QStringLiteral("M\u00FCller, J\u00F6rg||+49 351 / 7654321||Elbtal Druck GmbH"),
                  obrien = QStringLiteral("O'Brien, Se\u00E1n|Dublin|||"),
                  schulz = QStringLiteral("Schulz, Bernd|M\u00FCnchen|0041 31 / 311 44 55||");
    const int name = int(Column::Name), town = int(Column::Town);
    QTest::newRow("as filled") << QStringList() << name << false << QStringList{kuehn, elbtal, mueller, joerg, obrien, schulz};
    QTest::newRow("by town, none last") << QStringList() << town << false
                                        << QStringList{kuehn, elbtal, obrien, mueller, schulz, joerg};
    QTest::newRow("by town, descending") << QStringList() << town << true
                                         << QStringList{schulz, mueller, obrien, elbtal, kuehn, joerg};
    QTest::newRow("current address first")
        << QStringList{"insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) values (4, 2, '-', 1, 'Aue', 'A')",
                       "insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) values (2, 2, '@', 1, 'Aue', 'A')"}
        << name << false << QStringList{kuehn, elbtal, mueller, QStringLiteral("M\u00FCller, J\u00F6rg|Aue|+49 351 / 7654321||Elbtal Druck GmbH"), obrien, schulz};
    QTest::newRow("details changed")
        << QStringList{"update communication set c_prefix = '' where c_oid = 1", "delete from internet where i_oid = 3",
                       "update person set p_cid = null where p_id = 2"}
        << name << false
        << QStringList{kuehn, QStringLiteral("Elbtal Druck GmbH|Dresden|486 29 10|info@elbtal-druck.de|"),
                       QStringLiteral("Mueller, Anna|Leipzig|||"), QStringLiteral("M\u00FCller, J\u00F6rg||+49 351 / 7654321||"), obrien, schulz};
}

void TestContactList::columnsShowTheFirstDetails()
{
    QFETCH(QStringList, change);
    QFETCH(int, sortBy);
    QFETCH(bool, descending);
    QFETCH(QStringList, rows);
    Connection c;
    attachTo(c, m_book->path());
    DbTransaction tr(c);
    for (const QString& sql : change)
        executeDirect(tr, sql);
    ContactListQuery query(tr);
    const QString sql = query.statement({.columns = {Column::Town, Column::Phone, Column::Email, Column::Company},
                                         .sortBy = Column(sortBy),
                                         .descending = descending});
    QStringList shown;
    for (const QStringList& row : rowsOf(tr, sql))
        shown << row.mid(1, 1).join(QString()) + QLatin1Char('|') + row.mid(3).join(QLatin1Char('|'));
    QCOMPARE(shown, rows);
    tr.rollback();
}

void TestContactList::bookWithoutTheStepGetsTheOriginalStatements()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    ContactListQuery query(tr);
    QVERIFY(!query.stored());
    QCOMPARE(query.statement({}), queries::initialContacts());
    QCOMPARE(query.statement({.text = "mul'ler", .columns = {Column::Town}}), queries::textSearch("mul'ler"));
    QCOMPARE(query.statement({.scope = Scope::Everywhere, .text = "x"}), queries::textSearch("x"));
    QCOMPARE(query.statement({.group = 3}), queries::groupSearch("3"));
    QCOMPARE(rowsOf(tr, query.statement({.text = QStringLiteral("\u20AC")})).size(), 0);
    QCOMPARE(int(query.plan()), int(Plan::Original));
}

QTEST_GUILESS_MAIN(TestContactList)
#include "tst_contactlist.moc"
