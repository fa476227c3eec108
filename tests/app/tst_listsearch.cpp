// The main window's list as the user narrows it on the demo book: typing into
// the search box (after its pause), the scope beside it, the column saying why
// a contact was found, columns added from the header's menu, sorting by a
// column's title, and all of it remembered in Pellori.ini across a restart.
#include "app/f_main.h"
#include "ProgramDir.h"
#include "RecordingMessages.h"
#include "widgets/DataGrid.h"
#include "widgets/DataSetModel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QtTest>

using namespace pellori;
using pellori::test::ProgramDir;
using pellori::test::RecordingMessages;
using pellori::test::iniText;

namespace {

template <typename T>
T* the(Tf_mainForm& w, const char* name)
{
    T* found = w.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("the main window has no %s", name);
    return found;
}

// Every value of one field over the whole list.
QStringList columnOf(DataSet& ds, const QString& field)
{
    QStringList out;
    ds.fetchAll();
    const int f = ds.fieldIndex(field);
    for (int row = 0; row < ds.rowCount(); ++row)
        out << ds.value(row, f).toString();
    return out;
}

// Typed key by key, letters beyond ASCII too.
void type(QLineEdit* box, const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, c.unicode() < 128 ? Qt::Key(QTest::asciiToKey(char(c.unicode()))) : Qt::Key_unknown,
                            QString(c), Qt::NoModifier);
}

void chooseScope(Tf_mainForm& w, const char* scope)
{
    auto* box = the<QComboBox>(w, "search_scope");
    box->setCurrentIndex(box->findText(QLatin1String(scope)));
    emit box->activated(box->currentIndex());
}

void clickTitle(Tf_mainForm& w, const QString& field)
{
    auto* grid = the<DataGrid>(w, "RxDBGrid1");
    QHeaderView* header = grid->horizontalHeader();
    const int section = grid->dataModel()->columnOf(field);
    QVERIFY(section >= 0);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(section) + header->sectionSize(section) / 2, 5));
}

} // namespace

class tst_ListSearch : public QObject {
    Q_OBJECT

private slots:
    void typingNarrowsTheList_data();
    void typingNarrowsTheList();
    void clearingTheBoxListsEveryone();
    void choicesRememberedAcrossStarts();
    void choiceNotSavedIsSaid();
};

void tst_ListSearch::typingNarrowsTheList_data()
{
    QTest::addColumn<QString>("scope");
    QTest::addColumn<QString>("group");       // chosen before typing; empty: none
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("mustFind");
    QTest::addColumn<QStringList>("mention");  // each row's name or found detail holds one of them (upper case)
    QTest::addColumn<int>("count");            // -1: any

    const QStringList mueller{"M\u00FCller Elektrotechnik GmbH", "M\u00FCller, Anna"};
    QTest::newRow("number by its digits") << "Everywhere" << "" << "0351 486" << QStringList{"3D Druck GmbH"}
                                          << QStringList{"0351 / 486"} << -1;
    QTest::newRow("+49 for the leading 0") << "Everywhere" << "" << "+49 351" << QStringList{"3D Druck GmbH", "Schmidt, Peter"}
                                           << QStringList{"0351 / "} << -1;
    QTest::newRow("muller finds M\u00FCller") << "Everywhere" << "" << "muller" << mueller
                                             << QStringList{"M\u00DCLLER", "MUELLER"} << -1;
    QTest::newRow("Mueller finds M\u00FCller") << "Everywhere" << "" << "Mueller" << mueller
                                              << QStringList{"M\u00DCLLER", "MUELLER"} << -1;
    QTest::newRow("a town") << "Everywhere" << "" << "dres" << QStringList{"3D Druck GmbH"} << QStringList{"DRESDEN"}
                            << -1;
    QTest::newRow("name scope as before") << "Name" << "" << "m\u00FCller" << mueller << QStringList{"M\u00DCLLER"} << 2;
    QTest::newRow("name scope keeps umlauts apart") << "Name" << "" << "muller" << QStringList() << QStringList() << 0;
    QTest::newRow("within the chosen group") << "Everywhere" << "Handwerker" << "gmbh"
                                             << QStringList{"M\u00FCller Elektrotechnik GmbH"} << QStringList{"GMBH"}
                                             << -1;
    QTest::newRow("quotes, wildcards, backslash") << "Everywhere" << "" << "'%_\\\"" << QStringList() << QStringList()
                                                  << 0;
    QTest::newRow("the same by name") << "Name" << "" << "'%_\\\"" << QStringList() << QStringList() << 0;
    QTest::newRow("2,000 characters") << "Everywhere" << "" << QString(2000, QLatin1Char('q')) << QStringList()
                                      << QStringList() << 0;
}

