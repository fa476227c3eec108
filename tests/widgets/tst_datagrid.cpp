// The data-aware controls over real databases: the grid and its model, the
// navigator and the bound edits, driven as the user drives them.
#include "RecordingMessages.h"
#include "TestDb.h"
#include "TestSession.h"
#include "data/DataSet.h"
#include "services/CommandGuard.h"
#include "settings/AppError.h"
#include "widgets/DBEdit.h"
#include "widgets/DBLookupComboBox.h"
#include "widgets/DBMemo.h"
#include "widgets/DBNavigator.h"
#include "widgets/DataGrid.h"
#include "widgets/DataSetModel.h"
#include "widgets/DataSource.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

using namespace pellori;
using namespace pellori::test;

namespace {

// The address types as a grid over them is set up, plus a line edit to take the focus.
struct Fixture {
    explicit Fixture(const QString& seedSql = QString())
    {
        if (!seedSql.isEmpty())
            db.isql(seedSql);
        session = std::make_unique<TestSession>(db.path());
        tr = std::make_unique<DbTransaction>(session->connection());
        ds = std::make_unique<EditableDataSet>(*tr);
        ds->setSelectSql("select at_id, at_name, at_sortid from addresstype order by at_sortid asc");
        ds->setInsertSql("insert into addresstype (AT_NAME, AT_SORTID) values (:AT_NAME, :AT_SORTID)");
        ds->setModifySql("update addresstype set AT_NAME = :AT_NAME, AT_SORTID = :AT_SORTID where AT_ID = :OLD_AT_ID");
        ds->setDeleteSql("delete from addresstype where AT_ID = :OLD_AT_ID");
        ds->setRefreshSql("select * from addresstype where AT_ID = :AT_ID");
        ds->setKeyField("AT_ID");
        ds->addField({.name = "AT_ID", .kind = FieldKind::Integer, .visible = false});
        ds->addField({.name = "AT_NAME", .kind = FieldKind::Text, .size = 50, .required = true, .width = 190,
                      .title = "Type of Address"});
        ds->addField({.name = "AT_SORTID", .kind = FieldKind::Integer, .required = true, .width = 40, .title = "SortID"});
        source.setDataSet(ds.get());
        auto* layout = new QVBoxLayout(&window);
        grid = new DataGrid(&window);
        grid->setDataSource(&source);
        nav = new DBNavigator(&window);
        nav->setDataSource(&source);
        after = new QLineEdit(&window);
        layout->addWidget(grid);
        layout->addWidget(nav);
        layout->addWidget(after);
        window.resize(400, 300);
        ErrorHandlers::add(&errorOwner, [this](const std::exception& e) { errors << errorMessage(e); });
        ds->open();
        ds->fetchAll();   // the grid is not shown: nobody would scroll it
    }
    ~Fixture()
    {
        source.setDataSet(nullptr);
        ds.reset();
        tr.reset();
    }
    void show()
    {
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        grid->setFocus();
    }
    DataSetModel* model() const { return grid->dataModel(); }
    QString cell(int row, int col) const { return model()->index(row, col).data().toString(); }
    QString indicator(int row) const { return model()->headerData(row, Qt::Vertical).toString(); }
    QStringList committed(const QString& select) { return committedValues(db.path(), select); }

    RecordingMessages messages;
    TestDb db;
    std::unique_ptr<TestSession> session;
    std::unique_ptr<DbTransaction> tr;
    std::unique_ptr<EditableDataSet> ds;
    DataSource source;
    QWidget window;
    DataGrid* grid = nullptr;
    DBNavigator* nav = nullptr;
    QLineEdit* after = nullptr;
    QObject errorOwner;
    QStringList errors;
};

// Opens the cell editor on the grid's current cell and types into it.
QWidget* typeInCell(DataGrid* grid, const QString& text)
{
    if (!grid->cellEditor())
        grid->edit(grid->currentIndex());
    QWidget* editor = grid->cellEditor();
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->clear();
    if (editor)
        QTest::keyClicks(editor, text);
    return editor;
}

QString manyTitles(int count)
{
    QString sql;
    for (int i = 0; i < count; ++i)
        sql += QStringLiteral("insert into title (T_NAME) values ('T%1');\n").arg(i, 4, 10, QChar('0'));
    return sql + "commit;\n";
}

} // namespace

