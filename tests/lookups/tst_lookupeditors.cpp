// The six lookup list editors over real databases, created and shown as their
// openers do: configuration, captions, editing, committing on destruction, refusals.
#include "RecordingMessages.h"
#include "TestDb.h"
#include "TestSession.h"
#include "WindowTest.h"
#include "data/DataSet.h"
#include "info/f_notimplemented.h"
#include "lookups/LookupEditors.h"
#include "lookups/f_addresstype.h"
#include "lookups/f_communication.h"
#include "lookups/f_group.h"
#include "lookups/f_internet_communication.h"
#include "lookups/f_salutations.h"
#include "lookups/f_title.h"
#include "services/CommandGuard.h"
#include "settings/AppError.h"
#include "widgets/DBNavigator.h"
#include "widgets/DataGrid.h"
#include "widgets/DataSetModel.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

using namespace pellori;
using namespace pellori::test;

Q_DECLARE_METATYPE(pellori::LookupList)

namespace {

struct Fixture : WindowTest {
    explicit Fixture(const QString& seedSql = QString())
    {
        if (!seedSql.isEmpty())
            db.isql(seedSql);
        start();
    }
};

// Created as the openers create them.
std::unique_ptr<LookupEditor> create(LookupList which, Session& session, QWidget* owner)
{
    return createLookupEditor(which, session, owner);
}

QWidget* typeInCell(DataGrid* grid, const QString& text)
{
    if (!grid->cellEditor())
        grid->edit(grid->currentIndex());
    QWidget* editor = grid->cellEditor();
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->clear();
        QTest::keyClicks(line, text);
    }
    return editor;
}

QString cell(LookupEditor& w, int row, int col) { return w.grid()->dataModel()->index(row, col).data().toString(); }

const QString kGeschaeftlich = QString::fromLatin1("Gesch\xE4" "ftlich");

} // namespace

class TestLookupEditors : public QObject {
    Q_OBJECT
private slots:
    void configurationsShowTitlesWidthsAndOrder_data();
    void configurationsShowTitlesWidthsAndOrder();
    void captionsFromCatalogue_data();
    void captionsFromCatalogue();
    void closingCommitsLeftRowsAndDropsTheCellBeingTyped_data();
    void closingCommitsLeftRowsAndDropsTheCellBeingTyped();
    void newRowReadsBackKeyAndCanBeChangedAndDeleted();
    void declinedDeleteLeavesTheRow();
    void deletingATypeInUseIsRefusedAndWindowStaysUsable();
    void refusedValues_data();
    void refusedValues();
    void gridFetchesAsItScrolls();
    void helpNoticesBelongToTheWindow();
    void destroyedAndCommittedAlsoOnError();
};

void TestLookupEditors::configurationsShowTitlesWidthsAndOrder_data()
{
    QTest::addColumn<LookupList>("which");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("menus");        // first menu, Close, Help, "?"
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QList<int>>("widths");        // 0: not fixed
    QTest::addColumn<QString>("orderSql");         // the names in the expected order
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<bool>("minMax");

    QTest::newRow("address types") << LookupList::AddressTypes << "Tf_adresstypes" << "Adresstypes"
                                   << QStringList{"Addresstypes", "Close", "Help", "?"}
                                   << QStringList{"Type of Address", "SortID"} << QList<int>{190, 40}
                                   << "select at_name from addresstype order by at_sortid" << QSize(279, 362) << false;
    QTest::newRow("communication types") << LookupList::CommunicationTypes << "Tf_type_communication" << "Communicationtypes"
                                         << QStringList{"Communicationtypes", "Close", "Help", "?"}
                                         << QStringList{"Communicationtype", "SortID"} << QList<int>{165, 40}
                                         << "select ct_name from communicationtype order by ct_sortid" << QSize(260, 344) << false;
    QTest::newRow("internet types") << LookupList::InternetTypes << "Tf_internet" << "CommunicationInternet"
                                    << QStringList{"CommunicationInternet", "Close", "Help", "?"}
                                    << QStringList{"Name", "Sort"} << QList<int>{241, 32}
                                    << "select it_name from internettype order by it_sort" << QSize(341, 433) << false;
    QTest::newRow("groups") << LookupList::Groups << "Tf_groups" << "Groups" << QStringList{"Groups", "Close", "Help", "?"}
                            << QStringList{"Name of the Group"} << QList<int>{0}
                            << "select g_name from groupt order by g_name" << QSize(259, 375) << false;
    QTest::newRow("salutations") << LookupList::Salutations << "Tf_salutation" << "Salutations"
                                 << QStringList{"Salutations", "Close", "Help", "?"} << QStringList{"Salutation"}
                                 << QList<int>{0} << "select s_name from salutation order by s_name" << QSize(257, 209) << false;
    QTest::newRow("titles") << LookupList::Titles << "Tf_titles" << "Titles" << QStringList{"&Titles", "&Close", "&Help", "&?"}
                            << QStringList{"Title"} << QList<int>{0}
                            << "select t_name from title order by t_name collate de_de" << QSize(258, 396) << true;
}

