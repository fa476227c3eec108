// The main window on a program folder of its own: start-up and its failure
// paths, the connection's parameters, the searches on the demo contacts, the
// application error handler, window placement and the catalogue's captions.
#include "app/f_main.h"
#include "editors/detail/DetailList.h"
#include "MainMessages.h"
#include "RecordingMessages.h"
#include "ProgramDir.h"
#include "TestDb.h"
#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "data/Postcode.h"
#include "data/SqlStatement.h"
#include "search/ContactListQuery.h"
#include "settings/AppError.h"
#include "settings/IniFile.h"
#include "settings/Language.h"
#include "settings/uBase64Codec.h"
#include "services/CommandGuard.h"
#include "widgets/DataGrid.h"
#include "widgets/OuterGeometry.h"

#include <firebird/Interface.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QRadioButton>
#include <QtTest>

#include <memory>

using namespace pellori;
using pellori::test::ProgramDir;
using pellori::test::RecordingMessages;
using pellori::test::iniText;
using pellori::test::employeesMessage;
using pellori::test::loginMessage;

namespace {

// A control or menu item of the window, found by its name.
template <typename T, typename W>
T* the(const W& window, const char* name)
{
    T* found = window->template findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("the main window has no %s", name);
    return found;
}

std::unique_ptr<Tf_mainForm> startIn(const test::ProgramDir& dir) { return std::make_unique<Tf_mainForm>(dir.path()); }

// Every value of one field over the whole list (the list is left on its last row).
QStringList columnOf(DataSet& ds, const QString& field)
{
    QStringList out;
    if (!ds.isOpen())
        return out;
    ds.last();
    const int f = ds.fieldIndex(field);
    for (int row = 0; row < ds.rowCount(); ++row)
        out << ds.value(row, f).toString();
    return out;
}

// The statement the list runs for a text or a group, as the contact list's
// query gives it on this book (the original statement's rows, in its order).
QString listStatement(Tf_mainForm& w, const QString& text, std::optional<int> group = std::nullopt)
{
    return search::ContactListQuery(w.mainTransaction()).statement({.text = text, .group = group});
}

// The [MainWindow] keys in the order they stand in the file.
QStringList mainWindowKeys(const QByteArray& ini)
{
    QStringList keys;
    bool inSection = false;
    for (const QByteArray& raw : ini.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('['))
            inSection = line.compare("[MainWindow]", Qt::CaseInsensitive) == 0;
        else if (inSection && line.contains('='))
            keys << QString::fromLatin1(line.left(line.indexOf('=')));
    }
    return keys;
}

// A catalogue holding every key the main window uses, each text naming its key.
QByteArray fullCatalogue()
{
    const QList<QPair<QByteArray, QByteArray>> keys = {
        {"f_Main", "system"},       {"f_Main", "options"},       {"f_Main", "savewindowsize"},
        {"f_Main", "savewindowposition"}, {"f_Main", "saveboth"}, {"f_Main", "exit"},
        {"f_Main", "addnew"},       {"f_Main", "company"},       {"f_Main", "person"},
        {"f_Main", "show"},         {"f_Main", "details"},       {"f_Main", "print"},
        {"f_Main", "addressbook"},  {"f_Main", "doctors"},       {"f_Main", "administration"},
        {"f_Main", "communicationinternet"}, {"f_Main", "groups"}, {"f_Main", "salutations"},
        {"f_Main", "titles"},       {"f_Main", "about"},         {"f_Main", "all"},
        {"f_Main", "fulltextsearch"}, {"f_Main", "search"},      {"f_Main", "deleteitem"},
        {"f_Main", "menufaq"},      {"common", "birthdaylist"},  {"common", "addresstypes"},
        {"common", "communicationtypes"}, {"common", "help"},    {"f_standardvalues", "menu"},
    };
    QByteArray lang = "[Pellori]\r\nVersion=1.0\r\n";
    QByteArray section;
    for (const auto& [sec, key] : keys) {
        if (sec != section)
            lang += "[" + sec + "]\r\n";
        section = sec;
        lang += key + "=<" + key + ">\r\n";
    }

    return lang;
}

} // namespace

class tst_MainForm : public QObject {
    Q_OBJECT

private slots:
    void startsWithGroupsAndContacts();
    void startUpFailures_data();
    void startUpFailures();
    void listOpensLaterThroughAll();
    void attachParameters_data();
    void attachParameters();
    void textSearchFinds_data();
    void textSearchFinds();
    void enterInSearchBoxSearches();
    void windowCommandsWinOverSearchBox();
    void gridFollowsWindowSize();
    void keyboardLeavesTheListAndEnterPresses();
    void searchButtonsClearInputs();
    void groupSearchFindsMembers();
    void handlerShowsAndEndsOnRefusedLogin();
    void errorMessagesFromCatalogue();
    void ctrlDeleteIsDeleteItem_data();
    void ctrlDeleteIsDeleteItem();
    void employeesConstraintFromServer();
    void placementRestored_data();
    void placementRestored();
    void maximisedPlacementReadsNoPosition();
    void placementKeysWrittenInOrder();
    void unwritableConfigurationReported();
    void catalogueReplacesCaptions();
    void everyMenuItemTakesItsCatalogueText();
    void menusInTheirOrderWithTheirShortcuts_data();
    void menusInTheirOrderWithTheirShortcuts();
    void administrationOpensLookupEditors();
    void emptyCatalogueKeepsFixedParts();
    void faqAndInformationWindows();
    void detailsReReadOnlyFromTheContextMenu();
    void printMenuOpensPreviewsAndRefusesABadDoctorsValue();
    void standardValuesTakeEffectAtOnce();
    void vcardExportOfTheListImportedAgain();
};

