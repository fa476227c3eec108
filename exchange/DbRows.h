#pragma once
// Column values in the form the import's and export's statements take them.
#include <QDate>
#include <QString>
#include <QVariant>

namespace pellori::exchange {

// A null text is NULL; any other text, the empty one too, is the text.
inline QVariant textOrNull(const QString& text) { return text.isNull() ? QVariant() : QVariant(text); }
inline QVariant dateOrNull(const QDate& date) { return date.isValid() ? QVariant(date) : QVariant(); }

} // namespace pellori::exchange
