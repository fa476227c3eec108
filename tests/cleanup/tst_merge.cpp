// Merging contacts: every detail of all kept once, the employees of a merged
// company moved, the merged contacts in the trash (restoring them undoes the
// merge), and every refusal or failure leaving the book as it was.
#include "RecordingMessages.h"
#include "TestConnection.h"
#include "TestDb.h"
#include "TestSession.h"
#include "cleanup/CleanupCommands.h"
#include "cleanup/Merge.h"
#include "data/ContactIdentity.h"
#include "data/DbTransaction.h"
#include "data/Statement.h"
#include "data/upgrades/Upgrades.h"
#include "safety/Trash.h"

#include <QtTest>

using namespace pellori;
using namespace pellori::cleanup;
using namespace pellori::test;

namespace {

// Hans Müller twice (a number written otherwise, the same address and group,
// an e-mail address of a type he has already), two spellings of one company.
const char* const kSeed = R"(
insert into object (o_id, o_type, o_name1, o_name2) values (100, 'P', 'Müller', 'Hans');
insert into object (o_id, o_type, o_name1, o_name2, o_additional) values (101, 'P', 'Mueller', 'Hans', 'Kennt Anna');
update person set p_tid = 1, p_birthday = '1970-01-02', p_nickname = 'Hansi' where p_id = 101;
insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) values (100, 1, '@', '0351', '123456');
insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) values (101, 1, '@', '0351', '12 34 56');
insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) values (101, 3, '-', '0171', '555555');
insert into internet (i_oid, i_itid, i_name, i_pref) values (100, 1, 'hans@a.de', '@');
insert into internet (i_oid, i_itid, i_name, i_pref) values (101, 1, 'h.mueller@b.de', '@');
insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) values (100, 1, '@', 1069, 'Dresden', 'Hauptstr. 1');
insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) values (101, 1, '@', 1069, 'dresden', 'Hauptstr. 1');
insert into address (a_oid, a_atid, a_pref, a_postcode, a_town, a_street) values (101, 2, '-', 1067, 'Dresden', 'Marktplatz 5');
insert into belong2group (b2g_oid, b2g_gid) values (100, 2);
insert into belong2group (b2g_oid, b2g_gid) values (101, 2);
insert into belong2group (b2g_oid, b2g_gid) values (101, 3);
insert into object (o_id, o_type, o_name1, o_name2) values (200, 'C', 'ACME', 'GmbH');
insert into object (o_id, o_type, o_name1, o_name2) values (201, 'C', 'Acme', 'GmbH');
insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) values (201, 2, '-', '0351', '777777');
insert into object (o_id, o_type, o_name1, o_name2) values (300, 'P', 'Lang', 'Udo');
update person set p_cid = 201 where p_id = 300;
commit;
)";

// A contact's fields, details and employees, one line each, sorted.
QStringList contactState(const QString& path, int key)
{
    QStringList rows = committedValues(
        path, QStringLiteral(
                  "select 'O ' || o_type || ' ' || o_name1 || ',' || coalesce(o_name2, '') from object where o_id = %1 "
                  "union all select 'P ' || p_sid || ',' || coalesce(p_tid, 0) || ',' || coalesce(p_birthday, '') || ','"
                  " || coalesce(p_nickname, '') || ',' || coalesce(p_cid, 0) || ',' || p_alive from person where p_id = %1 "
                  "union all select 'N ' || c_id || ' ' || c_ctid || ' ' || c_prefix || ' ' || c_number from communication where c_oid = %1 "
                  "union all select 'I ' || i_id || ' ' || i_itid || ' ' || i_name from internet where i_oid = %1 "
                  "union all select 'A ' || a_id || ' ' || a_atid || ' ' || a_street || ' ' || a_town from address where a_oid = %1 "
                  "union all select 'G ' || b2g_gid from belong2group where b2g_oid = %1 "
                  "union all select 'U ' || pi_uid from pellori_identity where pi_oid = %1 "
                  "union all select 'E ' || p_id from person where p_cid = %1")
                  .arg(key));
    rows.sort();
    return rows;
}

// The same without row keys, for what the kept contact holds after a merge.
QStringList details(const QString& path, int key)
{
    QStringList rows;
    for (QString line : contactState(path, key)) {
        if (line.startsWith(u'N') || line.startsWith(u'I') || line.startsWith(u'A'))
            line = line.left(2) + line.section(u' ', 2);
        if (!line.startsWith(u'U'))
            rows << line;
    }
    rows.sort();
    return rows;
}

struct Book {
    // The embedded engine holds the file once attached: isql runs first.
    explicit Book(const QString& setup = QString())
    {
        const QString out = db.isql(QString::fromUtf8(kSeed) + setup);
        if (!out.trimmed().isEmpty())
            qWarning("%s", qPrintable(out));
        Connection c;
        attachTo(c, db.path());
        upgrades::applyMissing(c);
        DbTransaction tr(c);
        identity::giveMissing(tr, std::nullopt);
        tr.commit();
        session = std::make_unique<TestSession>(db.path());
    }
    // As the merge window does: read in a snapshot, the fuller value of every field chosen.
    MergeOutcome merge(int kept, const QList<int>& merged)
    {
        DbTransaction tr(session->connection(), DbTransaction::editing());
        const QList<MergeContact> contacts = readMergeContacts(tr, QList<int>{kept} + merged);
        MergeChoice choice{.kept = kept, .merged = merged};
        for (const MergeField f : mergeFields(contacts.first().kind))
            choice.from.insert(f, fullestOf(contacts, f, firstSalutation(tr), kept));
        return mergeContacts(*session, nullptr, tr, contacts, choice);
    }
    QString trashCount() const
    {
        return committedValues(db.path(), QStringLiteral("select count(*) from pellori_trash")).value(0);
    }

