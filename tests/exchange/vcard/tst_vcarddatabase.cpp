// The database side of vCard import and export, on real databases: the demo
// book exported and imported into an empty one gives the same rows; an
// import cancelled or failing at any point leaves nothing behind; an export
// reads the contacts asked for, in their order; every text the import shows
// has its place in the catalogue.
#include "TestConnection.h"
#include "TestDb.h"
#include "data/Connection.h"
#include "data/DbTransaction.h"
#include "data/Statement.h"
#include "exchange/ContactExport.h"
#include "exchange/ImportStore.h"
#include "exchange/ImportSummary.h"
#include "exchange/vcard/CardMapping.h"
#include "settings/Language.h"

#include <QtTest>

using namespace pellori;
using pellori::test::attachTo;
using namespace pellori::exchange;

namespace {

// Every row of a select as one text, in sorted order: what has been committed.
QStringList rows(const QString& path, const QString& select)
{
    Connection c;
    attachTo(c, path);
    DbTransaction tr(c);
    Statement s(c, select);
    s.openCursor(tr, [](const QString&) { return QVariant(); });
    QStringList out;
    QList<QVariant> row;
    while (s.fetch(row)) {
        QStringList values;
        for (const QVariant& v : row)
            values << (v.isValid() ? v.toString() : QStringLiteral("<null>"));
        out << values.join(u'|');
    }
    out.sort();
    return out;
}

// Each table with its references given by name: what must survive a round trip.
const QList<std::pair<const char*, QString>> kTables = {
    {"object", "select O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL from object"},
    {"person",
     "select o.O_NAME1, o.O_NAME2, s.S_NAME, t.T_NAME, p.P_BIRTHDAY, p.P_NICKNAME, e.O_NAME1, e.O_NAME2, p.P_ALIVE "
     "from person p join object o on o.O_ID = p.P_ID join salutation s on s.S_ID = p.P_SID "
     "left join title t on t.T_ID = p.P_TID left join object e on e.O_ID = p.P_CID"},
    {"company", "select o.O_NAME1, o.O_NAME2 from company c join object o on o.O_ID = c.C_ID"},
    {"address",
     "select o.O_NAME1, o.O_NAME2, t.AT_NAME, a.A_PREF, a.A_POSTCODE, a.A_TOWN, a.A_STREET, a.A_COUNTRY "
     "from address a join object o on o.O_ID = a.A_OID join addresstype t on t.AT_ID = a.A_ATID"},
    {"communication",
     "select o.O_NAME1, o.O_NAME2, t.CT_NAME, c.C_PREF, c.C_PREFIX, c.C_NUMBER, c.C_ASSISTENT "
     "from communication c join object o on o.O_ID = c.C_OID join communicationtype t on t.CT_ID = c.C_CTID"},
    {"internet",
     "select o.O_NAME1, o.O_NAME2, t.IT_NAME, i.I_NAME, i.I_PREF "
     "from internet i join object o on o.O_ID = i.I_OID join internettype t on t.IT_ID = i.I_ITID"},
    {"belong2group",
     "select o.O_NAME1, o.O_NAME2, g.G_NAME from belong2group b join object o on o.O_ID = b.B2G_OID "
     "join groupt g on g.G_ID = b.B2G_GID"},
    {"title", "select T_NAME from title"},
    {"groupt", "select G_NAME from groupt"},
};

QByteArray card(const QByteArray& body)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\n" + body + "END:VCARD\r\n";
}

// Cards that make the import create a title, a group and a company first.
QList<CardContact> someCards(int count)
{
    QByteArray file;
    for (int i = 0; i < count; ++i)
        file += card("N:Probe " + QByteArray::number(i) + ";Eva;;Frau Dr. rer. nat.;\r\n"
                     "ORG:Neue Werkstatt\r\nCATEGORIES:Neue Gruppe\r\nTEL;TYPE=home:0221 " +
                     QByteArray::number(100000 + i) + "\r\nADR;TYPE=home:;;Weg 1;Köln;;50667;\r\n");
    return readContacts(file).contacts;
}

int count(const QString& path, const char* table)
{
    return rows(path, QStringLiteral("select count(*) from %1").arg(QLatin1String(table))).value(0).toInt();
}

} // namespace

class TestVCardDatabase : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void roundTripKeepsEveryTable_data();
    void roundTripKeepsEveryTable();
    void cancelOrFailureStoresNothing_data();
    void cancelOrFailureStoresNothing();
    void exportReadsContactsAskedFor_data();
    void exportReadsContactsAskedFor();
    void catalogueHoldsEveryImportText();
    void postcodesGoInAndOutAsWritten_data();
    void postcodesGoInAndOutAsWritten();

