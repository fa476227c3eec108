// A refused database login at start: the initialisation message, then the
// program ends. The embedded engine checks no password, so this goes through a
// Firebird server on 127.0.0.1:3050 (started here when none is listening).
#include "app/f_main.h"
#include "RecordingMessages.h"
#include "TestDb.h"
#include "settings/uBase64Codec.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace pellori;
using pellori::test::RecordingMessages;

namespace {

bool serverListening()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(3050);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    ::close(fd);
    return ok;
}

} // namespace

class tst_RefusedLogin : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void refusedLoginEndsProgram();

private:
    QProcess m_server;   // only when this test started it
};

void tst_RefusedLogin::initTestCase()
{
    if (serverListening())
        return;
    const QString server = QStringLiteral("/usr/sbin/firebird");
    if (!QFile::exists(server))
        QSKIP("No Firebird server installed (package firebird3.0-server)");
    m_server.start(server, {});
    QVERIFY2(m_server.waitForStarted(), qPrintable(m_server.errorString()));
    QTRY_VERIFY_WITH_TIMEOUT(serverListening(), 60000);
}

void tst_RefusedLogin::cleanupTestCase()
{
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished())
            m_server.kill();
    }
}

void tst_RefusedLogin::refusedLoginEndsProgram()
{
    QTemporaryDir files;
    QTemporaryDir cwd;
    test::freshDatabase(files.path());

    // The program folder "127.0.0.1:<folder>/" sends the database name to the server
    // over TCP, while the same text read as a relative path finds the configuration
    // file below the current folder.
    const QString programDir = QStringLiteral("127.0.0.1:") + files.path() + QLatin1Char('/');
    QVERIFY(QDir(cwd.path()).mkpath(programDir));
    QFile ini(cwd.path() + QLatin1Char('/') + programDir + QStringLiteral("Pellori.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Pellori]\r\nVersion=1.0\r\n[Database]\r\ndbusername=QVXPELLORI\r\ndbpassword="
              + EncodeBase64Text("not the password") + "\r\nlc_ctype=ISO8859_1\r\n");
    ini.close();

    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(cwd.path()));
    RecordingMessages rec;
    auto w = std::make_unique<Tf_mainForm>(programDir);
    QDir::setCurrent(previous);

    QCOMPARE(w->connection().databaseName(), programDir + QStringLiteral("PELLORI.QVX"));
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