void tst_MainForm::startsWithGroupsAndContacts()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    // The embedded engine holds the file while the window is open: ask isql first.
    const QString firstId = dir.column(QStringLiteral("select first 1 o_id from p_view_company_and_person "
                                                      "order by o_name collate de_de;"),
                                       QStringLiteral("O_ID"))
                                .value(0);
    const QStringList groups =
        dir.column(QStringLiteral("select g_name from groupt order by g_name collate de_de;"), QStringLiteral("G_NAME"));
    QVERIFY(!firstId.isEmpty());
    QVERIFY(!groups.isEmpty());
    auto w = startIn(dir);

    QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join(QLatin1Char('|'))));
    QVERIFY(!w->terminationRequested());
    QCOMPARE(w->contacts().selectSql(), listStatement(*w, QString()));
    QVERIFY(w->contacts().isOpen());
    QCOMPARE(w->contacts().recNo(), 0);
    QCOMPARE(w->contacts().value(QStringLiteral("O_ID")).toString(), firstId);

    // The group choice lists every group, in the list's own order, and starts empty.
    QStringList shown;
    for (int i = 0; i < the<QComboBox>(w, "RxDBLookupCombo_groups")->count(); ++i)
        shown << the<QComboBox>(w, "RxDBLookupCombo_groups")->itemText(i);
    QCOMPARE(shown, groups);
    QCOMPARE(the<QComboBox>(w, "RxDBLookupCombo_groups")->currentIndex(), -1);
    QCOMPARE(the<QComboBox>(w, "RxDBLookupCombo_groups")->maxVisibleItems(), 20);
    QCOMPARE(w->groupChoiceValue(), QString());

    QCOMPARE(w->standardValues().addressType, 1);
    QCOMPARE(w->standardValues().administratorMode, QStringLiteral("0"));
    QCOMPARE(w->configPath(), dir.file(QStringLiteral("Pellori.ini")));
    QCOMPARE(w->connection().databaseName(), dir.file(QStringLiteral("PELLORI.QVX")));
    QCOMPARE(w->mainTransaction().params(), (QStringList{"read_committed", "rec_version", "nowait"}));
    QVERIFY(w->mainTransaction().isActive());
    // The book of the original schema was brought up to date before the first read.
    QVERIFY(postcode::hasWrittenColumn(w->mainTransaction()));
    QCOMPARE(w->focusWidget(), the<QLineEdit>(w, "FullTextSearch"));

    // The grid shows the name alone.
    QCOMPARE(the<DataGrid>(w, "RxDBGrid1")->model()->columnCount(), 1);
    QCOMPARE(the<DataGrid>(w, "RxDBGrid1")->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));
}

void tst_MainForm::startUpFailures_data()
{
    QTest::addColumn<bool>("writeIni");
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("terminates");
    QTest::addColumn<bool>("groupsOpen");
    QTest::addColumn<bool>("contactsOpen");
    QTest::addColumn<QList<int>>("typeKeys");

    const QList<int> ones{1, 1, 1, 1, 1, 1};
    QTest::newRow("missing ini") << false << QByteArray() << QStringLiteral(
        "Your ini-File has version  and not the needed version 1.0.\r\n\r\nThe application will be closed.")
                                 << true << true << true << ones;
    QTest::newRow("wrong version") << true << iniText({}, "1.00") << QStringLiteral(
        "Your ini-File has version 1.00 and not the needed version 1.0.\r\n\r\nThe application will be closed.")
                                   << true << true << true << ones;
    QTest::newRow("version in quotes passes") << true << iniText({}, "\"1.0\"") << QString() << false << true
                                              << true << ones;
    QTest::newRow("non-integer standard value")
        << true << iniText("[StandardValues]\r\naddresstypecompany=7\r\ncommunicationtype=abc\r\ninternettype=3\r\n")
        << QStringLiteral("'abc' is not a valid integer value") << false << true << false
        << QList<int>{1, 7, 0, 0, 0, 0};
    QTest::newRow("non-integer window value")
        << true << iniText("[MainWindow]\r\nWindowsState=wsNormal\r\nLeft=10\r\nTop=x1\r\nHeight=300\r\nWidth=400\r\n")
        << QStringLiteral("'x1' is not a valid integer value") << false << false << false
        << QList<int>{0, 0, 0, 0, 0, 0};
    QTest::newRow("missing window value") << true << iniText("[MainWindow]\r\nWindowsState=wsNormal\r\n")
                                          << QStringLiteral("'' is not a valid integer value") << false << false
                                          << false << QList<int>{0, 0, 0, 0, 0, 0};
}

void tst_MainForm::startUpFailures()
{
    QFETCH(bool, writeIni);
    QFETCH(QByteArray, ini);
    QFETCH(QString, message);
    QFETCH(bool, terminates);
    QFETCH(bool, groupsOpen);
    QFETCH(bool, contactsOpen);
    QFETCH(QList<int>, typeKeys);

    RecordingMessages rec;
    ProgramDir dir;
    if (writeIni)
        dir.write(QStringLiteral("Pellori.ini"), ini);
    auto w = startIn(dir);

    QCOMPARE(rec.messages, message.isNull() ? QStringList() : QStringList{message});
    QCOMPARE(w->terminationRequested(), terminates);
    QCOMPARE(w->groups().isOpen(), groupsOpen);
    QCOMPARE(the<QComboBox>(w, "RxDBLookupCombo_groups")->count() > 0, groupsOpen);
    QCOMPARE(w->contacts().isOpen(), contactsOpen);
    const StandardValues& sv = w->standardValues();
    QCOMPARE((QList<int>{sv.addressType, sv.addressTypeCompany, sv.communicationType, sv.communicationTypeCompany,
                         sv.internetType, sv.internetTypeCompany}),
             typeKeys);
    if (!contactsOpen)
        QCOMPARE(sv.doctors, QString());
    // Nothing is written at start, not even when the file is missing.
    QCOMPARE(QFile::exists(dir.file(QStringLiteral("Pellori.ini"))), writeIni);
    // The window is shown all the same.
    w->show();
    QVERIFY(w->isVisible());
}

void tst_MainForm::listOpensLaterThroughAll()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText("[MainWindow]\r\nWindowsState=wsNormal\r\n"));
    const int everyone =
        dir.column(QStringLiteral("select count(*) as n from object;"), QStringLiteral("N")).value(0).toInt();
    QVERIFY(everyone > 40);
    auto w = startIn(dir);
    QVERIFY(!w->contacts().isOpen());

    the<QPushButton>(w, "btn_displayall")->click();
    QVERIFY(w->contacts().isOpen());
    QCOMPARE(columnOf(w->contacts(), QStringLiteral("O_ID")).size(), everyone);
}

void tst_MainForm::attachParameters_data()
{
    QTest::addColumn<QByteArray>("database");
    QTest::addColumn<QStringList>("last3");

    QTest::newRow("keys missing") << QByteArray()
                                  << QStringList{"user_name=", "password=", "lc_ctype="};
    QTest::newRow("password decoded")
        << QByteArray("dbusername=someone\r\ndbpassword=" + EncodeBase64Text("s3cr\xE9t") + "\r\nlc_ctype=WIN1252\r\n")
        << QStringList{"user_name=someone", QStringLiteral("password=s3cr\u00E9t"), "lc_ctype=WIN1252"};
    QTest::newRow("plain password is not Base64")
        << QByteArray("dbusername=QVXPELLORI\r\ndbpassword=*vemlox!\r\nlc_ctype=ISO8859_1\r\n")
        << QStringList{"user_name=QVXPELLORI", "password=", "lc_ctype=ISO8859_1"};
    QTest::newRow("a role after the login")
        << QByteArray("dbusername=QVXPELLORI\r\nrole= PELLORI_READER \r\n")
        << QStringList{"user_name=QVXPELLORI", "password=", "lc_ctype=", "sql_role_name=PELLORI_READER"};
}

