#include "editors/f_comp.h"

#include "data/DataSet.h"
#include "data/DbTransaction.h"
#include "data/EditorQueries.h"
#include "data/tables/Tables.h"
#include "editors/EditorCommon.h"
#include "editors/EditorErrorText.h"
#include "editors/detail/DetailList.h"
#include "services/CommandGuard.h"
#include "services/ContextMenu.h"
#include "services/MessageService.h"
#include "services/Session.h"
#include "settings/AppError.h"
#include "settings/Language.h"
#include "widgets/DBEdit.h"
#include "widgets/DBMemo.h"
#include "widgets/DataGrid.h"
#include "widgets/DataSource.h"

#include <QAbstractButton>
#include <QAction>
#include <QGuiApplication>
#include <QHeaderView>
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

// The company editor's menu captions carry no access-key mark.
const ContactEditor::Frame kFrame{
    .objectName = QStringLiteral("f_company"),
    .caption = QStringLiteral("Company"),
    .recordMenuName = QStringLiteral("m_company"),
    .recordMenuTitle = QStringLiteral("Company"),
    .recordMenuKey = QStringLiteral("companies"),
    .helpMenuTitle = QStringLiteral("?"),
    .helpItemText = QStringLiteral("Help"),
    .clientSize = QSize(754, 449),
    .saveButtonName = "btn_save",
    .saveButtonPlace = QRect(16, 136, 145, 25),
    .cancelButtonName = "btn_cancel",
    .cancelButtonPlace = QRect(16, 160, 145, 25),
    .errorText = companyEditorErrorText,
};

} // namespace

Tf_company::Tf_company(Session& session, QWidget* owner) : ContactEditor(kFrame, session, owner)
{
    // Read committed, without waiting on another's locks; the record is checked at save.
    transaction_companydetails = std::make_unique<DbTransaction>(session.connection(), DbTransaction::editingCurrent());
    IBTransaction_persons = std::make_unique<DbTransaction>(session.connection(), DbTransaction::editingCurrent());

    dataset_object = std::make_unique<EditableDataSet>(*transaction_companydetails);
    EditableDataSet& ds = *dataset_object;
    ds.setObjectName(QStringLiteral("dataset_object"));
    ds.setSelectSql(queries::companyRecord());
    // Another user's change since the read is refused at save, never overwritten.
    tables::describe(ds, tables::object(), {.rowCheck = true});
    // The required fields in the order they are checked.
    ds.addField({.name = QStringLiteral("O_TYPE"), .kind = FieldKind::Text, .size = 1, .required = true});
    ds.addField({.name = QStringLiteral("O_NAME1"), .kind = FieldKind::Text, .size = 60, .required = true});
    ds.addField({.name = QStringLiteral("O_ID"), .kind = FieldKind::Integer, .required = true});
    ds.addField({.name = QStringLiteral("O_NAME2"), .kind = FieldKind::Text, .size = 60});
    ds.addField({.name = QStringLiteral("O_ADDITIONAL"), .kind = FieldKind::Memo});
    ds.addField({.name = QStringLiteral("O_VERSION"), .kind = FieldKind::BigInt});
    ds.BeforePost = [this](DataSet&) { dataset_objectBeforePost(); };

    IBQuery_persons = std::make_unique<QueryDataSet>(*IBTransaction_persons);
    IBQuery_persons->setObjectName(QStringLiteral("IBQuery_persons"));
    IBQuery_persons->setSelectSql(queries::companyPersons());
    IBQuery_persons->addField({.name = QStringLiteral("O_TYPE"), .kind = FieldKind::Text, .size = 1, .visible = false});
    IBQuery_persons->addField({.name = QStringLiteral("O_NAME"),
                               .kind = FieldKind::Text,
                               .size = 255,
                               .title = session.lang().text(QStringLiteral("persons"), QStringLiteral("Person"))});
    IBQuery_persons->addField({.name = QStringLiteral("O_ID"), .kind = FieldKind::Integer, .visible = false});

    datasource_object = new DataSource(dataset_object.get(), this);
    datasource_persons = new DataSource(IBQuery_persons.get(), this);
    buildControls();
    FormCreate();
}

Tf_company::~Tf_company()
{
    datasource_object->setDataSet(nullptr);
    datasource_persons->setDataSet(nullptr);
    releaseDetailLists();
    dataset_object.reset();
    IBQuery_persons.reset();
    transaction_companydetails.reset();
    IBTransaction_persons.reset();
}

