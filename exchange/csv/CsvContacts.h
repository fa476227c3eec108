#pragma once
// A CSV file from being read to the contacts an import plans: its encoding
// and separator (detected, or as the user chose), its table, the preset its
// header names or the guess for any other file, and the rows as contacts
// with, for each row, what could not be stored as written.
#include "exchange/ContactText.h"
#include "exchange/ImportPlan.h"
#include "exchange/csv/CsvGuess.h"
#include "exchange/csv/CsvPresets.h"
#include "exchange/csv/CsvReader.h"
#include "exchange/csv/FileEncoding.h"

#include <QByteArray>
#include <memory>

namespace pellori::exchange {

// How the rows of a table become contacts.
struct CsvMapping {
    int preset = -1;                // index into presets(); -1: guessed or the user's own
    bool header = true;             // the first row names the columns and is no contact
    QList<FieldChoice> columns;     // one per column
    DateOrder dateOrder = DateOrder::DayMonthYear;
    QString valueSeparator;         // several values in one cell; empty: one value a cell
    QStringList emptyValues;        // values of Other columns that say nothing
};

// The file as read: the bytes stay, so that another encoding or separator
// reads them again.
class CsvSource {
public:
    // Detects the encoding and the separator and reads the table.
    explicit CsvSource(QByteArray bytes);

    Encoding encoding() const { return m_encoding; }
    QChar separator() const { return m_separator; }
    void setEncoding(Encoding encoding);
    void setSeparator(QChar separator);

    const CsvRead& read() const { return m_read; }
    const CsvTable& table() const { return m_read.table; }
    // The header row's names ("Column 3" for a file without one).
    QStringList headers(const CsvMapping& mapping) const;

    // The mapping of the preset the header names, else the guess.
    CsvMapping detectMapping() const;
    // A preset's mapping of this file (-1: the guess), dates in the order the file shows.
    CsvMapping mappingFor(int preset) const;

private:
    void reread();

    QByteArray m_bytes;
    Encoding m_encoding;
    QChar m_separator;
    CsvRead m_read;
};

// Rows of cells (a CSV row, or an LDIF entry's attributes in the columns a
// mapping names) as contacts: one mapping to the contact model for every
// format of named fields.
class ContactRows {
public:
    // headers: the columns' names, for the summary's notes of what has no place.
    ContactRows(const CsvMapping& mapping, const QStringList& headers);
    ~ContactRows();
    ContactRows(const ContactRows&) = delete;
    ContactRows& operator=(const ContactRows&) = delete;

    exchange::CardContact read(int line, const QList<QStringView>& cells);

private:
    class Reader;
    std::unique_ptr<Reader> m_reader;
};

// One contact (a card, as the import planner sees it) for each row after the header.
QList<exchange::CardContact> csvContacts(const CsvTable& table, const CsvMapping& mapping);

// The date of a birthday cell: an ISO date ("1815-12-10", "--12-10" without
// a year), or numbers in the order given ("10.12.1815", "12/10/1815"); a
// year 1604 or none gives kYearUnknown. Outlook's "0/0/00" is no date.
struct CsvDate {
    QDate date;
    bool hasYear = true;
};
std::optional<CsvDate> parseCsvDate(QStringView text, DateOrder order);
bool isNoDate(QStringView text);

} // namespace pellori::exchange
