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
// Read at start with the other start-up keys; written when the user changes one.
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

} // namespace pellori::search
