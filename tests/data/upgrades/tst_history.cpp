// The history of a shared book's contacts: each transaction that changes a
// contact, its detail rows included, leaves one record with the user and the
// kind of change, written by the book itself; a single-file book keeps none.
#include "TestDb.h"
#include "data/Connection.h"
#include "data/ContactHistory.h"
#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "data/Statement.h"
#include "data/upgrades/Upgrades.h"
#include "settings/Language.h"

#include <QtTest>

using namespace pellori;
using namespace pellori::test;

namespace {

constexpr int kKey = 90000;

// The embedded engine takes the user name as given.
void attachAs(Connection& c, const QString& path, const QString& user)
{
    c.setDatabaseName(path);
    c.params = QStringList{"user_name=" + user, "password=x", "lc_ctype=ISO8859_1"};
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void eachTransactionLeavesOneRecord_data()
    {
        QTest::addColumn<bool>("shared");
        QTest::addColumn<QStringList>("transactions");   // "USER|statement|statement..."
        QTest::addColumn<QString>("last");               // "USER/KIND", empty for none
        QTest::addColumn<int>("records");
        const QString add = QStringLiteral("ANNA|insert into object (o_id, o_type, o_name1) values (%1, 'P', 'Neu')")
                                .arg(kKey);
        const QString address = QStringLiteral("|insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, "
                                               "a_street) values (%1, 1, '@', 1, 'T', 'S')")
                                    .arg(kKey);
        const QString remove = QStringLiteral("EVA|delete from address where a_oid = %1|delete from person where "
                                              "p_id = %1|delete from object where o_id = %1")
                                   .arg(kKey);
        const QString save = QStringLiteral("EVA|update object set o_name2 = 'X' where o_id = %1|update person set "
                                            "p_nickname = 'N' where p_id = %1")
                                 .arg(kKey);
        QTest::newRow("added") << true << QStringList{add} << "ANNA/I" << 1;
        QTest::newRow("a save is one change") << true << QStringList{add, save + address} << "EVA/U" << 2;
        QTest::newRow("a detail row alone") << true << QStringList{add, "EVA" + address} << "EVA/U" << 2;
        QTest::newRow("added and changed at once") << true << QStringList{add + address} << "ANNA/I" << 1;
        QTest::newRow("deleted with its rows") << true << QStringList{add + address, remove} << "EVA/D" << 2;
        QTest::newRow("restored under its old key")
            << true << QStringList{add, remove, QString(add).replace("ANNA", "OTTO")} << "OTTO/R" << 3;
        QTest::newRow("lookup lists are not contacts")
            << true << QStringList{"ANNA|insert into groupt (g_name) values ('Neu')"} << "" << 0;
        QTest::newRow("a single-file book keeps none") << false << QStringList{add, save} << "" << -1;
    }
    void eachTransactionLeavesOneRecord()
    {
        QFETCH(bool, shared);
        QFETCH(QStringList, transactions);
        QFETCH(QString, last);
        QFETCH(int, records);
        TestDb db(TestDb::Demo);
        Connection owner;
        attachAs(owner, db.path(), QStringLiteral("SYSDBA"));
        upgrades::applyMissing(owner, upgrades::steps(), shared);
        owner.close();
        for (const QString& t : transactions) {
            QStringList statements = t.split('|');
            Connection c;
            attachAs(c, db.path(), statements.takeFirst());
            DbTransaction tr(c);
            for (const QString& sql : statements)
                executeDirect(tr, sql);
            tr.commit();
        }
        Connection reader;
        attachAs(reader, db.path(), QStringLiteral("OTTO"));
        DbTransaction tr(reader);
        const std::optional<ContactChange> change = lastChange(tr, kKey);
        QCOMPARE(change ? change->user + '/' + change->kind : QString(), last);
        if (records >= 0)
            QCOMPARE(Statement(reader, QStringLiteral("select count(*) from pellori_history where ph_oid = %1").arg(kKey))
                         .execute(tr, {})
                         .value(0)
                         .toInt(),
                     records);
    }

    void usersMayNotWriteTheHistoryThemselves()
    {
        TestDb db;
        Connection owner;
        attachAs(owner, db.path(), QStringLiteral("SYSDBA"));
        upgrades::applyMissing(owner, upgrades::steps(), true);
        owner.close();
        Connection c;
        attachAs(c, db.path(), QStringLiteral("ANNA"));
        DbTransaction tr(c);
        QVERIFY_THROWS_EXCEPTION(DbError, executeDirect(tr, QStringLiteral("insert into pellori_history values "
                                                                          "(1, 1, 'U', 'EVA', current_timestamp, 1)")));
        QVERIFY_THROWS_EXCEPTION(DbError, executeDirect(tr, QStringLiteral("execute procedure "
                                                                          "P_PELLORI_CONTACT_CHANGED(1, 'D')")));
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
