#pragma once
// Drop-down of the names of a list data set (in its order); choosing one writes
// its key into the bound field of the data source's current row. Without a bound
// field it is a plain key chooser (keyValue / setKeyValue).
#include "data/DataSet.h"
#include <QComboBox>
#include <QPointer>

namespace pellori {

class DataSource;
class FieldLink;

class DBLookupComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit DBLookupComboBox(QWidget* parent = nullptr);
    ~DBLookupComboBox() override;

    void setListSource(DataSet* list, const QString& listField, const QString& keyField);
    void setDataSource(DataSource* source);
    void setDataField(const QString& name);
    FieldLink* link() const { return m_link; }

    QVariant keyValue() const;                  // null when nothing is chosen
    void setKeyValue(const QVariant& key);      // nothing chosen when the key is not listed
    // Reads the list's rows again (the list data set is re-read by its owner).
    void reloadList();

signals:
    void keyChosen(const QVariant& key);        // by the user

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    class ListModel;
    void load();
    void onActivated(int index);

    FieldLink* m_link;
    ListModel* m_model = nullptr;
    QPointer<DataSet> m_list;
    QString m_listField, m_keyField;
    QList<QMetaObject::Connection> m_listConnections;
    bool m_reloading = false;
};

} // namespace pellori
