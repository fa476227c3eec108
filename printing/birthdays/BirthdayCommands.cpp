#include "printing/birthdays/BirthdayCommands.h"

#include "exchange/FileWriting.h"
#include "printing/birthdays/BirthdayCalendar.h"
#include "printing/birthdays/BirthdayReading.h"
#include "printing/birthdays/f_upcomingbirthdays.h"
#include "services/MessageService.h"
#include "services/Session.h"
#include "settings/AppError.h"
#include "settings/IniFile.h"
#include "settings/Language.h"

#include <QDir>

namespace pellori {

using namespace birthdays;

namespace {

const QString kSection = QStringLiteral("Birthdays");
const QString kAtStart = QStringLiteral("atstart");

bool showAtStart(const QString& iniPath)
{
    const IniSnapshot ini = IniSnapshot::load(iniPath, {{kSection, kAtStart}});
    return ini.readString(kSection, kAtStart, QStringLiteral("1")).trimmed() != QLatin1String("0");
}

QString filled(const TLang& lang, const char* key, const QList<std::pair<QString, QString>>& values)
{
    QString text = ReplaceReturn(lang.text(QLatin1String(key)));
    for (const auto& [placeholder, value] : values)
        text.replace(placeholder, value);
    return text;
}

void showWindow(Session& session, QWidget* owner, const QList<UpcomingBirthday>& list)
{
    const QString iniPath = session.configPath();
    const TLang& lang = session.lang();
    Tf_upcomingbirthdays window(owner, lang, list, showAtStart(iniPath), [&](bool on) {
        try {
            IniFile(iniPath).writeString(kSection, kAtStart, on ? QStringLiteral("1") : QStringLiteral("0"));
        } catch (const AppError& e) {
            showMessage(&window, filled(lang, "birthdays_notsaved", {{QStringLiteral("%ERROR%"), e.message()}}));
        }
    });
    execModal(&window);
}

} // namespace

void showUpcomingBirthdays(Session& session, QWidget* owner, const QDate& today)
{
    showWindow(session, owner, readUpcomingBirthdays(session.mainTransaction(), today));
}

bool showUpcomingBirthdaysAtStart(Session& session, QWidget* owner, const QDate& today)
{
    if (!showAtStart(session.configPath()))
        return false;
    const QList<UpcomingBirthday> list = readUpcomingBirthdays(session.mainTransaction(), today);
    if (list.isEmpty() || list.first().daysAhead > 1)
        return false;
    showWindow(session, owner, list);
    return true;
}

void exportBirthdayCalendar(Session& session, QWidget* owner)
{
    const TLang& lang = session.lang();
    const QList<PersonBirthday> persons = readBirthdays(session.mainTransaction());
    if (persons.isEmpty()) {
        showMessage(owner, lang.text(QStringLiteral("birthdays_nothing")));
        return;
    }
    const QString path = MessageService::instance().chooseSaveFile(
        owner, lang.text(QStringLiteral("birthdays_exportcaption")), lang.text(QStringLiteral("birthdays_filefilter")),
        QStringLiteral("Birthdays.ics"));
    if (path.isEmpty())
        return;
    const CalendarTexts texts{.summary = lang.text(QStringLiteral("birthdays_summary")),
                              .born = lang.text(QStringLiteral("birthdays_born"))};
    const exchange::SaveResult saved =
        exchange::saveFile(path, birthdayCalendar(persons, QDateTime::currentDateTimeUtc(), texts));
    const QString failure = saved.diskFull ? lang.text(QStringLiteral("vcard_diskfull")) : saved.reason;
    const QString shown = QDir::toNativeSeparators(path);
    if (!saved.ok) {
        showMessage(owner, filled(lang, "birthdays_exportfailed",
                                  {{QStringLiteral("%FILE%"), shown}, {QStringLiteral("%ERROR%"), failure}}));
        return;
    }
    showMessage(owner, filled(lang, "birthdays_exported",
                              {{QStringLiteral("%COUNT%"), QString::number(persons.size())},
                               {QStringLiteral("%FILE%"), shown}}));
}

} // namespace pellori
