#include "data/BookAccess.h"

#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "data/Statement.h"

#include <QString>

namespace pellori {

bool mayChangeBook(DbTransaction& tr)
{
    // No contact has a null key, so nothing is written and no trigger fires.
    Statement probe(tr.connection(), QStringLiteral("update object set o_name1 = o_name1 where o_id is null"));
    try {
        probe.prepare(tr);
        probe.execute(tr, [](const QString&) { return QVariant(); });
    } catch (const DbError& e) {
        if (e.isNoPermission())
            return false;
        throw;
    }
    return true;
}

} // namespace pellori
