#pragma once
// Links one data set to the controls that show it. Controls listen here rather
// than to the data set, so a window can swap or drop the data set in one place,
// and a control can push its typed-but-unwritten text into the row before a save.
#include "data/DataSet.h"
#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

namespace pellori {

class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(QObject* parent = nullptr);
    explicit DataSource(DataSet* dataSet, QObject* parent = nullptr);
    ~DataSource() override;

    void setDataSet(DataSet* dataSet);
    DataSet* dataSet() const { return m_dataSet; }

    // A control that holds input not yet written to the field registers a writer;
    // updateRecord() runs them all (before a post, for instance). Writers may throw.
    using Writer = std::function<void()>;
    void addWriter(QObject* control, Writer writer);
    void removeWriters(QObject* control);
    void updateRecord();
    // Controls drop input not yet written (before a cancel or a delete).
    void discardPending() { emit discardRequested(); }
    // A row just begun outside the grid (the navigator): the grid takes the focus to it.
    void focusNewRow() { emit newRowFocusRequested(); }

signals:
    void dataSetChanged();          // another data set, or it opened, closed or was re-read wholesale
    void stateChanged();
    void currentChanged(int row);
    void rowChanged(int row);
    void rowsInserted(int first, int last);
    void rowsRemoved(int first, int last);
    void focusFieldRequested(const QString& fieldName);
    void discardRequested();
    void newRowFocusRequested();

private:
    QPointer<DataSet> m_dataSet;
    QList<QMetaObject::Connection> m_connections;
    struct Entry {
        QObject* control;
        Writer writer;
    };
    std::vector<Entry> m_writers;
};

} // namespace pellori
