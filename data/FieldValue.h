#pragma once
// The one place where values change their type on the way into and out of the
// database: whole numbers with the range of their column, dates with a
// four-digit year, and text held to what the connection's character set can
// store. Pure: no database needed, so every rule is testable on its own.
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QVariant>

namespace pellori {

enum class FieldKind { Integer, BigInt, Date, Text, Memo, Float };

// How text is stored: single-byte ISO-8859-1 (the program's own) or UTF-8.
enum class TextEncoding { Latin1, Utf8 };

namespace value {

bool isNull(const QVariant& v);

// A whole number that fits `bits` (16, 32 or 64) as a signed integer. Integers,
// integral floating values and decimal text (blanks around it allowed) pass;
// `scale` below 0 reads the value as a decimal with that many digits after the
// point and returns it scaled. Anything else throws
// "'%s' is not a valid integer value for field '%s'".
qint64 toInteger(const QVariant& v, int bits, const QString& field, int scale = 0);
double toDouble(const QVariant& v, const QString& field);

// Dates are shown and typed in the locale's short format with its year widened
// to four digits, so that 1925 is never read back as 2025. ISO text is accepted
// too. Anything else throws "'%s' is not a valid date".
QString dateFormat();
QString formatDate(const QDate& date);
QDate toDate(const QVariant& v);

// Index of the first character that `encoding` cannot store, or -1.
qsizetype firstUnstorable(QStringView text, TextEncoding encoding);
// Throws a message naming the field and the character when the text cannot be stored.
void checkStorable(const QString& text, TextEncoding encoding, const QString& field);
// The stored bytes of a text; refuses what cannot be stored, as checkStorable.
QByteArray encode(const QString& text, TextEncoding encoding, const QString& field);
QString decode(QByteArrayView bytes, TextEncoding encoding);
// At most `bytes` bytes, never splitting a UTF-8 sequence.
QByteArray cutBytes(QByteArray bytes, qsizetype maxBytes, TextEncoding encoding);

// A value of any type brought into the field's kind (null stays null); text for a
// text field is cut to `size` characters when size > 0 and the empty text becomes null.
QVariant toField(FieldKind kind, int size, const QVariant& v, const QString& field, TextEncoding encoding);

} // namespace value
} // namespace pellori
