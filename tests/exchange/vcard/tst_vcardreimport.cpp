// An import that knows the book's contacts: an export imported back, or a
// file imported twice, doubles no one; a card of a known contact adds only
// what the contact lacks and keeps the book's names; the user's choice of
// update, add all or skip is followed.
#include "TestConnection.h"
#include "TestDb.h"
#include "cleanup/ImportMatching.h"
#include "data/Connection.h"
#include "data/ContactIdentity.h"
#include "data/DbTransaction.h"
#include "data/Statement.h"
#include "data/upgrades/Upgrades.h"
#include "exchange/ContactExport.h"
#include "exchange/ImportStore.h"
#include "exchange/ImportSummary.h"
#include "exchange/vcard/CardMapping.h"

#include <QtTest>

using namespace pellori;
using namespace pellori::exchange;
using cleanup::MatchPolicy;
using pellori::test::attachTo;

namespace {

int countOf(Connection& c, const QString& select)
{
    DbTransaction tr(c);
    return Statement(c, select).execute(tr, {}).value(0).toInt();
}
int countOf(Connection& c, const char* latin1) { return countOf(c, QString::fromLatin1(latin1)); }

// Every table a contact has rows in, counted.
QList<int> counts(Connection& c)
{
    QList<int> n;
    for (const char* t : {"object", "person", "address", "communication", "internet", "belong2group", "groupt", "title"})
        n << countOf(c, QStringLiteral("select count(*) from %1").arg(QLatin1String(t)));
    return n;
}

// As the command exports: contacts older than the identities get theirs first.
QByteArray exportAll(Connection& c)
{
    DbTransaction tr(c);
    identity::giveMissing(tr, std::nullopt);
    tr.commitRetaining();
    return writeContacts(readContactsForExport(tr, std::nullopt));
}

struct Imported {
    ImportPlan plan;
    StoredImport stored;
};

// The import as the command runs it, the user answering `policy`.
Imported importFile(Connection& c, const QByteArray& file, MatchPolicy policy)
{
    const ContactsRead read = readContacts(file);
    ImportTransaction import(c);
    Imported out;
    out.plan = planImport(read.contacts, import.lookups(), ImportOptions{});
    cleanup::applyMatches(import.transaction(), out.plan, import.lookups(),
                          cleanup::matchCards(import.transaction(), read.contacts), policy);
    out.stored = import.store(out.plan);
    return out;
}

QList<CardOutcome> outcomes(const ImportPlan& plan)
{
    QList<CardOutcome> o;
    for (const CardReport& r : plan.cards)
        if (r.imported)
            o << r.outcome;
    return o;
}

QByteArray card(const QByteArray& body) { return "BEGIN:VCARD\r\nVERSION:3.0\r\n" + body + "END:VCARD\r\n"; }

const char* kBook =
    "insert into object (o_id, o_type, o_name1, o_name2) values (%1, 'P', 'M\xfcller', 'Hans')|"
    "insert into internet (i_oid, i_itid, i_name, i_pref) values (%1, 1, 'hans@example.org', '@')|"
    "insert into communication (c_oid, c_ctid, c_pref, c_prefix, c_number) values (%1, 1, '@', '0351', '111111')";

} // namespace

class TestVCardReimport : public QObject {
    Q_OBJECT

private slots:
    // The demo book's own export, imported back into it.
    void exportImportedBack_data()
    {
        QTest::addColumn<int>("policy");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("contactsAdded");
        QTest::newRow("update: every card unchanged") << int(MatchPolicy::UpdateMatches) << int(CardOutcome::Unchanged) << 0;
        QTest::newRow("skip: every card skipped") << int(MatchPolicy::SkipMatches) << int(CardOutcome::Skipped) << 0;
        QTest::newRow("add all as new") << int(MatchPolicy::AddAllAsNew) << int(CardOutcome::Added) << 52;
    }
    void exportImportedBack()
    {
        QFETCH(int, policy);
        QFETCH(int, outcome);
        QFETCH(int, contactsAdded);
        test::TestDb db(test::TestDb::Demo);
        Connection c;
        attachTo(c, db.path());
        upgrades::applyMissing(c);
        const QByteArray file = exportAll(c);
        QVERIFY(file.contains("\r\nUID:urn:uuid:"));
        const QList<int> before = counts(c);
        const Imported done = importFile(c, file, MatchPolicy(policy));
        QCOMPARE(outcomes(done.plan), QList<CardOutcome>(52, CardOutcome(outcome)));
        QCOMPARE(done.plan.newGroups + done.plan.newTitles, QStringList());
        QCOMPARE(counts(c).first(), before.first() + contactsAdded);
        if (contactsAdded == 0)
            QCOMPARE(counts(c), before);
        // No identifier is carried twice.
        QCOMPARE(countOf(c, "select count(distinct upper(PI_UID)) from pellori_identity"), counts(c).first());
        const ImportSummary summary = importSummary(done.plan, QStringLiteral("f.vcf"));
        QCOMPARE(summary.cards.size(), contactsAdded ? 0 : 52);
        // Only the persons added are given the book's first salutation.
        QCOMPARE(done.plan.defaultSalutations > 0, contactsAdded > 0);
    }