void tst_MainForm::attachParameters()
{
    QFETCH(QByteArray, database);
    QFETCH(QStringList, last3);

    RecordingMessages rec;
    ProgramDir dir;
    // The Database section stands last so that its lines are the test's alone.
    dir.write(QStringLiteral("Pellori.ini"), "[Pellori]\r\nVersion=1.0\r\n[Database]\r\n" + database);
    auto w = startIn(dir);

    QCOMPARE(w->attachParams(),
             QStringList({"user_name=QVXPELLORI", "password=*vemlox!", "lc_ctype=ISO8859_1"}) + last3);
}

void tst_MainForm::textSearchFinds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("mustFind");

    QTest::newRow("eie") << QStringLiteral("eie") << QStringList{"Meier, Hans", "MEIER, Klaus"};
    QTest::newRow("o'neil") << QStringLiteral("o'neil") << QStringList{"Brennan & O'Neil Solicitors"};
    QTest::newRow("single underscore") << QStringLiteral("_") << QStringList{};
    QTest::newRow("umlaut typed small") << QStringLiteral("m\u00FCller") << QStringList{"M\u00FCller Elektrotechnik GmbH"};
    QTest::newRow("umlaut typed capital") << QStringLiteral("\u00D6KO") << QStringList{"\u00D6ko-B\u00E4ckerei Sonnenkorn"};
}

void tst_MainForm::textSearchFinds()
{
    QFETCH(QString, text);
    QFETCH(QStringList, mustFind);

    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    auto w = startIn(dir);
    const QStringList all = columnOf(w->contacts(), QStringLiteral("O_NAME"));
    QVERIFY(all.size() > 40);

    the<QLineEdit>(w, "FullTextSearch")->setText(text);
    the<QPushButton>(w, "btn_fulltextsearch")->click();
    QCOMPARE(w->contacts().recNo(), 0);
    const QStringList found = columnOf(w->contacts(), QStringLiteral("O_NAME"));

    // "_" matches any one character, so it finds every named contact; otherwise a
    // substring match that ignores case, in the German order of the first list.
    QStringList expected;
    for (const QString& name : all)
        if (text == QLatin1String("_") ? !name.isEmpty() : name.toUpper().contains(text.toUpper()))
            expected << name;
    QCOMPARE(found, expected);
    for (const QString& name : mustFind)
        QVERIFY2(found.contains(name), qPrintable(name));
}

void tst_MainForm::enterInSearchBoxSearches()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    auto w = startIn(dir);
    the<QComboBox>(w, "RxDBLookupCombo_groups")->setCurrentIndex(0);

    QTest::keyClicks(the<QLineEdit>(w, "FullTextSearch"), QStringLiteral("eie"));
    QTest::keyClick(the<QLineEdit>(w, "FullTextSearch"), Qt::Key_Return);
    QCOMPARE(w->contacts().selectSql(), listStatement(*w, QStringLiteral("eie")));
    QCOMPARE(the<QComboBox>(w, "RxDBLookupCombo_groups")->currentIndex(), -1);
    QCOMPARE(the<QLineEdit>(w, "FullTextSearch")->text(), QStringLiteral("eie"));
}

