#pragma once
// What the duplicate rules look at, read from the book for every contact (or
// some): names, kind, employer, birthday, towns, e-mail addresses, numbers.
// One statement a table, read without a value decoded that is not used, so a
// book of 100,000 contacts is read in a fraction of a second.
#include "cleanup/MatchRules.h"

#include <QList>
#include <optional>

namespace pellori {
class DbTransaction;
}

namespace pellori::cleanup {

// Of those contacts (without keys, of every contact), in no particular order.
QList<MatchFacts> readFacts(DbTransaction& tr, const std::optional<QList<int>>& keys = std::nullopt);

// The name the contact list shows for the facts' contact.
QString listNameOf(const MatchFacts& facts);

} // namespace pellori::cleanup
