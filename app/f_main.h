#pragma once
// The main window: the program itself. Its creation is the whole start-up; it
// owns the session (connection, main transaction, catalogue, settings) and
// shows the contact list from which everything else is reached. Window code
// only: its commands stand in one table (MainCommands.cpp), the statements,
// the layout, the placement rules, the error texts and the session live in
// units of their own.
#include "app/ContactList.h"
#include "app/session/PelloriSession.h"
#include "search/ListSettings.h"
#include "services/Commands.h"
#include "services/Session.h"

#include <QMainWindow>
#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace pellori {

class DataGrid;
class DataSource;
class DBLookupComboBox;
class OuterGeometry;
class UndoDeletes;
enum class LookupList;

class Tf_mainForm : public QMainWindow, public Session {
    Q_OBJECT
public:
    explicit Tf_mainForm(const QString& programDir, QWidget* parent = nullptr);
    ~Tf_mainForm() override;

    // ---- Session ----
    Connection& connection() override { return m_session.connection(); }
    DbTransaction& mainTransaction() override { return m_session.mainTransaction(); }
    const TLang& lang() const override { return m_session.lang(); }
    StandardValues& standardValues() override { return m_session.standardValues(); }
    QString configPath() const override { return m_session.configPath(); }
    bool canWrite() override { return m_session.canWrite(); }
    QAction* faqAction() override { return BrowseURL1; }
    void openPersonEditor(int key) override;
    void openCompanyEditor(int key) override;

    // ---- what the program and its tests look at ----
    bool terminationRequested() const { return m_terminationRequested; }
    const QStringList& attachParams() const { return m_session.connection().params; }
    DataSet& contacts() { return m_list.contacts(); }
    DataSet& groups() { return m_list.groups(); }
    // The chosen group's G_ID as decimal text; empty when none is chosen.
    QString groupChoiceValue() const;
    QString faqAddress() const { return m_faqAddress; }

    // Imports a vCard file as System > Import vCard... does, without asking for it.
    void importFile(const QString& path);

    // The application-wide error handler; the newest window's handlers run before it.
    void ApplicationEvents_mainFormException(const std::exception& error);

signals:
    // Emitted when the program should end once control is back in the event loop.
    void terminateRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A normal end (Exit, the close box) makes the backup that is due.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildCommands();
    std::vector<Command> commandTable();
    void replaceCaptions();
    void startUp();
    void openGroupList();
    void rereadGroupList();
    void layoutClient(const QSize& client);
    int labelMinWidth() const;
    void updateMinimumSize();
    void requestTermination();
    // What the user may run now: a reader runs no command that changes the book,
    // and Undo delete waits for a delete.
    void updateCommands();

    // Every menu item runs here; what the list does afterwards is applied in rereadContacts.
    void runCommand(const Command& command);
    void rereadContacts(Afterwards afterwards, int named, const ContactList::Place& before);

    // Commands.
    void SearchByText();
    void GroupSearch();
    // The search as the user types, within the chosen group; an empty box lists everyone, as "All".
    void searchAsTyped();
    // The list as the settings now say, for the text and group in force; the settings remembered.
    void applyListSettings(const search::ListSettings& settings);
    void scopeChosen();
    void sortByColumnAt(int section);
    void showColumnMenu();
    // The header's sort indicator and the column menu's checks, as the list and the settings stand.
    void showListState();
    std::optional<int> chosenGroup() const;
    void SaveWindowSize();
    void SaveWindowPosition();
    void ShowDetails();
    template <typename Editor>
    void openEditor(int key, const QString& captionKey);
    void AddNewCompany(int& made);
    void AddNewPerson(int& made);
    template <typename Dialog>
    void addNew(int& made);
    void popup_deleteitemClick();
    void btn_fulltextsearchClick();
    void btn_displayallClick();
    void btn_groupsearchClick();
    void m_sizeClick();
    void m_positionClick();
    void m_size_positionClick();
    void RxDBGrid1DblClick();
    void Help1Click();
    void Version1Click();
    void BrowseURL1Execute();
    void m_importvcardClick(int& first);
    // Runs an import of a file: first gets the O_ID of its first stored
    // contact, and the group box reads the groups again.
    void importFromFile(int (*import)(Session&, QWidget*), int& first);
    void listImported(int first);
    void m_exportvcardClick();
    void m_restorebackupClick();
    void openLookup(LookupList list);

    // Declared first, so that it goes last: the data sets below go before the
    // main transaction commits and the connection closes.
    PelloriSession m_session;
    QString m_faqAddress;
    bool m_terminationRequested = false;
    OuterGeometry* m_outer = nullptr;

    ContactList m_list;
    // Deletes through the trash and undoes them; goes before the session.
    std::unique_ptr<UndoDeletes> m_undo;
    DataSource* dbsource_object = nullptr;
    DataSource* datasource_groups = nullptr;

    // Controls, named as their roles.
    QPushButton* btn_displayall = nullptr;
    QLabel* label_fulltextsearch = nullptr;
    QLineEdit* FullTextSearch = nullptr;
    QComboBox* search_scope = nullptr;
    // The pause after a keystroke before the list follows the search box.
    QTimer* m_typingPause = nullptr;
    QMenu* m_columnMenu = nullptr;
    search::ListSettings m_listSettings;
    QPushButton* btn_fulltextsearch = nullptr;
    DBLookupComboBox* RxDBLookupCombo_groups = nullptr;
    QPushButton* btn_groupsearch = nullptr;
    DataGrid* RxDBGrid1 = nullptr;

    QAction* BrowseURL1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    std::unique_ptr<CommandMenus> m_commands;
};

} // namespace pellori
