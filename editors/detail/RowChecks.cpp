#include "editors/detail/RowChecks.h"

#include "data/Global.h"
#include "settings/Language.h"

namespace pellori {

std::optional<QString> failedRowCheck(const QList<RowCheck>& checks,
                                      const std::function<QVariant(const QString& field)>& valueOf, const TLang& lang)
{
    for (const RowCheck& check : checks) {
        const QVariant v = valueOf(check.field);
        const bool passes = check.kind == RowCheck::ValidFlag
            ? IsValidFlag(v.isNull() ? QString() : v.toString())
            : !(v.isNull() || !v.isValid() || (v.typeId() == QMetaType::QString && v.toString().isEmpty()));
        if (!passes)
            return lang.text(check.messageKey);
    }
    return std::nullopt;
}

} // namespace pellori