void TestLookupEditors::configurationsShowTitlesWidthsAndOrder()
{
    QFETCH(LookupList, which);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(QStringList, menus);
    QFETCH(QStringList, titles);
    QFETCH(QList<int>, widths);
    QFETCH(QString, orderSql);
    QFETCH(QSize, clientSize);
    QFETCH(bool, minMax);
    Fixture f;
    const QStringList expectedNames = f.committed(orderSql);
    auto w = create(which, *f.session, &f.owner);
    QCOMPARE(QString(w->metaObject()->className()), "pellori::" + className);
    QCOMPARE(w->parentWidget(), &f.owner);
    QCOMPARE(w->windowTitle(), caption);
    QAction* help = the<QAction>(*w, "m_help");
    QCOMPARE((QStringList{the<QMenu>(*w, "m_list")->title(), the<QAction>(*w, "m_close")->text(), help->text(),
                          the<QMenu>(*w, "m_question")->title()}),
             menus);
    const QList<QAction*> question = the<QMenu>(*w, "m_question")->actions();
    QCOMPARE(question.size(), 3);
    QCOMPARE(question[0], f.session->faqAction());
    QVERIFY(question[1]->isSeparator());
    QCOMPARE(question[2], help);

    DataSetModel* m = w->grid()->dataModel();
    QStringList shownTitles;
    for (int c = 0; c < m->columnCount(); ++c)
        shownTitles << m->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(shownTitles, titles);   // the key column is hidden
    for (int c = 0; c < widths.size(); ++c)
        if (widths[c])
            QCOMPARE(w->grid()->columnWidth(c), widths[c]);
    w->dataset().fetchAll();
    QStringList names;
    for (int r = 0; r < m->rowCount(); ++r)
        names << cell(*w, r, 0);
    QCOMPARE(names, expectedNames);
    QVERIFY(!names.isEmpty());

    QCOMPARE(w->width(), clientSize.width());
    QCOMPARE(w->height() - the<QMenuBar>(*w, "menubar")->sizeHint().height(), clientSize.height());
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QCOMPARE(bool(w->windowFlags() & Qt::WindowMaximizeButtonHint), minMax);
    QVERIFY(w->windowFlags() & Qt::WindowCloseButtonHint);
}

void TestLookupEditors::captionsFromCatalogue_data()
{
    QTest::addColumn<LookupList>("which");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<bool>("fromAdministration");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("question");

    const QStringList sortTitle{"L:SortID"};
    QTest::newRow("address types, administration") << LookupList::AddressTypes << true << true << "L:addresstypes"
                                                   << "L:addresstypes" << (QStringList{"L:addresstypes"} + sortTitle) << "?";
    QTest::newRow("address types, person editor") << LookupList::AddressTypes << true << false << "Adresstypes"
                                                  << "L:addresstypes" << (QStringList{"L:addresstypes"} + sortTitle) << "?";
    QTest::newRow("communication types, administration")
        << LookupList::CommunicationTypes << true << true << "L:communicationtypes" << "L:communicationtypes"
        << (QStringList{"L:communicationtypes"} + sortTitle) << "?";
    QTest::newRow("internet types, administration") << LookupList::InternetTypes << true << true << "L:communicationinternet"
                                                    << "L:communicationinternet" << (QStringList{"L:name"} + sortTitle) << "?";
    QTest::newRow("internet types, person editor") << LookupList::InternetTypes << true << false << "CommunicationInternet"
                                                   << "L:communicationinternet" << (QStringList{"L:name"} + sortTitle) << "?";
    QTest::newRow("groups, administration") << LookupList::Groups << true << true << "L:groups" << "L:groups"
                                            << QStringList{"L:groups"} << "?";
    QTest::newRow("salutations, administration") << LookupList::Salutations << true << true << "L:salutations"
                                                 << "L:salutations" << QStringList{"L:salutation"} << "?";
    QTest::newRow("salutations, person editor") << LookupList::Salutations << true << false << "Salutations"
                                                << "L:salutations" << QStringList{"L:salutation"} << "?";
    QTest::newRow("titles, administration") << LookupList::Titles << true << true << "L:titles" << "L:titles"
                                            << QStringList{"L:title"} << "&?";
    QTest::newRow("titles, person editor") << LookupList::Titles << true << false << "Titles" << "L:titles"
                                           << QStringList{"L:title"} << "&?";
    QTest::newRow("titles, not loaded") << LookupList::Titles << false << true << "Titles" << "&Titles"
                                        << QStringList{"Title"} << "&?";
}

