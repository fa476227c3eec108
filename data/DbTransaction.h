#pragma once
// A transaction on the connection. Parameter lines: "read_committed",
// "rec_version", "nowait" (and "read", "write", "wait", "concurrency",
// "consistency", "no_rec_version"); none means the server's default
// (snapshot, wait, read-write). Releasing an active transaction commits it,
// and rolls it back silently when the commit fails.
#include <QList>
#include <QStringList>

namespace Firebird {
class ITransaction;
}

namespace pellori {

class Connection;
class DataSet;

class DbTransaction {
public:
    explicit DbTransaction(Connection& connection, QStringList params = {});
    ~DbTransaction();
    DbTransaction(const DbTransaction&) = delete;
    DbTransaction& operator=(const DbTransaction&) = delete;

    static QStringList readCommitted() { return {"read_committed", "rec_version", "nowait"}; }

    Connection& connection() const { return m_connection; }
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

    // Data sets register themselves so that ending the transaction closes them.
    void attach(DataSet* ds);
    void detach(DataSet* ds);

private:
    void closeDataSets();
    Connection& m_connection;
    QStringList m_params;
    Firebird::ITransaction* m_handle = nullptr;
    QList<DataSet*> m_dataSets;
};

} // namespace pellori