void tst_MainForm::windowCommandsWinOverSearchBox()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    auto w = startIn(dir);
    w->show();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    the<QLineEdit>(w, "FullTextSearch")->setFocus();
    QTest::keyClicks(the<QLineEdit>(w, "FullTextSearch"), QStringLiteral("abc"));
    QTest::keyClick(the<QLineEdit>(w, "FullTextSearch"), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(the<QLineEdit>(w, "FullTextSearch")->selectedText(), QStringLiteral("abc"));

    // Ctrl+C copies selected text; otherwise in the search box it is "Add New > Company" while that is enabled.
    auto* company = w->findChild<QAction*>(QStringLiteral("m_company"));
    QVERIFY(company);
    int added = 0;
    connect(company, &QAction::triggered, this, [&added] { ++added; });
    company->setEnabled(true);
    QApplication::clipboard()->clear();
    QTest::keyClick(the<QLineEdit>(w, "FullTextSearch"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(added, 0);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("abc"));
    the<QLineEdit>(w, "FullTextSearch")->deselect();
    QTest::keyClick(the<QLineEdit>(w, "FullTextSearch"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(added, 1);
    company->setEnabled(false);
    QTest::keyClick(the<QLineEdit>(w, "FullTextSearch"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(added, 1);

    QTest::keyClick(the<QLineEdit>(w, "FullTextSearch"), Qt::Key_E, Qt::ControlModifier);   // "Exit"
    QVERIFY(!w->isVisible());
}

void tst_MainForm::keyboardLeavesTheListAndEnterPresses()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    auto w = startIn(dir);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    auto* grid = the<DataGrid>(w, "RxDBGrid1");
    auto* groups = the<QComboBox>(w, "RxDBLookupCombo_groups");
    // Tab goes left to right along the row above the list, then into it, and round.
    for (const auto& [key, mods, next] : {std::tuple{Qt::Key_Tab, Qt::NoModifier, "btn_displayall"},
                                          std::tuple{Qt::Key_Backtab, Qt::ShiftModifier, "btn_groupsearch"}}) {
        grid->setFocus();
        QTest::keyClick(grid, key, mods);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString(next));
    }
    // Enter on a button presses that button, not the default one.
    the<QLineEdit>(w, "FullTextSearch")->setText(QStringLiteral("eie"));
    the<QPushButton>(w, "btn_fulltextsearch")->click();
    the<QPushButton>(w, "btn_displayall")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(w->contacts().selectSql(), listStatement(*w, QString()));
    // Enter in the group box presses the window's default button, which clears the group.
    groups->setCurrentIndex(1);
    the<QLineEdit>(w, "FullTextSearch")->setText(QStringLiteral("eie"));
    groups->setFocus();
    QTest::keyClick(groups, Qt::Key_Enter);
    QCOMPARE(groups->currentIndex(), -1);
    QCOMPARE(w->contacts().selectSql(), listStatement(*w, QStringLiteral("eie")));
    // Shrunk as far as it goes, the menu and the top row stay whole.
    w->resize(10, 10);
    QTRY_VERIFY(the<QPushButton>(w, "btn_groupsearch")->geometry().right() < w->centralWidget()->width());
    QVERIFY(w->menuBar()->sizeHint().width() <= w->width());
}

void tst_MainForm::gridFollowsWindowSize()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    auto w = startIn(dir);
    w->show();
    auto* grid = w->findChild<QWidget*>(QStringLiteral("RxDBGrid1"));
    QVERIFY(grid);
    const QWidget* client = w->centralWidget();
    w->resize(w->width() + 200, w->height() + 150);
    QTRY_COMPARE(grid->geometry().right(), client->width() - 1 - 12);
    QCOMPARE(grid->geometry().bottom(), client->height() - 1 - 12);
    QCOMPARE(grid->geometry().topLeft(), QPoint(8, 40));
}

void tst_MainForm::searchButtonsClearInputs()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    auto w = startIn(dir);
    const int everyone = columnOf(w->contacts(), QStringLiteral("O_ID")).size();

    // A group search with no group chosen lists everyone and empties the search box.
    the<QLineEdit>(w, "FullTextSearch")->setText(QStringLiteral("eie"));
    the<QPushButton>(w, "btn_groupsearch")->click();
    QCOMPARE(the<QLineEdit>(w, "FullTextSearch")->text(), QString());
    QCOMPARE(w->contacts().selectSql(), listStatement(*w, QString()));
    QCOMPARE(columnOf(w->contacts(), QStringLiteral("O_ID")).size(), everyone);

    // "All" after a group search empties both inputs and lists everyone.
    the<QComboBox>(w, "RxDBLookupCombo_groups")->setCurrentIndex(1);
    the<QPushButton>(w, "btn_groupsearch")->click();
    QVERIFY(columnOf(w->contacts(), QStringLiteral("O_ID")).size() < everyone);
    the<QLineEdit>(w, "FullTextSearch")->setText(QStringLiteral("x"));
    the<QPushButton>(w, "btn_displayall")->click();
    QCOMPARE(the<QLineEdit>(w, "FullTextSearch")->text(), QString());
    QCOMPARE(the<QComboBox>(w, "RxDBLookupCombo_groups")->currentIndex(), -1);
    QCOMPARE(the<QComboBox>(w, "RxDBLookupCombo_groups")->currentText(), QString());
    QCOMPARE(w->contacts().selectSql(), listStatement(*w, QString()));
    QCOMPARE(columnOf(w->contacts(), QStringLiteral("O_ID")).size(), everyone);

    // "Search" beside the box keeps the text and empties the group choice.
    the<QComboBox>(w, "RxDBLookupCombo_groups")->setCurrentIndex(0);
    the<QLineEdit>(w, "FullTextSearch")->setText(QStringLiteral("meier"));
    the<QPushButton>(w, "btn_fulltextsearch")->click();
    QCOMPARE(the<QLineEdit>(w, "FullTextSearch")->text(), QStringLiteral("meier"));
    QCOMPARE(the<QComboBox>(w, "RxDBLookupCombo_groups")->currentIndex(), -1);
}

void tst_MainForm::groupSearchFindsMembers()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    QHash<QString, QString> idOfName;
    QHash<QString, QStringList> members;
    const QStringList ids = dir.column(QStringLiteral("select g_id from groupt order by g_id;"), QStringLiteral("G_ID"));
    const QStringList names =
        dir.column(QStringLiteral("select g_name from groupt order by g_id;"), QStringLiteral("G_NAME"));
    QCOMPARE(ids.size(), names.size());
    for (int i = 0; i < ids.size(); ++i) {
        idOfName.insert(names[i], ids[i]);
        QStringList m = dir.column(QStringLiteral("select b2g_oid from belong2group where b2g_gid = %1;").arg(ids[i]),
                                   QStringLiteral("B2G_OID"));
        m.removeDuplicates();
        m.sort();
        members.insert(ids[i], m);
    }
    auto w = startIn(dir);
    QCOMPARE(the<QComboBox>(w, "RxDBLookupCombo_groups")->count(), ids.size());

    for (int i = 0; i < the<QComboBox>(w, "RxDBLookupCombo_groups")->count(); ++i) {
        the<QComboBox>(w, "RxDBLookupCombo_groups")->setCurrentIndex(i);
        const QString gid = w->groupChoiceValue();
        QCOMPARE(gid, idOfName.value(the<QComboBox>(w, "RxDBLookupCombo_groups")->itemText(i)));
        the<QPushButton>(w, "btn_groupsearch")->click();
        QCOMPARE(w->contacts().selectSql(), listStatement(*w, QString(), gid.toInt()));
        QStringList found = columnOf(w->contacts(), QStringLiteral("O_ID"));
        found.sort();
        QCOMPARE(found, members.value(gid));
        // The choice stays as chosen.
        QCOMPARE(the<QComboBox>(w, "RxDBLookupCombo_groups")->currentIndex(), i);
    }
}

void tst_MainForm::handlerShowsAndEndsOnRefusedLogin()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    auto w = startIn(dir);
    QVERIFY(rec.messages.isEmpty());
    QSignalSpy terminate(w.get(), &Tf_mainForm::terminateRequested);
    // Raised inside a command, as a user action would.
    guarded([] { throw std::runtime_error("bad things"); });
    QVERIFY(!w->terminationRequested());
    guarded([] { throw DbError(QStringLiteral("Firebird Login refused"), 0); });
    QCOMPARE(rec.messages, (QStringList{QStringLiteral("bad things"), loginMessage()}));
    QVERIFY(w->terminationRequested());
    QCOMPARE(terminate.count(), 1);
}

void tst_MainForm::errorMessagesFromCatalogue()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    dir.write(QStringLiteral("Pellori.lang"),
              "[Pellori]\r\nVersion=1.0\r\n[f_Main]\r\ndatabaseerror=Datenbankfehler:%RETURN%\r\n"
              "error_person_exist=Firma hat Mitarbeiter.%RETURN%Ende\r\n"
              "initializationerror=Anmeldung%RETURN%abgelehnt%RETURN%\r\n");
    auto w = startIn(dir);

    guarded([] { throw DbError(QStringLiteral("... \"FK5_PERSON\" ..."), 335544466L); });
    guarded([] { throw DbError(QStringLiteral("login refused"), isc_login); });
    QCOMPARE(rec.messages,
             (QStringList{QStringLiteral("Datenbankfehler:%RETURN%\n\r\n\rFirma hat Mitarbeiter.%RETURN%Ende"),
                          QStringLiteral("Anmeldung\r\nabgelehnt\r\n")}));
}

void tst_MainForm::ctrlDeleteIsDeleteItem_data()
{
    QTest::addColumn<QString>("contactSelect");
    QTest::addColumn<bool>("deleted");

    QTest::newRow("company with staff") << QStringLiteral("select first 1 p_cid as id from person where p_cid is not null;")
                                        << false;
    QTest::newRow("person") << QStringLiteral("select first 1 p_id as id from person;") << true;
}

void tst_MainForm::ctrlDeleteIsDeleteItem()
{
    QFETCH(QString, contactSelect);
    QFETCH(bool, deleted);

    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    const QString id = dir.column(contactSelect, QStringLiteral("ID")).value(0);
    QVERIFY(!id.isEmpty());
    auto w = startIn(dir);
    w->show();
    QApplication::setActiveWindow(w.get());
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    const int before = columnOf(w->contacts(), QStringLiteral("O_ID")).size();
    auto* grid = the<DataGrid>(w, "RxDBGrid1");
    grid->setFocus();

    // No asks the question and changes nothing.
    QVERIFY(w->contacts().locate(QStringLiteral("O_ID"), id.toInt()));
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(rec.confirmations, QStringList{ReplaceReturn(w->lang().text(QStringLiteral("questdeleteentry")))});
    QCOMPARE(columnOf(w->contacts(), QStringLiteral("O_ID")).size(), before);

    // Yes deletes the contact with all its rows, or refuses a company that has staff.
    QVERIFY(w->contacts().locate(QStringLiteral("O_ID"), id.toInt()));
    rec.answers << true;
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(rec.confirmations.size(), 2);
    QCOMPARE(rec.messages, deleted ? QStringList() : QStringList{employeesMessage()});
    QCOMPARE(columnOf(w->contacts(), QStringLiteral("O_ID")).contains(id), !deleted);
    QVERIFY(!w->terminationRequested());
}

