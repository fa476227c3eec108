// Bringing books up to date: every step once, in one transaction, and a book
// of the original schema keeps its tables as they were.
#include "TestConnection.h"
#include "TestDb.h"
#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "data/upgrades/Upgrades.h"
#include "settings/Language.h"

#include <QtTest>
#include <thread>

using namespace pellori;
using namespace pellori::test;

namespace {

const QString kColumns = QStringLiteral(
    "select trim(rf.rdb$relation_name) || '.' || trim(rf.rdb$field_name) || ':' || f.rdb$field_type || '/'"
    " || coalesce(f.rdb$field_length, 0) || '/' || coalesce(rf.rdb$null_flag, 0) as col"
    " from rdb$relation_fields rf join rdb$fields f on f.rdb$field_name = rf.rdb$field_source"
    " where rf.rdb$relation_name not starting 'RDB$' and rf.rdb$relation_name not starting 'MON$'"
    " and rf.rdb$relation_name not starting 'PELLORI_' order by 1;");

QStringList applied(const TestDb& db)
{
    return db.values(QStringLiteral("select PU_NAME from pellori_upgrade order by PU_NAME;"), QStringLiteral("PU_NAME"));
}

} // namespace

class TestUpgrades : public QObject {
    Q_OBJECT
private slots:
    void schemaBookUpgradesOnceAndKeepsItsColumns_data()
    {
        QTest::addColumn<bool>("server");
        QTest::newRow("single file") << false;
        QTest::newRow("shared, with the steps for shared books") << true;
    }
    void schemaBookUpgradesOnceAndKeepsItsColumns()
    {
        QFETCH(bool, server);
        TestDb db;
        const QStringList before = db.values(kColumns, QStringLiteral("COL"));
        Connection c;
        attachTo(c, db.path());
        QStringList names;
        for (const upgrades::Step& s : upgrades::steps())
            if (server || !s.serverOnly)
                names << QString::fromLatin1(s.name);
        QCOMPARE(upgrades::applyMissing(c, upgrades::steps(), server), names);
        QCOMPARE(upgrades::applyMissing(c, upgrades::steps(), server), QStringList());
        c.close();
        names.sort();
        QCOMPARE(applied(db), names);
        // The schema's columns as they were; beside them only the nullable
        // postcode as written (varchar 16).
        QStringList after = db.values(kColumns, QStringLiteral("COL"));
        for (const QString& column : before)
            QVERIFY2(after.removeOne(column), qPrintable(column));
        QCOMPARE(after, QStringList{"ADDRESS.A_POSTCODE_TEXT:37/16/0"});
    }

    void writtenPostcodeStepLeavesRowsAndAColumnMadeElsewhere_data()
    {
        QTest::addColumn<bool>("columnThere");
        QTest::newRow("an old book") << false;
        QTest::newRow("a book that got the column some other way") << true;
    }
    void writtenPostcodeStepLeavesRowsAndAColumnMadeElsewhere()
    {
        QFETCH(bool, columnThere);
        TestDb db(TestDb::Demo);
        if (columnThere)
            db.isql(QStringLiteral("alter table address add A_POSTCODE_TEXT varchar(16) character set ISO8859_1;"));
        Connection c;
        attachTo(c, db.path());
        QVERIFY(upgrades::applyMissing(c).contains(QLatin1String(upgrades::step::kWrittenPostcode)));
        c.close();
        // No guesses written; the integers answer as before.
        QCOMPARE(db.value(QStringLiteral("select count(A_POSTCODE_TEXT) as n from address;"), QStringLiteral("N")),
                 QStringLiteral("0"));
        QCOMPARE(db.value(QStringLiteral("select A_POSTCODE from address a join object o on o.O_ID = a.A_OID "
                                         "where a.A_STREET starting 'Prager Stra' and o.O_ID = 1;"),
                          QStringLiteral("A_POSTCODE")),
                 QStringLiteral("1069"));
    }

