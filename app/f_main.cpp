#include "app/f_main.h"

#include "app/MainErrorText.h"
#include "app/WindowPlacement.h"
#include "data/ContactQueries.h"
#include "data/ContactDeletion.h"
#include "exchange/vcard/VCardCommands.h"
#include "info/f_copy.h"
#include "info/f_help_main.h"
#include "options/f_standardvalues.h"
#include "editors/f_add_company.h"
#include "editors/f_add_person.h"
#include "editors/f_comp.h"
#include "editors/f_person.h"
#include "lookups/LookupEditors.h"
#include "printing/PrintCommands.h"
#include "settings/AppError.h"
#include "settings/IniFile.h"
#include "services/CommandGuard.h"
#include "services/ContextMenu.h"
#include "widgets/DBLookupComboBox.h"
#include "widgets/DataGrid.h"
#include "widgets/DataSource.h"
#include "services/MessageService.h"
#include "widgets/OuterGeometry.h"
#include "widgets/StorableText.h"
#include "services/Vendor.h"

#include <QAbstractButton>
#include <QAction>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScopeGuard>
#include <QUrl>

namespace pellori {
namespace {

// The contact grid's distance from the client area's edges.
constexpr int kGridLeft = 8;
constexpr int kGridTop = 40;
constexpr int kGridRightMargin = 12;
constexpr int kGridBottomMargin = 12;
// The top row at its full width ends at the group search button's right edge;
// narrower, the label and the group box give up room down to these widths.
constexpr int kTopRowRight = 683;
constexpr int kGroupBoxMinWidth = 96;

QAction* addItem(QMenu* menu, const char* name, const QString& text, const QKeySequence& shortcut = {})
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QMenu* addMenu(QMenu* into, const char* name, const QString& title)
{
    QMenu* menu = into->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& title)
{
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

// Restoring the placement, step by step, on the window's outer rectangle.
class Tf_mainForm::Placement : public placement::Target {
public:
    explicit Placement(Tf_mainForm& w) : m_w(w) {}
    void putIntoNormalState() override
    {
        m_w.setWindowState(m_w.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    }
    void maximize() override { m_w.setWindowState(Qt::WindowMaximized); }
    void setOuterLeft(int left) override { change([&](QRect& r) { r.moveLeft(left); }); }
    void setOuterTop(int top) override { change([&](QRect& r) { r.moveTop(top); }); }
    void setOuterHeight(int height) override { change([&](QRect& r) { r.setHeight(height); }); }
    void setOuterWidth(int width) override { change([&](QRect& r) { r.setWidth(width); }); }

private:
    template <typename F>
    void change(F&& f)
    {
        QRect r = m_w.m_outer->wanted();
        f(r);
        m_w.m_outer->setOuterRect(r);
    }
    Tf_mainForm& m_w;
};

Tf_mainForm::Tf_mainForm(const QString& programDir, QWidget* parent) : QMainWindow(parent), m_session(programDir)
{
    setObjectName(QStringLiteral("f_mainForm"));
    setWindowTitle(vendor::applicationTitle());

    buildDataSets();
    buildControls();
    buildMenus();
    buildContextMenu();
    connectCommands();

    // The built-in placement, used unless a saved one is restored: the outer
    // rectangle, frame included, applied again once the frame is known.
    m_outer = new OuterGeometry(this);
    m_outer->setOuterRect(placement::kBuiltIn);
    // Never so small that the menu or the top row of controls is cut off.
    updateMinimumSize();

    ErrorHandlers::add(this, [this](const std::exception& e) { ApplicationEvents_mainFormException(e); });

    guarded([this] { startUp(); });
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

void Tf_mainForm::buildDataSets()
{
    DbTransaction& main = m_session.mainTransaction();
    dbdataset_object = std::make_unique<EditableDataSet>(main);
    dbdataset_object->setObjectName(QStringLiteral("dbdataset_object"));
    dbdataset_object->setSelectSql(queries::initialContacts());
    dbdataset_object->addField({.name = QStringLiteral("O_ID"), .kind = FieldKind::Integer, .visible = false});
    dbdataset_object->addField(
        {.name = QStringLiteral("O_NAME"), .kind = FieldKind::Text, .size = 255, .title = QStringLiteral("Name")});
    dbdataset_object->addField(
        {.name = QStringLiteral("O_TYPE"), .kind = FieldKind::Text, .size = 1, .visible = false});
    // The list deletes no row of its own: a contact goes with all its rows, through "Delete item".
    m_deletion = std::make_unique<ContactDeletion>(main);

    ibquery_listgroups = std::make_unique<QueryDataSet>(main);
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
    // The search text goes into a statement: only what the connection can carry.
    FullTextSearch->setValidator(
        new StorableTextValidator([this] { return m_session.connection().encoding(); }, FullTextSearch));

    btn_fulltextsearch = new QPushButton(QStringLiteral("Search"), client);
    btn_fulltextsearch->setObjectName(QStringLiteral("btn_fulltextsearch"));
    btn_fulltextsearch->setGeometry(360, 6, 75, 25);
    btn_fulltextsearch->setDefault(true);

    RxDBLookupCombo_groups = new DBLookupComboBox(client);
    RxDBLookupCombo_groups->setObjectName(QStringLiteral("RxDBLookupCombo_groups"));
    RxDBLookupCombo_groups->setGeometry(456, 8, 145, 21);
    RxDBLookupCombo_groups->setMaxVisibleItems(20);
    RxDBLookupCombo_groups->setListSource(ibquery_listgroups.get(), QStringLiteral("G_NAME"), QStringLiteral("G_ID"));
    datasource_groups = new DataSource(ibquery_listgroups.get(), this);
    datasource_groups->setObjectName(QStringLiteral("datasource_groups"));

    btn_groupsearch = new QPushButton(QStringLiteral("Search"), client);
    btn_groupsearch->setObjectName(QStringLiteral("btn_groupsearch"));
    btn_groupsearch->setGeometry(608, 6, 75, 25);

    dbsource_object = new DataSource(dbdataset_object.get(), this);
    dbsource_object->setObjectName(QStringLiteral("dbsource_object"));

    RxDBGrid1 = new DataGrid(client);
    RxDBGrid1->setObjectName(QStringLiteral("RxDBGrid1"));
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
    // window's commands on those keys come first there, while they are enabled;
    // only with text selected, Ctrl+C copies it.
    if (watched == FullTextSearch && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) && FullTextSearch->hasSelectedText())
            return QMainWindow::eventFilter(watched, event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction* a : {m_menu.exit, m_menu.company, m_menu.person, m_menu.details})
            if (a->isEnabled() && a->shortcut() == pressed) {
                event->ignore();
                return true;
            }
    }
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        layoutClient(static_cast<QResizeEvent*>(event)->size());
    return QMainWindow::eventFilter(watched, event);
}

void Tf_mainForm::updateMinimumSize()
{
    // The whole menu bar, the top row and a few rows of the list.
    setMinimumSize(qMax(topRowMinWidth(), menuBar()->sizeHint().width()),
                   menuBar()->sizeHint().height() + kGridTop + 3 * RxDBGrid1->verticalHeader()->defaultSectionSize()
                       + RxDBGrid1->horizontalHeader()->sizeHint().height() + kGridBottomMargin);
}

int Tf_mainForm::labelMinWidth() const
{
    return label_fulltextsearch->fontMetrics().horizontalAdvance(label_fulltextsearch->text()) + 4;
}

int Tf_mainForm::topRowMinWidth() const
{
    // The full row less what the label and the group box can give up, and the
    // wide gap before the group box closed to the usual one.
    return kTopRowRight + kGridLeft - (142 - labelMinWidth()) - (145 - kGroupBoxMinWidth) - (21 - 7);
}

void Tf_mainForm::layoutClient(const QSize& client)
{
    // The top row keeps its places while there is room; narrower, the label,
    // the wide gap and the group box give up room, in that order.
    int deficit = qMax(0, kTopRowRight + kGridLeft - client.width());
    const auto give = [&deficit](int full, int least) {
        const int taken = qMin(deficit, full - least);
        deficit -= taken;
        return full - taken;
    };
    const int label = give(142, qMin(142, labelMinWidth()));
    const int gap = give(21, 7);
    const int group = give(145, kGroupBoxMinWidth);
    int x = 8;
    btn_displayall->setGeometry(x, 6, 75, 25);
    x += 75 + 5;
    label_fulltextsearch->setGeometry(x, 12, label, 13);
    x += label + 2;
    FullTextSearch->setGeometry(x, 8, 121, 21);
    x += 121 + 7;
    btn_fulltextsearch->setGeometry(x, 6, 75, 25);
    x += 75 + gap;
    RxDBLookupCombo_groups->setGeometry(x, 8, group, 21);
    x += group + 7;
    btn_groupsearch->setGeometry(x, 6, 75, 25);
    // The grid is anchored to all four sides of the client area.
    RxDBGrid1->setGeometry(kGridLeft, kGridTop, qMax(0, client.width() - kGridLeft - kGridRightMargin),
                           qMax(0, client.height() - kGridTop - kGridBottomMargin));
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

void Tf_mainForm::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("m_main"));

    System1 = addMenu(bar, "System1", QStringLiteral("&System"));
    m_menu.options = addMenu(System1, "m_options", QStringLiteral("&Options"));
    m_menu.size = addItem(m_menu.options, "m_size", QStringLiteral("Save Windows &Size"));
    m_menu.position = addItem(m_menu.options, "m_position", QStringLiteral("Save Windows &Position"));
    m_menu.size_position = addItem(m_menu.options, "m_size_position", QStringLiteral("&Save Window Size and Position"));
    m_menu.options->addSeparator();
    m_menu.standardvalues = addItem(m_menu.options, "m_standardvalues", QStringLiteral("Set Standard Values"));
    System1->addSeparator();
    m_importvcard = addItem(System1, "m_importvcard", QStringLiteral("&Import vCard..."));
    m_exportvcard = addItem(System1, "m_exportvcard", QStringLiteral("E&xport vCard..."));
    System1->addSeparator();
    m_menu.exit = addItem(System1, "m_exit", QStringLiteral("&Exit"), QKeySequence(Qt::CTRL | Qt::Key_E));

    m_menu.add = addMenu(bar, "m_add", QStringLiteral("&Add New"));
    m_menu.company = addItem(m_menu.add, "m_company", QStringLiteral("&Company"), QKeySequence(Qt::CTRL | Qt::Key_C));
    m_menu.person = addItem(m_menu.add, "m_person", QStringLiteral("&Person"), QKeySequence(Qt::CTRL | Qt::Key_P));

    m_menu.show = addMenu(bar, "m_show", QStringLiteral("Sho&w"));
    m_menu.details = addItem(m_menu.show, "m_details", QStringLiteral("&Details"), QKeySequence(Qt::CTRL | Qt::Key_D));

    m_menu.print = addMenu(bar, "m_print", QStringLiteral("&Print"));
    m_menu.print_addressbook = addMenu(m_menu.print, "m_print_addressbook", QStringLiteral("&AddressBook"));
    // The fourteen address books, from the one table that also prints them.
    for (const AddressBook& book : addressBooks()) {
        addressBookItems << addItem(m_menu.print_addressbook, book.objectName, QLatin1String(book.caption));
        if (book.separatorAfter)
            m_menu.print_addressbook->addSeparator()->setObjectName(QLatin1String(book.separatorAfter));
    }
    menu_birthdaylist = addItem(m_menu.print, "menu_birthdaylist", QStringLiteral("&Birthdaylist"));

    m_menu.admin = addMenu(bar, "m_admin", QStringLiteral("Ad&ministration"));
    m_menu.address = addItem(m_menu.admin, "m_address", QStringLiteral("&Adresstypes"));
    m_menu.internet = addItem(m_menu.admin, "m_internet", QStringLiteral("Communication&Internet"));
    m_menu.communication = addItem(m_menu.admin, "m_communication", QStringLiteral("&Communicationtypes"));
    m_menu.groups = addItem(m_menu.admin, "m_groups", QStringLiteral("&Groups"));
    m_menu.salutation = addItem(m_menu.admin, "m_salutation", QStringLiteral("&Salutations"));
    m_menu.title = addItem(m_menu.admin, "m_title", QStringLiteral("&Titles"));

    // The shared FAQ action; other windows put it into their own "?" menus.
    BrowseURL1 = new QAction(QStringLiteral("FAQ-Online"), this);
    BrowseURL1->setObjectName(QStringLiteral("BrowseURL1"));
    BrowseURL1->setToolTip(QStringLiteral("Browse URL"));
    BrowseURL1->setStatusTip(QStringLiteral("Browse URL"));

    m_menu.info = addMenu(bar, "m_info", QStringLiteral("&?"));
    // The menu item is bound to the action: it takes the action's caption and runs it.
    m_menu.faqonline = addItem(m_menu.info, "m_faqonline", BrowseURL1->text());
    m_menu.faqonline->setStatusTip(BrowseURL1->statusTip());
    connect(BrowseURL1, &QAction::changed, m_menu.faqonline, [this] { m_menu.faqonline->setText(BrowseURL1->text()); });
    connect(m_menu.faqonline, &QAction::triggered, BrowseURL1, [this] { BrowseURL1->trigger(); });
    m_menu.info->addSeparator();
    Help1 = addItem(m_menu.info, "Help1", QStringLiteral("&Help"));
    m_menu.info->addSeparator();
    Version1 = addItem(m_menu.info, "Version1", QStringLiteral("&About ..."));
}

void Tf_mainForm::buildContextMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    miShowDetails =
        addItem(PopupMenu1, "miShowDetails", QStringLiteral("Show Details"), QKeySequence(Qt::CTRL | Qt::Key_D));
    PopupMenu1->addSeparator();
    m_menu.add_new = addMenu(PopupMenu1, "m_add_new", QStringLiteral("&Add new"));
    m_menu.add_new_company = addItem(m_menu.add_new, "m_add_new_company", QStringLiteral("&Company"),
                                     QKeySequence(Qt::CTRL | Qt::Key_C));
    m_menu.add_new_person = addItem(m_menu.add_new, "m_add_new_person", QStringLiteral("&Person"),
                                    QKeySequence(Qt::CTRL | Qt::Key_P));
    PopupMenu1->addSeparator();
    // Ctrl+Del in the list, the grids' delete key, deletes the contact as this item does.
    popup_deleteitem = addItem(PopupMenu1, "popup_deleteitem", QStringLiteral("Delete item"),
                               QKeySequence(Qt::CTRL | Qt::Key_Delete));
    popup_deleteitem->setShortcutContext(Qt::WidgetShortcut);
    RxDBGrid1->addAction(popup_deleteitem);

