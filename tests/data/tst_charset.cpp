// Text the database's character set cannot hold is refused where it enters,
// with nothing written; every byte ISO-8859-1 has comes back as it went in.
#include "TestConnection.h"
#include "TestDb.h"
#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/DbTransaction.h"
#include "data/SqlStatement.h"
#include "settings/AppError.h"

#include <QTest>

using namespace pellori;
using pellori::test::attachTo;
using pellori::test::TestDb;

namespace {

void configureGroups(EditableDataSet& ds)
{
    ds.setSelectSql("select g_id, g_name from groupt order by g_id");
    ds.setInsertSql("insert into groupt (g_name) values (:g_name)");
    ds.setModifySql("update groupt set g_name = :g_name where g_id = :old_g_id");
    ds.setKeyField("G_ID");
    ds.addField({.name = "G_ID", .kind = FieldKind::Integer});
    ds.addField({.name = "G_NAME", .kind = FieldKind::Text, .required = true});
}

} // namespace

class TestCharset : public QObject {
    Q_OBJECT
private slots:
    void unstorableTextIsRefusedAndNothingWritten_data();
    void unstorableTextIsRefusedAndNothingWritten();
    void everyLatin1ByteRoundTrips();
};

void TestCharset::unstorableTextIsRefusedAndNothingWritten_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("throughStatement");
    QTest::newRow("euro, data set") << QString("5 \u20AC") << false;
    QTest::newRow("dagger, data set") << QString("\u2020 Ahn") << false;
    QTest::newRow("A macron, data set") << QString("\u0100") << false;
    QTest::newRow("euro, parameter") << QString("5 \u20AC") << true;
    QTest::newRow("A macron, parameter") << QString("\u0100") << true;
}

void TestCharset::unstorableTextIsRefusedAndNothingWritten()
{
    QFETCH(QString, text);
    QFETCH(bool, throughStatement);
    TestDb db;
    const QString before = db.value("select count(*) as n from groupt;", "N");
    {
        Connection c;
        attachTo(c, db.path());
        DbTransaction tr(c);
        QString error;
        try {
            if (throughStatement) {
                SqlStatement s(tr, "insert into groupt (g_name) values (:g_name)");
                s.setParam("g_name", text);
                s.execute();
            } else {
                EditableDataSet ds(tr);
                configureGroups(ds);
                ds.open();
                ds.first();
                const QString old = ds.value("G_NAME").toString();
                try {
                    ds.setValue("G_NAME", text);
                } catch (const AppError&) {
                    // The row keeps what it had and is not put into edit.
                    QCOMPARE(ds.value("G_NAME").toString(), old);
                    QCOMPARE(ds.state(), DataSet::State::Browse);
                    throw;
                }
            }
        } catch (const AppError& e) {
            error = e.message();
        }
        QVERIFY2(error.contains("G_NAME", Qt::CaseInsensitive), qPrintable(error));
        QVERIFY2(error.contains(text.at(text.size() == 1 ? 0 : text.indexOf(QRegularExpression("[^\\x00-\\xff]")))),
                 qPrintable(error));
        tr.commit();
    }
    QCOMPARE(db.value("select count(*) as n from groupt;", "N"), before);
}

void TestCharset::everyLatin1ByteRoundTrips()
{
    TestDb db;
    QString all;
    for (int b = 0x80; b <= 0xFF; b += 3)   // 43 characters: the column holds 50
        all += QChar(b);
    QVariant key;
    {
        Connection c;
        attachTo(c, db.path());
        DbTransaction tr(c);
        EditableDataSet ds(tr);
        configureGroups(ds);
        ds.open();
        ds.append();
        ds.setValue("G_NAME", all);
        ds.post();
        key = ds.value("G_ID");
        tr.commit();
    }
    Connection c;
    attachTo(c, db.path());
    DbTransaction tr(c);
    QueryDataSet q(tr);
    q.setSelectSql(QString("select g_name from groupt where g_id = %1").arg(key.toInt()));
    q.open();
    QCOMPARE(q.value("G_NAME").toString(), all);
}

QTEST_GUILESS_MAIN(TestCharset)
#include "tst_charset.moc"
