#pragma once
// A savepoint in a transaction: work done after it is undone unless it is
// released. Several statements that belong together then change all or nothing.
#include <QString>

namespace pellori {

class DbTransaction;

class Savepoint {
public:
    Savepoint(DbTransaction& transaction, QString name);
    // Not released: the work since the savepoint is rolled back (a failure of the
    // rollback itself is not reported over the error that got us here).
    ~Savepoint();
    Savepoint(const Savepoint&) = delete;
    Savepoint& operator=(const Savepoint&) = delete;

    void release();

private:
    DbTransaction& m_transaction;
    QString m_name;
    bool m_open = true;
};

} // namespace pellori
