// The data layer against real embedded databases: parameter binding, the save
// order, key read-back, transactions and their visibility, lazy fetching.
#include "TestConnection.h"
#include "TestDb.h"
#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "data/SqlStatement.h"

#include <QDate>
#include <QTest>

using namespace pellori;
using pellori::test::attachTo;
using pellori::test::TestDb;

namespace {

// The address-type list as the lookup editors configure it.
void configureTypes(EditableDataSet& ds)
{
    ds.setSelectSql("select at_id, at_name, at_sortid from addresstype order by at_sortid asc");
    ds.setInsertSql("insert into addresstype (AT_NAME, AT_SORTID)\nvalues (:AT_NAME, :AT_SORTID)");
    ds.setModifySql("update addresstype set AT_NAME = :AT_NAME, AT_SORTID = :AT_SORTID\nwhere AT_ID = :OLD_AT_ID");
    ds.setDeleteSql("delete from addresstype where AT_ID = :OLD_AT_ID");
    ds.setRefreshSql("Select * from addresstype where AT_ID = :AT_ID");
    ds.setKeyField("AT_ID");
    ds.addField({.name = "AT_ID", .kind = FieldKind::Integer, .visible = false});
    ds.addField({.name = "AT_NAME", .kind = FieldKind::Text, .required = true});
    ds.addField({.name = "AT_SORTID", .kind = FieldKind::Integer, .required = true});
}

// One value read through a separate attachment in this process (the embedded
// engine keeps the file to this process while it is open, so isql cannot look).
QString scalar(const QString& path, const QString& sql)
{
    Connection c;
    attachTo(c, path);
    DbTransaction tr(c, DbTransaction::readCommitted());
    QueryDataSet q(tr);
    q.setSelectSql(sql);
    q.open();
    return q.isEmpty() ? QString("<no row>") : q.text(0, 0);
}

} // namespace

class TestDataSet : public QObject {
    Q_OBJECT
private slots:
    void parsesNamedParameters_data();
    void parsesNamedParameters();
    void laterAttachParameterReplacesEarlier();
    void opensLargeQueryWithoutReadingIt();
    void insertedRowReadsBackKeyAndCanBeChangedAndDeleted();
    void requiredFieldRefusesSaveAndKeepsRow();
    void beforePostAbortKeepsGeneratedKey();
    void textIsCutAndEmptyTextStoredAsNull();
    void latin1TextAndMemoRoundTrip();
    void oldParameterOfNullFieldChangesNothing();
    void commitClosesDataSetsCommitRetainingDoesNot();
    void releasingTransactionCommits();
    void snapshotDoesNotSeeLaterCommitsReadCommittedDoes();
    void nowaitFailsAtOnceOnLockedRow();
    void databaseErrorNamesConstraint();
    void refusedInsertKeepsRowInInsertState();
    void unchangedNewRowIsDroppedWhenLeaving();
    void locateBookmarksAndScrollEvents();
    void findRowFollowsEditsAndCancel();
    void integerFieldRefusesText();
    void generatorValueIsTakenInTransaction();
};

void TestDataSet::parsesNamedParameters_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("plain") << "update t set a = :A where id = :OLD_ID" << "update t set a = ? where id = ?"
                           << QStringList{"A", "OLD_ID"};
    QTest::newRow("repeated") << "select * from t where a = :x or b = :x" << "select * from t where a = ? or b = ?"
                              << QStringList{"x", "x"};
    QTest::newRow("quoted") << "select ':no', \":no\" from t where a = :yes" << "select ':no', \":no\" from t where a = ?"
                            << QStringList{"yes"};
    QTest::newRow("doubled quote") << "select 'it''s :no' from t where a=:p" << "select 'it''s :no' from t where a=?"
                                   << QStringList{"p"};
    QTest::newRow("comments") << "select a -- :no\nfrom t /* :no */ where b = :b_1"
                              << "select a -- :no\nfrom t /* :no */ where b = ?" << QStringList{"b_1"};
}

void TestDataSet::parsesNamedParameters()
{
    QFETCH(QString, sql);
    QFETCH(QString, text);
    QFETCH(QStringList, names);
    const ParsedSql p = parseParams(sql);
    QCOMPARE(p.text, text);
    QCOMPARE(p.paramNames, names);
}

