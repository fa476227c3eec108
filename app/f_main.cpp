#include "app/f_main.h"

#include "data/ContactQueries.h"
#include "data/DbError.h"
#include "dialogs/f_copy.h"
#include "dialogs/f_help_main.h"
#include "lookups/LookupEditors.h"
#include "settings/AppError.h"
#include "settings/IniFile.h"
#include "settings/uBase64Codec.h"
#include "widgets/CommandGuard.h"
#include "widgets/DataGrid.h"
#include "widgets/DataSource.h"
#include "widgets/MessageService.h"
#include "widgets/Vendor.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace pellori {
namespace {

const QString kMainWindow = QStringLiteral("MainWindow");

// The contact grid's distance from the client area's edges.
constexpr int kGridLeft = 8;
constexpr int kGridTop = 40;
constexpr int kGridRightMargin = 12;
constexpr int kGridBottomMargin = 12;

// The captions of the address-book submenu below its doctors and A-Z items:
// the built-in text, and the suffix that follows the catalogue's text.
struct AddressBookRange {
    const char* name;
    const char* builtIn;
    const char* suffix;
};
const AddressBookRange kRanges[] = {
    {"AddressbookA1", "Addressbook (A.., B...)", " (A..., B...)"},
    {"AddressbookB1", "Addressbook (C..., D...)", " (C..., D...)"},
    {"AddressbookC1", "Addressbook (E...,F...)", " (E..., F...)"},
    {"AddressbookD1", "Addressbook (G..., H...)", " (G..., H...)"},
    {"AddressbookE1", "Addressbook (I..., J..., K...)", " (I..., J..., K...)"},
    {"AddressbookF1", "Addressbook (L..., M...)", " (L..., M...)"},
    {"AddresbookG1", "Addressbook (N..., O...)", " (N..., O...)"},
    {"AddressbookH1", "Addressbook (P..., Q...)", " (P..., Q...)"},
    {"AddressbookI1", "Addressbook (R..., S...)", " (R..., S...)"},
    {"AddressbookJ1", "Addressbook (T..., U...)", " (T..., U...)"},
    {"AddressbookK1", "Addressbook (V..., W...)", " (V..., W...)"},
    {"AddressbookL1", "Addressbook (X..., Y..., Z...)", " (X..., Y..., Z...)"},
};

QAction* addItem(QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QMenu* addMenu(QMenu* into, QMenuBar* bar, const char* name, const QString& title)
{
    QMenu* menu = into ? into->addMenu(title) : bar->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

Tf_mainForm::Tf_mainForm(const QString& programDir, QWidget* parent)
    : QMainWindow(parent),
      m_programDir(QDir::fromNativeSeparators(programDir)),
      db_transaction(db_address, DbTransaction::readCommitted())
{
    if (!m_programDir.endsWith(QLatin1Char('/')))
        m_programDir += QLatin1Char('/');

    setObjectName(QStringLiteral("f_mainForm"));
    setWindowTitle(vendor::applicationTitle());

    // The connection's built-in login; start-up appends the configured one, which wins.
    db_address.params = QStringList{QStringLiteral("user_name=QVXPELLORI"), QStringLiteral("password=*vemlox!"),
                                    QStringLiteral("lc_ctype=ISO8859_1")};

    buildDataSets();
    buildControls();
    buildMenus();
    buildContextMenu();
    connectCommands();

    // Built-in placement, used unless a saved one is restored.
    setOuterLeft(337);
    setOuterTop(306);
    setOuterWidth(699);
    setOuterHeight(398);

    ErrorHandlers::add(this, [this](const std::exception& e) { ApplicationEvents_mainFormException(e); });

    guarded([this] { startUp(); });
}

Tf_mainForm::~Tf_mainForm()
{
    ErrorHandlers::remove(this);
    // The grid and its source look at the contact list; they go before it does.
    delete RxDBGrid1;
    RxDBGrid1 = nullptr;
    delete dbsource_object;
    dbsource_object = nullptr;
}

// ---------------------------------------------------------------- building

void Tf_mainForm::buildDataSets()
{
    dbdataset_object = std::make_unique<EditableDataSet>(db_transaction);
    dbdataset_object->setObjectName(QStringLiteral("dbdataset_object"));
    dbdataset_object->setSelectSql(queries::initialContacts());
    FieldDef id;
    id.name = QStringLiteral("O_ID");
    id.kind = FieldKind::Integer;
    id.visible = false;
    dbdataset_object->addField(id);
    FieldDef name;
    name.name = QStringLiteral("O_NAME");
    name.kind = FieldKind::Text;
    name.size = 255;
    name.title = QStringLiteral("Name");
    dbdataset_object->addField(name);
    FieldDef type;
    type.name = QStringLiteral("O_TYPE");
    type.kind = FieldKind::Text;
    type.size = 1;
    type.visible = false;
    dbdataset_object->addField(type);
    // Ctrl+Del in the grid removes the object row alone; the database guards its references.
    dbdataset_object->setDeleteSql(QStringLiteral("delete from object\nwhere\n  O_ID = :OLD_O_ID"));

    ibquery_listgroups = std::make_unique<QueryDataSet>(db_transaction);
    ibquery_listgroups->setObjectName(QStringLiteral("ibquery_listgroups"));
    ibquery_listgroups->setSelectSql(QStringLiteral("Select * from groupt order by g_name collate de_de"));
}

void Tf_mainForm::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    btn_displayall = new QPushButton(QStringLiteral("All"), client);
    btn_displayall->setObjectName(QStringLiteral("btn_displayall"));
    btn_displayall->setGeometry(8, 6, 75, 25);

    label_fulltextsearch = new QLabel(QStringLiteral("FullTextSearch:"), client);
    label_fulltextsearch->setObjectName(QStringLiteral("label_fulltextsearch"));
    label_fulltextsearch->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label_fulltextsearch->setGeometry(88, 12, 142, 13);

    FullTextSearch = new QLineEdit(client);
    FullTextSearch->setObjectName(QStringLiteral("FullTextSearch"));
    FullTextSearch->setGeometry(232, 8, 121, 21);

    btn_fulltextsearch = new QPushButton(QStringLiteral("Search"), client);
    btn_fulltextsearch->setObjectName(QStringLiteral("btn_fulltextsearch"));
    btn_fulltextsearch->setGeometry(360, 6, 75, 25);
    btn_fulltextsearch->setDefault(true);

    RxDBLookupCombo_groups = new QComboBox(client);
    RxDBLookupCombo_groups->setObjectName(QStringLiteral("RxDBLookupCombo_groups"));
    RxDBLookupCombo_groups->setGeometry(456, 8, 145, 21);
    RxDBLookupCombo_groups->setMaxVisibleItems(20);
    RxDBLookupCombo_groups->setCurrentIndex(-1);

    btn_groupsearch = new QPushButton(QStringLiteral("Search"), client);
    btn_groupsearch->setObjectName(QStringLiteral("btn_groupsearch"));
    btn_groupsearch->setGeometry(608, 6, 75, 25);

    dbsource_object = new DataSource(dbdataset_object.get(), this);
    dbsource_object->setObjectName(QStringLiteral("dbsource_object"));

    RxDBGrid1 = new DataGrid(client);
    RxDBGrid1->setObjectName(QStringLiteral("RxDBGrid1"));
    RxDBGrid1->setDataSource(dbsource_object);
    RxDBGrid1->setReadOnly(true);
    QFont rows = RxDBGrid1->font();
    rows.setPointSize(12);
    RxDBGrid1->setFont(rows);
    QFont titles = RxDBGrid1->horizontalHeader()->font();
    titles.setPointSize(8);
    RxDBGrid1->horizontalHeader()->setFont(titles);
    RxDBGrid1->setGeometry(kGridLeft, kGridTop, 671, 289);
    // The one visible column takes the grid's width, as the list is nothing but names.
    RxDBGrid1->horizontalHeader()->setStretchLastSection(true);

    setTabOrder(FullTextSearch, btn_fulltextsearch);
    setTabOrder(btn_fulltextsearch, btn_displayall);
    setTabOrder(btn_displayall, RxDBLookupCombo_groups);
    setTabOrder(RxDBLookupCombo_groups, btn_groupsearch);
    setTabOrder(btn_groupsearch, RxDBGrid1);
    FullTextSearch->setFocus();
    FullTextSearch->installEventFilter(this);
    client->installEventFilter(this);
}

bool Tf_mainForm::eventFilter(QObject* watched, QEvent* event)
{
    // A line edit claims Ctrl+C, Ctrl+D and Ctrl+E for itself (copy, delete,
    // end of line). The search box has the focus most of the time, so the
    // window's commands on those keys come first there, while they are enabled.
    if (watched == FullTextSearch && event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QAction* a : {m_exit, m_company, m_person, m_details})
            if (a->isEnabled() && a->shortcut() == pressed) {
                event->ignore();
                return true;
            }
    }
    // The grid is anchored to all four sides of the client area.
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        const QSize client = static_cast<QResizeEvent*>(event)->size();
        RxDBGrid1->setGeometry(kGridLeft, kGridTop, qMax(0, client.width() - kGridLeft - kGridRightMargin),
                               qMax(0, client.height() - kGridTop - kGridBottomMargin));
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tf_mainForm::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("m_main"));

