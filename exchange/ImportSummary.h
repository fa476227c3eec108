#pragma once
// The summary an import ends with, as text: how many contacts were added,
// what the import created besides them, and for each card what could not be
// stored as it was, and why.
#include "exchange/ImportPlan.h"

namespace pellori::exchange {

struct CardSummary {
    QString heading;       // "Line 12: Meier, Hans"
    QStringList notes;     // one text for each note
};

struct ImportSummary {
    QString headline;      // contacts added, cards read, the file
    // The companies, groups and titles created, the salutation given; or that all was stored as read.
    QStringList overview;
    QList<CardSummary> cards;   // only cards with something to tell

    // What goes below the headline, as one text: the overview, then each
    // card's heading with its notes indented below it.
    QString text() const;
};

ImportSummary importSummary(const ImportPlan& plan, const QString& fileName, const TextSource& texts = {});

// The summary's templates, for the catalogue.
const QList<MessageKey>& summaryKeys();

} // namespace pellori::exchange
