#include "widgets/DataSetModel.h"

#include "data/DataSet.h"
#include "data/LookupList.h"
#include "services/CommandGuard.h"
#include "widgets/DataSource.h"

namespace pellori {

DataSetModel::DataSetModel(DataSource* source, QObject* parent) : QAbstractTableModel(parent), m_source(source)
{
    connect(source, &DataSource::dataSetChanged, this, &DataSetModel::rebuild);
    connect(source, &DataSource::rowsInserted, this, &DataSetModel::onRowsInserted);
    connect(source, &DataSource::rowsRemoved, this, &DataSetModel::onRowsRemoved);
    connect(source, &DataSource::currentChanged, this, &DataSetModel::onCurrentChanged);
    connect(source, &DataSource::stateChanged, this, &DataSetModel::onStateChanged);
    connect(source, &DataSource::rowChanged, this, [this](int row) {
        syncRowCount();
        if (row >= 0 && row < m_rows && !m_columns.isEmpty())
            emit dataChanged(index(row, 0), index(row, int(m_columns.size()) - 1));
    });
    rebuild();
}

DataSet* DataSetModel::dataSet() const { return m_source ? m_source->dataSet() : nullptr; }

int DataSetModel::fieldIndex(int column) const
{
    return column >= 0 && column < m_columns.size() ? m_columns[column] : -1;
}

int DataSetModel::columnOf(const QString& fieldName) const
{
    const DataSet* ds = dataSet();
    if (!ds)
        return -1;
    return int(m_columns.indexOf(ds->fieldIndex(fieldName)));
}

const FieldDef* DataSetModel::fieldAt(int column) const
{
    const DataSet* ds = dataSet();
    const int fi = fieldIndex(column);
    return ds && fi >= 0 ? &ds->fields()[fi] : nullptr;
}

void DataSetModel::fieldsChanged() { rebuild(); }

void DataSetModel::rebuild()
{
    m_changing = true;
    beginResetModel();
    m_columns.clear();
    m_rows = 0;
    m_current = -1;
    if (DataSet* ds = dataSet()) {
        for (int i = 0; i < ds->fieldCount(); ++i)
            if (ds->fields()[i].visible)
                m_columns << i;
        if (ds->isOpen()) {
            m_rows = ds->rowCount();
            m_current = ds->recNo();
        }
    }
    endResetModel();
    m_changing = false;
}

void DataSetModel::syncRowCount()
{
    const DataSet* ds = dataSet();
    const int total = ds && ds->isOpen() ? ds->rowCount() : 0;
    if (total > m_rows) {
        m_changing = true;
        beginInsertRows({}, m_rows, total - 1);
        m_rows = total;
        endInsertRows();
        m_changing = false;
    } else if (total < m_rows) {
        m_changing = true;
        beginRemoveRows({}, total, m_rows - 1);
        m_rows = total;
        endRemoveRows();
        m_changing = false;
    }
}

// The data set reports changes after the fact; the model keeps its own count
// so that views see a consistent begin/end pair.
void DataSetModel::onRowsInserted(int first, int last)
{
    const DataSet* ds = dataSet();
    const int n = last - first + 1;
    if (ds && first >= 0 && first <= m_rows && m_rows + n == ds->rowCount()) {
        m_changing = true;
        beginInsertRows({}, first, last);
        m_rows += n;
        endInsertRows();
        m_changing = false;
    } else {
        syncRowCount();
        if (m_rows > 0 && !m_columns.isEmpty())
            emit dataChanged(index(0, 0), index(m_rows - 1, int(m_columns.size()) - 1));
    }
}

void DataSetModel::onRowsRemoved(int first, int last)
{
    const DataSet* ds = dataSet();
    const int n = last - first + 1;
    if (ds && first >= 0 && last < m_rows && m_rows - n == ds->rowCount()) {
        m_changing = true;
        beginRemoveRows({}, first, last);
        m_rows -= n;
        endRemoveRows();
        m_changing = false;
    } else {
        syncRowCount();
        if (m_rows > 0 && !m_columns.isEmpty())
            emit dataChanged(index(0, 0), index(m_rows - 1, int(m_columns.size()) - 1));
    }
}

void DataSetModel::refreshIndicator(int row)
{
    if (row >= 0 && row < m_rows)
        emit headerDataChanged(Qt::Vertical, row, row);
}

void DataSetModel::onCurrentChanged(int row)
{
    syncRowCount();   // moving may have fetched rows
    const int old = m_current;
    m_current = row;
    refreshIndicator(old);
    refreshIndicator(row);
}

void DataSetModel::onStateChanged()
{
    syncRowCount();
    const DataSet* ds = dataSet();
    const int row = ds ? ds->recNo() : -1;
    if (row != m_current) {
        onCurrentChanged(row);
    } else {
        refreshIndicator(row);
    }
}

int DataSetModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int DataSetModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_columns.size()); }

