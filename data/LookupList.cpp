#include "data/LookupList.h"

#include "data/DataSet.h"

namespace pellori {

QList<LookupItem> lookupItems(DataSet& list, const QString& textField, const QString& keyField)
{
    QList<LookupItem> items;
    const int ti = list.fieldIndex(textField);
    const int ki = list.fieldIndex(keyField);
    if (!list.isOpen() || ti < 0 || ki < 0)
        return items;
    list.fetchAll();
    items.reserve(list.rowCount());
    for (int r = 0; r < list.rowCount(); ++r)
        items.append({list.text(r, ti), list.value(r, ki)});
    return items;
}

QVariant keyForText(DataSet& list, const QString& textField, const QString& keyField, const QString& text)
{
    const int row = list.findRow(list.fieldIndex(textField), text);
    return row < 0 ? QVariant() : list.value(row, list.fieldIndex(keyField));
}

} // namespace pellori
