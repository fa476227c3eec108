#include "data/ContactDeletion.h"

#include "data/ContactQueries.h"
#include "data/ContactTables.h"
#include "data/DbTransaction.h"
#include "data/Savepoint.h"
#include "data/SqlStatement.h"
#include "data/Statement.h"

#include <ranges>

namespace pellori {

QStringList presentFurtherTables(DbTransaction& transaction)
{
    QStringList wanted;
    for (const contacttables::ContactTable& t : contacttables::all())
        if (!t.schema)
            wanted << QString::fromLatin1(t.table);
    if (wanted.isEmpty())
        return {};
    QStringList present;
    forEachRow(transaction,
               QStringLiteral("select trim(rdb$relation_name) from rdb$relations where rdb$relation_name in ('")
                   + wanted.join(QStringLiteral("', '")).toUpper() + QStringLiteral("')"),
               [&present](const QList<QVariant>& row) { present << row.value(0).toString(); });
    QStringList ordered;
    for (const QString& t : std::as_const(wanted))
        if (present.contains(t.toUpper()))
            ordered << t;
    return ordered;
}

ContactDeletion::ContactDeletion(DbTransaction& transaction, ContactArchive* archive)
    : m_transaction(transaction), m_archive(archive)
{
    for (const queries::DeleteStatement& d : queries::contactDeleteStatements())
        m_statements.push_back(std::make_unique<SqlStatement>(transaction, QLatin1String(d.sql)));
}

ContactDeletion::~ContactDeletion() = default;

int ContactDeletion::deleteContact(int key)
{
    const int kept = deleteContactUncommitted(key);
    // A crash or a killed program must not bring the contact back.
    m_transaction.commitRetaining();
    return kept;
}

int ContactDeletion::deleteContactUncommitted(int key)
{
    Savepoint all(m_transaction, QStringLiteral("PELLORI_DELETE"));
    const int kept = m_archive ? m_archive->keep(m_transaction, key) : 0;
    const QStringList further = presentFurtherTables(m_transaction);
    for (const QString& table : further | std::views::reverse) {
        for (const contacttables::ContactTable& t : contacttables::all())
            if (table == QLatin1String(t.table)) {
                SqlStatement statement(m_transaction, QStringLiteral("delete from %1 where %2").arg(table, QLatin1String(t.owned)));
                statement.setParam(QStringLiteral("o_id"), key);
                statement.execute();
            }
    }
    for (const std::unique_ptr<SqlStatement>& statement : m_statements) {
        statement->close();
        statement->setParam(QStringLiteral("o_id"), key);
        statement->execute();
    }
    all.release();
    return kept;
}

} // namespace pellori
