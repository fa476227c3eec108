#pragma once
// Small helpers over the data layer for the vCard units: every row of a
// select, and column values in the form the statements take them.
#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>
#include <functional>

namespace pellori {
class DbTransaction;
}

namespace pellori::exchange {

// Runs a select without parameters and hands over every row, each column decoded.
void forEachRow(DbTransaction& transaction, const QString& sql,
                const std::function<void(const QList<QVariant>& row)>& take);

// A null text is NULL; any other text, the empty one too, is the text.
inline QVariant textOrNull(const QString& text) { return text.isNull() ? QVariant() : QVariant(text); }
inline QVariant dateOrNull(const QDate& date) { return date.isValid() ? QVariant(date) : QVariant(); }

} // namespace pellori::exchange