    System1 = addMenu(nullptr, bar, "System1", QStringLiteral("&System"));
    m_options = addMenu(System1, bar, "m_options", QStringLiteral("&Options"));
    m_size = addItem(m_options, "m_size", QStringLiteral("Save Windows &Size"));
    m_position = addItem(m_options, "m_position", QStringLiteral("Save Windows &Position"));
    m_size_position = addItem(m_options, "m_size_position", QStringLiteral("&Save Window Size and Position"));
    m_options->addSeparator();
    m_standardvalues = addItem(m_options, "m_standardvalues", QStringLiteral("Set Standard Values"));
    System1->addSeparator();
    m_exit = addItem(System1, "m_exit", QStringLiteral("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_E));

    m_add = addMenu(nullptr, bar, "m_add", QStringLiteral("&Add New"));
    m_company = addItem(m_add, "m_company", QStringLiteral("&Company"), QKeySequence(Qt::CTRL | Qt::Key_C));
    m_person = addItem(m_add, "m_person", QStringLiteral("&Person"), QKeySequence(Qt::CTRL | Qt::Key_P));

    m_show = addMenu(nullptr, bar, "m_show", QStringLiteral("Sho&w"));
    m_details = addItem(m_show, "m_details", QStringLiteral("&Details"), QKeySequence(Qt::CTRL | Qt::Key_D));

    m_print = addMenu(nullptr, bar, "m_print", QStringLiteral("&Print"));
    m_print_addressbook = addMenu(m_print, bar, "m_print_addressbook", QStringLiteral("&AddressBook"));
    addressBookItems << addItem(m_print_addressbook, "A1", QStringLiteral("Addressbook (Doctors)"));
    m_print_addressbook->addSeparator()->setObjectName(QStringLiteral("N5"));
    addressBookItems << addItem(m_print_addressbook, "AddressbookAZ1", QStringLiteral("Addressbook (A-Z)"));
    m_print_addressbook->addSeparator()->setObjectName(QStringLiteral("N6"));
    for (const AddressBookRange& range : kRanges)
        addressBookItems << addItem(m_print_addressbook, range.name, QLatin1String(range.builtIn));
    menu_birthdaylist = addItem(m_print, "menu_birthdaylist", QStringLiteral("&Birthdaylist"));

    m_admin = addMenu(nullptr, bar, "m_admin", QStringLiteral("Ad&ministration"));
    m_address = addItem(m_admin, "m_address", QStringLiteral("&Adresstypes"));
    m_internet = addItem(m_admin, "m_internet", QStringLiteral("Communication&Internet"));
    m_communication = addItem(m_admin, "m_communication", QStringLiteral("&Communicationtypes"));
    m_groups = addItem(m_admin, "m_groups", QStringLiteral("&Groups"));
    m_salutation = addItem(m_admin, "m_salutation", QStringLiteral("&Salutations"));
    m_title = addItem(m_admin, "m_title", QStringLiteral("&Titles"));

    // The shared FAQ action; other windows put it into their own "?" menus.
    BrowseURL1 = new QAction(QStringLiteral("FAQ-Online"), this);
    BrowseURL1->setObjectName(QStringLiteral("BrowseURL1"));
    BrowseURL1->setToolTip(QStringLiteral("Browse URL"));
    BrowseURL1->setStatusTip(QStringLiteral("Browse URL"));

    m_info = addMenu(nullptr, bar, "m_info", QStringLiteral("&?"));
    // The menu item is bound to the action: it takes the action's caption and runs it.
    m_faqonline = addItem(m_info, "m_faqonline", BrowseURL1->text());
    m_faqonline->setStatusTip(BrowseURL1->statusTip());
    connect(BrowseURL1, &QAction::changed, m_faqonline, [this] { m_faqonline->setText(BrowseURL1->text()); });
    connect(m_faqonline, &QAction::triggered, BrowseURL1, [this] { BrowseURL1->trigger(); });
    m_info->addSeparator();
    Help1 = addItem(m_info, "Help1", QStringLiteral("&Help"));
    m_info->addSeparator();
    Version1 = addItem(m_info, "Version1", QStringLiteral("&About ..."));

    // The contact editors, quick-add dialogs, reports and the standard values
    // dialog are not part of the program yet; their items stay visible but inactive.
    for (QAction* a : {m_standardvalues, m_company, m_person, m_details, menu_birthdaylist})
        a->setEnabled(false);
    for (QAction* a : std::as_const(addressBookItems))
        a->setEnabled(false);
}

void Tf_mainForm::buildContextMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    miShowDetails = addItem(PopupMenu1, "miShowDetails", QStringLiteral("Show Details"),
                            QKeySequence(Qt::CTRL | Qt::Key_D));
    PopupMenu1->addSeparator();
    m_add_new = addMenu(PopupMenu1, nullptr, "m_add_new", QStringLiteral("&Add new"));
    m_add_new_company = addItem(m_add_new, "m_add_new_company", QStringLiteral("&Company"),
                                QKeySequence(Qt::CTRL | Qt::Key_C));
    m_add_new_person = addItem(m_add_new, "m_add_new_person", QStringLiteral("&Person"),
                               QKeySequence(Qt::CTRL | Qt::Key_P));
    PopupMenu1->addSeparator();
    popup_deleteitem = addItem(PopupMenu1, "popup_deleteitem", QStringLiteral("Delete item"));

    for (QAction* a : {miShowDetails, m_add_new_company, m_add_new_person, popup_deleteitem})
        a->setEnabled(false);

    RxDBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(RxDBGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { PopupMenu1->popup(RxDBGrid1->viewport()->mapToGlobal(pos)); });
}

void Tf_mainForm::connectCommands()
{
    onClicked(btn_fulltextsearch, this, [this] { btn_fulltextsearchClick(); });
    onClicked(btn_displayall, this, [this] { btn_displayallClick(); });
    onClicked(btn_groupsearch, this, [this] { btn_groupsearchClick(); });
    // Enter in the search box presses the window's default button.
    connect(FullTextSearch, &QLineEdit::returnPressed, btn_fulltextsearch, &QPushButton::click);

    onTriggered(m_size, this, [this] { m_sizeClick(); });
    onTriggered(m_position, this, [this] { m_positionClick(); });
    onTriggered(m_size_position, this, [this] { m_size_positionClick(); });
    connect(m_exit, &QAction::triggered, this, &QWidget::close);

    // The six lookup editors, each modal, with the catalogue's window caption.
    const QList<QPair<QAction*, LookupList>> lookups = {
        {m_address, LookupList::AddressTypes}, {m_internet, LookupList::InternetTypes},
        {m_communication, LookupList::CommunicationTypes}, {m_groups, LookupList::Groups},
        {m_salutation, LookupList::Salutations}, {m_title, LookupList::Titles},
    };
    for (const auto& [item, list] : lookups)
        onTriggered(item, this, [this, list = list] { openLookupEditor(list, *this, this, true); });

    onTriggered(Help1, this, [this] { Help1Click(); });
    onTriggered(Version1, this, [this] { Version1Click(); });
    onTriggered(BrowseURL1, this, [this] { BrowseURL1Execute(); });

    connect(RxDBGrid1, &QAbstractItemView::doubleClicked, this, [this] { guarded([this] { RxDBGrid1DblClick(); }); });
}

void Tf_mainForm::replaceCaptions()
{
    const TLang& l = m_lang;
    System1->setTitle(l.text(QStringLiteral("system")));
    m_options->setTitle(l.text(QStringLiteral("options")));
    m_size->setText(l.text(QStringLiteral("savewindowsize")));
    m_position->setText(l.text(QStringLiteral("savewindowposition")));
    m_size_position->setText(l.text(QStringLiteral("saveboth")));
    m_standardvalues->setText(l.text(QStringLiteral("menu"), QStringLiteral("Set Standard Values")));
    m_exit->setText(l.text(QStringLiteral("exit")));
    m_add->setTitle(l.text(QStringLiteral("addnew")));
    m_add_new->setTitle(l.text(QStringLiteral("addnew"), QStringLiteral("&Add new")));
    m_company->setText(l.text(QStringLiteral("company")));
    m_add_new_company->setText(l.text(QStringLiteral("company")));
    m_person->setText(l.text(QStringLiteral("person")));
    m_add_new_person->setText(l.text(QStringLiteral("person")));
    m_show->setTitle(l.text(QStringLiteral("show")));
    m_details->setText(l.text(QStringLiteral("details")));
    miShowDetails->setText(l.text(QStringLiteral("details"), QStringLiteral("Show Details")));
    m_print->setTitle(l.text(QStringLiteral("print")));
    m_print_addressbook->setTitle(l.text(QStringLiteral("addressbook")));
    menu_birthdaylist->setText(l.text(QStringLiteral("birthdaylist")));
    m_admin->setTitle(l.text(QStringLiteral("administration")));
    m_address->setText(l.text(QStringLiteral("addresstypes")));
    m_internet->setText(l.text(QStringLiteral("communicationinternet")));
    m_communication->setText(l.text(QStringLiteral("communicationtypes")));
    m_groups->setText(l.text(QStringLiteral("groups")));
    m_salutation->setText(l.text(QStringLiteral("salutations")));
    m_title->setText(l.text(QStringLiteral("titles")));
    BrowseURL1->setText(l.text(QStringLiteral("menufaq")));
    Help1->setText(l.text(QStringLiteral("help")));
    Version1->setText(l.text(QStringLiteral("about")));
    btn_displayall->setText(l.text(QStringLiteral("all")));
    label_fulltextsearch->setText(l.text(QStringLiteral("fulltextsearch")));
    btn_fulltextsearch->setText(l.text(QStringLiteral("search")));
    btn_groupsearch->setText(l.text(QStringLiteral("search")));
    popup_deleteitem->setText(l.text(QStringLiteral("deleteitem")));

    // The address-book items are composed from the catalogue's word and fixed suffixes.
    const QString book = l.value(QStringLiteral("addressbook"));
    addressBookItems[0]->setText(book + QStringLiteral(" (") + l.value(QStringLiteral("doctors")) + QLatin1Char(')'));
    addressBookItems[1]->setText(book + QStringLiteral(" (A-Z)"));
    for (int i = 0; i < int(std::size(kRanges)); ++i)
        addressBookItems[i + 2]->setText(book + QLatin1String(kRanges[i].suffix));
}

// ---------------------------------------------------------------- start-up

void Tf_mainForm::startUp()
{
    m_lang.LoadLanguageFile(m_programDir);
    if (m_lang.Loaded)
        replaceCaptions();

    m_configPath = m_programDir + QStringLiteral("Pellori.ini");
    {
        // Everything read from the configuration file happens in this block; a
        // failure leaves it (the file is read once, here, and holds nothing open)
        // and skips the contact list.
        const IniSnapshot ini = IniSnapshot::load(m_configPath, StartUpIniKeys());

        const QString version = ini.readString(QStringLiteral("Pellori"), QStringLiteral("Version"));
        if (!IsRequiredIniVersion(version)) {
            showMessage(this, IniVersionMessage(m_lang, version));
            requestTermination();
        }

        db_address.setDatabaseName(m_programDir + QStringLiteral("PELLORI.QVX"));
        const QString db = QStringLiteral("Database");
        const QByteArray password =
            DecodeBase64Text(ini.readString(db, QStringLiteral("dbpassword")).toLatin1());
        db_address.params << QStringLiteral("user_name=") + ini.readString(db, QStringLiteral("dbusername"))
                          << QStringLiteral("password=") + QString::fromLatin1(password)
                          << QStringLiteral("lc_ctype=") + ini.readString(db, QStringLiteral("lc_ctype"));

        RestoreWindowPlacement(ini);
        openGroupList();
        ReadStandardValues(ini, m_standardValues);
        ReadAdministratorMode(ini, m_standardValues);
        m_faqAddress = vendor::faqAddress();
    }

    dbdataset_object->open();
    dbdataset_object->first();
}

void Tf_mainForm::openGroupList()
{
    // The first query: it attaches to the database and starts the main transaction.
    ibquery_listgroups->open();
    ibquery_listgroups->last();

    RxDBLookupCombo_groups->clear();
    const int name = ibquery_listgroups->fieldIndex(QStringLiteral("G_NAME"));
    const int id = ibquery_listgroups->fieldIndex(QStringLiteral("G_ID"));
    for (int row = 0; row < ibquery_listgroups->rowCount(); ++row)
        RxDBLookupCombo_groups->addItem(ibquery_listgroups->value(row, name).toString(),
                                        ibquery_listgroups->value(row, id));
    RxDBLookupCombo_groups->setCurrentIndex(-1);
}

void Tf_mainForm::requestTermination()
{
    m_terminationRequested = true;
    emit terminateRequested();
}

// ---------------------------------------------------------------- placement

void Tf_mainForm::applyOuterGeometry()
{
    const QSize frame = frameGeometry().size() - size();
    resize(m_outer.width() - frame.width(), m_outer.height() - frame.height());
    move(m_outer.topLeft());
}

void Tf_mainForm::setOuterLeft(int left)
{
    m_outer.moveLeft(left);
    applyOuterGeometry();
}

void Tf_mainForm::setOuterTop(int top)
{
    m_outer.moveTop(top);
    applyOuterGeometry();
}

void Tf_mainForm::setOuterWidth(int width)
{
    m_outer.setWidth(width);
    applyOuterGeometry();
}

void Tf_mainForm::setOuterHeight(int height)
{
    m_outer.setHeight(height);
    applyOuterGeometry();
}

void Tf_mainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        applyOuterGeometry();
}

