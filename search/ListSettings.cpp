#include "search/ListSettings.h"

#include <QStringList>
#include <optional>

namespace pellori::search {

namespace {

const Column kColumns[] = {Column::Name, Column::Town, Column::Phone, Column::Email, Column::Company};

std::optional<Column> columnNamed(const QString& name)
{
    for (Column c : kColumns)
        if (name.trimmed().compare(columnName(c), Qt::CaseInsensitive) == 0)
            return c;
    return std::nullopt;
}

} // namespace

QString columnName(Column c)
{
    switch (c) {
    case Column::Name: return QStringLiteral("Name");
    case Column::Town: return QStringLiteral("Town");
    case Column::Phone: return QStringLiteral("Phone");
    case Column::Email: return QStringLiteral("Email");
    case Column::Company: return QStringLiteral("Company");
    }
    return {};
}

QList<IniKey> listSettingKeys()
{
    return {{kListSection, QStringLiteral("Scope")},
            {kListSection, QStringLiteral("Columns")},
            {kListSection, QStringLiteral("SortBy")},
            {kListSection, QStringLiteral("SortDescending")}};
}

ListSettings readListSettings(const std::function<QString(const QString& key)>& value)
{
    ListSettings s;
    if (value(QStringLiteral("Scope")).trimmed().compare(QLatin1String("Everywhere"), Qt::CaseInsensitive) == 0)
        s.scope = Scope::Everywhere;
    for (const QString& name : value(QStringLiteral("Columns")).split(QLatin1Char(','))) {
        const std::optional<Column> c = columnNamed(name);
        if (c && *c != Column::Name && !s.columns.contains(*c))
            s.columns << *c;
    }
    const std::optional<Column> sortBy = columnNamed(value(QStringLiteral("SortBy")));
    if (sortBy && s.columns.contains(*sortBy))
        s.sortBy = *sortBy;
    s.descending = value(QStringLiteral("SortDescending")).trimmed() == QLatin1String("1");
    return s;
}

QList<std::pair<QString, QString>> listSettingValues(const ListSettings& settings)
{
    QStringList columns;
    for (Column c : settings.columns)
        columns << columnName(c);
    return {{QStringLiteral("Scope"), settings.scope == Scope::Everywhere ? QStringLiteral("Everywhere") : QStringLiteral("Name")},
            {QStringLiteral("Columns"), columns.join(QLatin1Char(','))},
            {QStringLiteral("SortBy"), columnName(settings.sortBy)},
            {QStringLiteral("SortDescending"), settings.descending ? QStringLiteral("1") : QStringLiteral("0")}};
}

ListSettings loadListSettings(const QString& iniPath)
{
    const IniSnapshot ini = IniSnapshot::load(iniPath, listSettingKeys());
    return readListSettings([&ini](const QString& key) { return ini.readString(kListSection, key); });
}

void saveListSettings(const QString& iniPath, const ListSettings& settings)
{
    IniFile ini(iniPath);
    for (const auto& [key, value] : listSettingValues(settings))
        ini.writeString(kListSection, key, value);
}

ListRequest listRequest(const ListSettings& settings, const QString& text, std::optional<int> group)
{
    return {.scope = settings.scope,
            .text = text,
            .group = group,
            .columns = settings.columns,
            .sortBy = settings.sortBy,
            .descending = settings.descending};
}

ListSettings sortedBy(ListSettings settings, Column column)
{
    if (column != Column::Name && !settings.columns.contains(column))
        return settings;
    settings.descending = settings.sortBy == column && !settings.descending;
    settings.sortBy = column;
    return settings;
}

ListSettings withColumn(ListSettings settings, Column column, bool shown)
{
    if (column == Column::Name)
        return settings;
    settings.columns.removeAll(column);
    if (shown)
        settings.columns << column;
    else if (settings.sortBy == column)
        settings = {.scope = settings.scope, .columns = settings.columns};
    return settings;
}

} // namespace pellori::search