    void failingStepLeavesNothing()
    {
        TestDb db;
        const std::vector<upgrades::Step> bad = {
            {.name = "good", .feature = "x", .statements = {"create table pellori_good (G integer)"}},
            {.name = "bad", .feature = "x", .statements = {"create table pellori_bad (B integer)", "create nonsense"}},
        };
        Connection c;
        attachTo(c, db.path());
        QVERIFY_THROWS_EXCEPTION(DbError, upgrades::applyMissing(c, bad));
        c.close();
        QCOMPARE(applied(db), QStringList());
        QCOMPARE(db.value(QStringLiteral("select count(*) as n from rdb$relations where rdb$relation_name "
                                         "in ('PELLORI_GOOD', 'PELLORI_BAD');"),
                          QStringLiteral("N")),
                 QStringLiteral("0"));
    }

    void startUp_data()
    {
        QTest::addColumn<bool>("server");
        QTest::addColumn<bool>("upgraded");
        QTest::newRow("the book beside the program is upgraded") << false << true;
        QTest::newRow("a server book is only checked") << true << false;
    }
    void startUp()
    {
        QFETCH(bool, server);
        QFETCH(bool, upgraded);
        TestDb db;
        TLang lang;
        Connection c;
        attachTo(c, db.path());
        // The program's own user, who does not own the file.
        c.params = {QStringLiteral("user_name=QVXPELLORI"), QStringLiteral("password=x"), QStringLiteral("lc_ctype=ISO8859_1")};
        {
            DbTransaction tr(c);
            QCOMPARE(upgrades::appliedSteps(tr), QStringList());   // an old book opens
        }
        const std::optional<QString> message = upgrades::atStart(c, server, lang);
        QCOMPARE(message.has_value(), server);
        if (message) {
            QVERIFY(message->contains(lang.text(QStringLiteral("upgrade_feature_trash"))));
            QVERIFY(message->contains(QStringLiteral("upgrade-server-db.sh")));
        }
        DbTransaction tr(c);
        QCOMPARE(upgrades::isApplied(tr, upgrades::step::kTrash), upgraded);
        QCOMPARE(upgrades::isReady(tr, upgrades::step::kSearch), upgraded);
    }

    void fillRunsAgainWithTheSameRows()
    {
        TestDb db(TestDb::Demo);
        const auto counts = [&db] {
            const Rows rows = db.select(QStringLiteral("select count(*) as contacts from pellori_contact;"
                                                       "select count(*) as words from pellori_word;"));
            return rows.value(QStringLiteral("CONTACTS")) + QLatin1Char('/') + rows.value(QStringLiteral("WORDS"));
        };
        Connection c;
        attachTo(c, db.path());
        upgrades::applyMissing(c);
        c.close();   // the embedded engine holds the file for one process
        const QString filled = counts();
        QVERIFY2(filled.startsWith(QLatin1String("52/")), qPrintable(filled));
        db.isql(QStringLiteral("delete from pellori_search_state; commit;"));
        QCOMPARE(upgrades::completeFills(c), QStringList{QString::fromLatin1(upgrades::step::kSearch)});
        QCOMPARE(upgrades::completeFills(c), QStringList());
        c.close();
        QCOMPARE(counts(), filled);
    }

    void twoProgramsAtOnceApplyEachStepOnce()
    {
        TestDb db;
        QStringList done[2];
        QString failed[2];
        std::thread programs[2];
        for (int i = 0; i < 2; ++i)
            programs[i] = std::thread([&, i] {
                try {
                    Connection c;
                    attachTo(c, db.path());
                    done[i] = upgrades::applyMissing(c);
                } catch (const AppError& e) {
                    failed[i] = e.message();
                }
            });
        for (std::thread& t : programs)
            t.join();
        QCOMPARE(failed[0] + failed[1], QString());
        const auto fileSteps = std::count_if(upgrades::steps().begin(), upgrades::steps().end(),
                                             [](const upgrades::Step& s) { return !s.serverOnly; });
        QCOMPARE(done[0].size() + done[1].size(), qsizetype(fileSteps));
        QCOMPARE(applied(db).size(), qsizetype(fileSteps));
    }
};

QTEST_GUILESS_MAIN(TestUpgrades)
#include "tst_upgrades.moc"
