// Each contact's lasting identifier and last change, kept by the book itself:
// every way of changing a contact renews the time and keeps the identifier,
// and the identifier goes with the contact.
#include "TestConnection.h"
#include "TestDb.h"
#include "data/ContactDeletion.h"
#include "data/ContactIdentity.h"
#include "data/DbTransaction.h"
#include "data/Statement.h"
#include "data/upgrades/Upgrades.h"

#include <QRegularExpression>
#include <QtTest>

using namespace pellori;
using namespace pellori::test;

namespace {

constexpr int kKey = 90000, kOther = 90001;

void exec(Connection& c, const QString& statements)
{
    DbTransaction tr(c);
    for (const QString& sql : statements.split(u'|', Qt::SkipEmptyParts))
        Statement(c, sql.contains(u"%1") ? sql.arg(kKey) : sql).execute(tr, {});
    tr.commit();
}

ContactIdentity identityOf(Connection& c, int key)
{
    DbTransaction tr(c);
    return identity::of(tr, QList<int>{key}).value(key);
}

const QString kAdd = QStringLiteral(
    "insert into object (o_id, o_type, o_name1) values (%1, 'P', 'Neu')|"
    "insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) values (%1, 1, '@', 1, 'T', 'S')|"
    "insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) values (%1, 1, '@', '0351', '1')|"
    "insert into internet (i_oid, i_itid, i_name, i_pref) values (%1, 1, 'a@b.de', '@')");

} // namespace

class TestIdentity : public QObject {
    Q_OBJECT
private slots:
    void changesRenewTheTime_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("renewed");
        QTest::newRow("name") << "update object set o_name2 = 'X' where o_id = %1" << true;
        QTest::newRow("person") << "update person set p_nickname = 'N' where p_id = %1" << true;
        QTest::newRow("address added")
            << "insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) values (%1, 1, '@', 2, 'U', 'V')"
            << true;
        QTest::newRow("address changed") << "update address set a_town = 'W' where a_oid = %1" << true;
        QTest::newRow("number deleted") << "delete from communication where c_oid = %1" << true;
        QTest::newRow("internet changed") << "update internet set i_name = 'c@d.de' where i_oid = %1" << true;
        QTest::newRow("group joined") << "insert into belong2group (b2g_oid, b2g_gid) values (%1, 1)" << true;
        QTest::newRow("another contact") << "insert into object (o_id, o_type, o_name1) values (90001, 'P', 'X')" << false;
        QTest::newRow("a lookup list") << "insert into groupt (g_name) values ('Neu')" << false;
    }
    void changesRenewTheTime()
    {
        QFETCH(QString, change);
        QFETCH(bool, renewed);
        TestDb db;
        Connection c;
        attachTo(c, db.path());
        upgrades::applyMissing(c);
        exec(c, kAdd);
        const ContactIdentity before = identityOf(c, kKey);
        QVERIFY(QRegularExpression(QStringLiteral("^urn:uuid:[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}$"))
                    .match(before.uid)
                    .hasMatch());
        QTest::qWait(20);
        exec(c, change);
        const ContactIdentity after = identityOf(c, kKey);
        QCOMPARE(after.uid, before.uid);
        QCOMPARE(after.changed > before.changed, renewed);
    }

    // A contact older than the step gets an identifier at its first export, and no time;
    // a card's own is kept and found without regard to case; a deleted
    // contact takes its identifier along.
    void identifierLifecycle()
    {
        TestDb db;
        Connection c;
        attachTo(c, db.path());
        exec(c, kAdd);
        upgrades::applyMissing(c);
        QVERIFY(identityOf(c, kKey).uid.isEmpty());
        {
            DbTransaction tr(c);
            identity::giveMissing(tr, QList<int>{kKey});
            identity::giveMissing(tr, QList<int>{kKey});
            Statement(c, QStringLiteral("insert into object (o_id, o_type, o_name1) values (%1, 'C', 'Firma')").arg(kOther))
                .execute(tr, {});
            identity::setUid(tr, kOther, QStringLiteral("urn:uuid:ABCDEF"));
            QCOMPARE(identity::contactsWithUid(tr, QStringLiteral("URN:UUID:abcdef")), QList<int>{kOther});
            QCOMPARE(identity::contactsWithUids(tr, {QStringLiteral("urn:uuid:abcdef "), QStringLiteral("it's")}),
                     (QHash<QString, int>{{QStringLiteral("URN:UUID:ABCDEF"), kOther}}));
            tr.commit();
        }
        QVERIFY(identityOf(c, kKey).uid.startsWith(u"urn:uuid:"));
        QVERIFY(!identityOf(c, kKey).changed.isValid());
        {
            DbTransaction tr(c);
            ContactDeletion(tr).deleteContact(kOther);
            QCOMPARE(identity::contactsWithUid(tr, QStringLiteral("urn:uuid:abcdef")), QList<int>());
            Statement count(c, QStringLiteral("select count(*) from pellori_identity"));
            QCOMPARE(count.execute(tr, {}).value(0).toInt(), 1);
        }
    }
};

QTEST_GUILESS_MAIN(TestIdentity)
#include "tst_identity.moc"