class TestDataGrid : public QObject {
    Q_OBJECT
private slots:
    void columnsAreTheVisibleFieldsWithTitlesAndWidths();
    void currentRowFollowsBothWaysWithIndicator();
    void editedRowIsPostedWhenTheRowIsLeft();
    void refusedValueKeepsCellAndReachesErrorHandlers();
    void refusedPostKeepsGridOnTheRow();
    void downBelowLastRowAppendsOnce_data();
    void downBelowLastRowAppendsOnce();
    void newRowLeftByFocus_data();
    void newRowLeftByFocus();
    void escapeDropsTheRowsChanges_data();
    void escapeDropsTheRowsChanges();
    void ctrlDeleteAsksFirst_data();
    void ctrlDeleteAsksFirst();
    void readOnlyGridRefusesEdits();
    void tabMovesOrLeaves_data();
    void tabMovesOrLeaves();
    void pickListAndLookupColumns();
    void modelFetchesInBatches();
    void ctrlEndReachesTheLastRowWhole();
    void navigatorEnablesAndRuns();
    void navigatorPostTakesTheCellBeingTyped();
    void navigatorInsertTakesTheFocusToTheNewRow();
    void boundEditFollowsAndWrites();
    void controlsRefuseUnstorableText();
    void ctrlTabLeavesAndShiftF10OpensTheMenu();
    void lookupComboShowsAndChoosesKey();
};

void TestDataGrid::columnsAreTheVisibleFieldsWithTitlesAndWidths()
{
    Fixture f;
    QCOMPARE(f.model()->columnCount(), 2);
    QCOMPARE(f.model()->headerData(0, Qt::Horizontal).toString(), QString("Type of Address"));
    QCOMPARE(f.model()->headerData(1, Qt::Horizontal).toString(), QString("SortID"));
    QCOMPARE(f.grid->columnWidth(0), 190);
    QCOMPARE(f.grid->columnWidth(1), 40);
    QCOMPARE(f.cell(0, 0), QString("Privat"));
    QCOMPARE(f.cell(3, 1), QString("4"));
    // Re-opening builds the columns again with the same widths.
    f.ds->close();
    QCOMPARE(f.model()->rowCount(), 0);
    f.ds->open();
    QCOMPARE(f.grid->columnWidth(0), 190);
    QCOMPARE(f.cell(0, 1), QString("1"));
}

void TestDataGrid::currentRowFollowsBothWaysWithIndicator()
{
    Fixture f;
    f.ds->moveTo(2);
    QCOMPARE(f.grid->currentIndex().row(), 2);
    QCOMPARE(f.indicator(2), DataSetModel::browseMark());
    QCOMPARE(f.indicator(0), QString());

    f.grid->setCurrentIndex(f.model()->index(1, 1));
    QCOMPARE(f.ds->recNo(), 1);
    QCOMPARE(f.indicator(1), DataSetModel::browseMark());
    QCOMPARE(f.indicator(2), QString());

    QVERIFY(f.model()->setData(f.model()->index(1, 0), "Office"));
    QCOMPARE(f.indicator(1), DataSetModel::editMark());
    f.ds->append();
    QCOMPARE(f.grid->currentIndex().row(), 4);
    QCOMPARE(f.indicator(4), DataSetModel::insertMark());
}

void TestDataGrid::editedRowIsPostedWhenTheRowIsLeft()
{
    Fixture f;
    // Writing a cell of another row makes that row current first.
    QVERIFY(f.model()->setData(f.model()->index(2, 0), "Holiday flat"));
    QCOMPARE(f.ds->recNo(), 2);
    QCOMPARE(f.ds->state(), DataSet::State::Edit);
    f.grid->setCurrentIndex(f.model()->index(0, 0));
    QCOMPARE(f.ds->state(), DataSet::State::Browse);
    QCOMPARE(f.ds->recNo(), 0);
    f.tr->commit();
    QCOMPARE(f.committed("select at_name from addresstype where at_sortid = 3"), QStringList{"Holiday flat"});
}

