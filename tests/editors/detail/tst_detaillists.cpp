// The detail lists of both editors over real databases: the checks in each
// variant's order, the values a new row starts with, the memberships singled
// out by owner and group, and rows another user changed meanwhile.
#include "RecordingMessages.h"
#include "TestConnection.h"
#include "TestDb.h"
#include "TestSession.h"
#include "data/DataSet.h"
#include "data/DbTransaction.h"
#include "data/SqlStatement.h"
#include "data/upgrades/Upgrades.h"
#include "editors/detail/DetailList.h"
#include "editors/detail/RowChecks.h"
#include "services/CommandGuard.h"

#include <QHash>
#include <QTest>

using namespace pellori;
using namespace pellori::test;

Q_DECLARE_METATYPE(pellori::DetailKind)
Q_DECLARE_METATYPE(pellori::Variant)

class TestDetailLists : public QObject {
    Q_OBJECT
private slots:
    void checksRunInTheVariantsOrder_data();
    void checksRunInTheVariantsOrder();
    void newRowsStartFilled_data();
    void newRowsStartFilled();
    void membershipsAreSingledOut();
    void rowsChangedElsewhereAreNeverOverwritten_data();
    void rowsChangedElsewhereAreNeverOverwritten();
    void postcodesAsWritten_data();
    void postcodesAsWritten();
};

void TestDetailLists::checksRunInTheVariantsOrder_data()
{
    QTest::addColumn<DetailKind>("kind");
    QTest::addColumn<Variant>("variant");
    QTest::addColumn<QVariantHash>("row");
    QTest::addColumn<QString>("message");   // empty: every check passes
    const QVariantHash badAddress{{"A_POSTCODE_TEXT", "01067"}, {"A_TOWN", QVariant()}, {"A_STREET", "Ring"}, {"A_PREF", "x"}};
    QTest::newRow("address, person: the flag first")
        << DetailKind::Address << Variant::Person << badAddress
        << QString("You have to choose a correct value for \u00ABcurrent\u00BB.");
    QTest::newRow("address, company: the town first")
        << DetailKind::Address << Variant::Company << badAddress << QString("You must fill out \u00ABTown\u00BB.");
    const QVariantHash badNumber{{"C_PREFIX", ""}, {"C_NUMBER", QVariant()}, {"C_PREF", "@ "}};
    QTest::newRow("number, person") << DetailKind::Communication << Variant::Person << badNumber
                                    << QString("You have to choose a correct value for \u00ABcurrent\u00BB.");
    QTest::newRow("number, company") << DetailKind::Communication << Variant::Company << badNumber
                                     << QString("You must fill out \u00ABPrefix\u00BB.");
    QTest::newRow("number, company, prefix given")
        << DetailKind::Communication << Variant::Company
        << QVariantHash{{"C_PREFIX", "0351"}, {"C_NUMBER", QVariant()}, {"C_PREF", "-"}}
        << QString("You must fill out \u00ABNumber\u00BB.");
    QTest::newRow("internet, company: flag last")
        << DetailKind::Internet << Variant::Company << QVariantHash{{"I_NAME", "a@b.example"}, {"I_PREF", ""}}
        << QString("You have to choose a correct value for \u00ABcurrent\u00BB.");
    QTest::newRow("internet, person, all well")
        << DetailKind::Internet << Variant::Person << QVariantHash{{"I_NAME", "a@b.example"}, {"I_PREF", "-"}}
        << QString();
    QTest::newRow("group: no check") << DetailKind::Group << Variant::Person << QVariantHash{} << QString();
}

void TestDetailLists::checksRunInTheVariantsOrder()
{
    QFETCH(DetailKind, kind);
    QFETCH(Variant, variant);
    QFETCH(QVariantHash, row);
    QFETCH(QString, message);
    const TLang builtIn;
    const auto failed = failedRowCheck(detailListConfig(kind, variant).checks,
                                       [&row](const QString& f) { return row.value(f); }, builtIn);
    QCOMPARE(failed.value_or(QString()), message);
}

void TestDetailLists::newRowsStartFilled_data()
{
    QTest::addColumn<DetailKind>("kind");
    QTest::addColumn<Variant>("variant");
    QTest::addColumn<QString>("flag");
    QTest::addColumn<int>("type");   // -1: no type field
    // Standard values 11..16, so that every key tells which one was taken.
    QTest::newRow("address, person") << DetailKind::Address << Variant::Person << "@" << 11;
    QTest::newRow("address, company") << DetailKind::Address << Variant::Company << "-" << 12;
    QTest::newRow("number, person") << DetailKind::Communication << Variant::Person << "@" << 13;
    QTest::newRow("number, company") << DetailKind::Communication << Variant::Company << "-" << 14;
    QTest::newRow("internet, person") << DetailKind::Internet << Variant::Person << "@" << 15;
    QTest::newRow("internet, company") << DetailKind::Internet << Variant::Company << "-" << 16;
    QTest::newRow("group") << DetailKind::Group << Variant::Company << "" << -1;
}

