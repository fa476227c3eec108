#pragma once
// Deleting a contact with all its rows: the seven statements in their order,
// all or nothing (a company that persons still work at keeps every row of its
// own), and durable at once when they went through.
#include <memory>
#include <vector>

namespace pellori {

class DbTransaction;
class SqlStatement;

class ContactDeletion {
public:
    explicit ContactDeletion(DbTransaction& transaction);
    ~ContactDeletion();

    // Throws the database's refusal, with nothing of the contact deleted.
    void deleteContact(int key);

private:
    DbTransaction& m_transaction;
    std::vector<std::unique_ptr<SqlStatement>> m_statements;   // sql_delete_address ... sql_delete_object
};

} // namespace pellori
