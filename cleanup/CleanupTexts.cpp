#include "cleanup/CleanupTexts.h"

#include "exchange/Messages.h"
#include "settings/Language.h"

namespace pellori::cleanup {

QString cleanupText(const TLang& lang, const char* key, const Values& values)
{
    return exchange::fillPlaceholders(ReplaceReturn(lang.text(QLatin1String(key))), values);
}

QString reasonsText(const TLang& lang, Reasons reasons)
{
    const std::pair<Reason, const char*> kReasons[] = {{SameName, "cleanup_reason_samename"},
                                                       {SameEmail, "cleanup_reason_sameemail"},
                                                       {SameNumber, "cleanup_reason_samenumber"},
                                                       {SimilarNameSameTown, "cleanup_reason_similarname"}};
    QStringList parts;
    for (const auto& [reason, key] : kReasons)
        if (reasons & reason)
            parts << lang.text(QLatin1String(key));
    return parts.join(QStringLiteral(", "));
}

} // namespace pellori::cleanup
