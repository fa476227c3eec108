#pragma once
// A transaction on the connection. Parameter lines: "read_committed",
// "rec_version", "nowait" (and "read", "write", "wait", "concurrency",
// "consistency", "no_rec_version"); none means the server's default
// (snapshot, wait, read-write). Releasing an active transaction commits it,
// and rolls it back silently when the commit fails.
//
// Data sets and statements that work in a transaction register with it for
// their lifetime, so that ending the transaction closes them and destroying it
// leaves none of them pointing at it.
#include <QList>
#include <QStringList>

namespace Firebird {
class ITransaction;
}

namespace pellori {

class Connection;

// What a transaction tells those who work in it.
class TransactionUser {
public:
    // The transaction committed or rolled back: close what is open in it.
    virtual void transactionEnded() = 0;
    // The transaction object goes: forget it.
    virtual void transactionDestroyed() = 0;

protected:
    ~TransactionUser() = default;
};

class DbTransaction {
public:
    explicit DbTransaction(Connection& connection, QStringList params = {});
    ~DbTransaction();
    DbTransaction(const DbTransaction&) = delete;
    DbTransaction& operator=(const DbTransaction&) = delete;

    static QStringList readCommitted() { return {"read_committed", "rec_version", "nowait"}; }
    // An editing window's: a snapshot of when it began. Saving over a row that
    // someone else has changed since then, or holds now, fails at once, so no
    // change is silently overwritten and no window waits on another user.
    static QStringList editing() { return {"concurrency", "nowait"}; }
    // A contact editor's: read committed, so that a lookup row or a company
    // committed after the window opened can be referred to; no wait, so that a
    // row another user holds now fails at once. A row changed by another user
    // since the window read it is told at save by the data set's row check.
    static QStringList editingCurrent() { return readCommitted(); }

    // Throws when the connection has already gone.
    Connection& connection() const;
    const QStringList& params() const { return m_params; }

    void start();
    void startIfInactive() { if (!isActive()) start(); }
    // Commit and rollback end the transaction and close every data set using it.
    void commit();
    void rollback();
    // Makes the work durable, keeps the transaction and its data sets open.
    void commitRetaining();
    bool isActive() const { return m_handle != nullptr; }
    // The transaction's number (starting it when needed): what RDB$RECORD_VERSION
    // gives for a row this transaction wrote.
    qint64 id();

    Firebird::ITransaction* handle();   // starts the transaction when needed

    void add(TransactionUser* user);
    void remove(TransactionUser* user);

    // For the connection: end the work as releasing does (commit; a failed
    // commit is rolled back without a word), or forget the connection.
    void endQuietly();
    void connectionDestroyed();

private:
    void closeUsers();
    Connection* m_connection;
    QStringList m_params;
    Firebird::ITransaction* m_handle = nullptr;
    qint64 m_id = 0;   // 0 until asked for after the start
    QList<TransactionUser*> m_users;
};

} // namespace pellori
