#pragma once
// A grid edited in place over one data set. Columns come from the data set's
// visible fields (title, width, pick list, lookup); the grid's current row is
// the data set's current row, so leaving a row posts it. Every user action runs
// through the command guard, so refusals reach the error handlers.
#include "widgets/DataSource.h"
#include <QPointer>
#include <QTableView>

namespace pellori {

class DataSet;
class DataSetModel;
class DataGridDelegate;

class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    // The grid builds its model over the source; nullptr unbinds.
    void setDataSource(DataSource* source);
    DataSource* dataSource() const { return m_source; }
    DataSet* dataSet() const;
    DataSetModel* dataModel() const { return m_model; }

    // No cell editing; Ctrl+Del still deletes when the data set can delete.
    void setReadOnly(bool on);
    bool isReadOnly() const { return m_readOnly; }
    // Tab leaves the grid instead of moving from cell to cell.
    void setTabLeavesGrid(bool on);
    bool tabLeavesGrid() const { return m_tabLeavesGrid; }
    // Rows shown at once by the drop-down lists of pick-list and lookup columns.
    void setDropDownRows(int rows) { m_dropDownRows = rows; }
    int dropDownRows() const { return m_dropDownRows; }

    // Column widths from the fields (again, for instance after the data set was re-opened).
    void applyColumnWidths();
    // The open cell editor, if any.
    QWidget* cellEditor() const;
    // Writes the open cell editor's text into the row; false (after the error was
    // reported) when the data set refused it. The editor stays open.
    bool commitCellEditor();
    // Closes the open cell editor without writing, and drops the current row's changes.
    void discardChanges();
    // Asks "Delete record?" and deletes the current row (Ctrl+Del).
    void deleteCurrentRow();

    static QString deleteQuestion() { return QStringLiteral("Delete record?"); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void syncFromDataSet();
    void closeCellEditorQuietly();
    void onFocusChanged(QWidget* old, QWidget* now);
    bool contains(QWidget* w) const;
    void moveBelowLastRow();
    void focusFirstEditableCell();

    QPointer<DataSource> m_source;
    DataSetModel* m_model = nullptr;
    DataGridDelegate* m_delegate = nullptr;
    bool m_readOnly = false;
    bool m_tabLeavesGrid = false;
    int m_dropDownRows = 7;
    bool m_syncing = false;
};

} // namespace pellori
