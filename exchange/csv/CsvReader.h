#pragma once
// Reads comma separated values as RFC 4180 writes them and as address books
// really do: comma, semicolon or tab as separator, fields in double quotes
// holding separators, doubled quotes and line breaks, CR LF or LF or CR line
// ends, a last line without line end. A file that is not a table (a quote
// never closed, a row of another length than the first, binary data, no
// row at all) is refused with the line that shows it.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace pellori::exchange {

// All rows of one file. The fields' texts lie one after another in one
// string (line breaks inside a field as "\n", doubled quotes undone), so a
// table of 10,000 rows is a few allocations, not a million.
class CsvTable {
public:
    int rowCount() const { return int(m_lines.size()); }
    int columnCount() const { return m_columns; }
    QStringView field(int row, int column) const;
    QStringList row(int row) const;
    // The line of the file on which the row begins (1 is the first).
    int line(int row) const { return m_lines.value(row); }

private:
    friend class CsvParser;
    QString m_text;
    QList<qsizetype> m_ends;   // where each field ends in m_text, row after row
    QList<int> m_lines;
    int m_columns = 0;
};

enum class CsvErrorKind {
    Empty,             // nothing but blanks and line ends
    UnbalancedQuote,   // line: where the quoted field begins
    RowLength,         // line: the row; expected, found: field counts
    Binary,            // line: where a character no text holds stands
};

struct CsvError {
    CsvErrorKind kind = CsvErrorKind::Empty;
    int line = 0;
    int expected = 0;
    int found = 0;
    bool operator==(const CsvError&) const = default;
};

struct CsvRead {
    CsvTable table;
    std::optional<CsvError> error;   // then the table is empty
};

// The separator of the first lines: the one of comma, semicolon and tab
// that splits them into the same number of fields, more than one; of
// several such, the one giving the most fields; a comma when none does.
QChar detectSeparator(QStringView text);

CsvRead readCsv(QStringView text, QChar separator);

} // namespace pellori::exchange