void tst_MainForm::employeesConstraintFromServer()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    const QString company =
        dir.column(QStringLiteral("select first 1 p_cid as id from person where p_cid is not null;"),
                   QStringLiteral("ID"))
            .value(0);
    QVERIFY(!company.isEmpty());
    auto w = startIn(dir);

    // The server's own wording of the refused company delete.
    guarded([&] {
        SqlStatement del(w->mainTransaction(), QStringLiteral("delete from company where c_id = :o_id"));
        del.setParam(QStringLiteral("o_id"), company.toInt());
        del.execute();
    });
    QCOMPARE(rec.messages, QStringList{employeesMessage()});
    QVERIFY(!w->terminationRequested());
}

void tst_MainForm::placementRestored_data()
{
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const int sw = screen.width();
    const int sh = screen.height();

    QTest::addColumn<QString>("state");
    QTest::addColumn<QRect>("saved");      // left, top, width, height as written
    QTest::addColumn<QRect>("expected");
    // Widths stay above the window's minimum, which keeps the menu and the top row whole.

    QTest::newRow("right edge exactly at the screen's")
        << "wsNormal" << QRect(sw - 640, 20, 640, 300) << QRect(sw - 640, 20, 640, 300);
    QTest::newRow("one pixel beyond the right edge")
        << "wsNormal" << QRect(sw - 639, 20, 640, 300) << QRect(321, 20, 634, 300);
    QTest::newRow("bottom edge exactly at the screen's")
        << "wsNormal" << QRect(10, sh - 300, 640, 300) << QRect(10, sh - 300, 640, 300);
    QTest::newRow("one pixel beyond the bottom edge")
        << "wsNormal" << QRect(10, sh - 299, 640, 300) << QRect(10, 292, 640, 431);
    QTest::newRow("beyond both") << "wsNormal" << QRect(sw, sh, 100, 100) << QRect(321, 292, 634, 431);
    // (Checked before showing only: the offscreen platform pulls a frame back on screen.)
    QTest::newRow("above and left of the screen")
        << "wsNormal" << QRect(-20, -10, 620, 300) << QRect(-20, -10, 620, 300);
    QTest::newRow("state in another case") << "wsnormal" << QRect(10, 20, 400, 300) << QRect(337, 306, 699, 398);
    QTest::newRow("no state") << "" << QRect(10, 20, 400, 300) << QRect(337, 306, 699, 398);
}

void tst_MainForm::placementRestored()
{
    QFETCH(QString, state);
    QFETCH(QRect, saved);
    QFETCH(QRect, expected);

    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"),
              iniText(QStringLiteral("[MainWindow]\r\nWindowsState=%1\r\nLeft=%2\r\nTop=%3\r\nWidth=%4\r\nHeight=%5\r\n")
                          .arg(state)
                          .arg(saved.x())
                          .arg(saved.y())
                          .arg(saved.width())
                          .arg(saved.height())
                          .toLatin1()));
    auto w = startIn(dir);
    // Whatever the rules give is then kept on the work area (this screen is 800 pixels wide), not below the
    // window's minimum.
    expected = keptInside(expected, QGuiApplication::primaryScreen()->availableGeometry(), w->minimumSize());
    QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join(QLatin1Char('|'))));
    QCOMPARE(w->frameGeometry(), expected);
    QVERIFY(!(w->windowState() & Qt::WindowMaximized));
    QVERIFY(w->contacts().isOpen());
    // The outer edges stay where they were put once the window has its frame (a placement saved
    // above or left of the screen is checked before showing only, as the data says).
    if (saved.x() < 0 || saved.y() < 0)
        return;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QCOMPARE(w->frameGeometry(), expected);
}

void tst_MainForm::maximisedPlacementReadsNoPosition()
{
    RecordingMessages rec;
    ProgramDir dir;
    // The position keys are not read at all: their nonsense is never converted.
    dir.write(QStringLiteral("Pellori.ini"),
              iniText("[MainWindow]\r\nWindowsState=wsMaximized\r\nLeft=left\r\nTop=top\r\n"));
    auto w = startIn(dir);
    QCOMPARE(rec.messages, QStringList());
    QVERIFY(w->windowState() & Qt::WindowMaximized);
    QVERIFY(w->contacts().isOpen());
}

void tst_MainForm::placementKeysWrittenInOrder()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    auto w = startIn(dir);
    w->move(-15, 40);
    w->resize(510, 290);
    const QRect outer = w->frameGeometry();

    // Size alone: no position, so the next start would stop at the missing Left.
    the<QAction>(w, "m_size")->trigger();
    QCOMPARE(mainWindowKeys(dir.read(QStringLiteral("Pellori.ini"))),
             (QStringList{"WindowsState", "Height", "Width"}));

    the<QAction>(w, "m_size_position")->trigger();
    QCOMPARE(mainWindowKeys(dir.read(QStringLiteral("Pellori.ini"))),
             (QStringList{"WindowsState", "Height", "Width", "Left", "Top"}));
    const IniFile ini(dir.file(QStringLiteral("Pellori.ini")));
    const QString s = QStringLiteral("MainWindow");
    QCOMPARE(ini.readString(s, QStringLiteral("WindowsState")), QStringLiteral("wsNormal"));
    QCOMPARE(ini.readString(s, QStringLiteral("Left")), QString::number(outer.x()));
    QCOMPARE(ini.readString(s, QStringLiteral("Top")), QString::number(outer.y()));
    QCOMPARE(ini.readString(s, QStringLiteral("Width")), QString::number(outer.width()));
    QCOMPARE(ini.readString(s, QStringLiteral("Height")), QString::number(outer.height()));
    // Saving does not move the window.
    QCOMPARE(w->frameGeometry(), outer);
    QVERIFY(rec.messages.isEmpty());

    // What was saved comes back at the next start.
    auto again = startIn(dir);
    QCOMPARE(again->frameGeometry(), keptInside(outer, QGuiApplication::primaryScreen()->availableGeometry()));

    // A maximised window saves its state; position alone leaves the state alone.
    again->setWindowState(Qt::WindowMaximized);
    the<QAction>(again, "m_position")->trigger();
    QCOMPARE(IniFile(dir.file(QStringLiteral("Pellori.ini"))).readString(s, QStringLiteral("WindowsState")),
             QStringLiteral("wsNormal"));
    the<QAction>(again, "m_size")->trigger();
    QCOMPARE(IniFile(dir.file(QStringLiteral("Pellori.ini"))).readString(s, QStringLiteral("WindowsState")),
             QStringLiteral("wsMaximized"));
}

