#include "app/f_main.h"

#include "app/MainErrorText.h"
#include "app/MainLayout.h"
#include "app/TerminationSignals.h"
#include "app/WindowPlacement.h"
#include "editors/f_add_company.h"
#include "editors/f_add_person.h"
#include "editors/f_comp.h"
#include "editors/f_person.h"
#include "exchange/vcard/VCardCommands.h"
#include "info/f_copy.h"
#include "info/f_help_main.h"
#include "lookups/LookupEditors.h"
#include "safety/BackupCommands.h"
#include "safety/TrashCommands.h"
#include "search/ListTexts.h"
#include "services/CommandGuard.h"
#include "services/ContextMenu.h"
#include "services/MessageService.h"
#include "services/Vendor.h"
#include "settings/AppError.h"
#include "settings/IniFile.h"
#include "widgets/DBLookupComboBox.h"
#include "widgets/DataGrid.h"
#include "widgets/DataSetModel.h"
#include "widgets/DataSource.h"
#include "widgets/OuterGeometry.h"
#include "widgets/StorableText.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QUrl>

namespace pellori {

Tf_mainForm::Tf_mainForm(const QString& programDir, QWidget* parent)
    : QMainWindow(parent), m_session(programDir), m_list(m_session.mainTransaction())
{
    m_undo = std::make_unique<UndoDeletes>(*this);
    setObjectName(QStringLiteral("f_mainForm"));
    setWindowTitle(vendor::applicationTitle());

    buildControls();
    buildCommands();

    // The built-in placement, used unless a saved one is restored: the outer
    // rectangle, frame included, applied again once the frame is known.
    m_outer = new OuterGeometry(this);
    m_outer->setOuterRect(placement::kBuiltIn);
    // Never so small that the menu or the top row of controls is cut off.
    updateMinimumSize();

    ErrorHandlers::add(this, [this](const std::exception& e) { ApplicationEvents_mainFormException(e); });

    guarded([this] { startUp(); });
    guarded([this] { updateCommands(); });
}

Tf_mainForm::~Tf_mainForm()
{
    ErrorHandlers::remove(this);
    // The controls and their sources look at the data sets; they go before them.
    delete RxDBGrid1;
    RxDBGrid1 = nullptr;
    delete RxDBLookupCombo_groups;
    RxDBLookupCombo_groups = nullptr;
    delete dbsource_object;
    dbsource_object = nullptr;
    delete datasource_groups;
    datasource_groups = nullptr;
}

// ---------------------------------------------------------------- building

void Tf_mainForm::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    const auto button = [client](const char* name, const char* text) {
        auto* b = new QPushButton(QLatin1String(text), client);
        b->setObjectName(QLatin1String(name));
        return b;
    };

    btn_displayall = button("btn_displayall", "All");
    label_fulltextsearch = new QLabel(QStringLiteral("FullTextSearch:"), client);
    label_fulltextsearch->setObjectName(QStringLiteral("label_fulltextsearch"));
    label_fulltextsearch->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FullTextSearch = new QLineEdit(client);
    FullTextSearch->setObjectName(QStringLiteral("FullTextSearch"));
    // The search text goes into a statement: only what the connection can carry.
    FullTextSearch->setValidator(
        new StorableTextValidator([this] { return m_session.connection().encoding(); }, FullTextSearch));
    btn_fulltextsearch = button("btn_fulltextsearch", "Search");
    btn_fulltextsearch->setDefault(true);
    search_scope = new QComboBox(client);
    search_scope->setObjectName(QStringLiteral("search_scope"));
    search_scope->setAccessibleName(lang().text(QStringLiteral("list_scope")));
    for (search::Scope scope : {search::Scope::Name, search::Scope::Everywhere})
        search_scope->addItem(search::scopeText(scope, lang()), int(scope));
    // A pause after the last keystroke: a name typed in one go is searched once.
    m_typingPause = new QTimer(this);
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(150);