private:
    test::TestDb m_demo{test::TestDb::Demo};
    test::TestDb m_copy;   // the empty book the demo went into
    StoredImport m_stored;
};

void TestVCardDatabase::initTestCase()
{
    QByteArray file;
    {
        Connection c;
        attachTo(c, m_demo.path());
        DbTransaction tr(c, DbTransaction::readCommitted());
        file = writeContacts(readContactsForExport(tr, std::nullopt));
    }
    const ContactsRead read = readContacts(file);
    QVERIFY(!read.error);
    Connection c;
    attachTo(c, m_copy.path());
    ImportTransaction import(c);
    const ImportPlan plan = planImport(read.contacts, import.lookups(), ImportOptions{});
    m_stored = import.store(plan);
}

void TestVCardDatabase::roundTripKeepsEveryTable_data()
{
    QTest::addColumn<QString>("select");
    for (const auto& [table, select] : kTables)
        QTest::newRow(table) << select;
}

void TestVCardDatabase::roundTripKeepsEveryTable()
{
    QFETCH(QString, select);
    const QStringList demo = rows(m_demo.path(), select);
    QVERIFY(!demo.isEmpty());
    QCOMPARE(rows(m_copy.path(), select), demo);
    // The keys came from the generator, one after another.
    QCOMPARE(m_stored.contactIds.size(), 52);
    QCOMPARE(m_stored.contactIds.last() - m_stored.contactIds.first(), 51);
    QCOMPARE(m_stored.firstContact, m_stored.contactIds.first());
}

void TestVCardDatabase::cancelOrFailureStoresNothing_data()
{
    QTest::addColumn<int>("cancelAt");    // -1: never
    QTest::addColumn<int>("failingRow");  // -1: none
    QTest::newRow("cancelled before the first contact") << 0 << -1;
    QTest::newRow("cancelled halfway") << 10 << -1;
    QTest::newRow("cancelled after the last contact") << 21 << -1;
    QTest::newRow("refused row halfway") << -1 << 12;
    QTest::newRow("refused row in the last contact") << -1 << 20;
}

void TestVCardDatabase::cancelOrFailureStoresNothing()
{
    QFETCH(int, cancelAt);
    QFETCH(int, failingRow);
    test::TestDb db;
    const QStringList before = rows(db.path(), kTables[0].second) + rows(db.path(), kTables[7].second)
                               + rows(db.path(), kTables[8].second);

    Connection c;
    attachTo(c, db.path());
    QList<int> told;
    bool threw = false;
    {
        ImportTransaction import(c);
        ImportPlan plan = planImport(someCards(20), import.lookups(), ImportOptions{});
        QCOMPARE(plan.contacts.size(), 21);   // the company the persons work at, first
        if (failingRow >= 0)
            plan.contacts[failingRow].addresses << PlannedAddress{.A_ATID = 9999, .A_PREF = "@"};
        try {
            const StoredImport stored = import.store(plan, [&](int done, int total) {
                told << done;
                return done != cancelAt || total != 21;
            });
            QVERIFY(stored.cancelled);
            QVERIFY(stored.contactIds.isEmpty());
        } catch (const std::exception& e) {
            threw = true;
            QVERIFY2(QString::fromUtf8(e.what()).contains("FK_ADDRESS_ADDRESSTYPE"), e.what());
        }
    }
    QCOMPARE(threw, failingRow >= 0);
    QCOMPARE(told.last(), cancelAt >= 0 ? cancelAt : failingRow);
    for (const char* table : {"object", "person", "company", "address", "communication", "belong2group"})
        QCOMPARE(count(db.path(), table), 0);
    QCOMPARE(rows(db.path(), kTables[0].second) + rows(db.path(), kTables[7].second)
                 + rows(db.path(), kTables[8].second),
             before);

    // The connection goes on working: the same import stored at once.
    ImportTransaction again(c);
    const StoredImport stored = again.store(planImport(someCards(20), again.lookups(), ImportOptions{}));
    QCOMPARE(stored.contactIds.size(), 21);
    QCOMPARE(count(db.path(), "object"), 21);
    QCOMPARE(count(db.path(), "belong2group"), 20);
}

void TestVCardDatabase::exportReadsContactsAskedFor_data()
{
    QTest::addColumn<bool>("all");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("in the order asked, twice and unknown keys left out")
        << false << QList<int>{13, 1, 13, 9999, 20} << QStringList{"Meier", "3D Druck", "O'Neil"};
    QTest::newRow("one") << false << QList<int>{17} << QStringList{"Öztürk"};
    QTest::newRow("none") << false << QList<int>{} << QStringList{};
    QTest::newRow("all, in the order of their keys")
        << true << QList<int>{} << QStringList{"3D Druck", "Ärztehaus am Park", "Öko-Bäckerei"};
}