void TestLookupEditors::captionsFromCatalogue()
{
    QFETCH(LookupList, which);
    QFETCH(bool, loaded);
    QFETCH(bool, fromAdministration);
    QFETCH(QString, caption);
    QFETCH(QString, menu);
    QFETCH(QStringList, titles);
    QFETCH(QString, question);
    Fixture f;
    if (loaded)
        f.session->loadCatalogue(f.db.dir(), "L:");
    QCOMPARE(f.session->lang().Loaded, loaded);

    QStringList seen;
    QPointer<QDialog> shown;
    f.messages.modalHandlers << [&](QDialog* d) {
        shown = d;
        auto* w = static_cast<LookupEditor*>(d);
        seen << the<QMenu>(*w, "m_list")->title() << the<QAction>(*w, "m_close")->text()
             << the<QAction>(*w, "m_help")->text() << the<QMenu>(*w, "m_question")->title();
        for (int c = 0; c < w->grid()->dataModel()->columnCount(); ++c)
            seen << w->grid()->dataModel()->headerData(c, Qt::Horizontal).toString();
        d->close();
        return int(QDialog::Rejected);
    };
    openLookupEditor(which, *f.session, &f.owner, fromAdministration);
    QCOMPARE(f.messages.modalTitles, QStringList{caption});
    const QString close = loaded ? "L:close" : "&Close";
    const QString help = loaded ? "L:help" : "&Help";
    QCOMPARE(seen, (QStringList{menu, close, help, question} + titles));
    QVERIFY(shown.isNull());   // destroyed by the opener
}

void TestLookupEditors::closingCommitsLeftRowsAndDropsTheCellBeingTyped_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Close menu") << 0;
    QTest::newRow("title bar") << 1;
    QTest::newRow("display ends without closing") << 2;
}

void TestLookupEditors::closingCommitsLeftRowsAndDropsTheCellBeingTyped()
{
    QFETCH(int, how);
    Fixture f;
    f.messages.modalHandlers << [&](QDialog* d) {
        auto* w = static_cast<LookupEditor*>(d);
        DataGrid* grid = w->grid();
        w->dataset().fetchAll();
        grid->setCurrentIndex(grid->dataModel()->index(0, 0));
        QTest::keyClick(typeInCell(grid, "Home"), Qt::Key_Tab);
        QTest::keyClick(grid, Qt::Key_Down);            // leaving the row saves it
        grid->setCurrentIndex(grid->dataModel()->index(1, 0));
        typeInCell(grid, "Unsaved");                    // still in the cell when the window closes
        if (how == 0)
            the<QAction>(*w, "m_close")->trigger();
        else if (how == 1)
            w->close();
        return int(QDialog::Rejected);
    };
    openLookupEditor(LookupList::AddressTypes, *f.session, &f.owner, true);
    QVERIFY(f.errors.isEmpty());
    QCOMPARE(f.committed("select at_name from addresstype order by at_sortid"),
             (QStringList{"Home", kGeschaeftlich, "Ferienwohnung", "Postfach"}));
}