void tst_ListSearch::typingNarrowsTheList()
{
    QFETCH(QString, scope);
    QFETCH(QString, group);
    QFETCH(QString, typed);
    QFETCH(QStringList, mustFind);
    QFETCH(QStringList, mention);
    QFETCH(int, count);

    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    QStringList members;
    if (!group.isEmpty())
        members = dir.column(QStringLiteral("select b2g_oid from belong2group join groupt on g_id = b2g_gid "
                                            "where g_name = '%1';")
                                 .arg(group),
                             QStringLiteral("B2G_OID"));
    Tf_mainForm w(dir.path());
    chooseScope(w, scope.toLatin1().constData());
    auto* groups = the<QComboBox>(w, "RxDBLookupCombo_groups");
    if (!group.isEmpty())
        groups->setCurrentIndex(groups->findText(group));
    const QString before = w.contacts().selectSql();

    type(the<QLineEdit>(w, "FullTextSearch"), typed);
    QTRY_VERIFY(w.contacts().selectSql() != before);
    QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join(QLatin1Char('|'))));
    QVERIFY(w.contacts().isOpen());
    QCOMPARE(groups->currentText(), group);   // typing keeps the group

    const QStringList names = columnOf(w.contacts(), QStringLiteral("O_NAME"));
    const QStringList found = columnOf(w.contacts(), QStringLiteral("O_MATCH"));
    const QStringList ids = columnOf(w.contacts(), QStringLiteral("O_ID"));
    if (count >= 0)
        QCOMPARE(names.size(), count);
    for (const QString& name : mustFind)
        QVERIFY2(names.contains(name), qPrintable(name));
    for (int row = 0; row < names.size(); ++row) {
        const QString shown = (names[row] + QLatin1Char(' ') + found[row]).toUpper();
        QVERIFY2(std::any_of(mention.begin(), mention.end(), [&](const QString& m) { return shown.contains(m.toUpper()); }),
                 qPrintable(shown));
        if (!group.isEmpty())
            QVERIFY2(members.contains(ids[row]), qPrintable(names[row]));
    }
    // Why a contact was found is shown in the search everywhere only.
    const DataSetModel* model = the<DataGrid>(w, "RxDBGrid1")->dataModel();
    QCOMPARE(model->columnOf(QStringLiteral("O_MATCH")) >= 0, scope == QLatin1String("Everywhere"));
}

void tst_ListSearch::clearingTheBoxListsEveryone()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    Tf_mainForm w(dir.path());
    const int everyone = columnOf(w.contacts(), QStringLiteral("O_ID")).size();
    auto* groups = the<QComboBox>(w, "RxDBLookupCombo_groups");
    groups->setCurrentIndex(0);
    auto* box = the<QLineEdit>(w, "FullTextSearch");
    QTest::keyClicks(box, QStringLiteral("xq"));
    QTRY_COMPARE(columnOf(w.contacts(), QStringLiteral("O_ID")).size(), 0);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTRY_COMPARE(columnOf(w.contacts(), QStringLiteral("O_ID")).size(), everyone);
    QCOMPARE(groups->currentIndex(), -1);
}

void tst_ListSearch::choicesRememberedAcrossStarts()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    // A company without an address: no town.
    dir.column(QStringLiteral("delete from address where a_oid = 6; commit; select 1 as x from rdb$database;"),
               QStringLiteral("X"));
    const QString town = QStringLiteral("O_TOWN");
    QStringList ascending;
    {
        Tf_mainForm w(dir.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        chooseScope(w, "Everywhere");
        the<QAction>(w, "list_column_town")->trigger();
        QVERIFY(the<DataGrid>(w, "RxDBGrid1")->dataModel()->columnOf(town) > 0);
        clickTitle(w, town);
        ascending = columnOf(w.contacts(), town);
        clickTitle(w, town);
        QStringList descending = columnOf(w.contacts(), town);
        // Contacts without an address last both ways; the towns the other way round.
        QVERIFY(!ascending.first().isEmpty() && ascending.last().isEmpty());
        QVERIFY(!descending.first().isEmpty() && descending.last().isEmpty());
        ascending.removeAll(QString());
        descending.removeAll(QString());
        std::reverse(descending.begin(), descending.end());
        QCOMPARE(descending, ascending);
        QVERIFY(ascending.first() != ascending.last());
    }
    QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join(QLatin1Char('|'))));

    Tf_mainForm w(dir.path());
    QCOMPARE(the<QComboBox>(w, "search_scope")->currentText(), QStringLiteral("Everywhere"));
    const DataSetModel* model = the<DataGrid>(w, "RxDBGrid1")->dataModel();
    QCOMPARE(model->columnOf(town), 1);
    QHeaderView* header = the<DataGrid>(w, "RxDBGrid1")->horizontalHeader();
    QCOMPARE(header->sortIndicatorSection(), 1);
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    QStringList towns = columnOf(w.contacts(), town);
    towns.removeAll(QString());
    std::reverse(towns.begin(), towns.end());
    QCOMPARE(towns, ascending);

    // Taken away again, the column no longer sorts: the names do, as at first.
    the<QAction>(w, "list_column_town")->trigger();
    QCOMPARE(model->columnOf(town), -1);
    QCOMPARE(dir.read(QStringLiteral("Pellori.ini")).contains("Columns=\r\nSortBy=Name\r\nSortDescending=0"), true);
}

void tst_ListSearch::choiceNotSavedIsSaid()
{
    RecordingMessages rec;
    ProgramDir dir;
    // A folder where the file should be: it reads as missing and cannot be written.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Pellori.ini")));
    Tf_mainForm w(dir.path());
    rec.messages.clear();
    chooseScope(w, "Everywhere");
    QCOMPARE(rec.messages.value(0), QStringLiteral("Your choice could not be saved for next time:\r\nUnable to write to %1")
                                         .arg(dir.file(QStringLiteral("Pellori.ini"))));
    QCOMPARE(the<QComboBox>(w, "search_scope")->currentText(), QStringLiteral("Everywhere"));
}

QTEST_MAIN(tst_ListSearch)
#include "tst_listsearch.moc"
