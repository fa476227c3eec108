#pragma once
// The CSV commands of the System menu, and what the CSV and LDIF commands
// share. Import: the file read, its columns shown in the mapping window,
// then planned, stored in one transaction and summed up as every import is.
// Export: the chosen contacts in Outlook's or Google's shape, written beside
// the target and renamed over it; what the shape has no place for is told.
#include "exchange/Messages.h"
#include "exchange/csv/CsvWriter.h"

#include <QList>
#include <optional>

class QWidget;

namespace pellori {

class Session;
class TLang;

// Returns the O_ID of the contact of the file's first imported row, to make
// it the current one; 0 when nothing was imported.
int importCsv(Session& session, QWidget* owner);

// shownIds: the contact list's keys as it shows them now; currentId: its
// current contact, 0 when none.
void exportCsv(Session& session, QWidget* owner, const QList<int>& shownIds, int currentId);

// What the CSV and LDIF commands share.
namespace exchangecommands {

// Writes the export beside the target and renames it over it; says what was
// written, what the shape left out, or why nothing was (a full disk named).
void finishExport(const TLang& lang, QWidget* owner, const QString& path, const exchange::CsvWritten& written,
                  int count);

// Every text of the CSV and LDIF commands and windows, for the catalogue.
const QList<exchange::MessageKey>& commandKeys();

} // namespace exchangecommands

} // namespace pellori
