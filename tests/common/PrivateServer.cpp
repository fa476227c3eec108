#include "PrivateServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace pellori::test {

namespace {

const QString kServer = QStringLiteral("/usr/sbin/firebird");
const QString kIntlModule = QStringLiteral("/usr/lib/x86_64-linux-gnu/firebird/3.0/intl/libfbintl.so");

sockaddr_in loopback(int port)
{
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(quint16(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return addr;
}

// A port nothing listens on now, as the system hands one out.
int freePort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr = loopback(0);
    socklen_t size = sizeof addr;
    int port = 0;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0
        && ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &size) == 0)
        port = ntohs(addr.sin_port);
    if (fd >= 0)
        ::close(fd);
    return port;
}

bool listening(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_in addr = loopback(port);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    ::close(fd);
    return ok;
}

bool writeFile(const QString& path, const QStringList& lines)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write((lines.join('\n') + '\n').toLatin1()) > 0;
}

} // namespace

PrivateServer::PrivateServer(QStringList configuration, QList<User> users)
    : m_configuration(std::move(configuration)), m_users(std::move(users))
{
}

PrivateServer::~PrivateServer()
{
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished())
            m_server.kill();
    }
}

QString PrivateServer::clientConfiguration(const QTemporaryDir& into, const QStringList& lines)
{
    writeFile(into.filePath(QStringLiteral("firebird.conf")), lines);
    return into.path();
}

QString PrivateServer::start()
{
    if (!QFile::exists(kServer) || !QFile::exists(kIntlModule))
        return QStringLiteral("No Firebird server installed (package firebird3.0-server)");
    m_port = freePort();
    const QString dir = m_dir.path(), security = m_dir.filePath(QStringLiteral("security3.fdb"));
    if (m_port == 0 || !QDir().mkpath(dir + "/lock") || !QDir().mkpath(dir + "/intl")
        || !QFile::copy(kIntlModule, dir + "/intl/libfbintl.so")
        || !writeFile(dir + "/firebird.conf",
                      QStringList{QStringLiteral("RemoteServicePort = %1").arg(m_port),
                                  QStringLiteral("RemoteBindAddress = 127.0.0.1"),
                                  QStringLiteral("SecurityDatabase = ") + security}
                          + m_configuration)
        || !writeFile(dir + "/databases.conf", {QStringLiteral("security.db = ") + security}))
        return QStringLiteral("Cannot lay out the private server's folder %1").arg(dir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FIREBIRD"), dir);
    env.insert(QStringLiteral("FIREBIRD_LOCK"), dir + "/lock");

    // Its user database, made through the embedded engine before the server holds it.
    QByteArray script = "create database '" + security.toLocal8Bit() + "';\n";
    for (const User& u : std::as_const(m_users))
        script += "create user " + u.first.toLatin1() + " password '" + u.second.toLatin1() + "';\n";
    script += "commit;\n";
    QProcess isql;
    isql.setProcessEnvironment(env);
    isql.setProcessChannelMode(QProcess::MergedChannels);
    isql.start(QStringLiteral(PELLORI_ISQL), {QStringLiteral("-q"), QStringLiteral("-b"), QStringLiteral("-user"),
                                              QStringLiteral("SYSDBA")});
    isql.write(script);
    isql.closeWriteChannel();
    if (!isql.waitForFinished(60000) || isql.exitCode() != 0)
        return QStringLiteral("The private server's user database was not made: ") + QString::fromLocal8Bit(isql.readAll());

    m_server.setProcessEnvironment(env);
    m_server.start(kServer, {});
    if (!m_server.waitForStarted())
        return m_server.errorString();
    for (QDeadlineTimer deadline(60000); !deadline.hasExpired(); QThread::msleep(100))
        if (listening(m_port))
            return {};
    return QStringLiteral("The private server did not start listening on 127.0.0.1:%1").arg(m_port);
}

} // namespace pellori::test
