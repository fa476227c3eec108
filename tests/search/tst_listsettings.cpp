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

    // A click on a title, or a column added or taken away, from the settings
    // "Columns=Town,Phone SortBy=Town SortDescending=0".
    void changing_data()
    {
        QTest::addColumn<QString>("change");   // "sort" or "show" or "hide"
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("read");  // Columns, SortBy, SortDescending
        QTest::newRow("the sorting column again") << "sort" << int(Column::Town) << QStringList{"Town,Phone", "Town", "1"};
        QTest::newRow("another column") << "sort" << int(Column::Phone) << QStringList{"Town,Phone", "Phone", "0"};
        QTest::newRow("the name") << "sort" << int(Column::Name) << QStringList{"Town,Phone", "Name", "0"};
        QTest::newRow("a column not shown") << "sort" << int(Column::Email) << QStringList{"Town,Phone", "Town", "0"};
        QTest::newRow("shown") << "show" << int(Column::Company) << QStringList{"Town,Phone,Company", "Town", "0"};
        QTest::newRow("the sorting one hidden") << "hide" << int(Column::Town) << QStringList{"Phone", "Name", "0"};
        QTest::newRow("another hidden") << "hide" << int(Column::Phone) << QStringList{"Town", "Town", "0"};
    }
    void changing()
    {
        QFETCH(QString, change);
        QFETCH(int, column);
        QFETCH(QStringList, read);
        const ListSettings before{.scope = Scope::Everywhere, .columns = {Column::Town, Column::Phone}, .sortBy = Column::Town};
        const ListSettings after = change == QLatin1String("sort") ? sortedBy(before, Column(column))
                                                                   : withColumn(before, Column(column), change == QLatin1String("show"));
        QStringList written;
        for (const auto& [key, value] : listSettingValues(after))
            written << value;
        QCOMPARE(written, QStringList{"Everywhere"} + read);
    }
};

QTEST_GUILESS_MAIN(TestListSettings)
#include "tst_listsettings.moc"
