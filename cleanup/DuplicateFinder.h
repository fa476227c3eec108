#pragma once
// Groups of contacts that are likely one, each with its reasons, strongest
// first. Pure: the contacts' keys in, the groups out; BookFacts reads them.
#include "cleanup/MatchRules.h"

#include <QList>

namespace pellori::cleanup {

struct DuplicateGroup {
    QList<int> keys;       // the contacts' O_IDs, ascending
    Reasons reasons = 0;   // every reason found between two of them
};

// An e-mail address or number that more contacts than this share is a shared
// line (an office's switchboard, info@...): it alone makes no one a duplicate.
inline constexpr int kSharedLimit = 5;

// Contacts linked by any reason, directly or through others, form one group.
// Strongest first (by strength()), then by name.
QList<DuplicateGroup> findDuplicates(const QList<MatchKeys>& contacts);

} // namespace pellori::cleanup