void Tf_mainForm::putIntoNormalState()
{
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

void Tf_mainForm::RestoreWindowPlacement(const IniSnapshot& ini)
{
    const QString state = ini.readString(kMainWindow, QStringLiteral("WindowsState"));
    if (state == QLatin1String("wsNormal")) {
        putIntoNormalState();
        const int left = StrToInt(ini.readString(kMainWindow, QStringLiteral("Left")));
        setOuterLeft(left);
        const int top = StrToInt(ini.readString(kMainWindow, QStringLiteral("Top")));
        setOuterTop(top);
        const int height = StrToInt(ini.readString(kMainWindow, QStringLiteral("Height")));
        setOuterHeight(height);
        const int width = StrToInt(ini.readString(kMainWindow, QStringLiteral("Width")));
        setOuterWidth(width);

        // Only the right and bottom edges are held against the screen.
        const QSize screen = QGuiApplication::primaryScreen()->size();
        if (screen.width() < left + width) {
            setOuterLeft(321);
            setOuterWidth(634);
            putIntoNormalState();
        }
        if (screen.height() < top + height) {
            setOuterTop(292);
            setOuterHeight(431);
            putIntoNormalState();
        }
    } else if (state == QLatin1String("wsMaximized")) {
        setWindowState(Qt::WindowMaximized);
    }
}

void Tf_mainForm::SaveWindowSize()
{
    IniFile ini(m_programDir + QStringLiteral("Pellori.ini"));
    const Qt::WindowStates state = windowState();
    if (!(state & (Qt::WindowMinimized | Qt::WindowFullScreen))) {
        ini.writeString(kMainWindow, QStringLiteral("WindowsState"),
                        (state & Qt::WindowMaximized) ? QStringLiteral("wsMaximized") : QStringLiteral("wsNormal"));
    }
    const QRect outer = frameGeometry();
    ini.writeString(kMainWindow, QStringLiteral("Height"), QString::number(outer.height()));
    ini.writeString(kMainWindow, QStringLiteral("Width"), QString::number(outer.width()));
}

void Tf_mainForm::SaveWindowPosition()
{
    IniFile ini(m_programDir + QStringLiteral("Pellori.ini"));
    const QRect outer = frameGeometry();
    ini.writeString(kMainWindow, QStringLiteral("Left"), QString::number(outer.x()));
    ini.writeString(kMainWindow, QStringLiteral("Top"), QString::number(outer.y()));
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
    const int index = RxDBLookupCombo_groups->currentIndex();
    return index < 0 ? QString() : RxDBLookupCombo_groups->itemData(index).toString();
}

void Tf_mainForm::SearchByText()
{
    dbdataset_object->close();
    dbdataset_object->setSelectSql(queries::textSearch(FullTextSearch->text()));
    dbdataset_object->open();
    dbdataset_object->first();
}

void Tf_mainForm::GroupSearch()
{
    dbdataset_object->close();
    dbdataset_object->setSelectSql(queries::groupSearch(groupChoiceValue()));
    dbdataset_object->open();
    dbdataset_object->first();
}

void Tf_mainForm::btn_fulltextsearchClick()
{
    RxDBLookupCombo_groups->setCurrentIndex(-1);
    SearchByText();
}

void Tf_mainForm::btn_displayallClick()
{
    FullTextSearch->clear();
    RxDBLookupCombo_groups->setCurrentIndex(-1);
    SearchByText();
}

void Tf_mainForm::btn_groupsearchClick()
{
    FullTextSearch->clear();
    GroupSearch();
}

// ---------------------------------------------------------------- contacts

void Tf_mainForm::ShowDetails()
{
    // Opens the current contact once the person and company editors are part of the program.
}

void Tf_mainForm::RxDBGrid1DblClick() { ShowDetails(); }

void Tf_mainForm::openPersonEditor(int /*key*/)
{
    // The person editor is not part of the program yet.
}

void Tf_mainForm::openCompanyEditor(int /*key*/)
{
    // The company editor is not part of the program yet.
}

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
    const auto* db = dynamic_cast<const DbError*>(&error);
    if (!db) {
        showMessage(this, errorMessage(error));
        return;
    }
    const QString& text = db->message();
    const QString employees = m_lang.text(QStringLiteral("databaseerror")) + QStringLiteral("\n\r\n\r")
                              + m_lang.text(QStringLiteral("error_person_exist"));
    if (text.contains(QLatin1String("FK5_PERSON"))) {
        showMessage(this, employees);
    } else if (db->isLoginRefused() || text.contains(QLatin1String("Firebird Login"))) {
        // Firebird 3 words a refused login "... set up a Firebird login."; the code is what to trust.
        showMessage(this, ReplaceReturn(m_lang.text(QStringLiteral("initializationerror"))));
        requestTermination();
    } else {
        showMessage(this, text);
    }
}

} // namespace pellori
