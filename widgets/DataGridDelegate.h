#pragma once
// The grid's cell editors: a line edit, an editable combo for pick lists, and a
// fixed list of the lookup data set's names for lookup columns. Remembers the
// one open editor so that the grid can write or drop it on its own terms.
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>

namespace pellori {

class DataGrid;

class DataGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit DataGridDelegate(DataGrid* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // What the editor holds and the model role to write it with; false when there is nothing to write.
    static bool editorValue(QWidget* editor, QVariant& value, int& role);

    QWidget* openEditor() const { return m_editor; }
    QModelIndex editedIndex() const { return m_index; }

private:
    QValidator* storableText(QObject* parent) const;

    DataGrid* m_grid;
    mutable QPointer<QWidget> m_editor;
    mutable QPersistentModelIndex m_index;
};

} // namespace pellori