    RxDBLookupCombo_groups = new DBLookupComboBox(client);
    RxDBLookupCombo_groups->setObjectName(QStringLiteral("RxDBLookupCombo_groups"));
    RxDBLookupCombo_groups->setMaxVisibleItems(20);
    RxDBLookupCombo_groups->setListSource(&m_list.groups(), QStringLiteral("G_NAME"), QStringLiteral("G_ID"));
    datasource_groups = new DataSource(&m_list.groups(), this);
    datasource_groups->setObjectName(QStringLiteral("datasource_groups"));
    btn_groupsearch = button("btn_groupsearch", "Search");
    // No label stands beside the group box: a name for screen readers.
    RxDBLookupCombo_groups->setAccessibleName(lang().text(QStringLiteral("list_groups")));

    dbsource_object = new DataSource(&m_list.contacts(), this);
    dbsource_object->setObjectName(QStringLiteral("dbsource_object"));
    RxDBGrid1 = new DataGrid(client);
    RxDBGrid1->setObjectName(QStringLiteral("RxDBGrid1"));
    RxDBGrid1->setAccessibleName(lang().text(QStringLiteral("list_contacts")));
    RxDBGrid1->setDataSource(dbsource_object);
    RxDBGrid1->setReadOnly(true);
    // One column of names: Tab moves on to the next control rather than along a row.
    RxDBGrid1->setTabLeavesGrid(true);
    QFont rows = RxDBGrid1->font();
    rows.setPointSize(12);
    RxDBGrid1->setFont(rows);
    QFont titles = RxDBGrid1->horizontalHeader()->font();
    titles.setPointSize(8);
    RxDBGrid1->horizontalHeader()->setFont(titles);
    // The last visible column takes the rest of the grid's width: the names, unless columns were added.
    RxDBGrid1->horizontalHeader()->setStretchLastSection(true);
    // A click on a column's title sorts by it; its context menu adds and removes columns.
    RxDBGrid1->horizontalHeader()->setSectionsClickable(true);
    RxDBGrid1->horizontalHeader()->setSortIndicatorShown(true);
    m_columnMenu = new QMenu(this);
    m_columnMenu->setObjectName(QStringLiteral("list_columns"));
    for (search::Column c : search::kOptionalColumns) {
        QAction* action = m_columnMenu->addAction(search::columnTitle(c, lang()));
        action->setObjectName(QStringLiteral("list_column_") + search::columnName(c).toLower());
        action->setCheckable(true);
        action->setData(int(c));
    }
    m_list.setTexts(lang());
    layoutClient(mainlayout::kBuiltInClient);

    // Left to right along the row, then the list; the search field has the focus at start.
    QWidget* order[] = {btn_displayall, FullTextSearch, search_scope, btn_fulltextsearch, RxDBLookupCombo_groups,
                        btn_groupsearch, RxDBGrid1};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    FullTextSearch->setFocus();
    client->installEventFilter(this);
}

void Tf_mainForm::buildCommands()
{
    menuBar()->setObjectName(QStringLiteral("m_main"));
    // The shared FAQ action; other windows put it into their own "?" menus.
    BrowseURL1 = new QAction(QStringLiteral("FAQ-Online"), this);
    BrowseURL1->setObjectName(QStringLiteral("BrowseURL1"));
    BrowseURL1->setToolTip(QStringLiteral("Browse URL"));
    BrowseURL1->setStatusTip(QStringLiteral("Browse URL"));
    onTriggered(BrowseURL1, this, [this] { BrowseURL1Execute(); });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    m_commands = std::make_unique<CommandMenus>(commandTable(), menuBar(), QList<QMenu*>{PopupMenu1}, this,
                                                [this](const Command& command) { runCommand(command); });
    m_commands->action("m_faqonline")->setStatusTip(BrowseURL1->statusTip());
    attachContextMenu(RxDBGrid1, PopupMenu1);
    // The search box has the focus most of the time: the menu's keys win there.
    m_commands->takeKeysFrom(FullTextSearch);

    // Enter in the search box reaches the window, which presses the default button.
    onClicked(btn_fulltextsearch, this, [this] { btn_fulltextsearchClick(); });
    onClicked(btn_displayall, this, [this] { btn_displayallClick(); });
    onClicked(btn_groupsearch, this, [this] { btn_groupsearchClick(); });
    connect(RxDBGrid1, &QAbstractItemView::doubleClicked, this, [this] { guarded([this] { RxDBGrid1DblClick(); }); });

    onSignal(FullTextSearch, &QLineEdit::textEdited, this, [this] { m_typingPause->start(); });
    onSignal(m_typingPause, &QTimer::timeout, this, [this] { searchAsTyped(); });
    onSignal(search_scope, &QComboBox::activated, this, [this] { scopeChosen(); });
    QHeaderView* header = RxDBGrid1->horizontalHeader();
    connect(header, &QHeaderView::sectionClicked, this,
            [this](int section) { guarded([this, section] { sortByColumnAt(section); }); });
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QWidget::customContextMenuRequested, this, [this, header](const QPoint& pos) {
        guarded([&] {
            showColumnMenu();
            showContextMenu(m_columnMenu, header->viewport()->mapToGlobal(pos));
        });
    });
    for (QAction* action : m_columnMenu->actions())
        onTriggered(action, this, [this, action] {
            applyListSettings(search::withColumn(m_listSettings, search::Column(action->data().toInt()),
                                                 action->isChecked()));
        });
}

