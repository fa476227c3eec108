// The detail lists of both editors over real databases: the checks in each
// variant's order, the values a new row starts with, and the memberships
// singled out by owner and group.
#include "RecordingMessages.h"
#include "TestDb.h"
#include "TestSession.h"
#include "data/DataSet.h"
#include "editors/detail/DetailList.h"
#include "editors/detail/RowChecks.h"
#include "widgets/CommandGuard.h"

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
};

void TestDetailLists::checksRunInTheVariantsOrder_data()
{
    QTest::addColumn<DetailKind>("kind");
    QTest::addColumn<Variant>("variant");
    QTest::addColumn<QVariantHash>("row");
    QTest::addColumn<QString>("message");   // empty: every check passes
    const QVariantHash badAddress{{"A_POSTCODE", 1067}, {"A_TOWN", QVariant()}, {"A_STREET", "Ring"}, {"A_PREF", "x"}};
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

QTEST_MAIN(TestDetailLists)
#include "tst_detaillists.moc"
