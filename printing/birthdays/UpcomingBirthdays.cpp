#include "printing/birthdays/UpcomingBirthdays.h"

#include "printing/engine/Report.h"
#include "settings/Language.h"

#include <QLocale>
#include <algorithm>

namespace pellori::birthdays {

QDate birthdayIn(const QDate& birthday, int year, bool* movedFromLeapDay)
{
    const bool leapDay = birthday.month() == 2 && birthday.day() == 29;
    const bool moved = leapDay && !QDate::isLeapYear(year);
    if (movedFromLeapDay)
        *movedFromLeapDay = moved;
    return QDate(year, birthday.month(), moved ? 28 : birthday.day());
}

QList<UpcomingBirthday> upcomingBirthdays(const QList<PersonBirthday>& persons, const QDate& today, int days)
{
    QList<UpcomingBirthday> found;
    for (const PersonBirthday& p : persons) {
        if (!p.birthday.isValid())
            continue;
        // This year's birthday, or next year's when this year's is past.
        for (int year : {today.year(), today.year() + 1}) {
            bool moved = false;
            const QDate on = birthdayIn(p.birthday, year, &moved);
            const qint64 ahead = today.daysTo(on);
            if (ahead < 0)
                continue;
            if (ahead < days) {
                const int age = p.yearKnown() ? year - p.birthday.year() : 0;
                found.append({p, on, int(ahead), qMax(0, age), moved});
            }
            break;
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const UpcomingBirthday& a, const UpcomingBirthday& b) {
        if (a.daysAhead != b.daysAhead)
            return a.daysAhead < b.daysAhead;
        return a.person.listName.localeAwareCompare(b.person.listName) < 0;
    });
    return found;
}

QList<int> monthsAhead(const QDate& today, int days)
{
    QList<int> months;
    for (QDate d = today; d < today.addDays(days); d = d.addDays(1))
        if (!months.contains(d.month()))
            months << d.month();
    return months;
}

QString dayText(const TLang& lang, const UpcomingBirthday& b)
{
    if (b.daysAhead == 0)
        return lang.text(QStringLiteral("birthdays_today"));
    if (b.daysAhead == 1)
        return lang.text(QStringLiteral("birthdays_tomorrow"));
    return QLocale::system().dayName(b.on.dayOfWeek(), QLocale::LongFormat) + QLatin1Char(' ')
           + report::shortDateText(b.on);
}

QString nameText(const TLang& lang, const UpcomingBirthday& b)
{
    if (!b.movedFromLeapDay)
        return b.person.listName;
    return b.person.listName + QStringLiteral(" (") + lang.text(QStringLiteral("birthdays_leapday")) + QLatin1Char(')');
}

} // namespace pellori::birthdays
