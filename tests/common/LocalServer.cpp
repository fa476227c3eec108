#include "LocalServer.h"

#include "TestSession.h"
#include "data/DbError.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace pellori::test {

LocalServer::~LocalServer()
{
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished())
            m_server.kill();
    }
}

bool LocalServer::listening()
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

QString LocalServer::start()
{
    if (listening())
        return {};
    const QString server = QStringLiteral("/usr/sbin/firebird");
    if (!QFile::exists(server))
        return QStringLiteral("No Firebird server installed (package firebird3.0-server)");
    m_server.start(server, {});
    if (!m_server.waitForStarted())
        return m_server.errorString();
    for (QDeadlineTimer deadline(60000); !deadline.hasExpired(); QThread::msleep(100))
        if (listening())
            return {};
    return QStringLiteral("The Firebird server did not start listening on 127.0.0.1:3050");
}

QString LocalServer::acceptProgramLogin(const QString& databasePath)
{
    const auto refusal = [&]() -> QString {
        try {
            committedValues(remote(databasePath), QStringLiteral("select 1 from rdb$database"));
            return {};
        } catch (const DbError& e) {
            return e.message();
        }
    };
    if (refusal().isEmpty())
        return {};
    const QStringList login = administratorLogin();
    if (login.isEmpty())
        return QStringLiteral("The server does not know the program's login, and the SYSDBA password is not readable");
    const QString &user = login[0], &password = login[1];
    QProcess isql;
    isql.start(QStringLiteral(PELLORI_ISQL),
               {QStringLiteral("-q"), QStringLiteral("-user"), user, QStringLiteral("-password"), password,
                remote(databasePath)});
    isql.write("create or alter user QVXPELLORI password '*vemlox!';\ncommit;\n");
    isql.closeWriteChannel();
    isql.waitForFinished(60000);
    const QString output = QString::fromLocal8Bit(isql.readAllStandardOutput() + isql.readAllStandardError());
    const QString still = refusal();
    return still.isEmpty() ? QString() : output + still;
}

QStringList LocalServer::administratorLogin()
{
    // Debian keeps the SYSDBA password of its server as shell assignments.
    QFile file(QStringLiteral("/etc/firebird/3.0/SYSDBA.password"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString user = QStringLiteral("SYSDBA"), password;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QByteArray value = line.mid(line.indexOf('=') + 1).trimmed().replace('"', "");
        if (line.startsWith("ISC_USER="))
            user = QString::fromLatin1(value);
        else if (line.startsWith("ISC_PASSWORD="))
            password = QString::fromLatin1(value);
    }
    return {user, password};
}

void LocalServer::share(const QString& databasePath)
{
    QFile::setPermissions(databasePath, QFile::permissions(databasePath) | QFileDevice::ReadOther
                                            | QFileDevice::WriteOther | QFileDevice::ReadGroup | QFileDevice::WriteGroup);
    const QString dir = QFileInfo(databasePath).absolutePath();
    QFile::setPermissions(dir, QFile::permissions(dir) | QFileDevice::ExeOther | QFileDevice::ReadOther
                                   | QFileDevice::ExeGroup | QFileDevice::ReadGroup);
}

} // namespace pellori::test