void TestDataSet::laterAttachParameterReplacesEarlier()
{
    Connection c;
    c.params = QStringList{"user_name=A", "lc_ctype=ISO8859_1", "lc_ctype=utf8"};
    QCOMPARE(c.charset(), QString("UTF8"));
    c.params << "lc_ctype=";
    QCOMPARE(c.charset(), QString("ISO8859_1"));
}

void TestDataSet::opensLargeQueryWithoutReadingIt()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c, DbTransaction::readCommitted());
    QueryDataSet ds(tr);
    // A million rows from a recursive series: reading them all would be slow and is not wanted.
    ds.setSelectSql("with recursive r (n) as (select 0 from rdb$database union all select n + 1 from r where n < 999) "
                    "select a.n * 1000 + b.n as n from r a cross join r b");
    ds.open();
    QCOMPARE(ds.value("N").toLongLong(), 0LL);
    QVERIFY(ds.rowCount() < 100);
    QVERIFY(!ds.allFetched());
    ds.moveTo(2500);
    QCOMPARE(ds.recNo(), 2500);
    QCOMPARE(ds.value("N").toLongLong(), 2500LL);
    QVERIFY(ds.rowCount() < 5000);
}

void TestDataSet::insertedRowReadsBackKeyAndCanBeChangedAndDeleted()
{
    TestDb db;
    {
        Connection c;
        attachTo(c, db.path());
        DbTransaction tr(c);
        EditableDataSet ds(tr);
        configureTypes(ds);
        ds.open();
        ds.append();
        ds.setValue("AT_NAME", "Zweitwohnung");
        ds.setValue("AT_SORTID", 9);
        ds.post();
        const QVariant key = ds.value("AT_ID");
        QVERIFY(key.isValid() && key.toInt() > 0);
        ds.setValue("AT_NAME", "Zweitwohnsitz");
        ds.post();
        tr.commitRetaining();
        QCOMPARE(scalar(db.path(), QString("select at_name from addresstype where at_id = %1").arg(key.toInt())),
                 QString("Zweitwohnsitz"));
        ds.deleteRow();
        tr.commit();
        QCOMPARE(scalar(db.path(), QString("select count(*) as n from addresstype where at_id = %1").arg(key.toInt())),
                 QString("0"));
    }
}

void TestDataSet::requiredFieldRefusesSaveAndKeepsRow()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    EditableDataSet ds(tr);
    configureTypes(ds);
    ds.open();
    QString focused;
    QObject::connect(&ds, &DataSet::focusFieldRequested, [&](const QString& f) { focused = f; });
    ds.append();
    ds.setValue("AT_SORTID", 7);
    try {
        ds.post();
        QFAIL("saved without a name");
    } catch (const AppError& e) {
        QCOMPARE(e.message(), QString("Field 'AT_NAME' must have a value"));
    }
    QCOMPARE(focused, QString("AT_NAME"));
    QCOMPARE(ds.state(), DataSet::State::Insert);
    QCOMPARE(ds.value("AT_SORTID").toInt(), 7);
    // Once the name is there the save goes through.
    ds.setValue("AT_NAME", "Neu");
    ds.post();
    QCOMPARE(ds.state(), DataSet::State::Browse);
}

void TestDataSet::beforePostAbortKeepsGeneratedKey()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    EditableDataSet ds(tr);
    ds.setSelectSql("select o_id, o_type, o_name1, o_name2 from object where o_id = :o_id");
    ds.setInsertSql("insert into object (o_id, o_type, o_name1, o_name2) values (:o_id, :o_type, :o_name1, :o_name2)");
    ds.setGenerator("O_ID", "G_OBJECT_O_ID");
    ds.setParam("o_id", -1);
    int refusals = 1;
    ds.BeforePost = [&](DataSet& d) {
        if (d.isNull("O_NAME1") && refusals-- > 0)
            throw SilentAbort();
    };
    ds.open();
    ds.append();
    ds.setValue("O_TYPE", "P");
    QVERIFY_THROWS_EXCEPTION(SilentAbort, ds.post());
    const int key = ds.value("O_ID").toInt();
    QVERIFY(key > 0);
    QCOMPARE(ds.state(), DataSet::State::Insert);
    ds.setValue("O_NAME1", "Meier");
    ds.post();
    QCOMPARE(ds.value("O_ID").toInt(), key);   // no second value was taken
    tr.commit();
    QCOMPARE(scalar(db.path(), QString("select p_alive from person where p_id = %1").arg(key)), QString("@"));
}

