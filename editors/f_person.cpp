#include "editors/f_person.h"

#include "data/DataSet.h"
#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "data/EditorQueries.h"
#include "data/Savepoint.h"
#include "data/SqlStatement.h"
#include "data/tables/Tables.h"
#include "editors/EditorCommon.h"
#include "editors/EditorErrorText.h"
#include "editors/f_add_company.h"
#include "lookups/LookupEditors.h"
#include "services/CommandGuard.h"
#include "services/ContextMenu.h"
#include "services/MessageService.h"
#include "services/Session.h"
#include "settings/AppError.h"
#include "settings/Language.h"
#include "widgets/DBEdit.h"
#include "widgets/DBLookupComboBox.h"
#include "widgets/DBMemo.h"
#include "widgets/DataSource.h"

#include <QAbstractButton>
#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pellori {

namespace {

// The person record: the required fields stand in the order they are checked.
QList<FieldDef> personFields()
{
    return {
        {.name = QStringLiteral("O_TYPE"), .kind = FieldKind::Text, .size = 1, .required = true},
        {.name = QStringLiteral("O_NAME1"), .kind = FieldKind::Text, .size = 60, .required = true},
        {.name = QStringLiteral("P_ID"), .kind = FieldKind::Integer, .required = true},
        {.name = QStringLiteral("P_SID"), .kind = FieldKind::Integer, .required = true},
        {.name = QStringLiteral("O_ID"), .kind = FieldKind::Integer, .required = true},
        {.name = QStringLiteral("P_ALIVE"), .kind = FieldKind::Text, .size = 1, .required = true},
        {.name = QStringLiteral("P_TID"), .kind = FieldKind::Integer},
        {.name = QStringLiteral("P_BIRTHDAY"), .kind = FieldKind::Date},
        {.name = QStringLiteral("P_NICKNAME"), .kind = FieldKind::Text, .size = 50},
        {.name = QStringLiteral("P_CID"), .kind = FieldKind::Integer},
        {.name = QStringLiteral("O_NAME2"), .kind = FieldKind::Text, .size = 60},
        {.name = QStringLiteral("O_ADDITIONAL"), .kind = FieldKind::Memo},
        // The two rows' RDB$RECORD_VERSION as read: a save finds them unchanged or writes nothing.
        {.name = QStringLiteral("P_VERSION"), .kind = FieldKind::BigInt},
        {.name = QStringLiteral("O_VERSION"), .kind = FieldKind::BigInt},
    };
}

std::unique_ptr<QueryDataSet> lookupList(DbTransaction& main, const char* name, const QString& sql)
{
    auto ds = std::make_unique<QueryDataSet>(main);
    ds->setObjectName(QLatin1String(name));
    ds->setSelectSql(sql);
    return ds;
}

// A choice box of the record: the list it offers, the field shown, the key
// stored into the record's field.
struct LookupBox {
    const char* name;
    QueryDataSet* list;
    const char* shown;
    const char* key;
    const char* field;
    QRect place;
    int rows;
};

} // namespace

const ContactEditor::Frame kFrame{
    .objectName = QStringLiteral("f_persons"),
    .caption = QStringLiteral("Persons"),
    .recordMenuName = QStringLiteral("m_person"),
    .recordMenuTitle = QStringLiteral("&Persons"),
    .recordMenuKey = QStringLiteral("persons"),
    .helpMenuTitle = QStringLiteral("&?"),
    .helpItemText = QStringLiteral("&Help"),
    .clientSize = QSize(753, 508),
    .saveButtonName = "Button1",
    .saveButtonPlace = QRect(12, 194, 145, 24),
    .cancelButtonName = "Button2",
    .cancelButtonPlace = QRect(12, 218, 145, 24),
    .errorText = personEditorErrorText,
};

Tf_persons::Tf_persons(Session& session, QWidget* owner) : ContactEditor(kFrame, session, owner)
{
    transaction_personthings = std::make_unique<DbTransaction>(session.connection(), DbTransaction::editingCurrent());
    dataset_person = std::make_unique<EditableDataSet>(*transaction_personthings);
    EditableDataSet& ds = *dataset_person;
    ds.setObjectName(QStringLiteral("dataset_person"));
    ds.setSelectSql(queries::personRecord());
    // Read committed, the rows checked at save: another user's change made after
    // the read is never overwritten (RDB$RECORD_VERSION tells it, whichever column
    // changed, with one comparison per row and no lock held while the user types).
    tables::describe(ds, tables::person(), {.rowCheck = true});
    ds.setRefreshSql(queries::personRefresh());
    for (const FieldDef& f : personFields())
        ds.addField(f);
    // The object row's version too: it is saved beside the person row.
    ds.setRowCheck({QStringLiteral("P_VERSION"), QStringLiteral("O_VERSION")});
    ds.BeforePost = [this](DataSet&) { dataset_personBeforePost(); };
    sql_update_additional = std::make_unique<SqlStatement>(*transaction_personthings, queries::personNamesUpdate());

    DbTransaction& main = session.mainTransaction();
    dataset_salutation = lookupList(main, "dataset_salutation", queries::salutations());
    query_title = lookupList(main, "query_title", queries::titles());
    query_worksat = lookupList(main, "query_worksat", queries::employers());
    IBDataSet_yn = lookupList(main, "IBDataSet_yn", queries::yesNo());

    datasource_person = new DataSource(dataset_person.get(), this);
    buildControls();
    FormCreate();
}

