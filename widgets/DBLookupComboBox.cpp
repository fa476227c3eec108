#include "widgets/DBLookupComboBox.h"

#include "data/DataSet.h"
#include "services/CommandGuard.h"
#include "widgets/FieldLink.h"

#include <QAbstractListModel>
#include <QKeyEvent>
#include <QListView>

namespace pellori {

// Serves the names and keys straight from the list data set: a list of twenty
// thousand companies is not copied into items.
class DBLookupComboBox::ListModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setColumns(DataSet* list, int text, int key)
    {
        beginResetModel();
        m_list = list;
        m_text = text;
        m_key = key;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || !usable() ? 0 : m_list->rowCount();
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!usable() || index.row() >= m_list->rowCount())
            return {};
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return m_list->text(index.row(), m_text);
        if (role == Qt::UserRole)
            return m_list->value(index.row(), m_key);
        return {};
    }

private:
    bool usable() const { return m_list && m_list->isOpen() && m_text >= 0 && m_key >= 0; }
    QPointer<DataSet> m_list;
    int m_text = -1, m_key = -1;
};

DBLookupComboBox::DBLookupComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    m_model = new ListModel(this);
    setModel(m_model);
    // Neither the width nor the drop-down measures every name of a long list.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* list = qobject_cast<QListView*>(view()))
        list->setUniformItemSizes(true);
    m_link = new FieldLink(this, [this] { load(); });
    connect(this, &QComboBox::activated, this, &DBLookupComboBox::onActivated);
}

DBLookupComboBox::~DBLookupComboBox() = default;

void DBLookupComboBox::setListSource(DataSet* list, const QString& listField, const QString& keyField)
{
    for (const auto& c : std::as_const(m_listConnections))
        disconnect(c);
    m_listConnections.clear();
    m_list = list;
    m_listField = listField;
    m_keyField = keyField;
    if (list) {
        const auto reload = [this] { reloadList(); };
        m_listConnections << connect(list, &DataSet::opened, this, reload)
                          << connect(list, &DataSet::closed, this, reload)
                          << connect(list, &DataSet::layoutReset, this, reload)
                          << connect(list, &DataSet::rowsInserted, this, reload)
                          << connect(list, &DataSet::rowsRemoved, this, reload)
                          << connect(list, &DataSet::rowChanged, this, reload);
    }
    reloadList();
}

void DBLookupComboBox::reloadList()
{
    if (m_reloading)   // reading the list's remaining rows reports them as inserted
        return;
    m_reloading = true;
    const QVariant key = m_link->dataSet() ? m_link->value() : keyValue();
    const QSignalBlocker block(this);
    guarded([this] {
        if (m_list && m_list->isOpen())
            m_list->fetchAll();
        // The fields are known once the list has been opened.
        m_model->setColumns(m_list, m_list ? m_list->fieldIndex(m_listField) : -1,
                            m_list ? m_list->fieldIndex(m_keyField) : -1);
    });
    setKeyValue(key);
    m_reloading = false;
}

void DBLookupComboBox::setDataSource(DataSource* source) { m_link->setDataSource(source); }

void DBLookupComboBox::setDataField(const QString& name) { m_link->setField(name); }

QVariant DBLookupComboBox::keyValue() const { return currentIndex() >= 0 ? currentData() : QVariant(); }

void DBLookupComboBox::setKeyValue(const QVariant& key)
{
    int found = -1;
    if (m_list && m_list->isOpen() && key.isValid() && !key.isNull())
        guarded([&] { found = m_list->findRow(m_list->fieldIndex(m_keyField), key); });
    const QSignalBlocker block(this);
    setCurrentIndex(found);
}

void DBLookupComboBox::keyPressEvent(QKeyEvent* event)
{
    // Delete clears the choice of a field that may stay empty.
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier && m_link->dataSet()) {
        const FieldDef* f = m_link->field();
        if (f && !f->required && m_link->canWrite()) {
            // The link does not echo the control's own write: show what will be saved.
            guarded([&] { m_link->write(QVariant()); });
            load();
            event->accept();
            return;
        }
    }
    QComboBox::keyPressEvent(event);
}

void DBLookupComboBox::load()
{
    if (m_link->dataSet()) {
        setKeyValue(m_link->value());
        setEnabled(m_link->canWrite());
    }
}

void DBLookupComboBox::onActivated(int index)
{
    const QVariant key = itemData(index);
    if (m_link->dataSet()) {
        if (!guarded([&] { m_link->write(key); }))
            load();
    }
    emit keyChosen(key);
}

} // namespace pellori
