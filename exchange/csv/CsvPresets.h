#pragma once
// The CSV files Outlook, Google Contacts and Thunderbird export, recognised
// by their header row: each program's columns in each language it writes
// them, and what each column is for Pellori. A header that names a column
// twice (Thunderbird's French "Ville" for the home and the work town) is
// told apart by its place: the n-th of a name is the n-th of the list.
#include "exchange/csv/CsvFields.h"
#include "exchange/csv/FileEncoding.h"

namespace pellori::exchange {

enum class Program { Outlook, Google, Thunderbird };

// How a birthday's numbers are ordered in the program's dates.
enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

struct PresetColumn {
    QString header;        // as written; '#' stands for the number of numbered columns ("E-mail # - Value")
    FieldChoice choice;    // the group of a numbered column is its base, to which the number is added
};

struct Preset {
    Program program;
    const char* language;        // the language of its headers, in that language
    Encoding encoding;           // what the program writes
    DateOrder dateOrder;
    QList<PresetColumn> columns;
    // Values the program writes into columns Pellori has no place for when
    // there is nothing to say ("Normal", "Unspecified"): not worth a note.
    QStringList emptyValues;
    // Several values of one field in one cell are joined by this (Google: " ::: ").
    QString valueSeparator;
};

const QList<Preset>& presets();

// "Outlook (Deutsch)".
QString presetName(const Preset& preset);

// The column choices a preset gives a header row: unknown columns are
// Target::Other, so their values are listed in the summary.
QList<FieldChoice> applyPreset(const Preset& preset, const QStringList& headers, int* matched = nullptr);

// The preset whose columns the header row names best: index into presets(),
// or -1 when none names at least half of the columns, and four.
int recognisePreset(const QStringList& headers);

// A header as compared: trimmed, blanks simplified, case folded, typographic
// apostrophes as plain ones.
QString normalHeader(const QString& header);

} // namespace pellori::exchange
