// A refused database login at start: the initialisation message, then the
// program ends. The embedded engine checks no password, so this goes through
// the Firebird server on 127.0.0.1:3050 that the configuration names.
#include "LocalServer.h"
#include "RecordingMessages.h"
#include "TestDb.h"
#include "app/f_main.h"
#include "settings/uBase64Codec.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace pellori;
using pellori::test::LocalServer;
using pellori::test::RecordingMessages;

class tst_RefusedLogin : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void refusedLoginEndsProgram();

private:
    LocalServer m_server;
};

void tst_RefusedLogin::initTestCase()
{
    if (const QString unavailable = m_server.start(); !unavailable.isEmpty())
        QSKIP(qPrintable(unavailable));
}

void tst_RefusedLogin::refusedLoginEndsProgram()
{
    QTemporaryDir files;
    const QString database = test::freshDatabase(files.path());
    LocalServer::share(database);
    QFile ini(files.filePath(QStringLiteral("Pellori.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Pellori]\r\nVersion=1.0\r\n[Database]\r\ndbusername=QVXPELLORI\r\ndbpassword="
              + EncodeBase64Text("not the password") + "\r\nlc_ctype=ISO8859_1\r\nserver=127.0.0.1\r\ndatabase="
              + database.toLocal8Bit() + "\r\n");
    ini.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);   // as Pellori and its scripts make it
    ini.close();

    RecordingMessages rec;
    auto w = std::make_unique<Tf_mainForm>(files.path());

    QCOMPARE(w->connection().databaseName(), LocalServer::remote(database));
    QCOMPARE(rec.messages,
             QStringList{QStringLiteral("Initialization Error:\r\n\r\nEither username or password of the database is "
                                        "wrong.\r\n\r\nPlease specify the correct username and password in "
                                        "PELLORI.INI.")});
    QVERIFY(w->terminationRequested());
    QVERIFY(!w->connection().isConnected());
    QVERIFY(!w->groups().isOpen());
    QVERIFY(!w->contacts().isOpen());
}

QTEST_MAIN(tst_RefusedLogin)
#include "tst_refusedlogin.moc"