Tf_persons::~Tf_persons()
{
    // Unsaved edits are dropped; the controls let go of the record before it goes.
    datasource_person->setDataSet(nullptr);
    releaseDetailLists();
    sql_update_additional.reset();
    dataset_person.reset();
    transaction_personthings.reset();
}

void Tf_persons::buildControls()
{
    QWidget* client = this->client();
    editor::picture(client, Picture::Person, QRect(16, 8, 137, 185));

    const auto lookupBox = [&](const LookupBox& b) {
        auto* box = new DBLookupComboBox(client);
        box->setObjectName(QLatin1String(b.name));
        box->setFont(editor::fieldFont());
        box->setGeometry(b.place);
        box->setMaxVisibleItems(b.rows);
        box->setListSource(b.list, QLatin1String(b.shown), QLatin1String(b.key));
        box->setDataSource(datasource_person);
        box->setDataField(QLatin1String(b.field));
        return box;
    };

    editor::label(client, "Label3", QStringLiteral("Salutation"), 184, 8);
    auto* salutation = lookupBox({.name = "dblookup_salutation", .list = dataset_salutation.get(), .shown = "S_NAME",
                                  .key = "S_ID", .field = "P_SID", .place = QRect(184, 24, 145, 21), .rows = 4});
    editor::label(client, "Label2", QStringLiteral("Title"), 344, 8);
    auto* title = lookupBox({.name = "dblookup_title", .list = query_title.get(), .shown = "T_NAME", .key = "T_ID",
                             .field = "P_TID", .place = QRect(344, 24, 209, 21), .rows = 10});
    editor::label(client, "Label7", QStringLiteral("Family name"), 184, 48);
    auto* familyName = recordEdit("dbedit_familyname", "O_NAME1", QRect(184, 64, 250, 21));
    editor::label(client, "Label8", QStringLiteral("First name"), 440, 48);
    auto* firstName = recordEdit("dbedit_firstname", "O_NAME2", QRect(440, 64, 250, 21));
    editor::label(client, "Label5", QStringLiteral("Nickname"), 182, 88);
    auto* nickname = recordEdit("dbedit_nickname", "P_NICKNAME", QRect(182, 106, 250, 21));
    editor::label(client, "Label4", QStringLiteral("Birthday"), 441, 88);
    auto* birthday = recordEdit("dbedit_birthday", "P_BIRTHDAY", QRect(441, 107, 128, 21));
    editor::label(client, "Label9", QStringLiteral("Alive"), 576, 88);
    auto* alive = lookupBox({.name = "dblookup_alive", .list = IBDataSet_yn.get(), .shown = "YN_ID", .key = "YN_ID",
                             .field = "P_ALIVE", .place = QRect(576, 104, 49, 21), .rows = 3});
    editor::label(client, "Label1", QStringLiteral("Additional"), 184, 130);
    auto* additional = recordMemo("dbmemo_additional", "O_ADDITIONAL", QRect(184, 144, 505, 57));
    editor::label(client, "Label6", QStringLiteral("Works at"), 184, 204);
    auto* worksAt = lookupBox({.name = "dblookup_worksat", .list = query_worksat.get(), .shown = "C_NAME", .key = "C_ID",
                               .field = "P_CID", .place = QRect(184, 222, 505, 23), .rows = 8});

    pagecontrol_person = new QTabWidget(client);
    pagecontrol_person->setObjectName(QStringLiteral("pagecontrol_person"));
    pagecontrol_person->setGeometry(8, 256, 737, 249);
    pagecontrol_person->tabBar()->setExpanding(false);
    addDetailLists(pagecontrol_person, Variant::Person,
                   [this] { return dataset_person->value(QStringLiteral("P_ID")); });

    // The context menus of the salutation, title and employer lists.
    const auto contextMenu = [this](QWidget* control, const char* name, const QString& text) {
        auto* menu = new QMenu(control);
        QAction* item = menu->addAction(text);
        item->setObjectName(QLatin1String(name));
        attachContextMenu(control, menu);
        addChangingItem(item);
        return item;
    };
    auto* NewSalutation1 = contextMenu(salutation, "NewSalutation1", QStringLiteral("New Salutation"));
    auto* newTitle1 = contextMenu(title, "newTitle1", QStringLiteral("new Title"));
    auto* newCompany1 = contextMenu(worksAt, "newCompany1", QStringLiteral("new Company"));
    onTriggered(NewSalutation1, this, [this] { NewSalutation1Click(); });
    onTriggered(newTitle1, this, [this] { newTitle1Click(); });
    onTriggered(newCompany1, this, [this] { newCompany1Click(); });

    QWidget* order[] = {salutation, title,      familyName, firstName,    nickname,     birthday,
                        alive,      additional, worksAt,    saveButton(), cancelButton(), pagecontrol_person};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void Tf_persons::replaceCaptions()
{
    const TLang& l = m_session.lang();
    const auto set = [this](const char* name, const QString& text) { setLabelText(name, text); };
    set("Label3", l.text(QStringLiteral("salutation")));
    set("Label2", l.text(QStringLiteral("title")));
    set("Label7", l.text(QStringLiteral("familyname")));
    set("Label8", l.text(QStringLiteral("firstname")));
    set("Label5", l.text(QStringLiteral("nickname")));
    set("Label4", l.text(QStringLiteral("birthday")));
    set("Label9", l.text(QStringLiteral("alive")));
    set("Label1", l.text(QStringLiteral("additional")));
    set("Label6", l.text(QStringLiteral("worksat")));
    replaceFrameCaptions();
}

void Tf_persons::FormCreate()
{
    if (m_session.lang().Loaded)
        replaceCaptions();
    // No key yet: the record holds no row until the opener gives one.
    dataset_person->open();
    for (QueryDataSet* list : {dataset_salutation.get(), query_title.get(), query_worksat.get()}) {
        list->open();
        list->last();
    }
    IBDataSet_yn->open();
    pagecontrol_person->setCurrentIndex(0);
}

bool Tf_persons::setContactKey(int key) { return loadContact(*dataset_person, QStringLiteral("p_id"), key); }

void Tf_persons::dataset_personBeforePost()
{
    // The object row's part of the record; a field without a value goes as an empty text.
    const EditableDataSet& ds = *dataset_person;
    const auto text = [&ds](const char* field) {
        const QVariant v = ds.value(QLatin1String(field));
        return v.isNull() ? QString(QLatin1String("")) : v.toString();
    };
    sql_update_additional->setParam(QStringLiteral("o_name1"), text("o_name1"));
    sql_update_additional->setParam(QStringLiteral("o_name2"), text("o_name2"));
    sql_update_additional->setParam(QStringLiteral("o_additional"), text("o_additional"));
    sql_update_additional->setParam(QStringLiteral("o_id"), ds.value(QStringLiteral("p_id")).toInt());
    sql_update_additional->setParam(QStringLiteral("o_version"), ds.oldValue(QStringLiteral("o_version")));
    sql_update_additional->execute();
    if (sql_update_additional->affectedRows() != 1)
        throw DbError::rowChangedSinceRead();
}

void Tf_persons::postRecord()
{
    // All or nothing: the required fields are checked before any statement
    // runs, and the object and person updates share one savepoint.
    dataset_person->checkRequired();
    Savepoint both(*transaction_personthings, QStringLiteral("PELLORI_PERSON_SAVE"));
    dataset_person->post();
    both.release();
}

void Tf_persons::openListEditor(LookupList which, QueryDataSet& list)
{
    rereadToLastAfter(list, [&] { openLookupEditor(which, m_session, this, false); });
}

void Tf_persons::newCompany1Click()
{
    // A company added there can be chosen at once; it is not chosen for the user.
    rereadToLastAfter(*query_worksat, [this] {
        const std::unique_ptr<Tf_add_new_company> dialog = std::make_unique<Tf_add_new_company>(m_session, this);
        execModal(dialog.get());
    });
}

void Tf_persons::rereadToLastAfter(QueryDataSet& list, const std::function<void()>& open)
{
    // Read again also when the window ended in an error; a row just added stands last.
    rereadAfter(list, open, [&list] { list.last(); });
}

void Tf_persons::NewSalutation1Click() { openListEditor(LookupList::Salutations, *dataset_salutation); }

void Tf_persons::newTitle1Click() { openListEditor(LookupList::Titles, *query_title); }

} // namespace pellori
