#pragma once
// Which birthdays fall in the days ahead, and the age they bring. A birthday
// on 29 February falls on 28 February in a year without that day; a birthday
// kept in the year 1604 has no year, and so no age.
#include <QDate>
#include <QList>
#include <QString>

namespace pellori {
class TLang;
}

namespace pellori::birthdays {

// The year a birthday without a year is kept in (the first leap year after
// the calendar reform, so 29 February fits too).
inline constexpr int kYearUnknown = 1604;
inline constexpr int kUpcomingDays = 14;

struct PersonBirthday {
    int id = 0;
    QString listName;        // as the contact list shows it: "Meier, Hans"
    QString fullName;        // first and family name: "Hans Meier"
    QDate birthday;
    bool yearKnown() const { return birthday.year() != kYearUnknown; }
};

struct UpcomingBirthday {
    PersonBirthday person;
    QDate on;                // the day it falls on this time
    int daysAhead = 0;       // 0 today, 1 tomorrow
    int age = 0;             // the age they turn; 0 when the year is not known
    bool movedFromLeapDay = false;
};

// The day the birthday falls on in that year.
QDate birthdayIn(const QDate& birthday, int year, bool* movedFromLeapDay = nullptr);

// The birthdays of the `days` days from today on, today first; on one day, by name.
QList<UpcomingBirthday> upcomingBirthdays(const QList<PersonBirthday>& persons, const QDate& today,
                                          int days = kUpcomingDays);

// The months the days from today on touch: the only ones worth reading.
QList<int> monthsAhead(const QDate& today, int days = kUpcomingDays);

// "Today", "Tomorrow", or the weekday and date.
QString dayText(const TLang& lang, const UpcomingBirthday& birthday);
// The name, and for a birthday moved from 29 February the note that says so.
QString nameText(const TLang& lang, const UpcomingBirthday& birthday);

} // namespace pellori::birthdays
