#pragma once
// Birthdays as an iCalendar file (RFC 5545): one all-day event a year for each
// person, which a calendar program imports or subscribes to. The UID is made
// of the contact's key, so a second export updates the same events instead of
// adding new ones.
//
// A birthday without a year cannot be written without one: a DATE value has
// four digits of year, and "--MMDD" belongs to vCard only. The event then
// starts in 1972 (calendar programs that count from 1970 show it, and 1972
// holds 29 February), says no year in its texts, and carries
// X-PELLORI-YEAR-UNKNOWN:TRUE, which other programs ignore. 1604, the year the
// book keeps such birthdays in, is not written: some calendar programs show a
// yearly event that began so long ago on the wrong day, or count its years.
// 29 February recurs on the last day of February (BYMONTHDAY=-1), so the
// event falls on 28 February in common years instead of being skipped.
#include "printing/birthdays/UpcomingBirthdays.h"

#include <QByteArray>
#include <QDateTime>

namespace pellori::birthdays {

inline constexpr int kCalendarBaseYear = 1972;

struct CalendarTexts {
    QString summary = QStringLiteral("Birthday: %NAME%");
    QString born = QStringLiteral("Born %DATE%");     // the description, when the year is known
};

// UTF-8 with CR LF line ends, lines folded at 75 octets. `stamp` is the time of the export.
QByteArray birthdayCalendar(const QList<PersonBirthday>& persons, const QDateTime& stamp, const CalendarTexts& texts);

} // namespace pellori::birthdays