    attachContextMenu(RxDBGrid1, PopupMenu1);
}

void Tf_mainForm::connectCommands()
{
    // Enter in the search box reaches the window, which presses the default button.
    onClicked(btn_fulltextsearch, this, [this] { btn_fulltextsearchClick(); });
    onClicked(btn_displayall, this, [this] { btn_displayallClick(); });
    onClicked(btn_groupsearch, this, [this] { btn_groupsearchClick(); });

    onTriggered(m_menu.size, this, [this] { m_sizeClick(); });
    onTriggered(m_menu.position, this, [this] { m_positionClick(); });
    onTriggered(m_menu.size_position, this, [this] { m_size_positionClick(); });
    connect(m_menu.exit, &QAction::triggered, this, &QWidget::close);
    // Modal, destroyed when it returns.
    onTriggered(m_menu.standardvalues, this, [this] { openStandardValues(*this, this); });

    // The six lookup editors, each modal, with the catalogue's window caption.
    const QList<QPair<QAction*, LookupList>> lookups = {
        {m_menu.address, LookupList::AddressTypes},     {m_menu.internet, LookupList::InternetTypes},
        {m_menu.communication, LookupList::CommunicationTypes}, {m_menu.groups, LookupList::Groups},
        {m_menu.salutation, LookupList::Salutations},   {m_menu.title, LookupList::Titles},
    };
    // The group box reads the groups again afterwards, whatever happened in the editor.
    for (const auto& [item, list] : lookups)
        onTriggered(item, this, [this, list = list] {
            const auto reread = qScopeGuard([this] { guarded([this] { rereadGroupList(); }); });
            openLookupEditor(list, *this, this, true);
        });

    for (int i = 0; i < int(addressBooks().size()); ++i)
        onTriggered(addressBookItems[i], this, [this, i] { printAddressBook(addressBooks()[i], *this, this); });
    onTriggered(menu_birthdaylist, this, [this] { printBirthdayList(*this, this); });

    onTriggered(m_importvcard, this, [this] { m_importvcardClick(); });
    onTriggered(m_exportvcard, this, [this] { m_exportvcardClick(); });

    onTriggered(Help1, this, [this] { Help1Click(); });
    onTriggered(Version1, this, [this] { Version1Click(); });
    onTriggered(BrowseURL1, this, [this] { BrowseURL1Execute(); });

    connect(RxDBGrid1, &QAbstractItemView::doubleClicked, this, [this] { guarded([this] { RxDBGrid1DblClick(); }); });
    onTriggered(m_menu.details, this, [this] { ShowDetails(); });
    onTriggered(miShowDetails, this, [this] { miShowDetailsClick(); });
    for (QAction* a : {m_menu.company, m_menu.add_new_company})
        onTriggered(a, this, [this] { AddNewCompany(); });
    for (QAction* a : {m_menu.person, m_menu.add_new_person})
        onTriggered(a, this, [this] { AddNewPerson(); });
    onTriggered(popup_deleteitem, this, [this] { popup_deleteitemClick(); });
}

void Tf_mainForm::replaceCaptions()
{
    const TLang& l = lang();
    System1->setTitle(l.text(QStringLiteral("system")));
    m_menu.options->setTitle(l.text(QStringLiteral("options")));
    m_menu.size->setText(l.text(QStringLiteral("savewindowsize")));
    m_menu.position->setText(l.text(QStringLiteral("savewindowposition")));
    m_menu.size_position->setText(l.text(QStringLiteral("saveboth")));
    m_menu.standardvalues->setText(l.text(QStringLiteral("menu"), QStringLiteral("Set Standard Values")));
    m_importvcard->setText(l.text(QStringLiteral("vcard_importitem")));
    m_exportvcard->setText(l.text(QStringLiteral("vcard_exportitem")));
    m_menu.exit->setText(l.text(QStringLiteral("exit")));
    m_menu.add->setTitle(l.text(QStringLiteral("addnew")));
    m_menu.add_new->setTitle(l.text(QStringLiteral("addnew"), QStringLiteral("&Add new")));
    m_menu.company->setText(l.text(QStringLiteral("company")));
    m_menu.add_new_company->setText(l.text(QStringLiteral("company")));
    m_menu.person->setText(l.text(QStringLiteral("person")));
    m_menu.add_new_person->setText(l.text(QStringLiteral("person")));
    m_menu.show->setTitle(l.text(QStringLiteral("show")));
    m_menu.details->setText(l.text(QStringLiteral("details")));
    miShowDetails->setText(l.text(QStringLiteral("details"), QStringLiteral("Show Details")));
    m_menu.print->setTitle(l.text(QStringLiteral("print")));
    m_menu.print_addressbook->setTitle(l.text(QStringLiteral("addressbook")));
    menu_birthdaylist->setText(l.text(QStringLiteral("birthdaylist")));
    m_menu.admin->setTitle(l.text(QStringLiteral("administration")));
    m_menu.address->setText(l.text(QStringLiteral("addresstypes")));
    m_menu.internet->setText(l.text(QStringLiteral("communicationinternet")));
    m_menu.communication->setText(l.text(QStringLiteral("communicationtypes")));
    m_menu.groups->setText(l.text(QStringLiteral("groups")));
    m_menu.salutation->setText(l.text(QStringLiteral("salutations")));
    m_menu.title->setText(l.text(QStringLiteral("titles")));
    BrowseURL1->setText(l.text(QStringLiteral("menufaq")));
    Help1->setText(l.text(QStringLiteral("help")));
    Version1->setText(l.text(QStringLiteral("about")));
    btn_displayall->setText(l.text(QStringLiteral("all")));
    label_fulltextsearch->setText(l.text(QStringLiteral("fulltextsearch")));
    btn_fulltextsearch->setText(l.text(QStringLiteral("search")));
    btn_groupsearch->setText(l.text(QStringLiteral("search")));
    popup_deleteitem->setText(l.text(QStringLiteral("deleteitem")));

    // The address-book items are composed from the catalogue's word and fixed suffixes.
    for (int i = 0; i < int(addressBooks().size()); ++i)
        addressBookItems[i]->setText(addressBookCaption(addressBooks()[i], l));
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
        m_session.setUpConnection(ini);
        Placement target(*this);
        placement::restore([&ini](const QString& key) { return ini.readString(QStringLiteral("MainWindow"), key); },
                           QGuiApplication::primaryScreen()->size(), target);
        openGroupList();
        m_session.readStandardValues(ini);
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
    RxDBLookupCombo_groups->setKeyValue(QVariant());
}

void Tf_mainForm::rereadGroupList()
{
    if (!ibquery_listgroups->isOpen())
        return;   // start-up never reached it; "All" does not either
    // The group chosen stays chosen while it is still listed.
    const QVariant group = RxDBLookupCombo_groups->keyValue();
    ibquery_listgroups->close();
    ibquery_listgroups->open();
    ibquery_listgroups->last();
    RxDBLookupCombo_groups->setKeyValue(group);
}

void Tf_mainForm::requestTermination()
{
    m_terminationRequested = true;
    emit terminateRequested();
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

// ---------------------------------------------------------------- contacts

void Tf_mainForm::ShowDetails()
{
    // An empty list has no contact to open.
    DataSet& list = *dbdataset_object;
    if (list.isEmpty())
        return;
    const int key = list.value(QStringLiteral("O_ID")).toInt();
    if (list.value(QStringLiteral("O_TYPE")).toString() == QLatin1String("C"))
        openCompanyEditor(key);
    else
        openPersonEditor(key);
}

void Tf_mainForm::miShowDetailsClick()
{
    // Open the contact, read the list again and come back to the same contact,
    // whether or not opening and reading succeeded.
    DataSet& list = *dbdataset_object;
    const DataSet::Bookmark mark = list.bookmark();
    const QVariant id = list.value(QStringLiteral("O_ID"));
    std::exception_ptr failure;
    try {
        ShowDetails();
        list.close();
        list.open();
    } catch (...) {
        failure = std::current_exception();
    }
    guarded([&] {
        if (list.bookmarkValid(mark))
            list.gotoBookmark(mark);
        list.locate(QStringLiteral("O_ID"), id);
    });
    if (failure)
        std::rethrow_exception(failure);
}

void Tf_mainForm::RxDBGrid1DblClick() { ShowDetails(); }

namespace {
// The list read again, near the row it stood on.
void rereadContactsAt(DataSet& list)
{
    const int row = list.recNo();
    list.close();
    list.open();
    list.moveTo(row);
}
} // namespace

void Tf_mainForm::openPersonEditor(int key)
{
    // Each call owns exactly the window it creates, so editors may be stacked.
    // An editor can add groups through its group list's menu.
    const auto reread = qScopeGuard([this] { guarded([this] { rereadGroupList(); }); });
    const std::unique_ptr<Tf_persons> editor = std::make_unique<Tf_persons>(*this, this);
    if (lang().Loaded)
        editor->setWindowTitle(lang().text(QStringLiteral("persons")));
    if (editor->setContactKey(key))
        execModal(editor.get());
    else
        rereadContactsAt(*dbdataset_object);   // deleted by another user: the editor said so
}

void Tf_mainForm::openCompanyEditor(int key)
{
    const auto reread = qScopeGuard([this] { guarded([this] { rereadGroupList(); }); });
    const std::unique_ptr<Tf_company> editor = std::make_unique<Tf_company>(*this, this);
    if (lang().Loaded)
        editor->setWindowTitle(lang().text(QStringLiteral("companies")));
    if (editor->setContactKey(key))
        execModal(editor.get());
    else
        rereadContactsAt(*dbdataset_object);
}

void Tf_mainForm::AddNewCompany() { addNew(true); }

void Tf_mainForm::AddNewPerson() { addNew(false); }

void Tf_mainForm::addNew(bool company)
{
    // Confirmed, cancelled or failed: the dialog is released, then the list is
    // read again, on the new contact when one was made, else on its last row.
    std::exception_ptr failure;
    int added = 0;
    {
        std::unique_ptr<QuickAddDialog> dialog;
        try {
            if (company)
                dialog = std::make_unique<Tf_add_new_company>(*this, this);
            else
                dialog = std::make_unique<Tf_add_new_person>(*this, this);
            dialog->applyCatalogueCaption();
            execModal(dialog.get());
        } catch (...) {
            failure = std::current_exception();
        }
        added = dialog ? dialog->newKey() : 0;
    }
    if (added != 0)
        listNewContact(added);
    else
        rereadToLastRow();
    if (failure)
        std::rethrow_exception(failure);
}

void Tf_mainForm::listNewContact(int key)
{
    dbdataset_object->close();
    dbdataset_object->open();
    if (dbdataset_object->locate(QStringLiteral("O_ID"), key))
        return;
    // The search in force hides it: the list shows everyone again, and says why.
    FullTextSearch->clear();
    RxDBLookupCombo_groups->setKeyValue(QVariant());
    SearchByText();
    dbdataset_object->locate(QStringLiteral("O_ID"), key);
    showMessage(this, lang().text(QStringLiteral("list_allagain")));
}

void Tf_mainForm::rereadToLastRow()
{
    dbdataset_object->close();
    dbdataset_object->open();
    dbdataset_object->last();
}

void Tf_mainForm::popup_deleteitemClick()
{
    if (!confirm(this, ReplaceReturn(lang().text(QStringLiteral("questdeleteentry"))), ConfirmButtons::YesNo))
        throw SilentAbort();
    // When the database refuses, the list is not read again.
    m_deletion->deleteContact(dbdataset_object->value(QStringLiteral("O_ID")).toInt());
    rereadToLastRow();
}

// ---------------------------------------------------------------- vCard

void Tf_mainForm::m_importvcardClick()
{
    const int first = importVCards(*this, this);
    if (first == 0)
        return;
    // The import may have brought new groups.
    rereadGroupList();
    // The list as it was asked for, with the first imported contact current when it shows it.
    dbdataset_object->close();
    dbdataset_object->open();
    if (!dbdataset_object->locate(QStringLiteral("O_ID"), first))
        dbdataset_object->first();
}

void Tf_mainForm::m_exportvcardClick()
{
    QList<int> shown;
    int current = 0;
    if (dbdataset_object->isOpen()) {
        dbdataset_object->fetchAll();
        const int key = dbdataset_object->fieldIndex(QStringLiteral("O_ID"));
        for (int row = 0; row < dbdataset_object->rowCount(); ++row)
            shown << dbdataset_object->value(row, key).toInt();
        if (dbdataset_object->recNo() >= 0)
            current = dbdataset_object->value(QStringLiteral("O_ID")).toInt();
    }
    exportVCards(*this, this, shown, current);
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
    const MainErrorReport report = mainWindowErrorReport(error, lang());
    showMessage(this, report.text);
    if (report.endsProgram)
        requestTermination();
}

} // namespace pellori