void TestDetailLists::newRowsStartFilled()
{
    QFETCH(DetailKind, kind);
    QFETCH(Variant, variant);
    QFETCH(QString, flag);
    QFETCH(int, type);
    TestDb db(TestDb::Demo);
    TestSession session(db.path());
    session.standardValues() = {.addressType = 11, .addressTypeCompany = 12, .communicationType = 13,
                                .communicationTypeCompany = 14, .internetType = 15, .internetTypeCompany = 16};
    const DetailListConfig& config = detailListConfig(kind, variant);
    DetailList list(config, session, [] { return 4711; });
    list.open(4711);
    list.dataSet().append();
    QCOMPARE(list.dataSet().value(config.ownerField).toInt(), 4711);
    if (!config.flagField.isEmpty())
        QCOMPARE(list.dataSet().value(config.flagField).toString(), flag);
    if (type >= 0)
        QCOMPARE(list.dataSet().value(config.typeField).toInt(), type);
    // Filled in for the user: leaving the row untouched drops it.
    QVERIFY(!list.dataSet().isModified());
}

void TestDetailLists::membershipsAreSingledOut()
{
    TestDb db;
    db.isql("insert into object (o_id, o_type, o_name1) values (1, 'P', 'Meier');\n"
            "insert into belong2group (b2g_oid, b2g_gid) values (1, 1);\n"
            "insert into belong2group (b2g_oid, b2g_gid) values (1, 2);\n"
            "insert into belong2group (b2g_oid, b2g_gid) values (1, 3);\ncommit;\n");
    RecordingMessages rec;
    QStringList errors;
    QObject owner;
    ErrorHandlers::add(&owner, [&](const std::exception& e) { errors << errorMessage(e); });
    const QString groups = "select b2g_gid from belong2group where b2g_oid = 1 order by b2g_gid";
    {
        TestSession session(db.path());
        DetailList list(detailListConfig(DetailKind::Group, Variant::Person), session, [] { return 1; });
        list.open(1);
        EditableDataSet& ds = list.dataSet();
        QVERIFY(ds.locate("B2G_GID", 2));
        ds.deleteRow();
        // A new membership without a group names the missing field.
        ds.append();
        ds.setValue("B2G_OID", 1);
        guarded([&] { ds.post(); });
        QCOMPARE(errors, QStringList{"Field 'B2G_GID' must have a value"});
        ds.cancel();
        QVERIFY(ds.locate("B2G_GID", 3));
        ds.setValue("B2G_GID", 4);
        ds.post();
    }
    QCOMPARE(committedValues(db.path(), groups), (QStringList{"1", "4"}));
}

void TestDetailLists::rowsChangedElsewhereAreNeverOverwritten_data()
{
    QTest::addColumn<DetailKind>("kind");
    QTest::addColumn<QString>("elsewhere");   // committed by another user after the list was read
    QTest::addColumn<QString>("field");       // changed here and saved; empty: the row is deleted here
    QTest::addColumn<QString>("select");
    QTest::addColumn<QStringList>("committed");   // what the book then holds
    QTest::newRow("address changed there, then here")
        << DetailKind::Address << "update address set a_town = 'Dort' where a_oid = 1" << "A_TOWN"
        << "select a_town from address where a_oid = 1" << QStringList{"Dort"};
    QTest::newRow("number deleted there, changed here")
        << DetailKind::Communication << "delete from communication where c_oid = 1" << "C_NUMBER"
        << "select c_number from communication where c_oid = 1" << QStringList{};
    QTest::newRow("internet entry changed there, deleted here")
        << DetailKind::Internet << "update internet set i_name = 'dort@example.org' where i_oid = 1" << ""
        << "select i_name from internet where i_oid = 1" << QStringList{"dort@example.org"};
    QTest::newRow("membership moved there, deleted here")
        << DetailKind::Group << "update belong2group set b2g_gid = 2 where b2g_oid = 1" << ""
        << "select b2g_gid from belong2group where b2g_oid = 1" << QStringList{"2"};
    QTest::newRow("nothing there: a row added, changed and deleted here")
        << DetailKind::Communication << QString() << "C_NUMBER"
        << "select c_number from communication where c_oid = 1" << QStringList{"1"};
}

