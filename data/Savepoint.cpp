#include "data/Savepoint.h"

#include "data/SqlStatement.h"

namespace pellori {

Savepoint::Savepoint(DbTransaction& transaction, QString name) : m_transaction(transaction), m_name(std::move(name))
{
    SqlStatement(m_transaction, QStringLiteral("savepoint ") + m_name).execute();
}

Savepoint::~Savepoint()
{
    if (!m_open)
        return;
    try {
        SqlStatement(m_transaction, QStringLiteral("rollback to savepoint ") + m_name).execute();
    } catch (...) {
    }
}

void Savepoint::release()
{
    SqlStatement(m_transaction, QStringLiteral("release savepoint ") + m_name).execute();
    m_open = false;
}

} // namespace pellori
