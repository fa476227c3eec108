#pragma once
// The birthdays of living persons, read through the birthday list's row source.
#include "printing/birthdays/UpcomingBirthdays.h"

namespace pellori {
class DbTransaction;
}

namespace pellori::birthdays {

// All of them, by name.
QList<PersonBirthday> readBirthdays(DbTransaction& transaction);
// Those in the days from today on (their months read, then the days chosen), today first.
QList<UpcomingBirthday> readUpcomingBirthdays(DbTransaction& transaction, const QDate& today,
                                              int days = kUpcomingDays);

} // namespace pellori::birthdays