void Tf_mainForm::replaceCaptions()
{
    const TLang& l = lang();
    m_commands->replaceCaptions(l);
    BrowseURL1->setText(l.text(QStringLiteral("menufaq")));
    btn_displayall->setText(l.text(QStringLiteral("all")));
    label_fulltextsearch->setText(l.text(QStringLiteral("fulltextsearch")));
    btn_fulltextsearch->setText(l.text(QStringLiteral("search")));
    btn_groupsearch->setText(l.text(QStringLiteral("search")));
    for (int i = 0; i < search_scope->count(); ++i)
        search_scope->setItemText(i, search::scopeText(search::Scope(search_scope->itemData(i).toInt()), l));
    for (QAction* action : m_columnMenu->actions())
        action->setText(search::columnTitle(search::Column(action->data().toInt()), l));
    m_list.setTexts(l);
    RxDBLookupCombo_groups->setAccessibleName(l.text(QStringLiteral("list_groups")));
    search_scope->setAccessibleName(l.text(QStringLiteral("list_scope")));
    RxDBGrid1->setAccessibleName(l.text(QStringLiteral("list_contacts")));
}

bool Tf_mainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        layoutClient(static_cast<QResizeEvent*>(event)->size());
    return QMainWindow::eventFilter(watched, event);
}

