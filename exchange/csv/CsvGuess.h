#pragma once
// For a CSV file of no known program: what each column is, guessed from its
// header (in English, German, French, Spanish or Italian) and, where the
// header says nothing, from its values (e-mail and web addresses, numbers,
// dates, postcodes). The mapping window shows the guess for the user to
// correct before anything is stored.
#include "exchange/csv/CsvFields.h"
#include "exchange/csv/CsvPresets.h"
#include "exchange/csv/CsvReader.h"

namespace pellori::exchange {

struct CsvGuess {
    bool header = true;           // the first row names the columns
    QList<FieldChoice> columns;   // one per column
};

CsvGuess guessColumns(const CsvTable& table);

// The choice a header names, as far as its words tell; Target::Other when they tell nothing.
FieldChoice choiceFromHeader(const QString& header);

// The order of day and month the dates of a column show: a first number
// above 12 is a day, a second one above 12 is a day; dates with dots are
// written day first; else the fallback.
DateOrder dateOrderOf(const QList<QStringView>& values, DateOrder fallback);

} // namespace pellori::exchange
