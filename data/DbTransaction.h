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
    QList<TransactionUser*> m_users;
};

} // namespace pellori
