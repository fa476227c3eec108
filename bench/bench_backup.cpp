// bench_backup [contacts] [runs]: backing a book up and restoring it through
// Firebird's backup service as Pellori does, beside the gbak command line on
// the same file in the same run; and deleting a contact with its copy into the
// trash beside the delete alone.
#include "BenchCommon.h"
#include "data/BackupService.h"
#include "data/ContactDeletion.h"
#include "data/Connection.h"
#include "data/DbTransaction.h"
#include "data/upgrades/Upgrades.h"
#include "safety/Trash.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

using namespace pellori;
using namespace pellori::bench;

namespace {

const QStringList kLogin{QStringLiteral("user_name=SYSDBA"), QStringLiteral("password=x"),
                         QStringLiteral("lc_ctype=ISO8859_1")};

void fill(const QString& db, int contacts)
{
    isql(db, QString("set term ^;\nexecute block as declare i integer = 1; begin while (i <= %1) do begin "
                     "insert into object (O_ID, O_TYPE, O_NAME1, O_NAME2, O_ADDITIONAL) values (:i, 'P', 'Name ' || :i, 'First', "
                     "'A note about this contact'); "
                     "update person set P_BIRTHDAY = dateadd(:i day to date '1950-01-01'), P_TID = 1 where P_ID = :i; "
                     "insert into address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET, A_COUNTRY) values "
                     "(:i, 1, '@', 1069, 'Dresden', 'Prager Strasse ' || :i, 'Deutschland'); "
                     "insert into communication (C_OID, C_CTID, C_PREF, C_PREFIX, C_NUMBER) values (:i, 1, '@', '0351', :i); "
                     "insert into internet (I_OID, I_ITID, I_NAME, I_PREF) values (:i, 1, 'n' || :i || '@example.de', '@'); "
                     "insert into belong2group (B2G_OID, B2G_GID) values (:i, 2); "
                     "i = i + 1; end end^\nset term ;^\ncommit;\n")
                 .arg(contacts)
                 .toLatin1());
    QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
}

int run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(-1);
    if (p.exitCode() != 0)
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), p.readAll().constData());
    return p.exitCode();
}

// Mean time of one delete over `count` contacts starting at `first`.
double deleteMs(const QString& db, int first, int count, bool withTrash)
{
    Connection c;
    c.setDatabaseName(db);
    c.params = kLogin;
    DbTransaction main(c, DbTransaction::readCommitted());
    Trash trash(main);
    ContactDeletion deletion(main, withTrash ? &trash : nullptr);
    deletion.deleteContact(first);   // prepares the statements
    return timeMs([&] {
               for (int k = first + 1; k <= first + count; ++k)
                   deletion.deleteContact(k);
           })
           / count;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int contacts = argc > 1 ? atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? atoi(argv[2]) : 3;
    QTemporaryDir dir;
    const QString db = dir.filePath(QStringLiteral("PELLORI.QVX"));
    createWithSchema(db);
    fill(db, contacts);
    {
        Connection c;
        c.setDatabaseName(db);
        c.params = kLogin;
        upgrades::applyMissing(c);
    }
    std::printf("book: %d contacts, %lld bytes\n", contacts, QFileInfo(db).size());

    const QString fbk = dir.filePath(QStringLiteral("b.fbk")), gfbk = dir.filePath(QStringLiteral("g.fbk"));
    std::vector<double> ours, gbak, oursRestore, gbakRestore;
    for (int r = 0; r < runs; ++r) {
        QFile::remove(fbk);
        QFile::remove(gfbk);
        ours.push_back(timeMs([&] { backupservice::backup(db, fbk, kLogin, {}); }));
        gbak.push_back(timeMs([&] { run(QStringLiteral("gbak"), {"-b", "-user", "SYSDBA", db, gfbk}); }));
        const QString restored = dir.filePath(QStringLiteral("r.fdb")), grestored = dir.filePath(QStringLiteral("g.fdb"));
        QFile::remove(restored);
        QFile::remove(grestored);
        oursRestore.push_back(timeMs([&] { backupservice::restore(fbk, restored, kLogin, [](const QString&) {}); }));
        gbakRestore.push_back(timeMs([&] { run(QStringLiteral("gbak"), {"-c", "-user", "SYSDBA", gfbk, grestored}); }));
    }
    std::printf("backup file: %lld bytes (gbak's %lld)\n", QFileInfo(fbk).size(), QFileInfo(gfbk).size());
    std::printf("%-28s %10s %10s %8s\n", "measure (median)", "Pellori", "gbak", "ratio");
    std::printf("%-28s %8.0f ms %8.0f ms %8.2f\n", "backup", median(ours), median(gbak), median(ours) / median(gbak));
    std::printf("%-28s %8.0f ms %8.0f ms %8.2f\n", "restore", median(oursRestore), median(gbakRestore),
                median(oursRestore) / median(gbakRestore));

    const int count = 200;
    std::vector<double> plain, trashed;
    for (int r = 0; r < runs; ++r) {
        const int base = 1 + r * 2 * (count + 1);
        plain.push_back(deleteMs(db, base, count, false));
        trashed.push_back(deleteMs(db, base + count + 1, count, true));
    }
    std::printf("%-28s %8.2f ms %8.2f ms %8.2f\n", "delete (with trash / alone)", median(trashed), median(plain),
                median(trashed) / median(plain));
    return 0;
}
