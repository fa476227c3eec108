#pragma once
// Where an import meets the database: the lookup lists it plans against and
// the plan's rows, both in one transaction of its own, which commits only
// when every row is stored. A cancel or any failure rolls it back, so an
// import is stored whole or not at all.
#include "exchange/ImportPlan.h"

#include <functional>
#include <memory>

namespace pellori {
class Connection;
class DbTransaction;
struct StandardValues;
}

namespace pellori::exchange {

// The configured standard types, for the planner.
StandardTypes standardTypes(const StandardValues& values);

// The lookup lists and companies as the planner needs them: the three type
// lists in their sort order, the others by key.
Lookups readLookups(DbTransaction& transaction);

// Told after each stored contact; answering false cancels the import.
using ImportProgress = std::function<bool(int done, int total)>;

struct StoredImport {
    bool cancelled = false;
    QList<int> contactIds;   // O_ID of each contact of the plan, in plan order; empty when cancelled
    int firstContact = 0;    // O_ID of the contact of the first imported card (file order); 0: none
};

class ImportTransaction {
public:
    // Starts the transaction and reads the lookup lists in it.
    explicit ImportTransaction(Connection& connection);
    // Rolls back what has not been committed.
    ~ImportTransaction();
    ImportTransaction(const ImportTransaction&) = delete;
    ImportTransaction& operator=(const ImportTransaction&) = delete;

    const Lookups& lookups() const { return m_lookups; }
    // For what must read the book in the same snapshot before storing (finding the cards' contacts).
    DbTransaction& transaction() { return *m_transaction; }

    // Stores the plan (new titles and groups, then each contact with its
    // person row, details and memberships) and commits. Cancelled: rolled
    // back, and told so. Any error: rolled back, and thrown on. Once only.
    StoredImport store(const ImportPlan& plan, const ImportProgress& progress = {});

private:
    void rollBackQuietly();

    std::unique_ptr<DbTransaction> m_transaction;
    Lookups m_lookups;
    bool m_used = false;
};

} // namespace pellori::exchange