void Tf_company::buildControls()
{
    QWidget* client = this->client();
    editor::picture(client, Picture::Company, QRect(8, 8, 161, 121));
    editor::label(client, "Label2", QStringLiteral("Name 1"), 184, 8);
    auto* name1 = recordEdit("dbedit_name1", "O_NAME1", QRect(184, 24, 561, 21));
    editor::label(client, "Label1", QStringLiteral("Name 2"), 184, 50);
    auto* name2 = recordEdit("dbedit_name2", "O_NAME2", QRect(184, 66, 561, 21));
    editor::label(client, "Label3", QStringLiteral("Additional"), 184, 88);
    auto* additional = recordMemo("dbmemo_additional", "O_ADDITIONAL", QRect(184, 104, 561, 81));

    pagecontrol_company = new QTabWidget(client);
    pagecontrol_company->setObjectName(QStringLiteral("pagecontrol_company"));
    pagecontrol_company->setGeometry(8, 192, 737, 249);
    addDetailLists(pagecontrol_company, Variant::Company,
                   [this] { return dataset_object->value(QStringLiteral("O_ID")); });

    // The persons who work here: read-only, opening one shows it in the person editor.
    auto* TabSheet2 = new QWidget(pagecontrol_company);
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    pagecontrol_company->addTab(TabSheet2, m_session.lang().text(QStringLiteral("persons"), QStringLiteral("Persons")));
    auto* RxDBGrid_persons = new DataGrid(TabSheet2);
    RxDBGrid_persons->setObjectName(QStringLiteral("RxDBGrid_persons"));
    RxDBGrid_persons->setReadOnly(true);
    RxDBGrid_persons->setTabLeavesGrid(true);
    RxDBGrid_persons->setDataSource(datasource_persons);
    RxDBGrid_persons->setGeometry(16, 8, 705, 177);
    RxDBGrid_persons->horizontalHeader()->setStretchLastSection(true);
    auto* personsMenu = new QMenu(RxDBGrid_persons);
    auto* miShowDetails = personsMenu->addAction(QStringLiteral("Show Details"));
    miShowDetails->setObjectName(QStringLiteral("miShowDetails"));
    miShowDetails->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    miShowDetails->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    RxDBGrid_persons->addAction(miShowDetails);
    onTriggered(miShowDetails, this, [this] { miShowDetailsClick(); });
    attachContextMenu(RxDBGrid_persons, personsMenu);
    connect(RxDBGrid_persons, &QAbstractItemView::doubleClicked, this, [this] { guarded([this] { miShowDetailsClick(); }); });

    // The tabbed area's own context menu is the address list's.
    if (auto* item = detailList(int(DetailKind::Address))->findChild<QAction*>(QStringLiteral("NewAdresstype1"))) {
        auto* tabsMenu = new QMenu(pagecontrol_company);
        tabsMenu->addAction(item);
        attachContextMenu(pagecontrol_company, tabsMenu);
    }

    QWidget* order[] = {name1, name2, pagecontrol_company, saveButton(), cancelButton(), additional};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void Tf_company::replaceCaptions()
{
    const TLang& l = m_session.lang();
    setLabelText("Label2", l.text(QStringLiteral("companyname1")));
    setLabelText("Label1", l.text(QStringLiteral("companyname2")));
    setLabelText("Label3", l.text(QStringLiteral("additional")));
    replaceFrameCaptions();
}

void Tf_company::FormCreate()
{
    if (m_session.lang().Loaded)
        replaceCaptions();
    // No key yet: the record holds no row until the opener gives one.
    dataset_object->open();
    pagecontrol_company->setCurrentIndex(0);
}

bool Tf_company::setContactKey(int key)
{
    if (!loadContact(*dataset_object, QStringLiteral("o_id"), key))
        return false;
    IBQuery_persons->close();
    IBQuery_persons->setParam(QStringLiteral("c_id"), key);
    IBQuery_persons->open();
    return true;
}

void Tf_company::dataset_objectBeforePost()
{
    const QVariant name = dataset_object->value(QStringLiteral("O_NAME1"));
    if (name.isNull() || name.toString().isEmpty()) {
        showMessage(this, m_session.lang().text(QStringLiteral("fillincompanyname1"),
                                                QStringLiteral("You must fill out \u00ABName 1\u00BB.")));
        throw SilentAbort();
    }
}

void Tf_company::postRecord() { dataset_object->post(); }

void Tf_company::miShowDetailsClick()
{
    // An empty list has no person to show.
    if (IBQuery_persons->isEmpty())
        return;
    const int person = IBQuery_persons->value(QStringLiteral("O_ID")).toInt();
    // The person's employer may have changed there; the list's transaction
    // ends so that a new one sees what the person editor committed.
    rereadAfter([&] { m_session.openPersonEditor(person); },
                [&] {
                    IBTransaction_persons->commit();
                    IBQuery_persons->open();
                    IBQuery_persons->locate(QStringLiteral("O_ID"), person);
                });
}

} // namespace pellori
