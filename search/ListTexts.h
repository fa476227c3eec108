#pragma once
// The contact list's texts for the search: the scopes' names, the titles of
// the optional columns and of the one saying why a contact was found, and the
// words put before a found detail; from the catalogue (section "search").
#include "search/ContactListQuery.h"

namespace pellori {
class TLang;
}

namespace pellori::search {

QString scopeText(Scope scope, const TLang& lang);
// The title of an optional column; the name column keeps the list's "Name".
QString columnTitle(Column column, const TLang& lang);
QString matchTitle(const TLang& lang);
MatchLabels matchLabels(const TLang& lang);

} // namespace pellori::search
