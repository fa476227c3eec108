#pragma once
// The main window: the program itself. Its creation is the whole start-up; it
// owns the session (connection, main transaction, catalogue, settings) and
// shows the contact list from which everything else is reached. Window code
// only: the statements, the placement rules, the error texts and the session
// live in units of their own.
#include "app/session/PelloriSession.h"
#include "data/DataSet.h"
#include "services/Session.h"

#include <QMainWindow>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace pellori {

class DataGrid;
class DataSource;
class DBLookupComboBox;
class IniSnapshot;
class OuterGeometry;
class ContactDeletion;

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
    QAction* faqAction() override { return BrowseURL1; }
    void openPersonEditor(int key) override;
    void openCompanyEditor(int key) override;

    // ---- what the program and its tests look at ----
    bool terminationRequested() const { return m_terminationRequested; }
    const QStringList& attachParams() const { return m_session.connection().params; }
    DataSet& contacts() { return *dbdataset_object; }
    DataSet& groups() { return *ibquery_listgroups; }
    // The chosen group's G_ID as decimal text; empty when none is chosen.
    QString groupChoiceValue() const;
    QString faqAddress() const { return m_faqAddress; }

    // The application-wide error handler; the newest window's handlers run before it.
    void ApplicationEvents_mainFormException(const std::exception& error);

signals:
    // Emitted when the program should end once control is back in the event loop.
    void terminateRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    class Placement;

    void buildDataSets();
    void buildControls();
    void buildMenus();
    void buildContextMenu();
    void connectCommands();
    void replaceCaptions();
    void startUp();
    void openGroupList();
    void rereadGroupList();
    void layoutClient(const QSize& client);
    int labelMinWidth() const;
    int topRowMinWidth() const;
    void updateMinimumSize();
    void requestTermination();

    // Commands.
    void SearchByText();
    void GroupSearch();
    void SaveWindowSize();
    void SaveWindowPosition();
    void ShowDetails();
    void miShowDetailsClick();
    void AddNewCompany();
    void AddNewPerson();
    void addNew(bool company);
    void popup_deleteitemClick();
    void rereadToLastRow();
    void listNewContact(int key);
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
    void m_importvcardClick();
    void m_exportvcardClick();

    // Declared first, so that it goes last: the data sets below go before the
    // main transaction commits and the connection closes.
    PelloriSession m_session;
    QString m_faqAddress;
    bool m_terminationRequested = false;
    OuterGeometry* m_outer = nullptr;

    std::unique_ptr<EditableDataSet> dbdataset_object;
    std::unique_ptr<QueryDataSet> ibquery_listgroups;
    DataSource* dbsource_object = nullptr;
    DataSource* datasource_groups = nullptr;
    std::unique_ptr<ContactDeletion> m_deletion;

    // Controls, named as their roles.
    QPushButton* btn_displayall = nullptr;
    QLabel* label_fulltextsearch = nullptr;
    QLineEdit* FullTextSearch = nullptr;
    QPushButton* btn_fulltextsearch = nullptr;
    DBLookupComboBox* RxDBLookupCombo_groups = nullptr;
    QPushButton* btn_groupsearch = nullptr;
    DataGrid* RxDBGrid1 = nullptr;

    // Menus and items whose names carry no member prefix.
    QMenu* System1 = nullptr;
    QAction* menu_birthdaylist = nullptr;
    QAction* Help1 = nullptr;
    QAction* Version1 = nullptr;
    QAction* BrowseURL1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* miShowDetails = nullptr;
    QAction* popup_deleteitem = nullptr;
    QList<QAction*> addressBookItems;   // doctors, A-Z, then the twelve letter ranges

    // Menus and items named m_... (their objectNames), held without that prefix.
    struct {
        QMenu *options, *add, *show, *print, *print_addressbook, *admin, *info, *add_new;
        QAction *size, *position, *size_position, *standardvalues, *exit, *company, *person, *details, *address,
            *internet, *communication, *groups, *salutation, *title, *faqonline, *add_new_company, *add_new_person;
    } m_menu = {};
    QAction* m_importvcard = nullptr;
    QAction* m_exportvcard = nullptr;
};

} // namespace pellori
