#include "exchange/DbRows.h"

#include "data/DbTransaction.h"
#include "data/Statement.h"

namespace pellori::exchange {

void forEachRow(DbTransaction& transaction, const QString& sql,
                const std::function<void(const QList<QVariant>& row)>& take)
{
    Statement select(transaction.connection(), sql);
    select.openCursor(transaction, [](const QString&) { return QVariant(); });
    QList<QVariant> row;
    while (select.fetch(row))
        take(row);
}

} // namespace pellori::exchange
