#pragma once
// Deleting a contact with all its rows: the seven statements in their order,
// after the rows of the contact's further tables (data/ContactTables) where
// the book has them, all or nothing (a company that persons still work at
// keeps every row of its own), and durable at once when they went through.
// An archive, when given, copies the contact first within the same savepoint,
// so the copy exists exactly when the contact is gone.
#include <QStringList>

#include <memory>
#include <vector>

namespace pellori {

class DbTransaction;
class SqlStatement;

class ContactArchive {
public:
    // Keeps the contact's rows; returns the key of what was kept (0 when
    // nothing: no such contact, or no place to keep it in this book).
    virtual int keep(DbTransaction& transaction, int key) = 0;

protected:
    ~ContactArchive() = default;
};

class ContactDeletion {
public:
    explicit ContactDeletion(DbTransaction& transaction, ContactArchive* archive = nullptr);
    ~ContactDeletion();

    // Throws the database's refusal, with nothing of the contact deleted and
    // nothing archived. Returns what the archive returned (0 without one).
    int deleteContact(int key);
    // The same as one step of a larger change that the caller commits or
    // rolls back as a whole (a merge of contacts).
    int deleteContactUncommitted(int key);

private:
    DbTransaction& m_transaction;
    ContactArchive* m_archive;
    std::vector<std::unique_ptr<SqlStatement>> m_statements;   // sql_delete_address ... sql_delete_object
};

// The tables of data/ContactTables beyond the schema's that the book has, in
// that table's order.
QStringList presentFurtherTables(DbTransaction& transaction);

} // namespace pellori
