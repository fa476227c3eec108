#include "printing/birthdays/BirthdayReading.h"

#include "data/ContactQueries.h"
#include "printing/DataSetQuery.h"

namespace pellori::birthdays {

namespace {

QString text(const DataSet& row, const char* column)
{
    const QVariant v = row.value(QLatin1String(column));
    return v.isNull() ? QString() : v.toString().trimmed();
}

QList<PersonBirthday> read(QueryDataSet& rows)
{
    QList<PersonBirthday> persons;
    rows.open();
    for (rows.first(); !rows.atEnd(); rows.next()) {
        PersonBirthday p;
        p.id = rows.value(QStringLiteral("O_ID")).toInt();
        p.listName = text(rows, "O_NAME");
        p.fullName = (text(rows, "O_NAME2") + QLatin1Char(' ') + text(rows, "O_NAME1")).trimmed();
        p.birthday = rows.value(QStringLiteral("O_BIRTHDAY")).toDate();
        persons << p;
    }
    return persons;
}

std::unique_ptr<QueryDataSet> statement(DbTransaction& transaction, const QString& sql)
{
    return reports::reportQuery(transaction, sql,
                                {{"O_ID", FieldKind::Integer}, {"O_NAME"}, {"O_NAME1"}, {"O_NAME2"},
                                 {"O_BIRTHDAY", FieldKind::Date}});
}

} // namespace

QList<PersonBirthday> readBirthdays(DbTransaction& transaction)
{
    return read(*statement(transaction, queries::livingBirthdays()));
}

QList<UpcomingBirthday> readUpcomingBirthdays(DbTransaction& transaction, const QDate& today, int days)
{
    const QList<int> months = monthsAhead(today, days);
    auto rows = statement(transaction, queries::livingBirthdaysInMonths());
    rows->setParam(QStringLiteral("m1"), months.value(0));
    rows->setParam(QStringLiteral("m2"), months.value(1, months.value(0)));
    return upcomingBirthdays(read(*rows), today, days);
}

} // namespace pellori::birthdays
