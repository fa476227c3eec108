#pragma once
// Bringing a book up to date: which steps it has, applying the missing ones,
// and what the program does about them at start.
//
// The steps a book has are recorded in a table of their own, pellori_upgrade
// (PU_NAME, PU_APPLIED), made on first need. All missing steps are applied in
// one transaction with their records: a failing step leaves nothing, and a
// second run finds nothing to do. Two programs upgrading at once meet on the
// records: the second waits for the first and then finds the steps applied.
#include "data/upgrades/UpgradeSteps.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace pellori {

class Connection;
class DbTransaction;
class TLang;

namespace upgrades {

// Names of the steps recorded in the book; none for a book without the record table.
QStringList appliedSteps(DbTransaction& tr);
bool isApplied(DbTransaction& tr, const char* step);
// The steps of `all` the book lacks, in their order; those for shared books
// only when it is one.
std::vector<const Step*> missingSteps(DbTransaction& tr, const std::vector<Step>& all = steps(),
                                      bool serverBook = false);

// The steps applied whose fill has not completed.
std::vector<const Step*> unfilledSteps(DbTransaction& tr, const std::vector<Step>& all = steps());
// Applied and, where it has one, filled: what a feature asks before it uses the step.
bool isReady(DbTransaction& tr, const char* step, const std::vector<Step>& all = steps());

// Applies every missing step (DDL: needs the rights of the book's owner), then
// completes the fills. Returns the names applied by this call; throws the
// database's refusal with nothing applied, or a failed fill, which the next
// call runs again.
QStringList applyMissing(Connection& connection, const std::vector<Step>& all = steps(), bool serverBook = false);
// Runs the fills of the applied steps that lack them, each in a transaction of
// its own. Returns the names of the steps filled by this call.
QStringList completeFills(Connection& connection, const std::vector<Step>& all = steps());

// At start, once the connection is set up. The book beside the program gets
// its missing steps; a book on a server is only checked, since its users may
// not change its structure. Returns the message to show once, if any: what is
// unavailable, and why (a failure to apply, or the administrator's script).
std::optional<QString> atStart(Connection& connection, bool serverBook, const TLang& lang);

} // namespace upgrades
} // namespace pellori
