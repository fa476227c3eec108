// Statements send exactly what they are given or refuse it: integers never
// wrap, changed statements take effect, a failed prepare leaves nothing behind,
// and the whole text reaches the server.
#include "TestConnection.h"
#include "TestDb.h"
#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "data/SqlStatement.h"
#include "settings/AppError.h"

#include <QTest>

using namespace pellori;
using pellori::test::attachTo;
using pellori::test::TestDb;

namespace {

QString scalar(DbTransaction& tr, const QString& sql)
{
    QueryDataSet q(tr);
    q.setSelectSql(sql);
    q.open();
    return q.isEmpty() ? QString("<none>") : q.text(0, 0);
}

} // namespace

class TestStatements : public QObject {
    Q_OBJECT
private slots:
    void outOfRangeIntegersAreRefused_data();
    void outOfRangeIntegersAreRefused();
    void changedWriteStatementsTakeEffect();
    void failedPrepareCanBeRetried();
    void textWithNulReachesTheServerWhole();
};

void TestStatements::outOfRangeIntegersAreRefused_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("stored");
    QTest::newRow("smallint max") << "s" << QVariant(32767) << true;
    QTest::newRow("smallint over") << "s" << QVariant(32768) << false;
    QTest::newRow("integer would store 100") << "i" << QVariant(4294967396LL) << false;
    QTest::newRow("integer text over") << "i" << QVariant("2147483648") << false;
    QTest::newRow("integer min") << "i" << QVariant(-2147483647LL - 1) << true;
    QTest::newRow("bigint max") << "b" << QVariant("9223372036854775807") << true;
    QTest::newRow("bigint over") << "b" << QVariant("9223372036854775808") << false;
}

void TestStatements::outOfRangeIntegersAreRefused()
{
    QFETCH(QString, column);
    QFETCH(QVariant, value);
    QFETCH(bool, stored);
    TestDb db;
    db.isql("create table widths (s smallint, i integer, b bigint);\ncommit;\n");
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    SqlStatement insert(tr, QString("insert into widths (%1) values (:v)").arg(column));
    insert.setParam("v", value);
    QString error;
    try {
        insert.execute();
    } catch (const AppError& e) {
        error = e.message();
    }
    if (stored) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(scalar(tr, QString("select %1 from widths").arg(column)), value.toString());
    } else {
        QCOMPARE(error, QString("'%1' is not a valid integer value for field 'v'").arg(value.toString()));
        QCOMPARE(scalar(tr, "select count(*) from widths"), QString("0"));
    }
    // A select parameter is held to its range as well: group 4294967298 is not group 2.
    QueryDataSet groups(tr);
    groups.setSelectSql("select g_name from groupt where g_id = :g_id");
    groups.setParam("g_id", 4294967298LL);
    QVERIFY_THROWS_EXCEPTION(AppError, groups.open());
}

void TestStatements::changedWriteStatementsTakeEffect()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    EditableDataSet ds(tr);
    ds.setSelectSql("select s_id, s_name from salutation order by s_id");
    ds.addField({.name = "S_ID", .kind = FieldKind::Integer});
    ds.addField({.name = "S_NAME", .kind = FieldKind::Text});
    ds.setModifySql("update salutation set s_name = :s_name || ' (1)' where s_id = :old_s_id");
    ds.open();
    const QString id = ds.text(0, 0);
    ds.setValue("S_NAME", "A");
    ds.post();
    ds.setModifySql("update salutation set s_name = :s_name || ' (2)' where s_id = :old_s_id");
    ds.setValue("S_NAME", "B");
    ds.post();
    QCOMPARE(scalar(tr, "select s_name from salutation where s_id = " + id), QString("B (2)"));
    ds.setDeleteSql("delete from salutation where s_id = -1");
    ds.setDeleteSql("delete from salutation where s_id = :old_s_id");
    ds.deleteRow();
    QCOMPARE(scalar(tr, "select count(*) from salutation where s_id = " + id), QString("0"));
}

void TestStatements::failedPrepareCanBeRetried()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    QueryDataSet q(tr);
    q.setSelectSql("select count(*) from later_table");
    QVERIFY_THROWS_EXCEPTION(DbError, q.open());
    {
        DbTransaction ddl(c);
        SqlStatement create(ddl, "create table later_table (x integer)");
        create.execute();
        ddl.commit();
    }
    tr.commit();   // a fresh snapshot sees the new table
    q.open();
    QCOMPARE(q.text(0, 0), QString("0"));

    // A statement refused after the server accepted its text is refused again,
    // rather than run half-prepared with its parameter unbound.
    SqlStatement positional(tr, "update salutation set s_name = 'x' where s_id = ?");
    QVERIFY_THROWS_EXCEPTION(AppError, positional.execute());
    QVERIFY_THROWS_EXCEPTION(AppError, positional.execute());
}

void TestStatements::textWithNulReachesTheServerWhole()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    // A statement cut at the NUL would end inside the literal and fail.
    QCOMPARE(scalar(tr, QString("select char_length('a") + QChar(0) + "b') from rdb$database"), QString("3"));
}

QTEST_GUILESS_MAIN(TestStatements)
#include "tst_statements.moc"