    // A file of its own imported twice into an empty book: the second time adds nothing.
    void fileImportedTwice()
    {
        test::TestDb db;
        Connection c;
        attachTo(c, db.path());
        upgrades::applyMissing(c);
        const QByteArray file = card("N:Lang;Xaver;;;\r\nEMAIL:x@example.org\r\nORG:Werk\r\nCATEGORIES:Neu\r\n")
                                + card("UID:urn:uuid:own-1\r\nN:Ohne;Mail;;;\r\n")
                                + card("N:Kurz;Kai;;;\r\nTEL:0221 123456\r\n");
        importFile(c, file, MatchPolicy::UpdateMatches);
        const QList<int> once = counts(c);
        const Imported again = importFile(c, file, MatchPolicy::UpdateMatches);
        QCOMPARE(outcomes(again.plan), QList<CardOutcome>(3, CardOutcome::Unchanged));
        QCOMPARE(counts(c), once);
        QCOMPARE(countOf(c, "select count(*) from pellori_identity where PI_UID = 'urn:uuid:own-1'"), 1);
    }

    // A card of the book's "Müller, Hans" (e-mail hans@example.org, number 0351 111111).
    void cardOfAKnownContact_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("summary");   // the card's lines in the summary (none when no card matched)
        QTest::addColumn<int>("numbers");       // the contact's numbers afterwards
        QTest::newRow("Mueller, shared e-mail: number, birthday and note added, the book's name kept")
            << QByteArray("N:Mueller;Hans;;;\r\nEMAIL:Hans@Example.org\r\nTEL:0351 222222\r\nBDAY:19700102\r\n"
                          "NOTE:kennt Anna\r\n")
            << int(CardOutcome::Updated)
            << "updated: Additional \"kennt Anna\", Birthday \"02.01.1970\", Number \"0351 222222\"|"
               "Family name \"Mueller\" differs from the book's \"M\u00fcller\", which stays."
            << 2;
        QTest::newRow("the same number written otherwise: unchanged")
            << QByteArray("N:M\xc3\xbcller;Hans;;;\r\nTEL:+49 351 111111\r\n") << int(CardOutcome::Unchanged)
            << "unchanged" << 1;
        QTest::newRow("the same name and nothing shared: a new contact")
            << QByteArray("N:M\xc3\xbcller;Hans;;;\r\nTEL:0711 999999\r\n") << int(CardOutcome::Added) << ""
            << 1;
    }
    void cardOfAKnownContact()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, outcome);
        QFETCH(QString, summary);
        QFETCH(int, numbers);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        test::TestDb db;
        // Before the test attaches: the embedded engine lets one process at a time into the file.
        const QString isql = test::runIsql(db.path(), QString::fromLatin1(kBook).arg(900).replace(u'|', QStringLiteral(";\n"))
                                                          + QStringLiteral(";\ncommit;\n"));
        QVERIFY2(!isql.contains(QLatin1String("error"), Qt::CaseInsensitive), qPrintable(isql));
        Connection c;
        attachTo(c, db.path());
        upgrades::applyMissing(c);
        const Imported done = importFile(c, card(body), MatchPolicy::UpdateMatches);
        QCOMPARE(outcomes(done.plan), QList<CardOutcome>{CardOutcome(outcome)});
        const ImportSummary s = importSummary(done.plan, QStringLiteral("f.vcf"));
        QCOMPARE(s.cards.value(0).notes.join(u'|'), summary);
        QCOMPARE(countOf(c, "select count(*) from communication where C_OID = 900"), numbers);
        // Nothing of the book's contact is removed or renamed.
        QCOMPARE(countOf(c, "select count(*) from object where O_ID = 900 and O_NAME1 = 'M\xfcller'"), 1);
        QCOMPARE(countOf(c, "select count(*) from internet where I_OID = 900"), 1);
    }
};

QTEST_GUILESS_MAIN(TestVCardReimport)
#include "tst_vcardreimport.moc"
