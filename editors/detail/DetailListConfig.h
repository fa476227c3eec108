#pragma once
// The four detail lists of a contact (numbers, internet entries, groups,
// addresses) in their two variants: the person editor's and the company
// editor's. Everything that differs between the lists or the variants is a
// value of these tables; one component serves them all.
#include "data/FieldValue.h"
#include "data/tables/Table.h"
#include "lookups/LookupEditors.h"
#include "settings/Settings.h"

#include <QList>
#include <QString>

namespace pellori {

enum class Variant { Person, Company };
enum class DetailKind { Communication, Internet, Group, Address };

// A check that runs before a row is saved; the first that fails shows its
// message and stops the save with nothing written.
struct RowCheck {
    enum Kind { ValidFlag, Filled };
    Kind kind;
    QString field;
    QString messageKey;   // catalogue key; the built-in text is the key's own
};

// One column of a list as the grid shows it (hidden fields have no title).
struct DetailColumn {
    QString field;
    FieldKind kind = FieldKind::Text;
    int size = 0;
    bool required = false;
    bool visible = true;
    QString titleKey;          // catalogue key of the title (section common, or f_Main for groups)
    QString title;             // built-in title
    int width = 0;
    bool pickFlag = false;     // the "Current" column: a pick list of "@" and "-"
    QString lookupOf;          // a looked-up column: the key field whose name it shows
};

struct DetailListConfig {
    DetailKind kind;
    QString tabName, tabKey, tabTitle;
    QString dataSetName, transactionName, gridName, lookupName;
    QString selectSql;
    // The table the list writes; a save must find the row as it was read.
    const tables::Table* table;
    tables::Writes writes = {.rowCheck = true};
    QString ownerField;        // gets the contact key in a new row
    QString ownerParam;        // the select's parameter for the contact key
    QString flagField;         // the "Current" flag (empty for groups)
    QString flagOfNewRow;      // "@" for persons, "-" for companies
    QString typeField;         // gets the standard type in a new row (empty for groups)
    int StandardValues::*standardType = nullptr;
    // The lookup list of type or group names.
    QString lookupSql, lookupKeyField, lookupTextField;
    QList<DetailColumn> columns;
    QList<RowCheck> checks;    // in the order they run
    int dropDownRows = 7;
    bool tabLeavesGrid = false;
    // The grid's context menu opens the editor of the looked-up list.
    QString menuName, menuText;
    LookupList lookupEditor;
    // The address list: the grid's postcode is the postcode as written
    // (A_POSTCODE_TEXT), shown as every reader shows it, and the number follows
    // from it when the row is saved. A book without the written column keeps
    // whole numbers only, as the original did.
    bool writtenPostcode = false;
};

const DetailListConfig& detailListConfig(DetailKind kind, Variant variant);
inline const QList<DetailKind>& detailKinds()
{
    static const QList<DetailKind> kinds{DetailKind::Communication, DetailKind::Internet, DetailKind::Group,
                                         DetailKind::Address};
    return kinds;
}

} // namespace pellori
