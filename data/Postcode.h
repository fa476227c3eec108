#pragma once
// The postcode of an address. The book keeps it twice: A_POSTCODE, the number
// every program that knows the original table reads and writes, and
// A_POSTCODE_TEXT beside it (added by an upgrade step), the postcode as it was
// written: "01069", "SW1A 1AA", "1234 AB". Every reader shows what shownPostcode
// gives, and every writer stores what postcodeNumber gives beside the text.
#include <QString>
#include <QVariant>

namespace pellori {

class DbTransaction;

namespace postcode {

inline constexpr int kWrittenLength = 16;
inline constexpr const char* kWrittenColumn = "A_POSTCODE_TEXT";

// The number the integer column gets for a written postcode: its value when it
// is all digits (blanks around it aside), else 0.
qint64 numberOf(const QString& written);

// The text when there is one and it still agrees with the number (gives that
// number, or the number is 0: a program that knows only the integer column has
// not changed it since); else the number, as the original showed it, with the
// leading zeros back for a German, Austrian or Swiss address (5, 4, 4 digits).
// An address without a country counts as in `homeCountry`, when one is given.
// Null when neither is there.
QString shown(const QVariant& written, const QVariant& number, const QString& country,
              const QString& homeCountry = QString());

// One key for the names people write for a country ("Deutschland", "Germany",
// "D" give "DE"); other names simplified and in lower case.
QString countryKey(const QString& country);

// Whether the book has the written column (the upgrade step ran).
bool hasWrittenColumn(DbTransaction& tr);
// The written column for a select: "<alias>.A_POSTCODE_TEXT", or a NULL of its
// type under that name in a book without it.
QString writtenColumnSql(bool present, const QString& alias);

} // namespace postcode
} // namespace pellori
