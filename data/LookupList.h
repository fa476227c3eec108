#pragma once
// A lookup list is a data set of names and their keys (address types, groups,
// companies...). One place reads its rows for a choice, and finds the key that
// goes with a name.
#include <QList>
#include <QString>
#include <QVariant>

namespace pellori {

class DataSet;

struct LookupItem {
    QString text;
    QVariant key;
};

// Every row of an open list, in the list's order (all rows are fetched); empty
// when the list is closed or lacks either field.
QList<LookupItem> lookupItems(DataSet& list, const QString& textField, const QString& keyField);
// The key of the first row showing the text; null when none does.
QVariant keyForText(DataSet& list, const QString& textField, const QString& keyField, const QString& text);

} // namespace pellori
