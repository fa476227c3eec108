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

} // namespace pellori::search
