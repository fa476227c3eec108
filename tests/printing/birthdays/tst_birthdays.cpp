// Upcoming birthdays and the calendar file: which birthdays the next two weeks
// bring, the window at start, and the exported file as an independent parser
// (python3-icalendar) reads it.
#include "WindowTest.h"
#include "printing/birthdays/BirthdayCommands.h"
#include "printing/birthdays/UpcomingBirthdays.h"
#include "printing/birthdays/f_upcomingbirthdays.h"
#include "settings/IniFile.h"

#include <QCheckBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <QTreeWidget>

using namespace pellori;
using namespace pellori::birthdays;
using namespace pellori::test;

class TestBirthdays : public QObject {
    Q_OBJECT
private slots:
    void upcomingBirthdays_data();
    void upcomingBirthdays();
    void windowAtStart_data();
    void windowAtStart();
    void calendarFileReadByAnIndependentParser();
};

void TestBirthdays::upcomingBirthdays_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QStringList>("found");   // days ahead, name, age, moved from 29 February
    QTest::newRow("over the year's end") << QDate(2023, 12, 25)
                                         << QStringList{"0 Heute 63 -", "6 Silvester 23 -", "9 Drei 0 -", "13 Januar 31 -"};
    QTest::newRow("29 February in a common year") << QDate(2023, 2, 20) << QStringList{"8 Schalt 71 moved"};
    QTest::newRow("29 February in a leap year") << QDate(2024, 2, 20) << QStringList{"9 Schalt 72 -"};
}

void TestBirthdays::upcomingBirthdays()
{
    QFETCH(QDate, today);
    QFETCH(QStringList, found);
    const QList<PersonBirthday> persons = {
        {1, "Gestern", "", QDate(1970, 12, 24)},   {2, "Heute", "", QDate(1960, 12, 25)},
        {3, "Silvester", "", QDate(2000, 12, 31)}, {4, "Drei", "", QDate(kYearUnknown, 1, 3)},
        {5, "Januar", "", QDate(1993, 1, 7)},      {6, "Zu spaet", "", QDate(1993, 1, 8)},
        {7, "Schalt", "", QDate(1952, 2, 29)},
    };
    QStringList got;
    for (const UpcomingBirthday& b : birthdays::upcomingBirthdays(persons, today))
        got << QStringLiteral("%1 %2 %3 %4").arg(b.daysAhead).arg(b.person.listName).arg(b.age).arg(b.movedFromLeapDay ? "moved" : "-");
    QCOMPARE(got, found);
}

void TestBirthdays::windowAtStart_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("atStart");      // the ini's value; empty: no key
    QTest::addColumn<QStringList>("rows");     // empty: the window does not open
    // Demo: Hans Meier and Petra Krüger were born on 14 January, Thomas Fischer on 11 November.
    QTest::newRow("a birthday today") << QDate(2024, 1, 14) << ""
                                      << QStringList{QString::fromUtf8("Today|Krüger, Petra|39"), "Today|Meier, Hans|62"};
    QTest::newRow("one tomorrow") << QDate(2023, 11, 10) << "1" << QStringList{"Tomorrow|Fischer, Thomas|68"};
    QTest::newRow("turned off") << QDate(2024, 1, 14) << "0" << QStringList();
    QTest::newRow("none today or tomorrow") << QDate(2024, 1, 10) << "" << QStringList();
}

void TestBirthdays::windowAtStart()
{
    QFETCH(QDate, today);
    QFETCH(QString, atStart);
    QFETCH(QStringList, rows);
    WindowTest t(TestDb::Demo);
    t.start();
    if (!atStart.isEmpty())
        IniFile(t.session->configPath()).writeString("Birthdays", "atstart", atStart);
    QStringList shown;
    t.messages.modalHandlers << [&](QDialog* d) {
        auto* list = the<QTreeWidget>(*d, "tv_birthdays");
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = list->topLevelItem(i);
            shown << row->text(0) + '|' + row->text(1) + '|' + row->text(2);
        }
        shown = shown.filter(QRegularExpression("^(Today|Tomorrow)"));   // the next days follow
        the<QCheckBox>(*d, "cb_atstart")->setChecked(false);   // and stays off from now on
        return int(QDialog::Accepted);
    };
    bool opened = false;
    QVERIFY(guarded([&] { opened = showUpcomingBirthdaysAtStart(*t.session, &t.owner, today); }));
    QCOMPARE(opened, !rows.isEmpty());
    QCOMPARE(shown, rows);
    if (opened)
        QCOMPARE(IniFile(t.session->configPath()).readString("Birthdays", "atstart"), QStringLiteral("0"));
}

