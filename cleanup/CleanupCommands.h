#pragma once
// System > Find duplicates...: the groups of likely duplicates, strongest
// first, from which a group is merged in a window of its own. The merge is
// one transaction; the contacts merged away go to the trash, from which
// restoring them undoes it.
#include <QList>

class QWidget;

namespace pellori {
class DbTransaction;
class Session;
}

namespace pellori::cleanup {

struct MergeContact;
struct MergeChoice;

// Returns the key of the contact kept by the last merge, to make it current;
// 0 when nothing was merged.
int findDuplicates(Session& session, QWidget* owner);

enum class MergeOutcome {
    Merged,    // committed
    Refused,   // nothing was written: the choice may be changed and tried again
    Failed,    // rolled back; the transaction has ended
};

// Merges as chosen, in `tr` (the merge window's, in which the contacts were
// read), and says what came of it: refusals (a company into a person, an
// entry that finds no free type), another user's change, or any failure, with
// nothing changed.
MergeOutcome mergeContacts(Session& session, QWidget* owner, DbTransaction& tr, const QList<MergeContact>& contacts,
                           const MergeChoice& choice);

} // namespace pellori::cleanup
