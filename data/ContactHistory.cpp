#include "data/ContactHistory.h"

#include "data/DbTransaction.h"
#include "data/FieldValue.h"
#include "data/Statement.h"
#include "settings/Language.h"

namespace pellori {

std::optional<ContactChange> lastChange(DbTransaction& tr, int contactKey)
{
    Statement kept(tr.connection(), QStringLiteral("select count(*) from rdb$relations "
                                                   "where rdb$relation_name = 'PELLORI_HISTORY'"));
    if (kept.execute(tr, {}).value(0).toInt() == 0)
        return std::nullopt;
    Statement latest(tr.connection(), QStringLiteral("select first 1 PH_USER, PH_AT, PH_KIND from pellori_history "
                                                     "where PH_OID = :key order by PH_ID desc"));
    latest.openCursor(tr, [contactKey](const QString&) { return QVariant(contactKey); });
    QList<QVariant> row;
    if (!latest.fetch(row))
        return std::nullopt;
    latest.closeCursor();
    return ContactChange{row.value(0).toString().trimmed(), row.value(1).toDateTime(), row.value(2).toString().at(0)};
}

QString lastChangeText(const ContactChange& change, const TLang& lang)
{
    return lang.text(change.kind == QLatin1Char('D') ? QStringLiteral("shared_deletedby")
                                                     : QStringLiteral("shared_lastchanged"))
        .replace(QStringLiteral("%NAME%"), change.user)
        .replace(QStringLiteral("%DATE%"), value::formatDate(change.at.date()));
}

} // namespace pellori