void TestLookupEditors::newRowReadsBackKeyAndCanBeChangedAndDeleted()
{
    Fixture f;
    QString key;
    {
        Tf_adresstypes w(*f.session, &f.owner);
        DataGrid* grid = w.grid();
        w.dataset().fetchAll();
        grid->setCurrentIndex(grid->dataModel()->index(3, 0));
        QTest::keyClick(grid, Qt::Key_Down);           // below the last row: a new row
        QCOMPARE(w.dataset().state(), DataSet::State::Insert);
        QTest::keyClick(typeInCell(grid, "Studio"), Qt::Key_Tab);
        typeInCell(grid, "5");
        the<DBNavigator>(w, "navigator")->click(DBNavigator::Post);   // takes the sort value still in the cell
        QVERIFY(f.errors.isEmpty());
        key = w.dataset().value("AT_ID").toString();
        QVERIFY(!key.isEmpty());
        QVERIFY(grid->dataModel()->setData(grid->dataModel()->index(4, 0), "Atelier"));
        the<DBNavigator>(w, "navigator")->click(DBNavigator::Post);
        QVERIFY(f.errors.isEmpty());
    }
    QCOMPARE(f.committed("select at_name || '/' || at_sortid from addresstype where at_id = " + key),
             QStringList{"Atelier/5"});
    {
        Tf_adresstypes w(*f.session, &f.owner);
        QVERIFY(w.dataset().locate("AT_ID", key.toInt()));
        the<DBNavigator>(w, "navigator")->click(DBNavigator::Insert);
        QVERIFY(w.grid()->dataModel()->setData(w.grid()->currentIndex().siblingAtColumn(0), "Temporary"));
        QVERIFY(w.grid()->dataModel()->setData(w.grid()->currentIndex().siblingAtColumn(1), "9"));
        the<DBNavigator>(w, "navigator")->click(DBNavigator::Post);
        f.messages.answers << true;
        QTest::keyClick(w.grid(), Qt::Key_Delete, Qt::ControlModifier);   // the row saved a moment ago
        QVERIFY(w.dataset().locate("AT_ID", key.toInt()));
        f.messages.answers << true;
        the<DBNavigator>(w, "navigator")->click(DBNavigator::Delete);
        QVERIFY(f.errors.isEmpty());
    }
    QCOMPARE(f.committed("select at_name from addresstype order by at_sortid"),
             (QStringList{"Privat", kGeschaeftlich, "Ferienwohnung", "Postfach"}));
}

void TestLookupEditors::declinedDeleteLeavesTheRow()
{
    Fixture f;
    {
        Tf_salutation w(*f.session, &f.owner);
        w.dataset().fetchAll();
        w.grid()->setCurrentIndex(w.grid()->dataModel()->index(1, 0));
        f.messages.answers << false << false;
        QTest::keyClick(w.grid(), Qt::Key_Delete, Qt::ControlModifier);
        the<DBNavigator>(w, "navigator")->click(DBNavigator::Delete);
        QCOMPARE(f.messages.confirmations, (QStringList{"Delete record?", "Delete record?"}));
        QCOMPARE(w.grid()->dataModel()->rowCount(), 3);
    }
    QCOMPARE(f.committed("select s_name from salutation order by s_name"), (QStringList{"Familie", "Frau", "Herr"}));
}

void TestLookupEditors::deletingATypeInUseIsRefusedAndWindowStaysUsable()
{
    Fixture f("insert into object (O_ID, O_TYPE, O_NAME1) values (1, 'C', 'Firm');\n"
              "insert into address (A_OID, A_ATID, A_PREF, A_POSTCODE, A_TOWN, A_STREET) values (1, 1, '@', 1010, 'Wien', 'Ring');\n"
              "commit;\n");
    {
        Tf_adresstypes w(*f.session, &f.owner);
        w.dataset().fetchAll();
        f.messages.answers << true;
        QTest::keyClick(w.grid(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f.errors.size(), 1);
        QVERIFY2(f.errors[0].contains("FK_ADDRESS_ADDRESSTYPE"), qPrintable(f.errors[0]));
        QCOMPARE(w.grid()->dataModel()->rowCount(), 4);
        QCOMPARE(cell(w, 0, 0), QString("Privat"));
        QCOMPARE(w.grid()->currentIndex().row(), 0);
        // The transaction goes on: a change in another row is saved and committed.
        QVERIFY(w.grid()->dataModel()->setData(w.grid()->dataModel()->index(3, 0), "PO Box"));
        w.grid()->setCurrentIndex(w.grid()->dataModel()->index(2, 0));
        QCOMPARE(f.errors.size(), 1);
    }
    QCOMPARE(f.committed("select at_name from addresstype order by at_sortid"),
             (QStringList{"Privat", kGeschaeftlich, "Ferienwohnung", "PO Box"}));
}

void TestLookupEditors::refusedValues_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("error");
    QTest::newRow("empty name") << 0 << "" << "Field 'AT_NAME' must have a value";
    QTest::newRow("empty sort") << 1 << "" << "Field 'AT_SORTID' must have a value";
    QTest::newRow("fraction") << 1 << "1.5" << "'1.5' is not a valid integer value for field 'AT_SORTID'";
    QTest::newRow("letters") << 1 << "x" << "'x' is not a valid integer value for field 'AT_SORTID'";
}

