#pragma once
// The main window: the program itself. Its creation is the whole start-up; it
// owns the connection, the main transaction, the catalogue and the settings,
// and shows the contact list from which everything else is reached.
#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/DbTransaction.h"
#include "settings/Language.h"
#include "settings/Settings.h"
#include "widgets/Session.h"

#include <QMainWindow>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace pellori {

class DataGrid;
class DataSource;
class IniSnapshot;

class Tf_mainForm : public QMainWindow, public Session {
    Q_OBJECT
public:
    explicit Tf_mainForm(const QString& programDir, QWidget* parent = nullptr);
    ~Tf_mainForm() override;

    // ---- Session ----
    Connection& connection() override { return db_address; }
    DbTransaction& mainTransaction() override { return db_transaction; }
    const TLang& lang() const override { return m_lang; }
    StandardValues& standardValues() override { return m_standardValues; }
    QString configPath() const override { return m_configPath; }
    QAction* faqAction() override { return BrowseURL1; }
    void openPersonEditor(int key) override;
    void openCompanyEditor(int key) override;

    // ---- what the program and its tests look at ----
    bool terminationRequested() const { return m_terminationRequested; }
    const QStringList& attachParams() const { return db_address.params; }
    DataSet& contacts() { return *dbdataset_object; }
    DataSet& groups() { return *ibquery_listgroups; }
    QComboBox* groupChoice() const { return RxDBLookupCombo_groups; }
    // The chosen group's G_ID as decimal text; empty when none is chosen.
    QString groupChoiceValue() const;
    QString faqAddress() const { return m_faqAddress; }

    // ---- commands ----
    void SearchByText();
    void GroupSearch();
    void SaveWindowSize();
    void SaveWindowPosition();
    void ShowDetails();

    // The application-wide error handler; the newest window's handlers run before it.
    void ApplicationEvents_mainFormException(const std::exception& error);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

signals:
    // Emitted when the program should end once control is back in the event loop.
    void terminateRequested();

private:
    void buildControls();
    void buildMenus();
    void buildContextMenu();
    void buildDataSets();
    void connectCommands();
    void replaceCaptions();
    void startUp();
    void RestoreWindowPlacement(const IniSnapshot& ini);
    void openGroupList();
    void requestTermination();

    // Outer (frame) geometry, which the configuration file stores. The frame is
    // known only once the window exists on screen, so the wanted outer rectangle
    // is kept and applied again when the window is first shown.
    void applyOuterGeometry();
    void setOuterLeft(int left);
    void setOuterTop(int top);
    void setOuterWidth(int width);
    void setOuterHeight(int height);
    void putIntoNormalState();

    // Handlers.
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

    QString m_programDir;       // with a trailing separator
    QString m_configPath;
    QString m_faqAddress;
    bool m_terminationRequested = false;
    QRect m_outer;
    bool m_shownOnce = false;
    TLang m_lang;
    StandardValues m_standardValues;

    // Declared in the order of their dependencies: the data sets go before the
    // transaction, and the transaction (committing) before the connection.
    Connection db_address;
    DbTransaction db_transaction;
    std::unique_ptr<EditableDataSet> dbdataset_object;
    std::unique_ptr<QueryDataSet> ibquery_listgroups;
    DataSource* dbsource_object = nullptr;

public:
    // Controls and menu items, named as their roles.
    QPushButton* btn_displayall = nullptr;
    QLabel* label_fulltextsearch = nullptr;
    QLineEdit* FullTextSearch = nullptr;
    QPushButton* btn_fulltextsearch = nullptr;
    QComboBox* RxDBLookupCombo_groups = nullptr;
    QPushButton* btn_groupsearch = nullptr;
    DataGrid* RxDBGrid1 = nullptr;

    QMenu* System1 = nullptr;
    QMenu* m_options = nullptr;
    QAction* m_size = nullptr;
    QAction* m_position = nullptr;
    QAction* m_size_position = nullptr;
    QAction* m_standardvalues = nullptr;
    QAction* m_exit = nullptr;
    QMenu* m_add = nullptr;
    QAction* m_company = nullptr;
    QAction* m_person = nullptr;
    QMenu* m_show = nullptr;
    QAction* m_details = nullptr;
    QMenu* m_print = nullptr;
    QMenu* m_print_addressbook = nullptr;
    QList<QAction*> addressBookItems;   // doctors, A-Z, then the twelve letter ranges
    QAction* menu_birthdaylist = nullptr;
    QMenu* m_admin = nullptr;
    QAction* m_address = nullptr;
    QAction* m_internet = nullptr;
    QAction* m_communication = nullptr;
    QAction* m_groups = nullptr;
    QAction* m_salutation = nullptr;
    QAction* m_title = nullptr;
    QMenu* m_info = nullptr;
    QAction* m_faqonline = nullptr;
    QAction* Help1 = nullptr;
    QAction* Version1 = nullptr;
    QAction* BrowseURL1 = nullptr;

    QMenu* PopupMenu1 = nullptr;
    QAction* miShowDetails = nullptr;
    QMenu* m_add_new = nullptr;
    QAction* m_add_new_company = nullptr;
    QAction* m_add_new_person = nullptr;
    QAction* popup_deleteitem = nullptr;
};

} // namespace pellori