void TestDataGrid::refusedValueKeepsCellAndReachesErrorHandlers()
{
    Fixture f;
    QVERIFY(!f.model()->setData(f.model()->index(0, 1), "abc"));
    QCOMPARE(f.errors, QStringList{"'abc' is not a valid integer value for field 'AT_SORTID'"});
    QCOMPARE(f.cell(0, 1), QString("1"));
    QCOMPARE(f.ds->state(), DataSet::State::Browse);

    // The same through the cell editor: the cell keeps its value.
    f.grid->setCurrentIndex(f.model()->index(1, 1));
    QWidget* editor = typeInCell(f.grid, "2x");
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_Tab);
    QCOMPARE(f.errors.size(), 2);
    QCOMPARE(f.errors.last(), QString("'2x' is not a valid integer value for field 'AT_SORTID'"));
    QCOMPARE(f.cell(1, 1), QString("2"));
}

void TestDataGrid::refusedPostKeepsGridOnTheRow()
{
    Fixture f;
    QVERIFY(f.model()->setData(f.model()->index(1, 0), ""));
    f.grid->setCurrentIndex(f.model()->index(3, 0));
    QCOMPARE(f.errors, QStringList{"Field 'AT_NAME' must have a value"});
    QCOMPARE(f.ds->recNo(), 1);
    QCOMPARE(f.grid->currentIndex().row(), 1);
    QCOMPARE(f.ds->state(), DataSet::State::Edit);
}

void TestDataGrid::downBelowLastRowAppendsOnce_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<int>("added");
    QTest::newRow("editable") << false << 1;
    QTest::newRow("read-only") << true << 0;
}

void TestDataGrid::downBelowLastRowAppendsOnce()
{
    QFETCH(bool, readOnly);
    QFETCH(int, added);
    Fixture f;
    f.grid->setReadOnly(readOnly);
    f.grid->setCurrentIndex(f.model()->index(3, 1));
    QTest::keyClick(f.grid, Qt::Key_Down);
    QTest::keyClick(f.grid, Qt::Key_Down);   // an untouched new row gets no second one
    QCOMPARE(f.model()->rowCount(), 4 + added);
    QCOMPARE(f.grid->currentIndex().row(), 3 + added);
    QCOMPARE(f.grid->currentIndex().column(), 1);
    QCOMPARE(f.ds->state(), added ? DataSet::State::Insert : DataSet::State::Browse);
}

void TestDataGrid::newRowLeftByFocus_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("rowsAfter");
    QTest::newRow("untouched row dropped") << QString() << 4;
    QTest::newRow("typed row kept") << QString("Studio") << 5;
}

void TestDataGrid::newRowLeftByFocus()
{
    QFETCH(QString, typed);
    QFETCH(int, rowsAfter);
    Fixture f;
    f.show();
    f.grid->setCurrentIndex(f.model()->index(3, 0));
    QTest::keyClick(f.grid, Qt::Key_Down);
    QCOMPARE(f.model()->rowCount(), 5);
    if (!typed.isEmpty())
        QVERIFY(f.model()->setData(f.model()->index(4, 0), typed));
    f.after->setFocus();
    QTRY_VERIFY(f.after->hasFocus());
    QCOMPARE(f.model()->rowCount(), rowsAfter);
    QCOMPARE(f.ds->rowCount(), rowsAfter);
    QCOMPARE(f.grid->currentIndex().row(), f.ds->recNo());
}

void TestDataGrid::escapeDropsTheRowsChanges_data()
{
    QTest::addColumn<bool>("inCellEditor");
    QTest::newRow("grid") << false;
    QTest::newRow("cell editor") << true;
}

void TestDataGrid::escapeDropsTheRowsChanges()
{
    QFETCH(bool, inCellEditor);
    Fixture f;
    f.grid->setCurrentIndex(f.model()->index(1, 0));
    QVERIFY(f.model()->setData(f.model()->index(1, 1), "9"));
    if (inCellEditor) {
        QWidget* editor = typeInCell(f.grid, "Typed");
        QTest::keyClick(editor, Qt::Key_Escape);
    } else {
        QTest::keyClick(f.grid, Qt::Key_Escape);
    }
    QVERIFY(!f.grid->cellEditor());
    QCOMPARE(f.ds->state(), DataSet::State::Browse);
    QCOMPARE(f.cell(1, 1), QString("2"));
    QVERIFY(f.cell(1, 0) != "Typed");
}