void Tf_mainForm::keyPressEvent(QKeyEvent* event)
{
    // Enter reaches the window from every control that has no use for it itself.
    // On a button it presses that button; in the contact list it opens the
    // contact; everywhere else it presses the window's default button, "Search".
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
        QWidget* focus = focusWidget();
        if (auto* button = qobject_cast<QAbstractButton*>(focus))
            button->click();
        else if (focus == RxDBGrid1)
            guarded([this] { ShowDetails(); });
        else
            btn_fulltextsearch->click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void Tf_mainForm::closeEvent(QCloseEvent* event)
{
    // A signal ends the program at once, without the backup's wait.
    if (!m_terminationRequested && !terminationSignalled())
        backUpAtExit(*this, this);
    QMainWindow::closeEvent(event);
}

// ---------------------------------------------------------------- layout

void Tf_mainForm::layoutClient(const QSize& client)
{
    const mainlayout::Places p = mainlayout::places(client, labelMinWidth());
    btn_displayall->setGeometry(p.displayAll);
    label_fulltextsearch->setGeometry(p.label);
    FullTextSearch->setGeometry(p.search);
    search_scope->setGeometry(p.scope);
    btn_fulltextsearch->setGeometry(p.searchButton);
    RxDBLookupCombo_groups->setGeometry(p.groups);
    btn_groupsearch->setGeometry(p.groupSearch);
    RxDBGrid1->setGeometry(p.grid);
}

int Tf_mainForm::labelMinWidth() const
{
    return label_fulltextsearch->fontMetrics().horizontalAdvance(label_fulltextsearch->text()) + 4;
}

void Tf_mainForm::updateMinimumSize()
{
    // The whole menu bar, the top row and a few rows of the list.
    setMinimumSize(qMax(mainlayout::minimumWidth(labelMinWidth()), menuBar()->sizeHint().width()),
                   menuBar()->sizeHint().height() + mainlayout::kGridTop
                       + 3 * RxDBGrid1->verticalHeader()->defaultSectionSize()
                       + RxDBGrid1->horizontalHeader()->sizeHint().height() + mainlayout::kGridBottomMargin);
}

// ---------------------------------------------------------------- start-up

void Tf_mainForm::startUp()
{
    m_session.loadCatalogue();
    if (lang().Loaded) {
        replaceCaptions();
        updateMinimumSize();
    }
    {
        // The configuration file is read once, here; a failure in this block
        // skips the rest of the start-up, the contact list included.
        const IniSnapshot ini = m_session.readConfiguration();
        if (const std::optional<QString> wrongVersion = m_session.versionMessage(ini)) {
            showMessage(this, *wrongVersion);
            requestTermination();
        }
        if (const std::optional<QString> exposed = m_session.exposedConfigurationMessage(ini))
            showMessage(this, *exposed);
        m_session.setUpConnection(ini);
        placement::OuterTarget target(*this, *m_outer);
        placement::restore([&ini](const QString& key) { return ini.readString(QStringLiteral("MainWindow"), key); },
                           QGuiApplication::primaryScreen()->size(), target);
        // The first read attaches: a book that cannot be reached is reported here, once.
        openGroupList();
        // Right after the book opens: what this version adds to it is there (or,
        // on a server, said to be missing) before the first delete needs it.
        if (const std::optional<QString> upgrade = m_session.upgradeBook())
            showMessage(this, *upgrade);
        m_session.readStandardValues(ini);
        m_faqAddress = vendor::faqAddress();
        m_listSettings = search::loadListSettings(configPath());
        search_scope->setCurrentIndex(search_scope->findData(int(m_listSettings.scope)));
    }
    m_list.show(search::ListRequest{.scope = m_listSettings.scope,
                                    .columns = m_listSettings.columns,
                                    .sortBy = m_listSettings.sortBy,
                                    .descending = m_listSettings.descending});
    showListState();
}

void Tf_mainForm::openGroupList()
{
    m_list.readGroups();
    RxDBLookupCombo_groups->setKeyValue(QVariant());
}

void Tf_mainForm::rereadGroupList()
{
    if (!groups().isOpen())
        return;   // start-up never reached it; "All" does not either
    // The group chosen stays chosen while it is still listed.
    const QVariant group = RxDBLookupCombo_groups->keyValue();
    m_list.readGroups();
    RxDBLookupCombo_groups->setKeyValue(group);
}

void Tf_mainForm::requestTermination()
{
    m_terminationRequested = true;
    emit terminateRequested();
}

// ---------------------------------------------------------------- commands and the list

void Tf_mainForm::updateCommands() { m_commands->updateEnabled(canWrite()); }

void Tf_mainForm::runCommand(const Command& command)
{
    // Also after a failure: a delete may have gone through before it.
    const auto update = qScopeGuard([this] { guarded([this] { updateCommands(); }); });
    const ContactList::Place before = m_list.place();
    int named = 0;
    if (command.afterwards == Afterwards::Nothing) {
        command.run(named);
    } else if (command.alsoAfterFailure) {
        rereadAfter([&] { command.run(named); }, [&] { rereadContacts(command.afterwards, named, before); });
    } else {
        command.run(named);
        rereadContacts(command.afterwards, named, before);
    }
}

void Tf_mainForm::rereadContacts(Afterwards afterwards, int named, const ContactList::Place& before)
{
    if (m_list.reread(afterwards, named, before))
        return;
    // The search in force hides the contact just made: the list shows everyone again, and says why.
    FullTextSearch->clear();
    RxDBLookupCombo_groups->setKeyValue(QVariant());
    SearchByText();
    contacts().locate(QStringLiteral("O_ID"), named);
    showMessage(this, lang().text(QStringLiteral("list_allagain")));
}

// ---------------------------------------------------------------- placement

void Tf_mainForm::SaveWindowSize()
{
    IniFile ini(m_session.programDir() + QStringLiteral("Pellori.ini"));
    placement::saveSize(ini, windowState(), m_outer->outerRect().size());
}

void Tf_mainForm::SaveWindowPosition()
{
    IniFile ini(m_session.programDir() + QStringLiteral("Pellori.ini"));
    placement::savePosition(ini, m_outer->outerRect().topLeft());
}

void Tf_mainForm::m_sizeClick() { SaveWindowSize(); }

void Tf_mainForm::m_positionClick() { SaveWindowPosition(); }

void Tf_mainForm::m_size_positionClick()
{
    SaveWindowSize();
    SaveWindowPosition();
}

// ---------------------------------------------------------------- searching

QString Tf_mainForm::groupChoiceValue() const
{
    const QVariant key = RxDBLookupCombo_groups->keyValue();
    return key.isNull() ? QString() : key.toString();
}

std::optional<int> Tf_mainForm::chosenGroup() const
{
    const QString group = groupChoiceValue();
    return group.isEmpty() ? std::nullopt : std::optional<int>(group.toInt());
}

void Tf_mainForm::SearchByText()
{
    m_typingPause->stop();
    m_list.show(search::listRequest(m_listSettings, FullTextSearch->text(), std::nullopt));
    showListState();
}

void Tf_mainForm::GroupSearch()
{
    m_typingPause->stop();
    m_list.show(search::listRequest(m_listSettings, QString(), chosenGroup()));
    showListState();
}

void Tf_mainForm::searchAsTyped()
{
    if (FullTextSearch->text().isEmpty()) {
        btn_displayallClick();
        return;
    }
    m_list.show(search::listRequest(m_listSettings, FullTextSearch->text(), chosenGroup()));
    showListState();
}

void Tf_mainForm::btn_fulltextsearchClick()
{
    RxDBLookupCombo_groups->setKeyValue(QVariant());
    SearchByText();
}

void Tf_mainForm::btn_displayallClick()
{
    FullTextSearch->clear();
    RxDBLookupCombo_groups->setKeyValue(QVariant());
    SearchByText();
}

void Tf_mainForm::btn_groupsearchClick()
{
    FullTextSearch->clear();
    GroupSearch();
}

void Tf_mainForm::applyListSettings(const search::ListSettings& settings)
{
    m_listSettings = settings;
    // A file that cannot be written only costs remembering the choice.
    try {
        search::saveListSettings(m_session.programDir() + QStringLiteral("Pellori.ini"), m_listSettings);
    } catch (const AppError& e) {
        showMessage(this, ReplaceReturn(lang().text(QStringLiteral("search_notsaved")))
                              .replace(QLatin1String("%ERROR%"), e.message()));
    }
    const search::ListRequest& inForce = m_list.request();
    m_list.show(search::listRequest(m_listSettings, inForce.text, inForce.group));
    showListState();
}

void Tf_mainForm::scopeChosen()
{
    search::ListSettings settings = m_listSettings;
    settings.scope = search::Scope(search_scope->currentData().toInt());
    applyListSettings(settings);
}

void Tf_mainForm::sortByColumnAt(int section)
{
    const FieldDef* field = RxDBGrid1->dataModel()->fieldAt(section);
    const std::optional<search::Column> column = field ? search::fieldColumn(field->name) : std::nullopt;
    if (column)
        applyListSettings(search::sortedBy(m_listSettings, *column));
    else
        showListState();   // why a contact was found sorts nothing
}

void Tf_mainForm::showColumnMenu()
{
    // A book without the stored list offers no columns.
    const bool offered = m_list.offersSearchTools();
    for (QAction* action : m_columnMenu->actions())
        action->setEnabled(offered);
}

void Tf_mainForm::showListState()
{
    for (QAction* action : m_columnMenu->actions())
        action->setChecked(m_listSettings.columns.contains(search::Column(action->data().toInt())));
    QHeaderView* header = RxDBGrid1->horizontalHeader();
    const search::ListRequest& r = m_list.request();
    const int section = RxDBGrid1->dataModel()->columnOf(search::columnField(r.sortBy));
    header->setSortIndicator(section < 0 ? RxDBGrid1->dataModel()->columnOf(QStringLiteral("O_NAME")) : section,
                             r.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

// ---------------------------------------------------------------- contacts

void Tf_mainForm::ShowDetails()
{
    // An empty list has no contact to open.
    DataSet& list = contacts();
    if (list.isEmpty())
        return;
    const int key = list.value(QStringLiteral("O_ID")).toInt();
    if (list.value(QStringLiteral("O_TYPE")).toString() == QLatin1String("C"))
        openCompanyEditor(key);
    else
        openPersonEditor(key);
}

void Tf_mainForm::RxDBGrid1DblClick() { ShowDetails(); }

template <typename Editor>
void Tf_mainForm::openEditor(int key, const QString& captionKey)
{
    // Each call owns exactly the window it creates, so editors may be stacked.
    // An editor can add groups through its group list's menu: the group box reads them afterwards.
    rereadAfter(
        [&] {
            const auto editor = std::make_unique<Editor>(*this, this);
            if (lang().Loaded)
                editor->setWindowTitle(lang().text(captionKey));
            if (editor->setContactKey(key))
                execModal(editor.get());
            else
                rereadContacts(Afterwards::Reread, 0, m_list.place());   // deleted by another user: the editor said so
        },
        [this] { rereadGroupList(); });
}

void Tf_mainForm::openPersonEditor(int key) { openEditor<Tf_persons>(key, QStringLiteral("persons")); }

void Tf_mainForm::openCompanyEditor(int key) { openEditor<Tf_company>(key, QStringLiteral("companies")); }

template <typename Dialog>
void Tf_mainForm::addNew(int& made)
{
    // The dialog inserts the contact and opens its editor. It goes before the
    // list is read again; what it made counts also when something failed after.
    const auto dialog = std::make_unique<Dialog>(*this, this);
    const auto keep = qScopeGuard([&] { made = dialog->newKey(); });
    dialog->applyCatalogueCaption();
    execModal(dialog.get());
}

void Tf_mainForm::AddNewCompany(int& made) { addNew<Tf_add_new_company>(made); }

void Tf_mainForm::AddNewPerson(int& made) { addNew<Tf_add_new_person>(made); }

void Tf_mainForm::popup_deleteitemClick()
{
    if (!confirm(this, ReplaceReturn(lang().text(QStringLiteral("questdeleteentry"))), ConfirmButtons::YesNo))
        throw SilentAbort();
    // Into the trash, for Undo delete. When the database refuses, the list is not read again.
    m_undo->deleteContact(m_list.currentKey());
}

void Tf_mainForm::m_restorebackupClick()
{
    // The replaced book may hold other groups; the list is read again after this.
    if (restoreFromBackup(*this, this, m_undo.get()))
        rereadGroupList();
}

void Tf_mainForm::openLookup(LookupList list)
{
    // The group box reads the groups again afterwards, whatever happened in the editor.
    rereadAfter([&] { openLookupEditor(list, *this, this, true); }, [this] { rereadGroupList(); });
}

// ---------------------------------------------------------------- vCard, CSV and LDIF

void Tf_mainForm::m_importvcardClick(int& first) { importFromFile(importVCards, first); }

void Tf_mainForm::importFromFile(int (*import)(Session&, QWidget*), int& first)
{
    first = import(*this, this);
    listImported(first);
}

void Tf_mainForm::importFile(const QString& path)
{
    // As the import command does, the list afterwards included.
    runCommand({.objectName = "m_importvcard", .run = [this, &path](int& first) {
                    first = importVCardFile(*this, this, path);
                    listImported(first);
                },
                .afterwards = Afterwards::RereadAndLocate});
}

void Tf_mainForm::listImported(int first)
{
    // Nothing imported: the list stays as it was.
    if (first == 0)
        throw SilentAbort();
    // The import may have brought new groups.
    rereadGroupList();
}

void Tf_mainForm::m_exportvcardClick() { exportVCards(*this, this, m_list.shownKeys(), m_list.currentKey()); }

// ---------------------------------------------------------------- information windows

void Tf_mainForm::Help1Click()
{
    auto* help = new Tf_main_help(this);
    help->show();
}

void Tf_mainForm::Version1Click()
{
    const std::unique_ptr<Tf_copyright> about(new Tf_copyright(this));
    execModal(about.get());
}

void Tf_mainForm::BrowseURL1Execute() { MessageService::instance().openUrl(QUrl(m_faqAddress)); }

// ---------------------------------------------------------------- errors

void Tf_mainForm::ApplicationEvents_mainFormException(const std::exception& error)
{
    const MainErrorReport report = mainWindowErrorReport(error, lang());
    showMessage(this, report.text);
    if (report.endsProgram)
        requestTermination();
}

} // namespace pellori
