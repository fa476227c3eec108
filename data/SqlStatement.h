#pragma once
// One statement run on demand in a transaction, returning no rows to the caller.
// Parameters are set by name (without regard to case) before each execution.
#include "data/DbTransaction.h"
#include "data/Statement.h"
#include <QHash>

namespace pellori {

class SqlStatement : public TransactionUser {
public:
    SqlStatement(DbTransaction& transaction, QString sql = QString());
    ~SqlStatement();
    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    void setSql(const QString& sql);
    const QString& sql() const { return m_sqlText; }
    void setParam(const QString& name, const QVariant& value);
    void execute();
    // Rows the last execution changed; for a check that it found what it was meant to.
    quint64 affectedRows() { return m_stmt ? m_stmt->affectedRows() : 0; }
    void close() {}   // nothing stays open between executions

    void transactionEnded() override {}
    void transactionDestroyed() override;

private:
    DbTransaction* m_transaction;
    QString m_sqlText;
    std::unique_ptr<Statement> m_stmt;
    QHash<QString, QVariant> m_params;   // keyed by upper-case name
};

} // namespace pellori
