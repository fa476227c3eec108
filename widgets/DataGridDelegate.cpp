#include "widgets/DataGridDelegate.h"

#include "data/DataSet.h"
#include "data/LookupList.h"
#include "services/CommandGuard.h"
#include "widgets/DataGrid.h"
#include "widgets/DataSetModel.h"
#include "widgets/StorableText.h"

#include <QComboBox>
#include <QLineEdit>

namespace pellori {

namespace {
const char* const kEditorKind = "pelloriEditorKind";
enum EditorKind { LineEditor, PickListEditor, LookupEditor };
} // namespace

DataGridDelegate::DataGridDelegate(DataGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

QValidator* DataGridDelegate::storableText(QObject* parent) const
{
    return new StorableTextValidator(
        [grid = QPointer<DataGrid>(m_grid)] {
            return grid && grid->dataSet() ? grid->dataSet()->encoding() : TextEncoding::Latin1;
        },
        parent);
}

QWidget* DataGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const FieldDef* f = m_grid->dataModel() ? m_grid->dataModel()->fieldAt(index.column()) : nullptr;
    QWidget* editor = nullptr;
    if (f && f->isLookup()) {
        auto* combo = new QComboBox(parent);
        combo->setMaxVisibleItems(m_grid->dropDownRows());
        guarded([&] {
            for (const LookupItem& item : lookupItems(*f->lookupDataSet, f->lookupResultField, f->lookupKeyField))
                combo->addItem(item.text, item.key);
        });
        combo->setProperty(kEditorKind, LookupEditor);
        editor = combo;
    } else if (f && !f->pickList.isEmpty()) {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMaxVisibleItems(m_grid->dropDownRows());
        combo->addItems(f->pickList);
        combo->lineEdit()->setValidator(storableText(combo));
        combo->setProperty(kEditorKind, PickListEditor);
        editor = combo;
    } else {
        auto* line = new QLineEdit(parent);
        line->setFrame(false);
        if (f && f->kind == FieldKind::Text && f->size > 0)
            line->setMaxLength(f->size);
        line->setProperty(kEditorKind, LineEditor);
        line->setValidator(storableText(line));
        // The first keystroke puts the row into edit, as the indicator and the navigator show.
        QObject::connect(line, &QLineEdit::textEdited, m_grid, [grid = m_grid] {
            guarded([grid] {
                DataSet* ds = grid->dataSet();
                if (ds && ds->state() == DataSet::State::Browse && ds->canModify())
                    ds->edit();
            });
        });
        editor = line;
    }
    m_editor = editor;
    m_index = index;
    return editor;
}

void DataGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    switch (editor->property(kEditorKind).toInt()) {
    case LookupEditor: {
        auto* combo = static_cast<QComboBox*>(editor);
        combo->setCurrentIndex(combo->findData(index.data(DataSetModel::LookupKeyRole)));
        break;
    }
    case PickListEditor:
        static_cast<QComboBox*>(editor)->setEditText(text);
        break;
    default:
        static_cast<QLineEdit*>(editor)->setText(text);
    }
}

void DataGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    QVariant value;
    int role = Qt::EditRole;
    if (editorValue(editor, value, role))
        model->setData(index, value, role);
}

bool DataGridDelegate::editorValue(QWidget* editor, QVariant& value, int& role)
{
    switch (editor->property(kEditorKind).toInt()) {
    case LookupEditor: {
        auto* combo = static_cast<QComboBox*>(editor);
        if (combo->currentIndex() < 0)
            return false;
        value = combo->currentData();
        role = DataSetModel::LookupKeyRole;
        return true;
    }
    case PickListEditor:
        value = static_cast<QComboBox*>(editor)->currentText();
        role = Qt::EditRole;
        return true;
    default:
        value = static_cast<QLineEdit*>(editor)->text();
        role = Qt::EditRole;
        return true;
    }
}

} // namespace pellori