void tst_MainForm::unwritableConfigurationReported()
{
    RecordingMessages rec;
    ProgramDir dir;
    // A folder where the file should be: it reads as missing and cannot be written.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Pellori.ini")));
    auto w = startIn(dir);
    rec.messages.clear();

    the<QAction>(w, "m_size_position")->trigger();
    QCOMPARE(rec.messages,
             QStringList{QStringLiteral("Unable to write to %1").arg(dir.file(QStringLiteral("Pellori.ini")))});
}

void tst_MainForm::catalogueReplacesCaptions()
{
    const QByteArray lang = fullCatalogue();
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    dir.write(QStringLiteral("Pellori.lang"), lang);
    auto w = startIn(dir);
    QVERIFY(w->lang().Loaded);

    const QList<QPair<const char*, const char*>> expected = {
        {"System1", "<system>"},
        {"m_options", "<options>"},
        {"m_size", "<savewindowsize>"},
        {"m_position", "<savewindowposition>"},
        {"m_size_position", "<saveboth>"},
        {"m_standardvalues", "<menu>"},
        {"m_exit", "<exit>"},
        {"m_add", "<addnew>"},
        {"m_add_new", "<addnew>"},
        {"m_company", "<company>"},
        {"m_add_new_company", "<company>"},
        {"m_person", "<person>"},
        {"m_add_new_person", "<person>"},
        {"m_show", "<show>"},
        {"m_details", "<details>"},
        {"miShowDetails", "<details>"},
        {"m_print", "<print>"},
        {"m_print_addressbook", "<addressbook>"},
        {"A1", "<addressbook> (<doctors>)"},
        {"AddressbookAZ1", "<addressbook> (A-Z)"},
        {"AddressbookA1", "<addressbook> (A..., B...)"},
        {"AddressbookB1", "<addressbook> (C..., D...)"},
        {"AddressbookC1", "<addressbook> (E..., F...)"},
        {"AddressbookD1", "<addressbook> (G..., H...)"},
        {"AddressbookE1", "<addressbook> (I..., J..., K...)"},
        {"AddressbookF1", "<addressbook> (L..., M...)"},
        {"AddresbookG1", "<addressbook> (N..., O...)"},
        {"AddressbookH1", "<addressbook> (P..., Q...)"},
        {"AddressbookI1", "<addressbook> (R..., S...)"},
        {"AddressbookJ1", "<addressbook> (T..., U...)"},
        {"AddressbookK1", "<addressbook> (V..., W...)"},
        {"AddressbookL1", "<addressbook> (X..., Y..., Z...)"},
        {"menu_birthdaylist", "<birthdaylist>"},
        {"m_admin", "<administration>"},
        {"m_address", "<addresstypes>"},
        {"m_internet", "<communicationinternet>"},
        {"m_communication", "<communicationtypes>"},
        {"m_groups", "<groups>"},
        {"m_salutation", "<salutations>"},
        {"m_title", "<titles>"},
        {"m_faqonline", "<menufaq>"},
        {"BrowseURL1", "<menufaq>"},
        {"Help1", "<help>"},
        {"Version1", "<about>"},
        {"btn_displayall", "<all>"},
        {"label_fulltextsearch", "<fulltextsearch>"},
        {"btn_fulltextsearch", "<search>"},
        {"btn_groupsearch", "<search>"},
        {"popup_deleteitem", "<deleteitem>"},
    };
    for (const auto& [name, text] : expected) {
        QString caption;
        if (auto* menu = w->findChild<QMenu*>(QLatin1String(name)))
            caption = menu->title();
        else if (auto* action = w->findChild<QAction*>(QLatin1String(name)))
            caption = action->text();
        else if (auto* button = w->findChild<QAbstractButton*>(QLatin1String(name)))
            caption = button->text();
        else if (auto* label = w->findChild<QLabel*>(QLatin1String(name)))
            caption = label->text();
        else
            QFAIL(name);
        QCOMPARE(caption, QString::fromLatin1(text));
    }
    // Not from the catalogue: the window's caption and the "?" menu.
    QCOMPARE(w->windowTitle(), QStringLiteral("pellori.example - Pellori"));
    QCOMPARE(the<QMenu>(w, "m_info")->title(), QStringLiteral("&?"));
}

void tst_MainForm::everyMenuItemTakesItsCatalogueText()
{
    // Every key of the catalogue, grouped by section, each text naming its key:
    // an item whose key the catalogue does not know would be left empty.
    QMap<QByteArray, QByteArray> sections;
    for (const LangKey& k : TLang::keys())
        sections[k.section] += QByteArray(k.key) + "=<" + k.key + ">\r\n";
    QByteArray lang = "[Pellori]\r\nVersion=1.0\r\n";
    for (auto it = sections.cbegin(); it != sections.cend(); ++it)
        lang += "[" + it.key() + "]\r\n" + it.value();
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    dir.write(QStringLiteral("Pellori.lang"), lang);
    auto w = startIn(dir);
    QList<QAction*> items = w->menuBar()->actions() + the<QMenu>(w, "PopupMenu1")->actions();
    for (int i = 0; i < items.size(); ++i) {
        if (QMenu* menu = items[i]->menu())
            items += menu->actions();
        if (!items[i]->isSeparator() && items[i]->text() != QLatin1String("&?"))   // "?" is the same everywhere
            QVERIFY2(items[i]->text().startsWith(QLatin1Char('<')), qPrintable(items[i]->text()));
    }
    QVERIFY(items.size() > 40);
}

