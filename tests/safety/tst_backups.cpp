// Backups through Firebird's backup service over real books: a backup
// restored equals the book row for row, the restore command puts it in the
// book's place and keeps the old one, bad backups and folders are refused with
// the book untouched, and a program killed while backing up leaves no file
// named as a finished backup.
#include "RecordingMessages.h"
#include "TestDb.h"
#include "TestSession.h"
#include "data/Statement.h"
#include "safety/BackupCommands.h"
#include "safety/Backups.h"
#include "settings/Language.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <csignal>

using namespace pellori;
using namespace pellori::test;

namespace {

// Every row of every table of the book, as isql prints them.
QString allRows(const QString& path)
{
    QString script = QStringLiteral("set list on;\n");
    for (const QString& t : listColumn(runIsql(path, QStringLiteral("set list on; select trim(rdb$relation_name) as t from rdb$relations "
                                                                    "where rdb$system_flag = 0 and rdb$view_blr is null order by 1;")),
                                       QStringLiteral("T")))
        script += QStringLiteral("select '%1' as tbl, a.* from %1 a order by 2;\n").arg(t);
    return runIsql(path, script);
}

int contacts(TestSession& s)
{
    return Statement(s.connection(), QStringLiteral("select count(*) from object")).execute(s.mainTransaction(), {}).value(0).toInt();
}

void writeIni(const QString& dir, const QByteArray& backupSection)
{
    QFile f(QDir(dir).filePath(QStringLiteral("Pellori.ini")));
    if (f.open(QIODevice::WriteOnly))
        f.write("[Pellori]\r\nVersion=1.0\r\n[Backup]\r\n" + backupSection);
}

QString onlyBackup(const QString& dir)
{
    const QList<QFileInfo> list = backups::finished(QDir(dir).filePath(QStringLiteral("backup")));
    return list.size() == 1 ? list.first().filePath() : QString();
}

} // namespace

class TestBackups : public QObject {
    Q_OBJECT
private slots:
    void keepsTheNewestAndKnowsWhenOneIsDue()
    {
        QTemporaryDir dir;
        for (const char* name : {"PELLORI-2026-01-01-0900.fbk", "PELLORI-2026-01-02-0900.fbk", "PELLORI-2026-01-02-0900-2.fbk",
                                 "PELLORI-2026-01-03-0900.fbk.partial", "notes.fbk"})
            QFile(dir.filePath(QLatin1String(name))).open(QIODevice::WriteOnly);
        const QDateTime newest(QDate(2026, 1, 2), QTime(9, 0));
        QVERIFY(!backups::due(dir.path(), newest.addSecs(23 * 3600), 24));
        QVERIFY(backups::due(dir.path(), newest.addSecs(24 * 3600), 24));
        QCOMPARE(backups::prune(dir.path(), 2), QStringList{QStringLiteral("PELLORI-2026-01-01-0900.fbk")});
        QCOMPARE(backups::finished(dir.path()).first().fileName(), QStringLiteral("PELLORI-2026-01-02-0900-2.fbk"));
        QVERIFY(backups::due(QDir(dir.path()).filePath(QStringLiteral("none")), newest, 24));
    }

    void backupRestoredEqualsTheBook()
    {
        TestDb db(TestDb::Demo);
        RecordingMessages messages;
        {
            TestSession session(db.path());
            backUpNow(session, nullptr);
        }
        const QString made = onlyBackup(db.dir());
        QVERIFY2(!made.isEmpty(), qPrintable(messages.messages.join('\n')));
        QVERIFY(messages.messages.value(0).contains(QFileInfo(made).fileName()));
        const QString copy = QDir(db.dir()).filePath(QStringLiteral("copy.fdb"));
        backupservice::restore(made, copy, {QStringLiteral("user_name=SYSDBA")}, {});
        const QString rows = allRows(db.path());
        QVERIFY(rows.contains(QStringLiteral("Meier")));
        QCOMPARE(allRows(copy), rows);
    }

