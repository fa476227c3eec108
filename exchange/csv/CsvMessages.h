#pragma once
// Why a CSV file cannot be read, in the user's words, naming the line; and
// the texts of the mapping window's choices.
#include "exchange/Messages.h"
#include "exchange/csv/CsvPresets.h"
#include "exchange/csv/CsvReader.h"

namespace pellori::exchange {

QString csvErrorText(const CsvError& error, const exchange::TextSource& texts = {});

// "Outlook (Deutsch)", or the text for a file of no known program.
QString presetCaption(int preset, const exchange::TextSource& texts = {});
QString dateOrderCaption(DateOrder order, const exchange::TextSource& texts = {});
QString separatorCaption(QChar separator, const exchange::TextSource& texts = {});

// The choices the mapping window offers a column: every field, and the
// column's own choice where it is one of a preset's (Google's "E-mail 2: label").
QList<FieldChoice> choicesFor(const FieldChoice& current);

const QList<exchange::MessageKey>& csvMessageKeys();

} // namespace pellori::exchange
