// What the list remembers reads back as written, and what a hand-edited ini
// holds beyond the rules falls back to the plain list.
#include "search/ListSettings.h"

#include <QTest>

using namespace pellori::search;

class TestListSettings : public QObject {
    Q_OBJECT
private slots:
    void reading_data()
    {
        QTest::addColumn<QStringList>("ini");   // Scope, Columns, SortBy, SortDescending
        QTest::addColumn<QStringList>("read");  // as listSettingValues writes them
        QTest::newRow("missing") << QStringList{"", "", "", ""} << QStringList{"Name", "", "Name", "0"};
        QTest::newRow("all set") << QStringList{"Everywhere", "Town,Phone,Email,Company", "Email", "1"}
                                 << QStringList{"Everywhere", "Town,Phone,Email,Company", "Email", "1"};
        QTest::newRow("case, blanks, repeats, unknown")
            << QStringList{" everywhere ", "company, town,Town,Fax,Name", "TOWN", "yes"}
            << QStringList{"Everywhere", "Company,Town", "Town", "0"};
        QTest::newRow("sort by a column not shown") << QStringList{"x", "Town", "Phone", "1"}
                                                    << QStringList{"Name", "Town", "Name", "1"};
    }
    void reading()
    {
        QFETCH(QStringList, ini);
        QFETCH(QStringList, read);
        const QStringList keys{"Scope", "Columns", "SortBy", "SortDescending"};
        const ListSettings s = readListSettings([&](const QString& key) { return ini.value(keys.indexOf(key)); });
        QStringList written;
        for (const auto& [key, value] : listSettingValues(s))
            written << value;
        QCOMPARE(written, read);
    }
};

QTEST_GUILESS_MAIN(TestListSettings)
#include "tst_listsettings.moc"
