#include "widgets/DataGrid.h"

#include "data/DataSet.h"
#include "services/CommandGuard.h"
#include "services/MessageService.h"
#include "settings/AppError.h"
#include "widgets/DataGridDelegate.h"
#include "widgets/DataSetModel.h"
#include "widgets/DataSource.h"

#include <QApplication>
#include <QHeaderView>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace pellori {

DataGrid::DataGrid(QWidget* parent) : QTableView(parent)
{
    m_delegate = new DataGridDelegate(this);
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                    | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(true);
    setShowGrid(true);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setFixedWidth(fontMetrics().height() + 6);
    connect(qApp, &QApplication::focusChanged, this, &DataGrid::onFocusChanged);
}

DataGrid::~DataGrid()
{
    // ~QWidget clears the focus and so emits focusChanged once more, when this
    // grid is no longer a DataGrid: the slot must be gone by then.
    disconnect(qApp, &QApplication::focusChanged, this, &DataGrid::onFocusChanged);
}

void DataGrid::setDataSource(DataSource* source)
{
    if (m_source == source)
        return;
    closeCellEditorQuietly();
    if (m_source) {
        m_source->removeWriters(this);
        disconnect(m_source, nullptr, this, nullptr);
    }
    DataSetModel* old = m_model;
    m_source = source;
    m_model = nullptr;
    if (source) {
        m_model = new DataSetModel(source, this);
        m_model->setReadOnly(m_readOnly);
        setModel(m_model);
        connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
            applyColumnWidths();
            syncFromDataSet();
        });
        connect(source, &DataSource::currentChanged, this, &DataGrid::syncFromDataSet);
        connect(source, &DataSource::rowsInserted, this, &DataGrid::syncFromDataSet);
        connect(source, &DataSource::rowsRemoved, this, &DataGrid::syncFromDataSet);
        connect(source, &DataSource::focusFieldRequested, this, [this](const QString& name) {
            const int col = m_model->columnOf(name);
            const DataSet* ds = dataSet();
            if (col < 0 || !ds || ds->recNo() < 0 || ds->recNo() >= m_model->rowCount())
                return;
            m_syncing = true;
            setCurrentIndex(m_model->index(ds->recNo(), col));
            m_syncing = false;
            setFocus(Qt::OtherFocusReason);
        });
        connect(source, &DataSource::discardRequested, this, &DataGrid::closeCellEditorQuietly);
        connect(source, &DataSource::newRowFocusRequested, this, &DataGrid::focusFirstEditableCell);
        // A save started elsewhere (the navigator) takes the text being typed first.
        source->addWriter(this, [this] {
            if (!commitCellEditor())
                throw SilentAbort();
        });
        applyColumnWidths();
        syncFromDataSet();
    } else {
        setModel(nullptr);
    }
    delete old;
}

DataSet* DataGrid::dataSet() const { return m_source ? m_source->dataSet() : nullptr; }

void DataGrid::setReadOnly(bool on)
{
    m_readOnly = on;
    if (m_model)
        m_model->setReadOnly(on);
    setEditTriggers(on ? QAbstractItemView::NoEditTriggers
                       : QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                             | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
}

void DataGrid::setTabLeavesGrid(bool on)
{
    m_tabLeavesGrid = on;
    setTabKeyNavigation(!on);
}

void DataGrid::applyColumnWidths()
{
    if (!m_model)
        return;
    const int charWidth = fontMetrics().averageCharWidth();
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const FieldDef* f = m_model->fieldAt(c);
        int width = f->width;
        if (width <= 0) {
            const int chars = f->kind == FieldKind::Text ? qBound(4, f->size > 0 ? f->size : 20, 30) : 10;
            width = chars * charWidth + 8;
        }
        setColumnWidth(c, width);
    }
}

QWidget* DataGrid::cellEditor() const
{
    return state() == QAbstractItemView::EditingState ? m_delegate->openEditor() : nullptr;
}

bool DataGrid::commitCellEditor()
{
    QWidget* editor = cellEditor();
    if (!editor || !m_model)
        return true;
    QVariant value;
    int role = Qt::EditRole;
    if (!DataGridDelegate::editorValue(editor, value, role))
        return true;
    return m_model->setData(m_delegate->editedIndex(), value, role);
}