QVariant DataSetModel::data(const QModelIndex& index, int role) const
{
    const DataSet* ds = dataSet();
    if (!ds || !index.isValid() || !ds->isOpen() || index.row() >= ds->rowCount())
        return {};
    const int fi = fieldIndex(index.column());
    if (fi < 0)
        return {};
    const FieldDef& f = ds->fields()[fi];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        // Editors get text, so that the data set converts it and names the field when it cannot.
        return ds->text(index.row(), fi);
    case LookupKeyRole:
        if (f.isLookup()) {
            const int ki = ds->fieldIndex(f.keyField);
            return ki >= 0 ? ds->value(index.row(), ki) : QVariant();
        }
        return ds->value(index.row(), fi);
    case FieldNameRole:
        return f.name;
    case Qt::TextAlignmentRole:
        if (f.kind == FieldKind::Integer || f.kind == FieldKind::BigInt || f.kind == FieldKind::Float)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool DataSetModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    DataSet* ds = dataSet();
    if (!ds || !index.isValid() || m_readOnly || index.row() >= m_rows)
        return false;
    if (role != Qt::EditRole && role != LookupKeyRole)
        return false;
    const int fi = fieldIndex(index.column());
    if (fi < 0)
        return false;
    const FieldDef f = ds->fields()[fi];
    const int row = index.row();

    QString target = f.name;
    QVariant newValue = value;
    if (f.isLookup()) {
        target = f.keyField;
        if (role == Qt::EditRole) {
            // A name typed or chosen: the key of the first lookup row showing it.
            const QString name = value.toString();
            newValue = QVariant();
            if (!name.isEmpty()) {
                newValue = keyForText(*f.lookupDataSet, f.lookupResultField, f.lookupKeyField, name);
                if (newValue.isNull())
                    return false;
            }
        }
        const int ki = ds->fieldIndex(target);
        if (ki >= 0 && ds->value(row, ki) == newValue && ds->value(row, ki).isNull() == newValue.isNull())
            return true;
    } else if (ds->text(row, fi) == value.toString()) {
        // Nothing changed: do not put an untouched row into edit (a new row must stay droppable).
        return true;
    }

    const bool ok = guarded([&] {
        moveDataSetTo(row);   // the row may have moved up by one (see moveDataSetTo)
        ds->setValue(target, newValue);
    });
    syncRowCount();
    if (ok) {
        const int r = ds->recNo();
        if (r >= 0 && r < m_rows)
            emit dataChanged(this->index(r, 0), this->index(r, int(m_columns.size()) - 1));
    }
    return ok;
}

void DataSetModel::moveDataSetTo(int row)
{
    DataSet* ds = dataSet();
    if (!ds || ds->recNo() == row)
        return;
    // Leaving an untouched new row drops it; rows below it move up by one.
    const bool dropsNewRow = ds->state() == DataSet::State::Insert && !ds->isModified();
    const int newRow = ds->recNo();
    ds->checkBrowseMode();
    if (dropsNewRow && newRow < row)
        --row;
    ds->moveTo(row);
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags fl = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const DataSet* ds = dataSet();
    const FieldDef* f = fieldAt(index.column());
    if (ds && f && !m_readOnly && !f->readOnly && (ds->canModify() || ds->canInsert()))
        fl |= Qt::ItemIsEditable;
    return fl;
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const DataSet* ds = dataSet();
    if (orientation == Qt::Horizontal) {
        const FieldDef* f = fieldAt(section);
        if (!f)
            return {};
        if (role == Qt::DisplayRole)
            return f->title.isEmpty() ? f->name : f->title;
        if (role == FieldNameRole)
            return f->name;
        return {};
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    if (role != Qt::DisplayRole || !ds || section != ds->recNo())
        return role == Qt::DisplayRole ? QVariant(QString()) : QVariant();
    switch (ds->state()) {
    case DataSet::State::Edit:
        return editMark();
    case DataSet::State::Insert:
        return insertMark();
    case DataSet::State::Browse:
        return browseMark();
    default:
        return QString();
    }
}

bool DataSetModel::canFetchMore(const QModelIndex& parent) const
{
    const DataSet* ds = dataSet();
    return !parent.isValid() && ds && ds->isOpen() && !ds->allFetched();
}

void DataSetModel::fetchMore(const QModelIndex& parent)
{
    DataSet* ds = dataSet();
    if (parent.isValid() || !ds)
        return;
    guarded([&] { ds->fetchMore(m_batch); });
    syncRowCount();
}

} // namespace pellori