void TestVCardDatabase::exportReadsContactsAskedFor()
{
    QFETCH(bool, all);
    QFETCH(QList<int>, keys);
    QFETCH(QStringList, names);
    Connection c;
    attachTo(c, m_demo.path());
    DbTransaction tr(c, DbTransaction::readCommitted());
    const QList<Contact> contacts = readContactsForExport(tr, all ? std::nullopt : std::optional(keys));
    QStringList read;
    for (const Contact& contact : contacts)
        read << contact.name1;
    QCOMPARE(all ? read.mid(0, 3) : read, names);
    if (all)
        QCOMPARE(contacts.size(), contactCount(tr));
    // A person with every kind of detail, names in place of keys. The book's
    // first salutation, which every person gets unless another is chosen, is
    // left out; any other is written.
    for (const Contact& contact : contacts) {
        if (contact.name1 == u"Müller" && contact.name2 == u"Anna")
            QCOMPARE(contact.salutation, QString("Frau"));
        if (contact.name1 == u"Öztürk") {
            QCOMPARE(contact.salutation, QString());
            QCOMPARE(contact.title, QString("Dr. med."));
            QCOMPARE(contact.employer1, QString("Ärztehaus am Park"));
            QCOMPARE(contact.numbers.value(0).type, QString("Telefon geschäftlich"));
            QCOMPARE(contact.numbers.value(0).assistant, QString("Frau Lange"));
            QCOMPARE(contact.addresses.value(1).postcode, QString("04229"));   // Deutschland
            QCOMPARE(contact.addresses.value(1).preferred, false);
            QCOMPARE(contact.groups, QStringList{"Ärzte"});
            QCOMPARE(contactListName(tr, 17), QString("Öztürk, Mehmet"));
        }
    }
}

void TestVCardDatabase::catalogueHoldsEveryImportText()
{
    QHash<QString, const LangKey*> catalogue;
    for (const LangKey& k : TLang::keys())
        catalogue.insert(QLatin1String(k.key), &k);
    for (const MessageKey& m : messageKeys() + summaryKeys()) {
        const LangKey* entry = catalogue.value(QLatin1String(m.key));
        QVERIFY2(entry, m.key);
        QCOMPARE(QByteArray(entry->section), QByteArray("vcard"));
        QCOMPARE(QByteArray(entry->builtIn), QByteArray(m.builtIn));
    }
}

void TestVCardDatabase::postcodesGoInAndOutAsWritten_data()
{
    QTest::addColumn<QString>("postcode");
    QTest::addColumn<QString>("town");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("stored");   // written|number|town
    QTest::newRow("Dresden") << "01069" << "Dresden" << "Deutschland" << "01069|1069|Dresden";
    QTest::newRow("London") << "SW1A 1AA" << "London" << "United Kingdom" << "SW1A 1AA|0|London";
}

void TestVCardDatabase::postcodesGoInAndOutAsWritten()
{
    QFETCH(QString, postcode);
    QFETCH(QString, town);
    QFETCH(QString, country);
    QFETCH(QString, stored);
    test::TestDb db;
    // The book as the upgrade step leaves it.
    db.isql(QStringLiteral("alter table address add A_POSTCODE_TEXT varchar(16) character set ISO8859_1;"));
    const ContactsRead read =
        readContacts(card("N:Probe;Eva;;;\r\nADR;TYPE=home:;;Weg 1;" + town.toUtf8() + ";;" + postcode.toUtf8() + ";"
                          + country.toUtf8() + "\r\n"));
    QByteArray file;
    {
        Connection c;
        attachTo(c, db.path());
        ImportTransaction import(c);
        const ImportPlan plan = planImport(read.contacts, import.lookups(), ImportOptions{});
        QCOMPARE(plan.postcodesNotNumbers, 0);   // nothing to ask
        import.store(plan);
        DbTransaction tr(c, DbTransaction::readCommitted());
        file = writeContacts(readContactsForExport(tr, std::nullopt));
    }
    QCOMPARE(rows(db.path(), "select A_POSTCODE_TEXT, A_POSTCODE, A_TOWN from address"), QStringList{stored});
    const ContactsRead back = readContacts(file);
    QCOMPARE(back.contacts.value(0).contact.addresses.value(0).postcode, postcode);
    QCOMPARE(back.contacts.value(0).contact.addresses.value(0).town, town);
}

QTEST_GUILESS_MAIN(TestVCardDatabase)
#include "tst_vcarddatabase.moc"