void TestDataGrid::ctrlDeleteAsksFirst_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("rowsAfter");
    QTest::newRow("declined") << false << false << 4;
    QTest::newRow("confirmed") << false << true << 3;
    QTest::newRow("read-only grid, confirmed") << true << true << 3;
}

void TestDataGrid::ctrlDeleteAsksFirst()
{
    QFETCH(bool, readOnly);
    QFETCH(bool, answer);
    QFETCH(int, rowsAfter);
    Fixture f;
    f.grid->setReadOnly(readOnly);
    f.grid->setCurrentIndex(f.model()->index(3, 0));
    f.messages.answers << answer;
    QTest::keyClick(f.grid, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(f.messages.confirmations, QStringList{"Delete record?"});
    QCOMPARE(f.model()->rowCount(), rowsAfter);
    f.tr->commit();
    QCOMPARE(f.committed("select count(*) from addresstype"), QStringList{QString::number(rowsAfter)});
}

void TestDataGrid::readOnlyGridRefusesEdits()
{
    Fixture f;
    f.grid->setReadOnly(true);
    const QModelIndex i = f.model()->index(0, 0);
    QVERIFY(!(f.model()->flags(i) & Qt::ItemIsEditable));
    QVERIFY(!f.model()->setData(i, "Changed"));
    f.grid->setCurrentIndex(i);
    QTest::keyClicks(f.grid, "xy");
    QVERIFY(!f.grid->cellEditor());
    QCOMPARE(f.cell(0, 0), QString("Privat"));
    QCOMPARE(f.ds->state(), DataSet::State::Browse);
}

void TestDataGrid::tabMovesOrLeaves_data()
{
    QTest::addColumn<bool>("leaves");
    QTest::addColumn<bool>("fromEditor");
    QTest::newRow("cell to cell") << false << false;
    QTest::newRow("cell to cell from editor") << false << true;
    QTest::newRow("leaves grid") << true << false;
    QTest::newRow("leaves grid from editor") << true << true;
}

void TestDataGrid::tabMovesOrLeaves()
{
    QFETCH(bool, leaves);
    QFETCH(bool, fromEditor);
    Fixture f;
    f.grid->setTabLeavesGrid(leaves);
    f.show();
    f.grid->setCurrentIndex(f.model()->index(0, 0));
    if (fromEditor) {
        QWidget* editor = typeInCell(f.grid, "Home");
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClick(editor, Qt::Key_Tab);
        // Leaving the cell either way writes what was typed.
        QCOMPARE(f.cell(0, 0), QString("Home"));
        QCOMPARE(f.ds->state(), DataSet::State::Edit);
    } else {
        QTest::keyClick(f.grid, Qt::Key_Tab);
    }
    if (leaves) {
        QTRY_VERIFY(f.after->hasFocus());
        QCOMPARE(f.grid->currentIndex().column(), 0);
    } else {
        QCOMPARE(f.grid->currentIndex(), f.model()->index(0, 1));
        QVERIFY(f.grid->hasFocus() || f.grid->isAncestorOf(QApplication::focusWidget()));
    }
}

void TestDataGrid::pickListAndLookupColumns()
{
    Fixture f("insert into object (O_ID, O_TYPE, O_NAME1) values (1, 'C', 'Firm');\n"
              "insert into address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET) values (1, 1, '@', 1010, 'Wien', 'Ring');\n"
              "commit;\n");
    QueryDataSet types(*f.tr);
    types.setSelectSql("select * from addresstype order by at_name");
    types.open();
    EditableDataSet addresses(*f.tr);
    addresses.setSelectSql("select * from address");
    addresses.setModifySql("update address set A_ATID = :A_ATID, A_PREF = :A_PREF where A_ID = :OLD_A_ID");
    addresses.addField({.name = "A_ID", .kind = FieldKind::Integer, .visible = false});
    addresses.addField({.name = "A_ATID", .kind = FieldKind::Integer, .visible = false});
    addresses.addField({.name = "A_TOWN", .kind = FieldKind::Text, .size = 100});
    addresses.addField({.name = "A_PREF", .kind = FieldKind::Text, .size = 1, .pickList = {"@", "-"}});
    addresses.addField({.name = "L_ATYPE", .kind = FieldKind::Text, .size = 50, .keyField = "A_ATID",
                        .lookupDataSet = &types, .lookupKeyField = "AT_ID", .lookupResultField = "AT_NAME"});
    DataSource source(&addresses);
    DataGrid grid;
    grid.setDropDownRows(15);
    grid.setDataSource(&source);
    addresses.open();
    DataSetModel* m = grid.dataModel();
    QCOMPARE(m->columnCount(), 3);
    QCOMPARE(m->index(0, 2).data().toString(), QString("Privat"));

    grid.setCurrentIndex(m->index(0, 1));
    grid.edit(grid.currentIndex());
    auto* pick = qobject_cast<QComboBox*>(grid.cellEditor());
    QVERIFY(pick && pick->isEditable());
    QCOMPARE(pick->count(), 2);
    QCOMPARE(pick->itemText(1), QString("-"));
    pick->setCurrentIndex(1);
    QTest::keyClick(pick, Qt::Key_Tab);
    QCOMPARE(addresses.value("A_PREF").toString(), QString("-"));

    QCOMPARE(grid.currentIndex(), m->index(0, 2));
    if (!grid.cellEditor())
        grid.edit(grid.currentIndex());
    auto* lookup = qobject_cast<QComboBox*>(grid.cellEditor());
    QVERIFY(lookup && !lookup->isEditable());
    QCOMPARE(lookup->maxVisibleItems(), 15);
    QStringList names;
    for (int i = 0; i < lookup->count(); ++i)
        names << lookup->itemText(i);
    QCOMPARE(names, f.committed("select at_name from addresstype order by at_name"));
    QCOMPARE(lookup->currentText(), QString("Privat"));
    lookup->setCurrentIndex(names.indexOf("Postfach"));
    QTest::keyClick(lookup, Qt::Key_Tab);
    QCOMPARE(addresses.value("A_ATID").toString(), f.committed("select at_id from addresstype where at_name = 'Postfach'").value(0));
    QCOMPARE(m->index(0, 2).data().toString(), QString("Postfach"));
    addresses.post();
    QVERIFY(f.errors.isEmpty());
    source.setDataSet(nullptr);
}

void TestDataGrid::modelFetchesInBatches()
{
    Fixture f(manyTitles(300));
    QueryDataSet titles(*f.tr);
    titles.setSelectSql("select t_name from title order by t_name");
    titles.open();
    DataSource source(&titles);
    DataSetModel model(&source);
    model.setFetchBatch(40);
    QVERIFY(model.rowCount() < 300);
    QVERIFY(model.canFetchMore({}));
    const int before = model.rowCount();
    model.fetchMore({});
    QCOMPARE(model.rowCount(), before + 40);
    QCOMPARE(model.rowCount(), titles.rowCount());
    while (model.canFetchMore({}))
        model.fetchMore({});
    QCOMPARE(model.rowCount(), 307);
    source.setDataSet(nullptr);
}

void TestDataGrid::ctrlEndReachesTheLastRowWhole()
{
    Fixture f(manyTitles(300));
    QueryDataSet titles(*f.tr);
    titles.setSelectSql("select t_name from title order by t_name");
    titles.open();
    DataSource source(&titles);
    DataGrid grid;
    grid.setReadOnly(true);
    grid.setDataSource(&source);
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(titles.recNo(), 306);
    QCOMPARE(grid.currentIndex().row(), 306);
    QVERIFY(grid.viewport()->rect().contains(grid.visualRect(grid.currentIndex())));
    QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(titles.recNo(), 0);
    grid.setDataSource(nullptr);
}

void TestDataGrid::navigatorEnablesAndRuns()
{
    Fixture f;
    auto enabled = [&](const char* name) { return f.nav->findChild<QToolButton*>(name)->isEnabled(); };
    QVERIFY(!enabled("nav_first") && !enabled("nav_prior"));
    QVERIFY(enabled("nav_next") && enabled("nav_last") && enabled("nav_insert") && enabled("nav_delete"));
    QVERIFY(!enabled("nav_post") && !enabled("nav_cancel"));

    f.nav->findChild<QToolButton*>("nav_last")->click();
    QCOMPARE(f.grid->currentIndex().row(), 3);
    QVERIFY(!enabled("nav_next") && enabled("nav_prior"));

    f.nav->findChild<QToolButton*>("nav_insert")->click();
    QCOMPARE(f.ds->state(), DataSet::State::Insert);
    QVERIFY(enabled("nav_post") && enabled("nav_cancel") && !enabled("nav_edit"));
    const int row = f.ds->recNo();
    QVERIFY(f.model()->setData(f.model()->index(row, 0), "Studio"));
    QVERIFY(f.model()->setData(f.model()->index(row, 1), "7"));
    f.nav->findChild<QToolButton*>("nav_post")->click();
    QCOMPARE(f.ds->state(), DataSet::State::Browse);
    QVERIFY(!f.ds->value("AT_ID").isNull());

    f.messages.answers << false << true;
    f.nav->findChild<QToolButton*>("nav_delete")->click();
    QCOMPARE(f.model()->rowCount(), 5);
    f.nav->findChild<QToolButton*>("nav_delete")->click();
    QCOMPARE(f.model()->rowCount(), 4);
    QCOMPARE(f.messages.confirmations, (QStringList{"Delete record?", "Delete record?"}));
    QVERIFY(f.errors.isEmpty());
    f.tr->commit();
    QCOMPARE(f.committed("select count(*) from addresstype where at_name = 'Studio'"), QStringList{"0"});
}

void TestDataGrid::navigatorPostTakesTheCellBeingTyped()
{
    Fixture f;
    f.grid->setCurrentIndex(f.model()->index(2, 0));
    typeInCell(f.grid, "Cottage");
    // The first keystroke put the row into edit: the indicator and the post button show it.
    QCOMPARE(f.indicator(2), DataSetModel::editMark());
    QVERIFY(f.nav->findChild<QToolButton*>("nav_post")->isEnabled());
    f.nav->click(DBNavigator::Post);
    QCOMPARE(f.ds->state(), DataSet::State::Browse);
    QCOMPARE(f.cell(2, 0), QString("Cottage"));
    f.tr->commit();
    QCOMPARE(f.committed("select at_name from addresstype where at_sortid = 3"), QStringList{"Cottage"});
}

void TestDataGrid::navigatorInsertTakesTheFocusToTheNewRow()
{
    Fixture f;
    f.show();
    f.after->setFocus();
    f.nav->findChild<QToolButton*>("nav_insert")->click();
    QCOMPARE(QApplication::focusWidget(), f.grid);
    QCOMPARE(f.grid->currentIndex(), f.model()->index(f.ds->recNo(), 0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S);
    QVERIFY(f.grid->cellEditor());
    QCOMPARE(f.after->text(), QString());
}

void TestDataGrid::boundEditFollowsAndWrites()
{
    Fixture f;
    DBEdit name, sort;
    name.setDataSource(&f.source);
    name.setDataField("AT_NAME");
    sort.setDataSource(&f.source);
    sort.setDataField("AT_SORTID");
    QCOMPARE(name.text(), QString("Privat"));
    QCOMPARE(name.maxLength(), 50);
    f.ds->moveTo(2);
    QCOMPARE(name.text(), QString("Ferienwohnung"));
    QCOMPARE(sort.text(), QString("3"));

    QTest::keyClicks(&name, "X");
    QCOMPARE(f.ds->state(), DataSet::State::Edit);
    QCOMPARE(f.ds->value("AT_NAME").toString(), QString("FerienwohnungX"));

    sort.setText("");
    QTest::keyClicks(&sort, "3a");
    QCOMPARE(f.ds->value("AT_SORTID").toInt(), 3);   // a number is written when the edit is left
    f.nav->click(DBNavigator::Post);
    QCOMPARE(f.errors, QStringList{"'3a' is not a valid integer value for field 'AT_SORTID'"});
    QCOMPARE(f.ds->state(), DataSet::State::Edit);
    QCOMPARE(sort.text(), QString("3a"));

    f.nav->click(DBNavigator::Cancel);
    QCOMPARE(name.text(), QString("Ferienwohnung"));
    QCOMPARE(sort.text(), QString("3"));
}

void TestDataGrid::ctrlTabLeavesAndShiftF10OpensTheMenu()
{
    Fixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.grid->setContextMenuPolicy(Qt::CustomContextMenu);
    QSignalSpy menu(f.grid, &QWidget::customContextMenuRequested);
    f.grid->setFocus();
    f.grid->setCurrentIndex(f.grid->model()->index(1, 0));
    QTest::keyClick(f.grid, Qt::Key_F10, Qt::ShiftModifier);
    QCOMPARE(menu.count(), 1);
    QVERIFY(f.grid->visualRect(f.grid->currentIndex()).contains(menu.first().first().toPoint()));
    // Tab moves along the row; Ctrl+Tab leaves the grid.
    QTest::keyClick(f.grid, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.grid);
    QTest::keyClick(f.grid, Qt::Key_Tab, Qt::ControlModifier);
    QVERIFY(QApplication::focusWidget() != f.grid);
    f.grid->setFocus();
    QTest::keyClick(f.grid, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(QApplication::focusWidget() != f.grid);
}

// Typing a character that has no key of its own (QTest sends Latin-1 only).
void typeText(QWidget* w, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
}

void TestDataGrid::controlsRefuseUnstorableText()
{
    Fixture f;
    DBEdit name;
    name.setDataSource(&f.source);
    name.setDataField("AT_NAME");
    DBMemo memo;
    memo.setDataSource(&f.source);
    memo.setDataField("AT_NAME");
    QApplication::clipboard()->setText(QString("Zweit\u20ACwohnung"));
    name.end(false);
    name.paste();
    typeText(&name, QString("\u2020"));
    memo.paste();
    typeText(&memo, QString("\u0100"));
    QCOMPARE(f.ds->value("AT_NAME").toString(), QString("Privat"));
    QCOMPARE(f.ds->state(), DataSet::State::Browse);
    typeText(&name, QString("\u00E4"));   // a Latin-1 letter is taken
    QCOMPARE(f.ds->value("AT_NAME").toString(), QString("Privat\u00E4"));
    QCOMPARE(memo.toPlainText(), QString("Privat\u00E4"));
}

void TestDataGrid::lookupComboShowsAndChoosesKey()
{
    Fixture f("insert into object (O_ID, O_TYPE, O_NAME1) values (1, 'C', 'Firm');\n"
              "insert into address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET) values (1, 3, '@', 1010, 'Wien', 'Ring');\n"
              "commit;\n");
    QueryDataSet types(*f.tr);
    types.setSelectSql("select * from addresstype order by at_sortid");
    types.open();
    EditableDataSet addresses(*f.tr);
    addresses.setSelectSql("select a_id, a_atid from address");
    addresses.setModifySql("update address set A_ATID = :A_ATID where A_ID = :OLD_A_ID");
    addresses.open();
    DataSource source(&addresses);
    DBLookupComboBox combo;
    combo.setListSource(&types, "AT_NAME", "AT_ID");
    combo.setDataSource(&source);
    combo.setDataField("A_ATID");
    QCOMPARE(combo.count(), 4);
    QCOMPARE(combo.currentText(), QString("Ferienwohnung"));
    QTest::keyClick(&combo, Qt::Key_Down);
    QCOMPARE(combo.currentText(), QString("Postfach"));
    QCOMPARE(addresses.value("A_ATID").toInt(), 4);
    QCOMPARE(addresses.state(), DataSet::State::Edit);
    addresses.cancel();
    QCOMPARE(combo.currentText(), QString("Ferienwohnung"));
    // Delete empties a choice that may stay empty, and the box shows it empty.
    QTest::keyClick(&combo, Qt::Key_Delete);
    QVERIFY(addresses.value("A_ATID").isNull());
    QCOMPARE(combo.currentText(), QString());
    source.setDataSet(nullptr);
}

QTEST_MAIN(TestDataGrid)
#include "tst_datagrid.moc"
