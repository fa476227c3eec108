#pragma once
// What the contact list remembers between runs, in Pellori.ini:
//
//   [ContactList]
//   Scope=Everywhere          Name (also when missing or anything else) or Everywhere
//   Columns=Town,Phone        the optional columns shown, in their order: Town, Phone,
//                             Email, Company; unknown and repeated names are skipped
//   SortBy=Town               Name, or one of the columns shown (else Name)
//   SortDescending=1          1 for descending, anything else ascending
//
// Read at start; written whenever the user changes one.
#include "search/ContactListQuery.h"
#include "settings/IniFile.h"

#include <QList>
#include <QString>
#include <functional>
#include <utility>

namespace pellori::search {

struct ListSettings {
    Scope scope = Scope::Name;
    QList<Column> columns;
    Column sortBy = Column::Name;
    bool descending = false;
};

inline const QString kListSection = QStringLiteral("ContactList");

// The keys to read with the start-up keys.
QList<IniKey> listSettingKeys();
// From the ini's values (a missing key reads as empty).
ListSettings readListSettings(const std::function<QString(const QString& key)>& value);
// The keys and values that store the settings.
QList<std::pair<QString, QString>> listSettingValues(const ListSettings& settings);
// The name a column has in the ini ("Town"), the one the settings use.
QString columnName(Column c);

// From the ini at the path; a missing file or key reads as the plain list.
ListSettings loadListSettings(const QString& iniPath);
// Writes every key; throws AppError when the file cannot be written.
void saveListSettings(const QString& iniPath, const ListSettings& settings);

// What the list is asked for: the text and group with the scope, columns and sort of the settings.
ListRequest listRequest(const ListSettings& settings, const QString& text, std::optional<int> group);

// A click on a column's title: sorted by it ascending, or the other way
// round when it sorts already.
ListSettings sortedBy(ListSettings settings, Column column);
// A column shown or taken away (appended when shown); a list sorted by a
// column taken away goes back to the name.
ListSettings withColumn(ListSettings settings, Column column, bool shown);

} // namespace pellori::search
