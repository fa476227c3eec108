#pragma once
// One attachment to a Firebird database opened by path (the embedded engine by
// default). Attach parameters are name=value lines processed in order; a later
// line replaces an earlier one of the same name.
//
// The connection knows its transactions and statements, so that closing it
// ends their work in order and no order of destruction leaves one dangling.
#include "data/FieldValue.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace Firebird {
class IMaster;
class IAttachment;
class IUtil;
class IStatus;
}

namespace pellori {

class DbTransaction;
class Statement;

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void setDatabaseName(const QString& path) { m_databaseName = path; }
    const QString& databaseName() const { return m_databaseName; }

    // Lines such as "user_name=SYSDBA", "password=...", "lc_ctype=ISO8859_1",
    // "config=Providers = Loopback", "connect_timeout=15" (seconds, for a server).
    // Values are taken as Latin-1 bytes.
    QStringList params;

    // Attaches when not attached yet; throws DbError when refused.
    void open();
    // Commits every active transaction of this connection the way releasing one
    // does (a failed commit is rolled back without a word), gives back every
    // prepared statement (they are prepared again on the next attachment), then
    // detaches.
    void close();
    bool isConnected() const { return m_attachment != nullptr; }

    // The character set in force (the last lc_ctype line; ISO8859_1 when none or empty).
    QString charset() const;
    // Fixed while attached: read once at the attach, not for every value decoded.
    TextEncoding encoding() const { return m_attachment ? m_encoding : encodingOf(charset()); }
    // The one place where database text and QString meet.
    QString decode(QByteArrayView bytes) const { return value::decode(bytes, encoding()); }
    // Refuses text the character set cannot hold, naming `field`.
    QByteArray encode(const QString& text, const QString& field) const { return value::encode(text, encoding(), field); }

    // Attaches when needed.
    Firebird::IAttachment* attachment();
    static Firebird::IMaster* master();
    static Firebird::IUtil* util();

    // The client library takes SIGINT and SIGTERM over at the first attach and
    // answers them by shutting the engine down under the program, dropping every
    // open transaction. A program that ends itself in order on those signals
    // calls this once: attaching then leaves the program's handlers in place.
    static void leaveSignalsToProgram();

    // Transactions and statements register themselves for their lifetime.
    void add(DbTransaction* t) { m_transactions.append(t); }
    void remove(DbTransaction* t) { m_transactions.removeAll(t); }
    void add(Statement* s) { m_statements.append(s); }
    void remove(Statement* s) { m_statements.removeAll(s); }
    // Closes the cursors that statements hold open in a transaction that is ending.
    void closeCursorsOf(DbTransaction* t);

private:
    static TextEncoding encodingOf(const QString& charset);

    QString m_databaseName;
    Firebird::IAttachment* m_attachment = nullptr;
    TextEncoding m_encoding = TextEncoding::Latin1;
    QList<DbTransaction*> m_transactions;
    QList<Statement*> m_statements;
};

// Throws DbError built from a failed status: the whole formatted text and the first error code.
[[noreturn]] void throwDbError(Firebird::IStatus* status);

} // namespace pellori