void TestLookupEditors::refusedValues()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, error);
    Fixture f;
    {
        Tf_adresstypes w(*f.session, &f.owner);
        w.dataset().fetchAll();
        w.grid()->setCurrentIndex(w.grid()->dataModel()->index(0, column));
        // Leaving the cell towards the other cell of the same row.
        QTest::keyClick(typeInCell(w.grid(), typed), column == 0 ? Qt::Key_Tab : Qt::Key_Backtab);
        the<DBNavigator>(w, "navigator")->click(DBNavigator::Post);
        QCOMPARE(f.errors, QStringList{error});
        w.grid()->setCurrentIndex(w.grid()->dataModel()->index(2, 0));   // moving on is refused too
        QCOMPARE(f.errors.size(), column == 0 || typed.isEmpty() ? 2 : 1);
    }
    QCOMPARE(f.committed("select at_name || '/' || at_sortid from addresstype where at_sortid = 1"),
             QStringList{"Privat/1"});
}

void TestLookupEditors::gridFetchesAsItScrolls()
{
    QString sql;
    for (int i = 0; i < 300; ++i)
        sql += QStringLiteral("insert into title (T_NAME) values ('T%1');\n").arg(i, 4, 10, QChar('0'));
    Fixture f(sql + "commit;\n");
    Tf_titles w(*f.session, &f.owner);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCoreApplication::processEvents();
    QVERIFY(!w.dataset().allFetched());
    const int shown = w.grid()->dataModel()->rowCount();
    QVERIFY(shown > 1);
    QVERIFY(shown < 300);
    for (int i = 0; i < 100 && !w.dataset().allFetched(); ++i) {
        w.grid()->verticalScrollBar()->setValue(w.grid()->verticalScrollBar()->maximum());
        QCoreApplication::processEvents();
    }
    QVERIFY(w.dataset().allFetched());
    QCOMPARE(w.grid()->dataModel()->rowCount(), 307);
}

void TestLookupEditors::helpNoticesBelongToTheWindow()
{
    Fixture f;
    QPointer<Tf_not_implemented> first;
    {
        Tf_groups w(*f.session, &f.owner);
        the<QAction>(w, "m_help")->trigger();
        the<QAction>(w, "m_help")->trigger();
        const auto notices = w.findChildren<Tf_not_implemented*>();
        QCOMPARE(notices.size(), 2);
        first = notices[0];
        QVERIFY(first->isVisible());
        QCOMPARE(f.messages.modalTitles.size(), 0);   // shown without waiting
    }
    QVERIFY(first.isNull());
}

void TestLookupEditors::destroyedAndCommittedAlsoOnError()
{
    Fixture f;
    QPointer<QDialog> shown;
    f.messages.modalHandlers << [&](QDialog* d) -> int {
        shown = d;
        auto* w = static_cast<LookupEditor*>(d);
        w->dataset().fetchAll();
        w->grid()->dataModel()->setData(w->grid()->dataModel()->index(0, 0), "Sir");
        the<DBNavigator>(*w, "navigator")->click(DBNavigator::Post);
        throw AppError("modal display failed");
    };
    bool thrown = false;
    try {
        openLookupEditor(LookupList::Salutations, *f.session, &f.owner, false);
    } catch (const AppError& e) {
        thrown = e.message() == "modal display failed";
    }
    QVERIFY(thrown);
    QVERIFY(shown.isNull());
    QCOMPARE(f.committed("select s_name from salutation order by s_id"), (QStringList{"Herr", "Frau", "Sir"}));
}

QTEST_MAIN(TestLookupEditors)
#include "tst_lookupeditors.moc"
