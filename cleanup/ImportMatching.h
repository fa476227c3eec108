#pragma once
// Before an import stores anything: which of its cards are contacts of the
// book already, and what each of those adds to its contact. Any import (vCard,
// CSV, LDIF) calls matchCards() on the cards it read, asks the user when some
// match, and hands its plan to applyMatches() before storing it, all in the
// import's own transaction.
#include "cleanup/Merge.h"
#include "cleanup/MatchRules.h"
#include "exchange/ImportPlan.h"

#include <QList>

namespace pellori {
class DbTransaction;
}

namespace pellori::cleanup {

struct FoundContact {
    int key = 0;                      // O_ID; 0: the card is no contact of the book
    CardMatch how = CardMatch::None;
};

// For each card, in order, the contact of the book it is: first by its UID,
// else by the same family and first name (without regard to case and
// accents) with one shared e-mail address, number or the birthday; the
// lowest key where several fit. Group and place cards, and cards without a
// name, are no contact.
QList<FoundContact> matchCards(DbTransaction& tr, const QList<exchange::CardContact>& cards);

// How many cards were found.
int matchedCount(const QList<FoundContact>& found);

// Turns the plan's contacts of found cards into updates of their contacts
// (UpdateMatches), drops them (SkipMatches), or leaves them new
// (AddAllAsNew, without a UID the book knows already); each card's report
// says what became of it.
// `lookups`: those the plan was made against.
void applyMatches(DbTransaction& tr, exchange::ImportPlan& plan, const exchange::Lookups& lookups,
                  const QList<FoundContact>& found, MatchPolicy policy);

// What the card's planned row adds to the contact: the fields it lacks, the
// details and memberships it lacks (an exact repeat is none), each number or
// internet entry on a type the contact does not use yet. Pure. The contact is
// given the details added, so that a second card of the same contact adds
// only what the first did not; the report is told what was added and which
// name the book keeps.
exchange::PlannedUpdate planUpdate(const exchange::PlannedContact& card, MergeContact& contact,
                                   const MergeTypes& types, const exchange::ImportPlan& plan,
                                   const exchange::Lookups& lookups, exchange::CardReport& report);

} // namespace pellori::cleanup