    RecordingMessages messages;
    TestDb db;
    std::unique_ptr<TestSession> session;
};

} // namespace

class TestMerge : public QObject {
    Q_OBJECT
private slots:
    void mergeKeepsEveryDetailOnceAndRestoringUndoesIt_data()
    {
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("merged");
        QTest::addColumn<QStringList>("after");
        // The repeated number, address and group once; the second e-mail
        // address under the next free e-mail type; the fuller values of Hans.
        QTest::newRow("two persons") << 100 << 101
                                     << QStringList{"A 1 Hauptstr. 1 Dresden", "A 2 Marktplatz 5 Dresden", "G 2", "G 3",
                                                    "I 1 hans@a.de", "I 2 h.mueller@b.de", "N 1 0351 123456",
                                                    "N 3 0171 555555", "O P Müller,Hans", "P 1,1,1970-01-02,Hansi,0,@"};
        QTest::newRow("two companies, with a person working there")
            << 200 << 201 << QStringList{"E 300", "N 2 0351 777777", "O C ACME,GmbH"};
    }
    void mergeKeepsEveryDetailOnceAndRestoringUndoesIt()
    {
        QFETCH(int, kept);
        QFETCH(int, merged);
        QFETCH(QStringList, after);
        Book book;
        const QStringList keptBefore = contactState(book.db.path(), kept);
        QStringList mergedBefore = contactState(book.db.path(), merged);

        QCOMPARE(book.merge(kept, {merged}), MergeOutcome::Merged);
        QCOMPARE(details(book.db.path(), kept), after);
        QCOMPARE(contactState(book.db.path(), merged), QStringList());
        QCOMPARE(book.messages.messages.size(), 1);

        Trash trash(book.session->mainTransaction());
        QCOMPARE(trash.entries().size(), 1);
        QCOMPARE(trash.restore(trash.entries().first().id, book.session->standardValues()).outcome,
                 Restored::Outcome::Done);
        // It comes back as it was; the persons who worked there stay with the kept company.
        mergedBefore.removeIf([](const QString& line) { return line.startsWith(u'E'); });
        QCOMPARE(contactState(book.db.path(), merged), mergedBefore);
        // The kept contact gives back what it took over, and keeps its own.
        for (const QString& line : keptBefore)
            if (!line.startsWith(u'E') && !line.startsWith(u'O') && !line.startsWith(u'P'))
                QVERIFY2(contactState(book.db.path(), kept).contains(line), qPrintable(line));
    }

    void refusalsAndFailuresChangeNothing_data()
    {
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("merged");
        QTest::addColumn<QString>("setup");   // isql run before the merge
        QTest::addColumn<bool>("heldByAnother");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("said");
        QTest::newRow("a company into a person") << 100 << 200 << "" << false << int(MergeOutcome::Refused)
                                                 << "cannot be merged into a person";
        QTest::newRow("a person into a company") << 200 << 300 << "" << false << int(MergeOutcome::Refused)
                                                 << "cannot be merged into a company";
        QTest::newRow("no free e-mail type")
            << 100 << 101 << "insert into internet (i_oid, i_itid, i_name, i_pref) values (101, 2, 'hm@firma.de', '-'); commit;"
            << false << int(MergeOutcome::Refused) << "every type of its kind";
        QTest::newRow("another user is changing it") << 100 << 101 << "" << true << int(MergeOutcome::Failed)
                                                     << "Another user";
        QTest::newRow("a failure halfway")
            << 100 << 101
            << "create exception pellori_test_boom 'boom';\nset term ^ ;\ncreate trigger pellori_test_boom for object "
               "before delete as begin if (old.o_id = 101) then exception pellori_test_boom; end^\nset term ; ^\n"
               "grant usage on exception pellori_test_boom to public;\ncommit;"
            << false << int(MergeOutcome::Failed) << "undone";
    }
    void refusalsAndFailuresChangeNothing()
    {
        QFETCH(int, kept);
        QFETCH(int, merged);
        QFETCH(QString, setup);
        QFETCH(bool, heldByAnother);
        QFETCH(int, outcome);
        QFETCH(QString, said);
        Book book(setup);
        QMap<int, QStringList> before;
        for (const int k : {100, 101, 200, 201, 300})
            before[k] = contactState(book.db.path(), k);
        Connection other;
        attachTo(other, book.db.path());
        DbTransaction holding(other, DbTransaction::editing());
        if (heldByAnother)
            Statement(other, QStringLiteral("update person set p_nickname = 'X' where p_id = 101")).execute(holding, {});

        QCOMPARE(int(book.merge(kept, {merged})), outcome);
        QCOMPARE(book.messages.messages.size(), 1);
        QVERIFY2(book.messages.messages.first().contains(said), qPrintable(book.messages.messages.first()));
        holding.rollback();
        for (const int k : {100, 101, 200, 201, 300})
            QCOMPARE(contactState(book.db.path(), k), before[k]);
        QCOMPARE(book.trashCount(), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestMerge)
#include "tst_merge.moc"