void tst_MainForm::menusInTheirOrderWithTheirShortcuts_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("entries");   // objectName and shortcut; "-" an unnamed separator
    QTest::newRow("menu bar") << "m_main"
                              << QStringList{"System1", "m_add",         "m_show", "m_print",
                                             "m_admin", "m_undodelete Ctrl+Z", "m_info"};
    QTest::newRow("System") << "System1"
                            << QStringList{"m_options",        "-",           "m_importvcard",   "m_importcsv",
                                           "m_importldif",     "m_exportvcard", "m_exportcsv",     "m_exportldif",
                                           "m_exportbirthdays", "-",           "m_trash",         "m_backupnow",
                                           "m_restorebackup",  "-",           "m_findduplicates", "-",
                                           "m_exit Ctrl+E"};
    QTest::newRow("Options") << "m_options"
                             << QStringList{"m_size", "m_position", "m_size_position", "-", "m_standardvalues"};
    QTest::newRow("Add New") << "m_add" << QStringList{"m_company Ctrl+C", "m_person Ctrl+P"};
    QTest::newRow("Show") << "m_show" << QStringList{"m_details Ctrl+D"};
    QTest::newRow("Print") << "m_print"
                           << QStringList{"m_print_addressbook", "menu_birthdaylist", "m_print_postal",
                                          "m_upcomingbirthdays"};
    QTest::newRow("Labels and lists") << "m_print_postal"
                                      << QStringList{"m_print_labels", "m_print_envelopes", "m_print_phonelist"};
    QTest::newRow("AddressBook") << "m_print_addressbook"
                                 << QStringList{"A1", "N5", "AddressbookAZ1", "N6", "AddressbookA1", "AddressbookB1",
                                                "AddressbookC1", "AddressbookD1", "AddressbookE1", "AddressbookF1",
                                                "AddresbookG1", "AddressbookH1", "AddressbookI1", "AddressbookJ1",
                                                "AddressbookK1", "AddressbookL1"};
    QTest::newRow("Administration") << "m_admin"
                                    << QStringList{"m_address", "m_internet", "m_communication", "m_groups",
                                                   "m_salutation", "m_title"};
    QTest::newRow("?") << "m_info" << QStringList{"m_faqonline", "-", "Help1", "-", "Version1"};
    QTest::newRow("context menu") << "PopupMenu1"
                                  << QStringList{"miShowDetails Ctrl+D", "-", "m_add_new", "-", "popup_deleteitem Ctrl+Del"};
    QTest::newRow("context Add new") << "m_add_new" << QStringList{"m_add_new_company Ctrl+C", "m_add_new_person Ctrl+P"};
}

void tst_MainForm::menusInTheirOrderWithTheirShortcuts()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, entries);
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    auto w = startIn(dir);
    QStringList found, mnemonics;
    for (const QAction* a : w->findChild<QWidget*>(menu)->actions()) {
        const QString name = a->menu() ? a->menu()->objectName() : a->objectName();
        const QString keys = a->shortcut().toString();
        found << (name.isEmpty() && a->isSeparator() ? QStringLiteral("-") : keys.isEmpty() ? name : name + ' ' + keys);
        // Two items of one menu on one letter: the letter only selects, and the next key typed runs another
        // item. The Options menu's two items on S are its long-standing captions, kept as users know them.
        const QString letter = QKeySequence::mnemonic(a->text()).toString();
        QVERIFY2(letter.isEmpty() || !mnemonics.contains(letter) || menu == "m_options", qPrintable(a->text()));
        mnemonics << letter;
    }
    QCOMPARE(found, entries);
}

void tst_MainForm::administrationOpensLookupEditors()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    dir.write(QStringLiteral("Pellori.lang"), fullCatalogue());
    auto w = startIn(dir);

    for (QAction* item : {the<QAction>(w, "m_address"), the<QAction>(w, "m_internet"), the<QAction>(w, "m_communication"), the<QAction>(w, "m_groups"), the<QAction>(w, "m_salutation"), the<QAction>(w, "m_title")}) {
        QVERIFY(item->isEnabled());
        item->trigger();
    }
    // Each editor modal in turn, with the catalogue's caption, and gone afterwards.
    QCOMPARE(rec.modalTitles, (QStringList{"<addresstypes>", "<communicationinternet>", "<communicationtypes>",
                                           "<groups>", "<salutations>", "<titles>"}));
    QCOMPARE(w->findChildren<QDialog*>().size(), 0);
    QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join(QLatin1Char('|'))));

    // A group added in the groups editor is offered by the group box at once.
    rec.modalHandlers << [&w](QDialog*) {
        DbTransaction tr(w->connection());
        SqlStatement(tr, QStringLiteral("insert into groupt (g_name) values ('Nachbarn')")).execute();
        tr.commit();
        return 0;
    };
    the<QAction>(w, "m_groups")->trigger();
    QVERIFY(the<QComboBox>(w, "RxDBLookupCombo_groups")->findText(QStringLiteral("Nachbarn")) >= 0);
}

void tst_MainForm::emptyCatalogueKeepsFixedParts()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());

    // Without a catalogue the built-in captions stand, irregular dots included.
    {
        auto w = startIn(dir);
        QVERIFY(!w->lang().Loaded);
        QCOMPARE(w->findChild<QAction*>(QStringLiteral("AddressbookA1"))->text(),
                 QStringLiteral("Addressbook (A.., B...)"));
        QCOMPARE(w->findChild<QAction*>(QStringLiteral("AddressbookC1"))->text(),
                 QStringLiteral("Addressbook (E...,F...)"));
        QCOMPARE(the<QAction>(w, "miShowDetails")->text(), QStringLiteral("Show Details"));
        QCOMPARE(the<QMenu>(w, "m_add_new")->title(), QStringLiteral("&Add new"));
        QCOMPARE(the<QAction>(w, "m_faqonline")->text(), QStringLiteral("FAQ-Online"));
    }

    dir.write(QStringLiteral("Pellori.lang"), "[Pellori]\r\nVersion=1.0\r\n");
    auto w = startIn(dir);
    QVERIFY(w->lang().Loaded);
    QCOMPARE(w->findChild<QAction*>(QStringLiteral("A1"))->text(), QStringLiteral(" ()"));
    QCOMPARE(w->findChild<QAction*>(QStringLiteral("AddressbookAZ1"))->text(), QStringLiteral(" (A-Z)"));
    QCOMPARE(w->findChild<QAction*>(QStringLiteral("AddressbookA1"))->text(), QStringLiteral(" (A..., B...)"));
    QCOMPARE(the<QPushButton>(w, "btn_displayall")->text(), QString());
    QCOMPARE(the<QAction>(w, "m_faqonline")->text(), QString());
    // The version message uses the catalogue's (here empty) text.
    dir.write(QStringLiteral("Pellori.ini"), iniText({}, "2.0"));
    rec.messages.clear();
    auto old = startIn(dir);
    QCOMPARE(rec.messages, QStringList{QString()});
    QVERIFY(old->terminationRequested());
}

void tst_MainForm::faqAndInformationWindows()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    auto w = startIn(dir);

    QCOMPARE(w->faqAction(), the<QAction>(w, "BrowseURL1"));
    QCOMPARE(the<QAction>(w, "BrowseURL1")->toolTip(), QStringLiteral("Browse URL"));
    the<QAction>(w, "m_faqonline")->trigger();
    the<QAction>(w, "BrowseURL1")->trigger();
    const QUrl faq(QStringLiteral("http://www.pellori.example/download/pellori_faq.html"));
    QCOMPARE(rec.urls, (QList<QUrl>{faq, faq}));

    // About: modal, destroyed as soon as it returns.
    the<QAction>(w, "Version1")->trigger();
    QCOMPARE(rec.modalTitles, QStringList{QStringLiteral("About Pellori")});
    QCOMPARE(w->findChildren<QDialog*>().size(), 0);

    // Help: a new window at every choice, not modal.
    the<QAction>(w, "Help1")->trigger();
    the<QAction>(w, "Help1")->trigger();
    QCOMPARE(rec.modalTitles.size(), 1);
    const auto helps = w->findChildren<QMainWindow*>();
    QCOMPARE(helps.size(), 2);
    for (QMainWindow* help : helps) {
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
    }
}

