#include "data/ContactDeletion.h"

#include "data/ContactQueries.h"
#include "data/DbTransaction.h"
#include "data/Savepoint.h"
#include "data/SqlStatement.h"

namespace pellori {

ContactDeletion::ContactDeletion(DbTransaction& transaction) : m_transaction(transaction)
{
    for (const queries::DeleteStatement& d : queries::contactDeleteStatements())
        m_statements.push_back(std::make_unique<SqlStatement>(transaction, QLatin1String(d.sql)));
}

ContactDeletion::~ContactDeletion() = default;

void ContactDeletion::deleteContact(int key)
{
    Savepoint all(m_transaction, QStringLiteral("PELLORI_DELETE"));
    for (const std::unique_ptr<SqlStatement>& statement : m_statements) {
        statement->close();
        statement->setParam(QStringLiteral("o_id"), key);
        statement->execute();
    }
    all.release();
    // A crash or a killed program must not bring the contact back.
    m_transaction.commitRetaining();
}

} // namespace pellori
