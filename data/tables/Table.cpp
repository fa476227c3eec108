#include "data/tables/Table.h"

#include "data/DataSet.h"

#include <QStringList>

namespace pellori::tables {
namespace {

QString name(const char* n) { return QString::fromLatin1(n); }

const std::vector<const char*>& written(const Table& table, const Writes& writes)
{
    return writes.columns.empty() ? table.columns : writes.columns;
}

// Where the row stands: by its key, or by every column; `prefix` ":" for the
// current values, ":OLD_" for those as read.
QString rowWhere(const Table& table, const QString& prefix)
{
    QStringList terms;
    const std::vector<const char*> columns = table.key ? std::vector<const char*>{table.key} : table.columns;
    for (const char* column : columns)
        terms << name(column) + QStringLiteral(" = ") + prefix + name(column);
    return terms.join(QStringLiteral(" and "));
}

QString rowAsRead(const Table& table, const Writes& writes)
{
    QString where = rowWhere(table, QStringLiteral(":OLD_"));
    if (writes.rowCheck && table.version)
        where += QStringLiteral(" and rdb$record_version = :OLD_") + name(table.version);
    return where;
}

} // namespace

QString insertSql(const Table& table, const Writes& writes)
{
    QStringList columns, values;
    for (const char* column : written(table, writes)) {
        columns << name(column);
        QString value = QLatin1Char(':') + name(column);
        for (const auto& [literal, text] : writes.values)
            if (qstrcmp(literal, column) == 0)
                value = name(text);
        values << value;
    }
    QString sql = QStringLiteral("insert into %1\n  (%2)\nvalues\n  (%3)")
                      .arg(name(table.name), columns.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")));
    if (writes.returningKey && table.key)
        sql += QStringLiteral("\nreturning ") + name(table.key);
    return sql;
}

QString modifySql(const Table& table, const Writes& writes)
{
    // A key drawn from a generator is the row's identity for good; any other written column may change.
    QStringList set;
    for (const char* column : writes.modified.empty() ? written(table, writes) : writes.modified)
        if (!(table.generator && qstrcmp(column, table.key) == 0))
            set << name(column) + QStringLiteral(" = :") + name(column);
    return QStringLiteral("update %1\nset\n  %2\nwhere\n  %3")
        .arg(name(table.name), set.join(QStringLiteral(", ")), rowAsRead(table, writes));
}

QString deleteSql(const Table& table, const Writes& writes)
{
    return QStringLiteral("delete from %1\nwhere\n  %2").arg(name(table.name), rowAsRead(table, writes));
}

QString refreshSql(const Table& table)
{
    const QString what = table.version ? QStringLiteral("%1.*, %1.rdb$record_version as %2")
                                             .arg(name(table.name), name(table.version).toLower())
                                       : QStringLiteral("*");
    return QStringLiteral("Select %1\nfrom %2\nwhere\n  %3")
        .arg(what, name(table.name), rowWhere(table, QStringLiteral(":")));
}

void describe(EditableDataSet& dataSet, const Table& table, const Writes& writes)
{
    dataSet.setInsertSql(insertSql(table, writes));
    dataSet.setModifySql(modifySql(table, writes));
    dataSet.setDeleteSql(deleteSql(table, writes));
    dataSet.setRefreshSql(refreshSql(table));
    if (table.key && table.keyFromDatabase)
        dataSet.setKeyField(name(table.key));
    if (table.key && table.generator)
        dataSet.setGenerator(name(table.key), name(table.generator));
    if (writes.rowCheck)
        dataSet.setRowCheck(table.version ? QStringList{name(table.version)} : QStringList{});
}

} // namespace pellori::tables
