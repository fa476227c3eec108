// No order of destruction leaves anything pointing at what has gone, and
// closing the connection ends open work the way releasing a transaction does.
#include "TestConnection.h"
#include "TestDb.h"
#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/DbTransaction.h"
#include "data/SqlStatement.h"
#include "settings/AppError.h"

#include <QTest>
#include <memory>

using namespace pellori;
using pellori::test::attachTo;
using pellori::test::TestDb;

namespace {

// The salutation list, editable, as the lookup editors have it.
std::unique_ptr<EditableDataSet> salutations(DbTransaction& tr)
{
    auto ds = std::make_unique<EditableDataSet>(tr);
    ds->setSelectSql("select s_id, s_name from salutation order by s_id");
    ds->setInsertSql("insert into salutation (s_name) values (:s_name)");
    ds->setKeyField("S_ID");
    ds->addField({.name = "S_ID", .kind = FieldKind::Integer});
    ds->addField({.name = "S_NAME", .kind = FieldKind::Text});
    return ds;
}

QString committedCount(const QString& path, const QString& name)
{
    Connection c;
    attachTo(c, path);
    DbTransaction tr(c);
    QueryDataSet q(tr);
    q.setSelectSql(QString("select count(*) from salutation where s_name = '%1'").arg(name));
    q.open();
    return q.text(0, 0);
}

} // namespace

class TestLifetimes : public QObject {
    Q_OBJECT
private slots:
    void anyDestructionOrderIsSafe_data();
    void anyDestructionOrderIsSafe();
    void dataSetOfAnEndedTransactionRefusesToOpen();
    void closingCommitsOpenWorkAndReopenWorks();
};

void TestLifetimes::anyDestructionOrderIsSafe_data()
{
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("order");   // which object goes first, second, third
    for (bool opened : {false, true}) {
        const char* state = opened ? "opened" : "never opened";
        for (const char* order : {"dtc", "tdc", "ctd", "cdt", "tcd", "dct"})
            QTest::newRow(qPrintable(QString("%1, %2").arg(state, order))) << opened << QString(order);
    }
}

void TestLifetimes::anyDestructionOrderIsSafe()
{
    QFETCH(bool, opened);
    QFETCH(QString, order);
    TestDb db;
    auto c = std::make_unique<Connection>();
    attachTo(*c, db.path());
    auto t = std::make_unique<DbTransaction>(*c);
    auto d = salutations(*t);
    auto s = std::make_unique<SqlStatement>(*t, "update salutation set s_name = s_name where s_id = -1");
    if (opened) {
        d->open();
        s->execute();
    }
    for (const QChar which : order) {
        if (which == 'd')
            d.reset();
        else if (which == 't')
            t.reset();
        else
            c.reset();
        // What is left refuses work, without touching what went.
        if (d && (!t || !c))
            QVERIFY_THROWS_EXCEPTION(AppError, d->open());
        if (t && !c)
            QVERIFY_THROWS_EXCEPTION(AppError, t->start());
        if (!t || !c)
            QVERIFY_THROWS_EXCEPTION(AppError, s->execute());
    }
    s.reset();
}

void TestLifetimes::dataSetOfAnEndedTransactionRefusesToOpen()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    auto t = std::make_unique<DbTransaction>(c);
    auto d = salutations(*t);
    SqlStatement s(*t, "update salutation set s_name = s_name");
    t.reset();
    QVERIFY(!d->hasTransaction());
    QVERIFY_THROWS_EXCEPTION(AppError, d->open());
    QVERIFY_THROWS_EXCEPTION(AppError, s.execute());
}

void TestLifetimes::closingCommitsOpenWorkAndReopenWorks()
{
    TestDb db;
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    auto ds = salutations(tr);
    ds->open();
    ds->append();
    ds->setValue("S_NAME", "Frau Dr.");
    ds->post();
    c.close();
    QVERIFY(!tr.isActive());
    QVERIFY(!ds->isOpen());
    QCOMPARE(committedCount(db.path(), "Frau Dr."), QString("1"));

    // Everything prepared on the old attachment works on the new one.
    ds->open();
    QVERIFY(ds->locate("S_NAME", "Frau Dr."));
    ds->append();
    ds->setValue("S_NAME", "Herr Prof.");
    ds->post();
    tr.commit();
    QCOMPARE(committedCount(db.path(), "Herr Prof."), QString("1"));
}

QTEST_GUILESS_MAIN(TestLifetimes)
#include "tst_lifetimes.moc"
