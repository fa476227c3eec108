#pragma once
// The birthday commands: the window of upcoming birthdays (from the menu, and
// at start when a birthday falls today or tomorrow), and the export of every
// living person's birthday as an iCalendar file. Database errors leave the
// commands for the caller's command guard to report.
#include <QDate>

class QWidget;

namespace pellori {

class Session;

void showUpcomingBirthdays(Session& session, QWidget* owner, const QDate& today = QDate::currentDate());
// At start: the same window, when a birthday falls today or tomorrow and
// Pellori.ini does not say otherwise ([Birthdays] atstart=0). True when it showed.
bool showUpcomingBirthdaysAtStart(Session& session, QWidget* owner, const QDate& today = QDate::currentDate());
// Asks for a file and writes it beside its target, renamed over it when complete.
void exportBirthdayCalendar(Session& session, QWidget* owner);

// Catalogue keys of the two menu items.
inline constexpr const char* kUpcomingBirthdaysKey = "birthdays_upcomingitem";
inline constexpr const char* kExportBirthdaysKey = "birthdays_exportitem";

} // namespace pellori