void TestDataSet::textIsCutAndEmptyTextStoredAsNull()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    EditableDataSet ds(tr);
    configureTypes(ds);
    ds.open();
    ds.append();
    ds.setValue("AT_NAME", QString(80, 'x'));
    QCOMPARE(ds.value("AT_NAME").toString().size(), 50);
    ds.setValue("AT_SORTID", 5);
    ds.post();
    const int key = ds.value("AT_ID").toInt();

    EditableDataSet obj(tr);
    obj.setSelectSql("select o_id, o_type, o_name1, o_name2 from object");
    obj.setInsertSql("insert into object (o_id, o_type, o_name1, o_name2) values (:o_id, :o_type, :o_name1, :o_name2)");
    obj.setModifySql("update object set o_name2 = :o_name2 where o_id = :old_o_id");
    obj.setGenerator("O_ID", "G_OBJECT_O_ID");
    obj.open();
    obj.append();
    obj.setValue("O_TYPE", "C");
    obj.setValue("O_NAME1", "Firma");
    obj.setValue("O_NAME2", "GmbH");
    obj.post();
    obj.setValue("O_NAME2", "");
    QVERIFY(obj.isNull("O_NAME2"));
    obj.post();
    const int oid = obj.value("O_ID").toInt();
    tr.commit();
    QCOMPARE(scalar(db.path(), QString("select char_length(at_name) as n from addresstype where at_id = %1").arg(key)),
             QString("50"));
    QCOMPARE(scalar(db.path(), QString("select coalesce(o_name2, 'IS NULL') as v from object where o_id = %1").arg(oid)),
             QString("IS NULL"));
}

void TestDataSet::latin1TextAndMemoRoundTrip()
{
    TestDb db;
    const QString name = QString::fromLatin1("M\xfcller-\xc4rzte \xdf");
    const QString memo = QString::fromLatin1("Zeile 1\r\nZeile 2: \xe9\xe8 ") + QString(40000, QChar('m'));
    int key = 0;
    {
        Connection c;
        attachTo(c, db.path());
        DbTransaction tr(c);
        EditableDataSet obj(tr);
        obj.setSelectSql("select o_id, o_type, o_name1, o_additional from object");
        obj.setInsertSql("insert into object (o_id, o_type, o_name1, o_additional) values (:o_id, :o_type, :o_name1, :o_additional)");
        obj.setGenerator("O_ID", "G_OBJECT_O_ID");
        obj.open();
        obj.append();
        obj.setValue("O_TYPE", "P");
        obj.setValue("O_NAME1", name);
        obj.setValue("O_ADDITIONAL", memo);
        obj.post();
        key = obj.value("O_ID").toInt();
    }
    // Stored as single bytes: isql in the same character set gives the same text back.
    QCOMPARE(db.value(QString("select o_name1 from object where o_id = %1;").arg(key), "O_NAME1"), name);
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    QueryDataSet q(tr);
    q.setSelectSql("select o_name1, o_additional from object where o_id = :id");
    q.setParam("ID", key);
    q.open();
    QCOMPARE(q.value("o_name1").toString(), name);
    QCOMPARE(q.value("O_ADDITIONAL").toString(), memo);
}

void TestDataSet::oldParameterOfNullFieldChangesNothing()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    EditableDataSet ds(tr);
    ds.setSelectSql("select cast(null as integer) as at_id, cast('x' as varchar(50)) as at_name from rdb$database");
    ds.setModifySql("update addresstype set at_name = :at_name where at_id = :old_at_id");
    ds.open();
    ds.setValue("AT_NAME", "Geändert");
    ds.post();   // no error, no row touched
    tr.commit();
    QCOMPARE(scalar(db.path(), "select count(*) as n from addresstype where at_name = 'Geändert'"), QString("0"));
}

