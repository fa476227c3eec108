#include "search/ListTexts.h"

#include "settings/Language.h"

namespace pellori::search {

QString scopeText(Scope scope, const TLang& lang)
{
    return lang.text(scope == Scope::Name ? QStringLiteral("search_scope_name") : QStringLiteral("search_scope_everywhere"));
}

QString columnTitle(Column column, const TLang& lang)
{
    switch (column) {
    case Column::Name: return QStringLiteral("Name");
    case Column::Town: return lang.text(QStringLiteral("search_column_town"));
    case Column::Phone: return lang.text(QStringLiteral("search_column_phone"));
    case Column::Email: return lang.text(QStringLiteral("search_column_email"));
    case Column::Company: return lang.text(QStringLiteral("search_column_company"));
    }
    return {};
}

QString matchTitle(const TLang& lang) { return lang.text(QStringLiteral("search_column_match")); }

MatchLabels matchLabels(const TLang& lang)
{
    return {.nickname = lang.text(QStringLiteral("search_match_nickname")),
            .company = lang.text(QStringLiteral("search_match_company")),
            .group = lang.text(QStringLiteral("search_match_group")),
            .notes = lang.text(QStringLiteral("search_match_notes"))};
}

} // namespace pellori::search
