#pragma once
// A Firebird server of a test's own on a free loopback port, with a
// configuration of its own (lines added to its firebird.conf), its own user
// database and its own lock folder, so that the shared server on 3050 and the
// other tests are never touched. Debian's server reads its configuration from
// the folder the FIREBIRD environment variable names; the character sets'
// module must lie in that folder's intl/ (the engine finds it by its real path).
#include <QPair>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace pellori::test {

class PrivateServer {
public:
    using User = QPair<QString, QString>;   // name, password
    PrivateServer(QStringList configuration, QList<User> users);
    ~PrivateServer();   // stops the server
    PrivateServer(const PrivateServer&) = delete;
    PrivateServer& operator=(const PrivateServer&) = delete;

    // Empty when the server listens; otherwise why it cannot (the test skips).
    QString start();
    // "127.0.0.1/port", as Pellori.ini's server names it.
    QString host() const { return QStringLiteral("127.0.0.1/%1").arg(m_port); }
    QString remote(const QString& path) const { return host() + QLatin1Char(':') + path; }

    // A folder holding a firebird.conf of these lines, for a client process
    // started with FIREBIRD naming it.
    static QString clientConfiguration(const QTemporaryDir& into, const QStringList& lines);

private:
    QStringList m_configuration;
    QList<User> m_users;
    QTemporaryDir m_dir;
    QProcess m_server;
    int m_port = 0;
};

} // namespace pellori::test
