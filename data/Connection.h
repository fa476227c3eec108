#pragma once
// One attachment to a Firebird database opened by path (the embedded engine by
// default). Attach parameters are name=value lines processed in order; a later
// line replaces an earlier one of the same name.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Firebird {
class IMaster;
class IAttachment;
class IUtil;
class IStatus;
}

namespace pellori {

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void setDatabaseName(const QString& path) { m_databaseName = path; }
    const QString& databaseName() const { return m_databaseName; }

    // Lines such as "user_name=SYSDBA", "password=...", "lc_ctype=ISO8859_1",
    // "config=Providers = Loopback". Values are taken as Latin-1 bytes.
    QStringList params;

    // Attaches when not attached yet; throws DbError when refused.
    void open();
    void close();
    bool isConnected() const { return m_attachment != nullptr; }

    // The character set in force for this attachment (the last lc_ctype line; ISO8859_1 when none or empty).
    QString charset() const;
    // The one place where database text and QString meet.
    QString decode(const QByteArray& bytes) const;
    QByteArray encode(const QString& text) const;

    // Next value of a generator, in the given transaction.
    // (Uses "SELECT GEN_ID(%s, %d) FROM RDB$DATABASE".)
    Firebird::IAttachment* attachment();
    static Firebird::IMaster* master();
    static Firebird::IUtil* util();

    // The client library takes SIGINT and SIGTERM over at the first attach and
    // answers them by shutting the engine down under the program, dropping every
    // open transaction. A program that ends itself in order on those signals
    // calls this once: attaching then leaves the program's handlers in place.
    static void leaveSignalsToProgram();

private:
    QString m_databaseName;
    Firebird::IAttachment* m_attachment = nullptr;
    bool m_utf8 = false;
};

// Throws DbError built from a failed status: the whole formatted text and the first error code.
[[noreturn]] void throwDbError(Firebird::IStatus* status);

} // namespace pellori