void TestDataSet::commitClosesDataSetsCommitRetainingDoesNot()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    QueryDataSet a(tr), b(tr);
    a.setSelectSql("select * from salutation");
    b.setSelectSql("select * from title");
    a.open();
    b.open();
    tr.commitRetaining();
    QVERIFY(a.isOpen() && b.isOpen());
    QVERIFY(tr.isActive());
    a.next();
    QCOMPARE(a.recNo(), 1);
    tr.commit();
    QVERIFY(!a.isOpen() && !b.isOpen());
    QVERIFY(!tr.isActive());
    a.open();   // starts the transaction again
    QVERIFY(tr.isActive() && a.isOpen());
}

void TestDataSet::releasingTransactionCommits()
{
    TestDb db;
    {
        Connection c;
        attachTo(c, db.path());
        auto tr = std::make_unique<DbTransaction>(c);
        SqlStatement s(*tr, "insert into groupt (g_id, g_name) values (:g_id, :name)");
        s.setParam("g_id", QVariant());
        s.setParam("NAME", "Nachbarn");
        s.execute();
        QCOMPARE(scalar(db.path(), "select count(*) as n from groupt where g_name = 'Nachbarn'"), QString("0"));
        tr.reset();
    }
    QCOMPARE(scalar(db.path(), "select count(*) as n from groupt where g_name = 'Nachbarn'"), QString("1"));
}

void TestDataSet::snapshotDoesNotSeeLaterCommitsReadCommittedDoes()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction snapshot(c), readCommitted(c, DbTransaction::readCommitted()), writer(c);
    QueryDataSet s(snapshot), r(readCommitted);
    s.setSelectSql("select count(*) as n from title");
    r.setSelectSql("select count(*) as n from title");
    s.open();
    r.open();
    const int before = s.value("N").toInt();
    SqlStatement ins(writer, "insert into title (t_name) values ('Mag.')");
    ins.execute();
    writer.commit();
    s.close();
    s.open();
    r.close();
    r.open();
    QCOMPARE(s.value("N").toInt(), before);
    QCOMPARE(r.value("N").toInt(), before + 1);
}

void TestDataSet::nowaitFailsAtOnceOnLockedRow()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction holder(c), nowait(c, DbTransaction::readCommitted());
    SqlStatement first(holder, "update salutation set s_name = 'A' where s_id = 1");
    first.execute();
    SqlStatement second(nowait, "update salutation set s_name = 'B' where s_id = 1");
    try {
        second.execute();
        QFAIL("second update went through a locked row");
    } catch (const DbError& e) {
        QVERIFY2(e.message().contains("conflict"), qPrintable(e.message()));
    }
}

void TestDataSet::databaseErrorNamesConstraint()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    SqlStatement obj(tr, "insert into object (o_id, o_type, o_name1) values (:id, :t, 'X')");
    obj.setParam("id", 900);
    obj.setParam("t", "P");
    obj.execute();
    SqlStatement com(tr, "insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) values (900, 1, '@', '030', :n)");
    com.setParam("n", "1");
    com.execute();
    com.setParam("n", "2");
    try {
        com.execute();
        QFAIL("a second number of one type was accepted");
    } catch (const DbError& e) {
        QVERIFY2(e.message().contains("UNQ_COMMUNICATION"), qPrintable(e.message()));
        QVERIFY(e.code() != 0);
    }
}

void TestDataSet::refusedInsertKeepsRowInInsertState()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    SqlStatement obj(tr, "insert into object (o_id, o_type, o_name1) values (901, 'C', 'Firma')");
    obj.execute();
    EditableDataSet ds(tr);
    ds.setSelectSql("select * from internet where i_oid = :i_oid");
    ds.setInsertSql("insert into internet (i_itid, i_name, i_oid, i_pref) values (:i_itid, :i_name, :i_oid, :i_pref)");
    ds.setKeyField("I_ID");
    ds.setParam("I_OID", 901);
    ds.open();
    const auto add = [&](const QString& name) {
        ds.append();
        ds.setValue("I_OID", 901);
        ds.setValue("I_ITID", 1);
        ds.setValue("I_PREF", "@");
        ds.setValue("I_NAME", name);
        ds.post();
    };
    add("info@firma.example");
    QVERIFY_THROWS_EXCEPTION(DbError, add("post@firma.example"));
    QCOMPARE(ds.state(), DataSet::State::Insert);
    QCOMPARE(ds.value("I_NAME").toString(), QString("post@firma.example"));
    QVERIFY(ds.isNull("I_ID"));
    ds.setValue("I_ITID", 2);   // another type is allowed
    ds.post();
    QCOMPARE(ds.state(), DataSet::State::Browse);
    QVERIFY(!ds.isNull("I_ID"));
}

