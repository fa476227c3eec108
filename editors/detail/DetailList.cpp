#include "editors/detail/DetailList.h"

#include "data/DataSet.h"
#include "data/DbTransaction.h"
#include "data/Postcode.h"
#include "data/tables/Tables.h"
#include "data/tables/Table.h"
#include "editors/detail/RowChecks.h"
#include "services/CommandGuard.h"
#include "services/ContextMenu.h"
#include "services/MessageService.h"
#include "services/Session.h"
#include "settings/AppError.h"
#include "settings/Language.h"
#include "widgets/DBNavigator.h"
#include "widgets/DataGrid.h"
#include "widgets/DataSource.h"

#include <QMenu>

namespace pellori {

DetailList::DetailList(const DetailListConfig& config, Session& session, std::function<QVariant()> ownerKey,
                       QWidget* parent)
    : QWidget(parent), m_config(config), m_session(session), m_ownerKey(std::move(ownerKey))
{
    setObjectName(config.tabName);
    const TLang& lang = session.lang();

    // The list's own transaction: read committed, so that a type or group added
    // meanwhile can be used; it does not wait on another's locks.
    m_transaction = std::make_unique<DbTransaction>(session.connection(), DbTransaction::editingCurrent());
    // The names of types or groups, read committed through the main window's transaction.
    m_lookup = std::make_unique<QueryDataSet>(session.mainTransaction());
    m_lookup->setObjectName(config.lookupName);
    m_lookup->setSelectSql(config.lookupSql);

    m_dataSet = std::make_unique<EditableDataSet>(*m_transaction);
    EditableDataSet& ds = *m_dataSet;
    ds.setObjectName(config.dataSetName);
    ds.setSelectSql(config.selectSql);
    m_writtenPostcode = config.writtenPostcode && postcode::hasWrittenColumn(session.mainTransaction());
    // A row another user changed or deleted since it was read is refused, not overwritten.
    tables::describe(ds, m_writtenPostcode ? tables::addressWithWrittenPostcode() : *config.table, config.writes);
    for (const DetailColumn& c : config.columns) {
        FieldDef f{.name = c.field,
                   .kind = c.kind,
                   .size = c.size,
                   .required = c.required,
                   .visible = c.visible,
                   .width = c.width,
                   .title = c.titleKey.isEmpty() ? QString() : lang.text(c.titleKey, c.title)};
        if (c.pickFlag)
            f.pickList = {QStringLiteral("@"), QStringLiteral("-")};
        if (!c.lookupOf.isEmpty()) {
            f.keyField = c.lookupOf;
            f.lookupDataSet = m_lookup.get();
            f.lookupKeyField = config.lookupKeyField;
            f.lookupResultField = config.lookupTextField;
        }
        ds.addField(f);
    }
    ds.OnNewRecord = [this](DataSet&) { fillNewRow(); };
    ds.BeforePost = [this](DataSet&) { checkRow(); };
    if (config.writtenPostcode)
        ds.OnReadRow = [this](QList<QVariant>& values) { showPostcode(values); };

    m_source = new DataSource(m_dataSet.get(), this);
    m_grid = new DataGrid(this);
    m_grid->setObjectName(config.gridName);
    m_grid->setDropDownRows(config.dropDownRows);
    m_grid->setTabLeavesGrid(config.tabLeavesGrid);
    m_grid->setDataSource(m_source);
    m_grid->setGeometry(16, 8, 705, 177);
    auto* navigator = new DBNavigator(this);
    navigator->setObjectName(config.gridName + QStringLiteral("_navigator"));
    navigator->setDataSource(m_source);
    navigator->setGeometry(16, 184, 240, 25);

    auto* menu = new QMenu(this);
    m_newItem = menu->addAction(config.menuText);
    m_newItem->setObjectName(config.menuName);
    onTriggered(m_newItem, this, [this] { openLookupEditor(); });
    attachContextMenu(m_grid, menu);
}

DetailList::~DetailList()
{
    // A row still in edit is dropped; the controls let go of the data set before
    // it goes, and the transaction goes last, committing what was saved.
    m_grid->discardChanges();
    m_source->setDataSet(nullptr);
    m_dataSet.reset();
    m_lookup.reset();
    m_transaction.reset();
}

void DetailList::open(const QVariant& contactKey)
{
    m_dataSet->close();
    m_dataSet->setParam(m_config.ownerParam, contactKey);
    m_dataSet->open();
    m_lookup->close();
    m_lookup->open();
}

bool DetailList::hasRowBeingEdited()
{
    m_source->updateRecord();
    return m_dataSet->isEditing() && m_dataSet->isModified();
}

void DetailList::saveRowBeingEdited()
{
    m_source->updateRecord();
    m_dataSet->checkBrowseMode();
}

void DetailList::setReadOnly()
{
    m_dataSet->setReadOnly(true);
    m_grid->setReadOnly(true);
    m_newItem->setEnabled(false);
}

void DetailList::fillNewRow()
{
    EditableDataSet& ds = *m_dataSet;
    ds.setValue(m_config.ownerField, m_ownerKey());
    if (!m_config.flagField.isEmpty())
        ds.setValue(m_config.flagField, m_config.flagOfNewRow);
    // The standard type as configured, whether or not such a type exists.
    if (m_config.standardType)
        ds.setValue(m_config.typeField, m_session.standardValues().*m_config.standardType);
}

void DetailList::checkRow()
{
    EditableDataSet& ds = *m_dataSet;
    const QString written = QStringLiteral("A_POSTCODE_TEXT");
    // Blanks alone are no postcode.
    if (m_config.writtenPostcode && ds.value(written).toString().trimmed() != ds.value(written).toString())
        ds.setValue(written, ds.value(written).toString().trimmed());
    if (const std::optional<QString> message =
            failedRowCheck(m_config.checks, [&ds](const QString& f) { return ds.value(f); }, m_session.lang())) {
        showMessage(window(), *message);
        throw SilentAbort();
    }
    if (m_config.writtenPostcode)
        takePostcode();
}

void DetailList::showPostcode(QList<QVariant>& values) const
{
    const EditableDataSet& ds = *m_dataSet;
    const auto at = [&](const char* field) -> QVariant& { return values[ds.fieldIndex(QLatin1String(field))]; };
    const QString shown = postcode::shown(at("A_POSTCODE_TEXT"), at("A_POSTCODE"), at("A_COUNTRY").toString());
    at("A_POSTCODE_TEXT") = shown.isEmpty() ? QVariant() : QVariant(shown);
}

void DetailList::takePostcode()
{
    EditableDataSet& ds = *m_dataSet;
    const QString written = ds.value(QStringLiteral("A_POSTCODE_TEXT")).toString();
    // Without the written column only the number can be kept: anything else is
    // refused, as it always was.
    ds.setValue(QStringLiteral("A_POSTCODE"),
                m_writtenPostcode ? QVariant(postcode::numberOf(written)) : QVariant(written));
}

void DetailList::openLookupEditor()
{
    // Whatever the list editor does, this list's names are read again after it,
    // so that a type just added can be chosen at once.
    rereadAfter(
        *m_lookup, [this] { ::pellori::openLookupEditor(m_config.lookupEditor, m_session, window(), false); },
        [this] { m_grid->viewport()->update(); });
}

} // namespace pellori
