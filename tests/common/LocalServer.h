#pragma once
// The Firebird server on 127.0.0.1:3050 for the tests that need one: started
// here when none is listening (and stopped again), and taught the program's
// login as SYSDBA when it does not know it yet. Only the loopback address is used.
#include <QProcess>
#include <QString>
#include <QStringList>

namespace pellori::test {

class LocalServer {
public:
    LocalServer() = default;
    LocalServer(const LocalServer&) = delete;
    LocalServer& operator=(const LocalServer&) = delete;
    ~LocalServer();

    // Empty when the server listens; otherwise why it cannot (the test skips).
    QString start();
    // Empty when the program's built-in login is accepted for the database;
    // otherwise why it is not and cannot be made so.
    QString acceptProgramLogin(const QString& databasePath);

    // The server administrator's login as Debian keeps it (user, password);
    // empty when not readable.
    static QStringList administratorLogin();

    static bool listening();
    // The name through which the server opens a local file.
    static QString remote(const QString& path) { return QStringLiteral("127.0.0.1:") + path; }
    // A server running as a user of its own can then read and write the file.
    static void share(const QString& databasePath);

private:
    QProcess m_server;   // only when started here
};

} // namespace pellori::test
