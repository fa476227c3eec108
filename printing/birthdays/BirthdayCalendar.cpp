#include "printing/birthdays/BirthdayCalendar.h"

#include "printing/engine/Report.h"

namespace pellori::birthdays {

namespace {

constexpr int kFoldOctets = 75;

// TEXT values escape the backslash, semicolon, comma and line break.
QString escaped(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char(';'), QStringLiteral("\\;"));
    text.replace(QLatin1Char(','), QStringLiteral("\\,"));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\n"));
    return text;
}

// One content line, folded: no line longer than 75 octets, no UTF-8 sequence split.
void line(QByteArray& out, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    qsizetype start = 0;
    int room = kFoldOctets;
    while (bytes.size() - start > room) {
        qsizetype cut = start + room;
        while (cut > start && (uchar(bytes[cut]) & 0xC0) == 0x80)
            --cut;
        out += bytes.mid(start, cut - start) + "\r\n ";
        start = cut;
        room = kFoldOctets - 1;   // the blank that begins a continuation counts
    }
    out += bytes.mid(start) + "\r\n";
}

QString date(const QDate& d) { return d.toString(QStringLiteral("yyyyMMdd")); }

} // namespace

QByteArray birthdayCalendar(const QList<PersonBirthday>& persons, const QDateTime& stamp, const CalendarTexts& texts)
{
    QByteArray out;
    line(out, QStringLiteral("BEGIN:VCALENDAR"));
    line(out, QStringLiteral("VERSION:2.0"));
    line(out, QStringLiteral("PRODID:-//Pellori//Birthdays//EN"));
    line(out, QStringLiteral("CALSCALE:GREGORIAN"));
    const QString dtstamp = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    for (const PersonBirthday& p : persons) {
        if (!p.birthday.isValid())
            continue;
        const bool leapDay = p.birthday.month() == 2 && p.birthday.day() == 29;
        const QDate start = p.yearKnown() ? p.birthday : QDate(kCalendarBaseYear, p.birthday.month(), p.birthday.day());
        QString summary = texts.summary;
        summary.replace(QStringLiteral("%NAME%"), p.fullName);
        line(out, QStringLiteral("BEGIN:VEVENT"));
        line(out, QStringLiteral("UID:birthday-%1@pellori").arg(p.id));
        line(out, QStringLiteral("DTSTAMP:") + dtstamp);
        line(out, QStringLiteral("DTSTART;VALUE=DATE:") + date(start));
        line(out, QStringLiteral("DTEND;VALUE=DATE:") + date(start.addDays(1)));
        line(out, leapDay ? QStringLiteral("RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1")
                          : QStringLiteral("RRULE:FREQ=YEARLY"));
        line(out, QStringLiteral("SUMMARY:") + escaped(summary));
        if (p.yearKnown()) {
            QString born = texts.born;
            born.replace(QStringLiteral("%DATE%"), report::shortDateText(p.birthday));
            line(out, QStringLiteral("DESCRIPTION:") + escaped(born));
        } else {
            line(out, QStringLiteral("X-PELLORI-YEAR-UNKNOWN:TRUE"));
        }
        line(out, QStringLiteral("TRANSP:TRANSPARENT"));
        line(out, QStringLiteral("END:VEVENT"));
    }
    line(out, QStringLiteral("END:VCALENDAR"));
    return out;
}

} // namespace pellori::birthdays