void TestBirthdays::calendarFileReadByAnIndependentParser()
{
    // A birthday without a year, a name that needs escaping and folding, one on 29 February.
    WindowTest t(TestDb::Demo);
    t.db.isql(QString::fromUtf8(
        "UPDATE person SET P_BIRTHDAY = DATE '1604-03-15' WHERE P_ID = 28;\n"
        "UPDATE object SET O_NAME2 = 'Lena, \"die Große\"; Dr\\ Ölhaus-Überlänge-Namensträgerin' WHERE O_ID = 28;\n"));
    t.start();
    const QString path = t.db.dir() + "/birthdays.ics";
    t.messages.fileAnswers << path;
    QVERIFY(guarded([&] { exportBirthdayCalendar(*t.session, &t.owner); }));
    const QStringList alive = t.committed("select count(*) from person where p_birthday is not null and p_alive = '@'");
    QCOMPARE(t.messages.messages.value(0), QStringLiteral("Birthdays exported: %1, to \"%2\".").arg(alive.value(0), path));

    const char* script = R"PY(
import json, sys, datetime, icalendar
from dateutil.rrule import rrulestr
raw = open(sys.argv[1], 'rb').read()
lines = raw.split(b'\r\n')
assert lines[-1] == b'' and all(b'\n' not in l and len(l) <= 75 for l in lines), 'line ends or lengths'
cal = icalendar.Calendar.from_ical(raw)
out = {}
for e in cal.walk('VEVENT'):
    start = e.decoded('dtstart')
    rule = rrulestr(e['rrule'].to_ical().decode(), dtstart=datetime.datetime.combine(start, datetime.time()))
    out[str(e['uid'])] = {'start': start.isoformat(), 'end': e.decoded('dtend').isoformat(),
                          'summary': str(e['summary']), 'description': str(e.get('description', '')),
                          'unknown': str(e.get('x-pellori-year-unknown', '')),
                          'in2023': rule.between(datetime.datetime(2023, 1, 1), datetime.datetime(2024, 1, 1))[0].date().isoformat()}
print(json.dumps({'version': str(cal['version']), 'events': out}))
)PY";
    QProcess python;
    python.start(QFile::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3", {"-c", script, path});
    QVERIFY(python.waitForFinished(60000));
    const QByteArray err = python.readAllStandardError();
    if (err.contains("No module named 'icalendar'"))
        QFAIL("python3-icalendar is missing: bash scripts/install-deps.sh --tests installs it");
    QVERIFY2(python.exitCode() == 0, err.constData());
    const QJsonObject cal = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    QCOMPARE(cal["version"].toString(), QStringLiteral("2.0"));
    const QJsonObject events = cal["events"].toObject();
    QCOMPARE(events.size(), alive.value(0).toInt());

    const QJsonObject meier = events["birthday-13@pellori"].toObject();
    QCOMPARE(meier["start"].toString(), QStringLiteral("1962-01-14"));
    QCOMPARE(meier["end"].toString(), QStringLiteral("1962-01-15"));
    QCOMPARE(meier["summary"].toString(), QStringLiteral("Birthday: Hans Meier"));
    QVERIFY(meier["description"].toString().contains("1962"));
    QCOMPARE(meier["in2023"].toString(), QStringLiteral("2023-01-14"));

    const QJsonObject leap = events["birthday-26@pellori"].toObject();
    QCOMPARE(leap["start"].toString(), QStringLiteral("1952-02-29"));
    QCOMPARE(leap["in2023"].toString(), QStringLiteral("2023-02-28"));

    const QJsonObject noYear = events["birthday-28@pellori"].toObject();
    QCOMPARE(noYear["start"].toString(), QStringLiteral("1972-03-15"));
    QCOMPARE(noYear["unknown"].toString(), QStringLiteral("TRUE"));
    QCOMPARE(noYear["description"].toString(), QString());
    QVERIFY(noYear["summary"].toString().startsWith(QString::fromUtf8("Birthday: Lena, \"die Große\"; Dr\\ Ölhaus")));
}

QTEST_MAIN(TestBirthdays)
#include "tst_birthdays.moc"