void DataGrid::closeCellEditorQuietly()
{
    // The base class removes the delegate's event filter before hiding the editor,
    // so the lost focus writes nothing.
    if (QWidget* editor = cellEditor())
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void DataGrid::discardChanges()
{
    closeCellEditorQuietly();
    guarded([this] {
        DataSet* ds = dataSet();
        if (ds && ds->isEditing())
            ds->cancel();
    });
}

void DataGrid::deleteCurrentRow()
{
    guarded([this] {
        DataSet* ds = dataSet();
        if (!ds || !ds->isOpen() || !ds->canDelete() || ds->isEmpty())
            return;
        if (!confirm(this, deleteQuestion(), ConfirmButtons::OkCancel))
            return;
        closeCellEditorQuietly();
        if (ds->state() == DataSet::State::Insert)
            ds->cancel();   // a row never saved has nothing to delete
        else
            ds->deleteRow();
    });
}

void DataGrid::focusFirstEditableCell()
{
    const DataSet* ds = dataSet();
    if (!m_model || !ds || ds->recNo() < 0 || ds->recNo() >= m_model->rowCount())
        return;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const QModelIndex cell = m_model->index(ds->recNo(), c);
        if (m_model->flags(cell) & Qt::ItemIsEditable) {
            m_syncing = true;
            setCurrentIndex(cell);
            m_syncing = false;
            setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void DataGrid::moveBelowLastRow()
{
    guarded([this] {
        DataSet* ds = dataSet();
        if (!ds || !ds->isOpen() || !ds->canInsert())
            return;
        if (ds->state() == DataSet::State::Insert && !ds->isModified())
            return;   // already on an untouched new row
        if (!commitCellEditor())
            throw SilentAbort();
        closeCellEditorQuietly();
        ds->append();
    });
}

void DataGrid::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const auto mods = event->modifiers() & ~Qt::KeypadModifier;
    DataSet* ds = dataSet();

    // Ctrl+Tab leaves any grid, forwards or (with Shift) backwards, whatever Tab does in it.
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && (mods & Qt::ControlModifier)) {
        QAbstractScrollArea::focusNextPrevChild(key == Qt::Key_Tab && !(mods & Qt::ShiftModifier));
        event->accept();
        return;
    }
    // Shift+F10 opens the context menu as the Menu key does, at the current cell.
    if (key == Qt::Key_F10 && mods == Qt::ShiftModifier) {
        const QRect cell = visualRect(currentIndex());
        const QPoint at = cell.isValid() ? cell.center() : QPoint(0, 0);
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, viewport()->mapToGlobal(at));
        QApplication::sendEvent(viewport(), &menu);
        event->accept();
        return;
    }
    if (key == Qt::Key_Delete && mods == Qt::ControlModifier) {
        deleteCurrentRow();
        event->accept();
        return;
    }
    // Ctrl+End reaches the last row of the whole list, not of the rows read so far.
    if ((key == Qt::Key_End || key == Qt::Key_Home) && mods == Qt::ControlModifier && ds && ds->isOpen()) {
        guarded([&] {
            if (!commitCellEditor())
                throw SilentAbort();
            closeCellEditorQuietly();
            if (key == Qt::Key_End)
                ds->last();
            else
                ds->first();
        });
        event->accept();
        return;
    }
    if (key == Qt::Key_Escape && ds && ds->isEditing()) {
        discardChanges();
        event->accept();
        return;
    }
    if (!m_readOnly && ds && ds->isOpen() && mods == Qt::NoModifier) {
        if (key == Qt::Key_Insert && ds->canInsert()) {
            guarded([&] {
                if (!commitCellEditor())
                    throw SilentAbort();
                closeCellEditorQuietly();
                ds->insert();
            });
            event->accept();
            return;
        }
        const QModelIndex cur = currentIndex();
        const int rows = m_model->rowCount();
        if (key == Qt::Key_Down && ds->allFetched() && (rows == 0 || (cur.isValid() && cur.row() == rows - 1))) {
            moveBelowLastRow();
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void DataGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (m_syncing || !current.isValid() || !m_model || m_model->isChangingRows())
        return;   // while rows come and go the data set says where its current row is
    DataSet* ds = dataSet();
    if (!ds || !ds->isOpen() || current.row() == ds->recNo())
        return;
    // Leaving the row posts it; when that is refused the grid goes back to it.
    if (!guarded([&] { m_model->moveDataSetTo(current.row()); }))
        syncFromDataSet();
}

void DataGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (hint == QAbstractItemDelegate::RevertModelCache) {   // Esc in the cell
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        discardChanges();
        return;
    }
    if (m_tabLeavesGrid
        && (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem)) {
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
        return;
    }
    QTableView::closeEditor(editor, hint);
}

void DataGrid::syncFromDataSet()
{
    if (!m_model || m_syncing || m_model->isChangingRows())
        return;
    const DataSet* ds = dataSet();
    const int row = ds && ds->isOpen() ? ds->recNo() : -1;
    if (row < 0 || row >= m_model->rowCount() || m_model->columnCount() == 0)
        return;
    const QModelIndex cur = currentIndex();
    if (cur.isValid() && cur.row() == row)
        return;
    if (QWidget* editor = cellEditor(); editor && m_delegate->editedIndex().row() != row)
        closeCellEditorQuietly();
    m_syncing = true;
    setCurrentIndex(m_model->index(row, cur.isValid() ? cur.column() : 0));
    m_syncing = false;
}

bool DataGrid::contains(QWidget* w) const
{
    // Walks across windows too: a combo editor's drop-down list is a window of its own.
    for (; w; w = w->parentWidget())
        if (w == this)
            return true;
    return false;
}

void DataGrid::onFocusChanged(QWidget* old, QWidget* now)
{
    if (!old || !now || !contains(old) || contains(now))
        return;
    // A new row the user left without typing anything is dropped.
    guarded([this] {
        DataSet* ds = dataSet();
        if (ds && ds->state() == DataSet::State::Insert && !ds->isModified())
            ds->cancel();
    });
}

} // namespace pellori
