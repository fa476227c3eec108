#include "widgets/DBLookupComboBox.h"

#include "data/DataSet.h"
#include "data/LookupList.h"
#include "widgets/CommandGuard.h"
#include "widgets/FieldLink.h"

namespace pellori {

DBLookupComboBox::DBLookupComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    m_link = new FieldLink(this, [this] { load(); });
    connect(this, &QComboBox::activated, this, &DBLookupComboBox::onActivated);
}

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
    clear();
    if (m_list)
        guarded([this] {
            for (const LookupItem& item : lookupItems(*m_list, m_listField, m_keyField))
                addItem(item.text, item.key);
        });
    setKeyValue(key);
    m_reloading = false;
}

void DBLookupComboBox::setDataSource(DataSource* source) { m_link->setDataSource(source); }

void DBLookupComboBox::setDataField(const QString& name) { m_link->setField(name); }

QVariant DBLookupComboBox::keyValue() const { return currentIndex() >= 0 ? currentData() : QVariant(); }

void DBLookupComboBox::setKeyValue(const QVariant& key)
{
    // Keys compare by text: the list may hold them as another integer width.
    int found = -1;
    if (key.isValid() && !key.isNull())
        for (int i = 0; i < count() && found < 0; ++i)
            if (itemData(i).toString() == key.toString())
                found = i;
    const QSignalBlocker block(this);
    setCurrentIndex(found);
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