void tst_MainForm::detailsReReadOnlyFromTheContextMenu()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    auto w = startIn(dir);
    DataSet& list = w->contacts();
    QVERIFY(list.locate(QStringLiteral("O_NAME"), QStringLiteral("Bauer, Christine")));
    const QVariant id = list.value(QStringLiteral("O_ID"));
    // In the editor the user changes the family name and saves.
    const auto renameTo = [&rec](const QString& name) {
        rec.modalHandlers << [name](QDialog* editor) {
            auto* family = editor->findChild<QLineEdit*>(QStringLiteral("dbedit_familyname"));
            family->selectAll();
            QTest::keyClicks(family, name);
            editor->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
            return int(QDialog::Accepted);
        };
    };
    renameTo(QStringLiteral("Baur"));
    the<QAction>(w, "m_details")->trigger();
    QCOMPARE(rec.modalTitles, QStringList{QStringLiteral("Persons")});
    QCOMPARE(list.value(QStringLiteral("O_NAME")).toString(), QStringLiteral("Bauer, Christine"));   // not read again
    renameTo(QStringLiteral("Brauer"));
    the<QAction>(w, "miShowDetails")->trigger();
    QCOMPARE(list.value(QStringLiteral("O_NAME")).toString(), QStringLiteral("Brauer, Christine"));
    QCOMPARE(list.value(QStringLiteral("O_ID")), id);
    QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join(QLatin1Char('|'))));
}

void tst_MainForm::printMenuOpensPreviewsAndRefusesABadDoctorsValue()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText("[StandardValues]\r\ndoctors=1 or 1=1\r\n"));
    auto w = startIn(dir);
    QVERIFY(rec.messages.isEmpty());
    the<QAction>(w, "AddressbookAZ1")->trigger();
    the<QAction>(w, "menu_birthdaylist")->trigger();
    QCOMPARE(rec.modalTitles.size(), 2);
    // The doctors value never reaches the statement unless it is a number.
    the<QAction>(w, "A1")->trigger();
    QCOMPARE(rec.modalTitles.size(), 2);
    QCOMPARE(rec.messages, QStringList{QStringLiteral("'1 or 1=1' is not a valid integer value")});
}

void tst_MainForm::standardValuesTakeEffectAtOnce()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText("[StandardValues]\r\naddresstype=1\r\n"));
    auto w = startIn(dir);
    QAction* item = the<QAction>(w, "m_standardvalues");
    QVERIFY(item->isEnabled());

    QString chosen;
    rec.modalHandlers << [&](QDialog* d) {
        auto* box = d->findChild<QComboBox*>(QStringLiteral("addresstypeperson"));
        QTest::keyClick(box, Qt::Key_Home);
        chosen = box->currentData().toString();
        d->findChild<QPushButton*>(QStringLiteral("btn_ok"))->click();
        return d->result();
    };
    item->trigger();
    // Modal, owned by the main window and gone when it returns.
    QCOMPARE(rec.modalTitles, QStringList{QStringLiteral("Pellori - set standard values")});
    QCOMPARE(w->findChildren<QDialog*>().size(), 0);
    QVERIFY(!chosen.isEmpty() && chosen != QStringLiteral("1"));
    QCOMPARE(QString::number(w->standardValues().addressType), chosen);
    QCOMPARE(IniFile(dir.file(QStringLiteral("Pellori.ini"))).readString(QStringLiteral("StandardValues"),
                                                                       QStringLiteral("addresstype")),
             chosen);
    // A person's new address row in an editor opened now gets the new type.
    QVERIFY(w->contacts().locate(QStringLiteral("O_NAME"), QStringLiteral("Bauer, Christine")));
    QVariant newRowType;
    rec.modalHandlers << [&](QDialog* editor) {
        EditableDataSet& addresses = editor->findChild<DetailList*>(QStringLiteral("tab_address"))->dataSet();
        addresses.append();
        newRowType = addresses.value(QStringLiteral("A_ATID"));
        return int(QDialog::Rejected);
    };
    the<QAction>(w, "m_details")->trigger();
    QCOMPARE(newRowType.toString(), chosen);
    QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join(QLatin1Char('|'))));
}

void tst_MainForm::vcardExportOfTheListImportedAgain()
{
    RecordingMessages rec;
    ProgramDir dir;
    dir.write(QStringLiteral("Pellori.ini"), iniText());
    auto w = startIn(dir);
    the<QLineEdit>(w, "FullTextSearch")->setText(QStringLiteral("eie"));
    the<QPushButton>(w, "btn_fulltextsearch")->click();
    const QStringList meiers = columnOf(w->contacts(), QStringLiteral("O_NAME"));
    QCOMPARE(meiers.size(), 2);

    // The list as it shows, chosen as the window offers it.
    const QString file = dir.file(QStringLiteral("meier.vcf"));
    rec.fileAnswers << file;
    rec.modalHandlers << [](QDialog*) { return int(QDialog::Accepted); };
    the<QAction>(w, "m_exportvcard")->trigger();
    QCOMPARE(rec.messages, QStringList{"Contacts exported: 2, to \"" + file + "\"."});

    // Back in, with a card of a new group after them.
    QFile more(file);
    QVERIFY(more.open(QIODevice::Append));
    more.write("BEGIN:VCARD\r\nVERSION:4.0\r\nN:Neumeier;Eva;;;\r\nCATEGORIES:Vorstand\r\nEND:VCARD\r\n");
    more.close();
    rec.fileAnswers << file;
    // The two are contacts of the book already: the user has them added as new all the same.
    rec.modalHandlers << [](QDialog* question) {
        question->findChild<QRadioButton*>(QStringLiteral("rb_addnew"))->setChecked(true);
        return int(QDialog::Accepted);
    };
    the<QAction>(w, "m_importvcard")->trigger();
    QCOMPARE(rec.modalTitles, (QStringList{"Export vCard", "Contacts known already", "vCard import"}));
    // The list read again with its search: the first card's contact current, a new key.
    QCOMPARE(w->contacts().value(QStringLiteral("O_NAME")).toString(), meiers.first());
    QVERIFY(w->contacts().value(QStringLiteral("O_ID")).toInt() > 52);
    QCOMPARE(columnOf(w->contacts(), QStringLiteral("O_NAME")).size(), 5);
    QVERIFY(columnOf(w->groups(), QStringLiteral("G_NAME")).contains(QStringLiteral("Vorstand")));
    QCOMPARE(w->groupChoiceValue(), QString());
    QCOMPARE(rec.messages.size(), 1);
}

QTEST_MAIN(tst_MainForm)
#include "tst_mainform.moc"