void TestDetailLists::rowsChangedElsewhereAreNeverOverwritten()
{
    QFETCH(DetailKind, kind);
    QFETCH(QString, elsewhere);
    QFETCH(QString, field);
    QFETCH(QString, select);
    QFETCH(QStringList, committed);
    TestDb db;
    db.isql("insert into object (o_id, o_type, o_name1) values (1, 'P', 'Meier');\n"
            "insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) values (1, 1, '@', 1, 'Hier', 'A');\n"
            "insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) values (1, 1, '@', '030', '1');\n"
            "insert into internet (i_oid, i_itid, i_pref, i_name) values (1, 1, '@', 'hier@example.org');\n"
            "insert into belong2group (b2g_oid, b2g_gid) values (1, 1);\ncommit;\n");
    RecordingMessages rec;
    QStringList errors;
    QObject owner;
    ErrorHandlers::add(&owner, [&](const std::exception& e) { errors << errorMessage(e); });
    {
        TestSession session(db.path());
        DetailList list(detailListConfig(kind, Variant::Person), session, [] { return 1; });
        list.open(1);
        EditableDataSet& ds = list.dataSet();
        QVERIFY(!ds.isEmpty());
        if (!elsewhere.isEmpty()) {
            DbTransaction other(session.connection());
            SqlStatement(other, elsewhere).execute();
            other.commit();
        }
        const auto change = [&](const QString& text) {
            ds.setValue(field, text);
            guarded([&] { ds.post(); });
        };
        if (elsewhere.isEmpty()) {   // a row of the list's own: its saves do not stand in each other's way
            ds.append();
            ds.setValue("C_CTID", 2);
            ds.setValue("C_PREFIX", "030");
            change("2");
            change("3");
        }
        if (field.isEmpty() || elsewhere.isEmpty())
            guarded([&] { ds.deleteRow(); });
        else
            change("2");
        if (!elsewhere.isEmpty()) {
            QCOMPARE(errors, QStringList{"The row was changed or deleted by another user since it was read"});
            QCOMPARE(ds.rowCount(), 1);   // the input or the row stays
            QCOMPARE(ds.isEditing(), !field.isEmpty());
        }
    }
    QVERIFY2(elsewhere.isEmpty() == errors.isEmpty(), qPrintable(errors.join('|')));
    QCOMPARE(committedValues(db.path(), select), committed);
}

void TestDetailLists::postcodesAsWritten_data()
{
    QTest::addColumn<bool>("upgraded");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");     // shown when the row is saved
    QTest::addColumn<QStringList>("stored");  // "written|number" of the new row
    QTest::addColumn<QString>("reread");      // the grid's postcode when the list is read again
    QTest::newRow("British") << true << "SW1A 1AA" << "" << QStringList{"SW1A 1AA|0"} << "SW1A 1AA";
    QTest::newRow("leading zero") << true << "01069" << "" << QStringList{"01069|1069"} << "01069";
    QTest::newRow("Dutch, blanks around") << true << " 1234 AB " << "" << QStringList{"1234 AB|0"} << "1234 AB";
    QTest::newRow("blanks only") << true << "   " << QString("You must fill out \u00ABPostcode\u00BB.")
                                 << QStringList{} << "";
    QTest::newRow("old book: the number") << false << "01069" << "" << QStringList{"<none>|1069"} << "1069";
    QTest::newRow("old book: letters refused")
        << false << "SW1A 1AA" << "'SW1A 1AA' is not a valid integer value for field 'A_POSTCODE'" << QStringList{}
        << "";
}

void TestDetailLists::postcodesAsWritten()
{
    QFETCH(bool, upgraded);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QStringList, stored);
    QFETCH(QString, reread);
    TestDb db;
    // A German row another program wrote: the number alone.
    db.isql("insert into object (o_id, o_type, o_name1) values (1, 'P', 'Meier');\n"
            "insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street, a_country) "
            "values (1, 1, '-', 4109, 'Leipzig', 'Markt 1', 'Deutschland');\ncommit;\n");
    if (upgraded) {
        Connection c;
        attachTo(c, db.path());
        upgrades::applyMissing(c);
    }
    RecordingMessages rec;
    QStringList errors;
    QObject owner;
    ErrorHandlers::add(&owner, [&](const std::exception& e) { errors << errorMessage(e); });
    const QString select = QStringLiteral("select %1 || '|' || a_postcode from address where a_town = 'London'")
                               .arg(upgraded ? "coalesce(a_postcode_text, '<null>')" : "'<none>'");
    {
        TestSession session(db.path());
        DetailList list(detailListConfig(DetailKind::Address, Variant::Person), session, [] { return 1; });
        list.open(1);
        EditableDataSet& ds = list.dataSet();
        QCOMPARE(ds.value("A_POSTCODE_TEXT").toString(), QString("04109"));
        ds.append();
        ds.setValue("A_POSTCODE_TEXT", typed);
        ds.setValue("A_TOWN", "London");
        ds.setValue("A_STREET", "Whitehall 1");
        guarded([&] { ds.post(); });
        QCOMPARE(rec.messages.value(0) + errors.value(0), message);
        if (!message.isEmpty())
            ds.cancel();
    }
    QCOMPARE(committedValues(db.path(), select), stored);
    if (reread.isEmpty())
        return;
    TestSession session(db.path());
    DetailList list(detailListConfig(DetailKind::Address, Variant::Person), session, [] { return 1; });
    list.open(1);
    QVERIFY(list.dataSet().locate("A_TOWN", "London"));
    QCOMPARE(list.dataSet().value("A_POSTCODE_TEXT").toString(), reread);
}

QTEST_MAIN(TestDetailLists)
#include "tst_detaillists.moc"