    void restoreReplacesTheBookAndKeepsTheOldOne()
    {
        TestDb db(TestDb::Demo);
        RecordingMessages messages;
        TestSession session(db.path());
        const int before = contacts(session);
        backUpNow(session, nullptr);
        Statement(session.connection(), QStringLiteral("insert into object (O_ID, O_TYPE, O_NAME1) values (999, 'P', 'Neu')"))
            .execute(session.mainTransaction(), {});
        session.mainTransaction().commitRetaining();
        messages.fileAnswers = {onlyBackup(db.dir())};
        messages.answers = {true};
        QVERIFY(restoreFromBackup(session, nullptr));
        QCOMPARE(contacts(session), before);
        QVERIFY(messages.confirmations.value(0).contains(QString::number(before)));
        QCOMPARE(committedValues(db.path() + QStringLiteral(".before-restore"), QStringLiteral("select count(*) from object")),
                 QStringList{QString::number(before + 1)});
        QVERIFY(!QFile::exists(db.path() + QStringLiteral(".restoring")));
    }

    void badInputLeavesTheBookUntouched_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("said");
        QTest::newRow("not a backup") << "text" << "backup_notrestorable";
        QTest::newRow("truncated backup") << "truncated" << "backup_notrestorable";
        QTest::newRow("backup folder cannot be made") << "folder" << "backup_foldernotwritable";
    }
    void badInputLeavesTheBookUntouched()
    {
        QFETCH(QString, kind);
        QFETCH(QString, said);
        TestDb db(TestDb::Demo);
        RecordingMessages messages;
        TestSession session(db.path());
        const int before = contacts(session);
        const QString bad = QDir(db.dir()).filePath(QStringLiteral("bad.fbk"));
        if (kind == QLatin1String("folder")) {
            writeIni(db.dir(), "folder=Pellori.ini/backup\r\n");
            backUpNow(session, nullptr);
        } else {
            QByteArray bytes = "BEGIN:VCARD\r\nEND:VCARD\r\n";
            if (kind == QLatin1String("truncated")) {
                backUpNow(session, nullptr);
                QFile made(onlyBackup(db.dir()));
                QVERIFY(made.open(QIODevice::ReadOnly));
                bytes = made.read(made.size() / 2);
                messages.messages.clear();
            }
            QFile f(bad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
            f.close();
            messages.fileAnswers = {bad};
            messages.answers = {true};
            QVERIFY(!restoreFromBackup(session, nullptr));
            QVERIFY(messages.confirmations.isEmpty());
        }
        QCOMPARE(messages.messages.size(), 1);
        const QString start = session.lang().text(said).section(u'%', 0, 0);
        QVERIFY2(messages.messages.first().startsWith(start), qPrintable(messages.messages.first()));
        QCOMPARE(contacts(session), before);
        QVERIFY(!QFile::exists(db.path() + QStringLiteral(".restoring")));
        QVERIFY(!QFile::exists(db.path() + QStringLiteral(".before-restore")));
    }

    void killedWhileBackingUpLeavesNoFinishedBackup()
    {
        TestDb db(TestDb::Demo);
        // Enough rows that the backup is still running when the program is killed.
        db.isql(QStringLiteral("set term ^;\nexecute block as declare i integer = 1000; begin while (i < 41000) do begin "
                               "insert into object (O_ID, O_TYPE, O_NAME1, O_NAME2) values (:i, 'P', 'Name ' || :i, 'First'); "
                               "insert into address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET) values "
                               "(:i, 1, '@', 1069, 'Dresden', 'Street ' || :i); i = i + 1; end end^\nset term ;^\ncommit;"));
        const QString rows = allRows(db.path());
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PELLORI_BACKUP_CHILD"), db.path());
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY2(child.waitForReadyRead(60000), child.readAllStandardError().constData());
        QVERIFY(child.readAll().contains("started"));
        ::kill(pid_t(child.processId()), SIGKILL);
        child.waitForFinished();
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(onlyBackup(db.dir()), QString());
        QCOMPARE(allRows(db.path()), rows);
    }
};

// The program killed in the middle of a backup: backs the book named in the
// environment up, telling the test when the service has begun.
static int backupChild(const QString& path)
{
    QTextStream out(stdout);
    bool told = false;
    backups::make(path, {QStringLiteral("user_name=SYSDBA")}, QFileInfo(path).dir().filePath(QStringLiteral("backup")),
                  QDateTime::currentDateTime(), [&](const QString&) {
                      if (!told)
                          out << "started" << Qt::endl;
                      told = true;
                      QThread::msleep(5);
                  });
    return 0;
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet("PELLORI_BACKUP_CHILD"))
        return backupChild(qEnvironmentVariable("PELLORI_BACKUP_CHILD"));
    QApplication app(argc, argv);
    TestBackups test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_backups.moc"
