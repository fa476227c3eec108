#include "data/SqlStatement.h"

#include "settings/AppError.h"

namespace pellori {

SqlStatement::SqlStatement(DbTransaction& transaction, QString sql)
    : m_transaction(&transaction), m_sqlText(std::move(sql))
{
    transaction.add(this);
}

SqlStatement::~SqlStatement()
{
    m_stmt.reset();
    if (m_transaction)
        m_transaction->remove(this);
}

void SqlStatement::transactionDestroyed()
{
    m_stmt.reset();
    m_transaction = nullptr;
}

void SqlStatement::setSql(const QString& sql)
{
    m_sqlText = sql;
    m_stmt.reset();
}

void SqlStatement::setParam(const QString& name, const QVariant& value) { m_params[name.toUpper()] = value; }

void SqlStatement::execute()
{
    if (!m_transaction)
        throw AppError(QStringLiteral("The statement has no transaction: its transaction has already ended for good"));
    if (!m_stmt)
        m_stmt = std::make_unique<Statement>(m_transaction->connection(), m_sqlText);
    m_stmt->execute(*m_transaction, [this](const QString& name) { return m_params.value(name.toUpper()); });
}

} // namespace pellori