void TestDataSet::unchangedNewRowIsDroppedWhenLeaving()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    EditableDataSet ds(tr);
    configureTypes(ds);
    ds.OnNewRecord = [](DataSet& d) { d.setValue("AT_SORTID", 99); };
    ds.open();
    ds.fetchAll();
    const int rows = ds.rowCount();
    ds.append();
    QCOMPARE(ds.value("AT_SORTID").toInt(), 99);
    QVERIFY(!ds.isModified());
    ds.first();   // leaving an untouched new row drops it
    QCOMPARE(ds.rowCount(), rows);
    QCOMPARE(ds.state(), DataSet::State::Browse);
    ds.append();
    ds.setValue("AT_NAME", "Lager");
    ds.first();   // leaving a changed row saves it
    QCOMPARE(ds.rowCount(), rows + 1);
    tr.commit();
    QCOMPARE(scalar(db.path(), "select at_sortid from addresstype where at_name = 'Lager'"), QString("99"));
}

void TestDataSet::findRowFollowsEditsAndCancel()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    EditableDataSet ds(tr);
    configureTypes(ds);
    ds.open();
    const int name = ds.fieldIndex("AT_NAME");
    const QString before = ds.text(0, name);
    QCOMPARE(ds.findRow(name, before), 0);   // builds the index
    ds.setValue(name, "Ferienhaus");
    QCOMPARE(ds.findRow(name, "Ferienhaus"), 0);
    QCOMPARE(ds.findRow(name, before), -1);
    ds.cancel();
    QCOMPARE(ds.findRow(name, before), 0);
    QCOMPARE(ds.findRow(name, "Ferienhaus"), -1);
}

void TestDataSet::locateBookmarksAndScrollEvents()
{
    TestDb db(TestDb::Demo);
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c, DbTransaction::readCommitted());
    QueryDataSet ds(tr);
    ds.setSelectSql("select * from p_view_company_and_person order by o_name collate de_de");
    int scrolls = 0;
    ds.AfterScroll = [&](DataSet&) { ++scrolls; };
    ds.open();
    QCOMPARE(scrolls, 1);
    ds.last();
    const int lastRow = ds.recNo();
    QCOMPARE(scrolls, 2);
    QCOMPARE(lastRow, ds.rowCount() - 1);
    const QVariant id = ds.value("O_ID");
    ds.first();
    QVERIFY(ds.locate("O_ID", id));
    QCOMPARE(ds.recNo(), lastRow);
    QVERIFY(!ds.locate("O_ID", -5));
    QCOMPARE(ds.recNo(), lastRow);
    const auto mark = ds.bookmark();
    ds.close();
    ds.open();
    QVERIFY(ds.bookmarkValid(mark));
    ds.gotoBookmark(mark);
    QCOMPARE(ds.value("O_ID"), id);
    QVERIFY(!ds.bookmarkValid(lastRow + 1));
}

void TestDataSet::integerFieldRefusesText()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    EditableDataSet ds(tr);
    configureTypes(ds);
    ds.open();
    try {
        ds.setValue("AT_SORTID", "zwei");
        QFAIL("text accepted as an integer");
    } catch (const AppError& e) {
        QCOMPARE(e.message(), QString("'zwei' is not a valid integer value for field 'AT_SORTID'"));
    }
    QCOMPARE(ds.state(), DataSet::State::Browse);   // a refused value changes nothing
    ds.setValue("AT_SORTID", " 12 ");
    QCOMPARE(ds.value("AT_SORTID").toInt(), 12);
}

void TestDataSet::generatorValueIsTakenInTransaction()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    const qlonglong a = generatorValue(tr, "G_OBJECT_O_ID");
    const qlonglong b = generatorValue(tr, "G_OBJECT_O_ID");
    QCOMPARE(b, a + 1);
}

QTEST_GUILESS_MAIN(TestDataSet)
#include "tst_dataset.moc"
