#pragma once
// Texts of a contact as other address books write them: a telephone number
// split into Pellori's prefix and number and joined again, and parts joined
// without the empty ones. Shared by the readers and the import plan.
#include <QString>
#include <QStringList>

namespace pellori::exchange {

// Prefix and number of a telephone number as written: at the first slash, or
// else the first blank (after a country code the area code stays with it:
// "+49 221 7391122" gives "+49 221"); without either, the country code and
// the three digits after it, or the first four digits of a number that
// begins with 0, or the first three of any other. Numbers of up to six
// digits, and numbers that dial more than digits ("*86", "#31#", pauses
// and extensions after ',' or ';'), keep an empty prefix and are kept as
// written.
struct SplitNumber {
    QString prefix;
    QString number;
    bool operator==(const SplitNumber&) const = default;
};
SplitNumber splitNumber(const QString& text);
// The written form that splitNumber gives back as the same prefix and number,
// where there is one; else prefix and number joined by a blank.
QString joinNumber(const QString& prefix, const QString& number);
// The parts that hold more than blanks, trimmed and joined.
QString joinNonEmpty(const QStringList& parts, const QString& separator = QStringLiteral(" "));

} // namespace pellori::exchange
