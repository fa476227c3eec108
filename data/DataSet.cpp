#include "data/DataSet.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "data/LookupList.h"

#include <QDate>
#include <QDateTime>
#include <firebird/Interface.h>

namespace pellori {

namespace {

FieldKind kindOf(const ColumnInfo& c)
{
    switch (c.sqlType) {
    case SQL_SHORT:
    case SQL_LONG:
        return c.scale ? FieldKind::Float : FieldKind::Integer;
    case SQL_INT64:
        return c.scale ? FieldKind::Float : FieldKind::BigInt;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return FieldKind::Float;
    case SQL_TYPE_DATE:
    case SQL_TIMESTAMP:
        return FieldKind::Date;
    case SQL_BLOB:
        return FieldKind::Memo;
    default:
        return FieldKind::Text;
    }
}

bool isIntegral(const ColumnInfo& c)
{
    return (c.sqlType == SQL_SHORT || c.sqlType == SQL_LONG || c.sqlType == SQL_INT64) && c.scale == 0;
}

// Brings a value read from the database into the field's own kind.
QVariant fromDb(FieldKind kind, const QVariant& v)
{
    if (value::isNull(v))
        return QVariant();
    switch (kind) {
    case FieldKind::Integer:
    case FieldKind::BigInt: return v.toLongLong();
    case FieldKind::Float: return v.toDouble();
    case FieldKind::Date: return v.typeId() == QMetaType::QDateTime ? QVariant(v.toDateTime().date()) : v;
    default: return v.toString();
    }
}

// The text form under which findRow indexes a value: equal keys of different
// integer widths (or typed as text) meet.
QString indexKey(FieldKind kind, const QVariant& v)
{
    switch (kind) {
    case FieldKind::Integer:
    case FieldKind::BigInt: {
        bool ok = false;
        const qlonglong x = v.toLongLong(&ok);
        return ok ? QString::number(x) : v.toString();
    }
    case FieldKind::Date: return v.toDate().toString(Qt::ISODate);
    default: return v.toString();
    }
}

} // namespace

DataSet::DataSet(DbTransaction& transaction, QObject* parent) : QObject(parent), m_transaction(&transaction)
{
    transaction.add(this);
}

DataSet::~DataSet()
{
    resetStatements();
    if (m_transaction)
        m_transaction->remove(this);
}

DbTransaction& DataSet::requireTransaction() const
{
    if (!m_transaction)
        throw AppError(QStringLiteral("The data set %1 has no transaction: its transaction has already ended for good")
                           .arg(objectName()));
    return *m_transaction;
}

DbTransaction& DataSet::transaction() const { return requireTransaction(); }

void DataSet::resetStatements()
{
    m_select.reset();
    m_insert.reset();
    m_modify.reset();
    m_delete.reset();
    m_refresh.reset();
}

void DataSet::setTransaction(DbTransaction& transaction)
{
    close();
    if (m_transaction)
        m_transaction->remove(this);
    resetStatements();   // prepared on another transaction's connection, perhaps
    m_transaction = &transaction;
    transaction.add(this);
}

void DataSet::setSelectSql(const QString& sql)
{
    close();
    m_selectSql = sql;
    m_select.reset();
    m_refresh.reset();
}

void DataSet::setWriteSql(Write which, const QString& sql)
{
    switch (which) {
    case Write::Insert: m_insertSql = sql; m_insert.reset(); break;
    case Write::Modify: m_modifySql = sql; m_modify.reset(); break;
    case Write::Delete: m_deleteSql = sql; m_delete.reset(); break;
    case Write::Refresh: m_refreshSql = sql; m_refresh.reset(); break;
    }
}

const QString& DataSet::writeSql(Write which) const
{
    switch (which) {
    case Write::Insert: return m_insertSql;
    case Write::Modify: return m_modifySql;
    case Write::Delete: return m_deleteSql;
    case Write::Refresh: break;
    }
    return m_refreshSql;
}

void DataSet::setKeyFieldName(const QString& field)
{
    m_keyField = field;
    m_insert.reset();   // the insert reads the key back
}

FieldDef& DataSet::addField(const FieldDef& def)
{
    m_fieldsDeclared = true;
    m_fields.append(def);
    return m_fields.last();
}

void DataSet::setParam(const QString& name, const QVariant& value) { m_params[name.toUpper()] = value; }

QVariant DataSet::param(const QString& name) const { return m_params.value(name.toUpper()); }

int DataSet::fieldIndex(const QString& name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

FieldDef& DataSet::field(const QString& name)
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw AppError(QStringLiteral("Field '%1' not found").arg(name));
    return m_fields[i];
}

// ---------------------------------------------------------------- life

void DataSet::ensurePrepared()
{
    DbTransaction& tr = requireTransaction();
    if (m_select) {
        m_select->prepare(tr);   // again after the connection was closed and opened
        return;
    }
    auto stmt = std::make_unique<Statement>(tr.connection(), m_selectSql);
    stmt->prepare(tr);
    m_select = std::move(stmt);
    buildFields();
}

void DataSet::buildFields()
{
    const QList<ColumnInfo>& cols = m_select->columns();
    if (!m_fieldsDeclared) {
        m_fields.clear();
        for (const ColumnInfo& c : cols)
            m_fields.append({.name = c.name, .kind = kindOf(c), .size = c.isText && kindOf(c) == FieldKind::Text ? c.length : 0});
    }
    m_columnOf.clear();
    for (FieldDef& f : m_fields) {
        int col = -1;
        if (!f.isLookup())
            for (int i = 0; i < cols.size(); ++i)
                if (cols[i].name.compare(f.name, Qt::CaseInsensitive) == 0) {
                    col = i;
                    break;
                }
        if (col >= 0 && f.kind == FieldKind::Text && f.size == 0)
            f.size = cols[col].length;
        m_columnOf.append(col);
    }
}

void DataSet::open()
{
    if (isOpen())
        return;
    DbTransaction& tr = requireTransaction();
    tr.startIfInactive();
    ensurePrepared();
    m_encoding = tr.connection().encoding();
    QList<FieldKind> kinds;
    for (const FieldDef& f : std::as_const(m_fields))
        kinds << f.kind;
    m_rows.setLayout(kinds, m_encoding);
    m_select->openCursor(tr, [this](const QString& name) { return m_params.value(name.toUpper()); });
    m_buffer.clear();
    m_index.clear();
    m_current = -1;
    m_eof = false;
    m_afterEnd = false;
    m_modified = false;
    m_state = State::Browse;
    emit layoutReset();
    emit opened();
    emit stateChanged();
    runFetch(1);
    if (m_rows.size() > 0)
        setCurrent(0);
}

void DataSet::close()
{
    if (!isOpen())
        return;
    if (m_select)
        m_select->closeCursor();
    m_rows.clear();
    m_buffer.clear();
    m_index.clear();
    m_current = -1;
    m_eof = true;
    m_afterEnd = false;
    m_modified = false;
    m_state = State::Inactive;
    emit layoutReset();
    emit closed();
    emit stateChanged();
}

void DataSet::transactionEnded() { close(); }

void DataSet::transactionDestroyed()
{
    close();
    resetStatements();
    m_transaction = nullptr;
}

void DataSet::rowsChangedBy() { m_index.clear(); }

// ---------------------------------------------------------------- fetching

void DataSet::runFetch(int count)
{
    if (m_eof || !m_select)
        return;
    const int first = m_rows.size();
    Statement& s = *m_select;
    const QList<ColumnInfo>& cols = s.columns();
    RowStore::Builder b;
    int added = 0;
    while (added < count) {
        if (!s.fetch()) {
            m_eof = true;
            break;
        }
        // Straight from the message buffer into the packed row: only the columns
        // of the fields, and no value passes through a QVariant unless it must.
        for (int i = 0; i < m_fields.size(); ++i) {
            const int col = m_columnOf[i];
            if (col < 0 || s.isNullAt(col)) {
                b.null();
                continue;
            }
            const ColumnInfo& c = cols[col];
            const FieldKind kind = m_fields[i].kind;
            if ((kind == FieldKind::Integer || kind == FieldKind::BigInt) && isIntegral(c))
                b.integer(s.integerAt(col));
            else if ((kind == FieldKind::Text || kind == FieldKind::Memo)
                     && (c.sqlType == SQL_VARYING || c.sqlType == SQL_TEXT))
                b.bytes(s.textAt(col));
            else if (kind == FieldKind::Memo && c.sqlType == SQL_BLOB)
                b.bytes(s.blobAt(col));
            else if (kind == FieldKind::Date && c.sqlType == SQL_TYPE_DATE)
                b.julianDay(s.julianDayAt(col));
            else
                m_rows.appendValue(b, i, fromDb(kind, s.valueAt(col)));
        }
        m_rows.append(b.take());
        if (OnReadRow) {
            QList<QVariant> values = m_rows.values(m_rows.size() - 1);
            OnReadRow(values);
            m_rows.set(m_rows.size() - 1, values);
        }
        ++added;
    }
    if (added) {
        rowsChangedBy();
        emit rowsInserted(first, first + added - 1);
    }
}

int DataSet::fetchMore(int count)
{
    const int before = rowCount();
    runFetch(count);
    return rowCount() - before;
}

void DataSet::fetchAll()
{
    while (!m_eof)
        runFetch(1000);
}

bool DataSet::isEmpty()
{
    if (!isOpen())
        return true;
    if (m_rows.size() == 0)
        runFetch(1);
    return m_rows.size() == 0;
}

void DataSet::setCurrent(int row, bool scroll)
{
    m_current = row;
    m_afterEnd = false;
    emit currentChanged(row);
    if (scroll && AfterScroll && row >= 0)
        AfterScroll(*this);
}

void DataSet::moveTo(int row)
{
    if (!isOpen())
        return;
    checkBrowseMode();
    while (row >= rowCount() && !m_eof)
        runFetch(qMax(50, row - rowCount() + 1));
    if (m_rows.size() == 0)
        return;
    setCurrent(qBound(0, row, rowCount() - 1));
}

void DataSet::first() { moveTo(0); }

void DataSet::last()
{
    if (!isOpen())
        return;
    checkBrowseMode();
    fetchAll();
    if (m_rows.size() > 0)
        setCurrent(rowCount() - 1);
}

void DataSet::next()
{
    if (!isOpen())
        return;
    checkBrowseMode();
    if (m_current + 1 >= rowCount())
        runFetch(50);
    if (m_current + 1 < rowCount())
        setCurrent(m_current + 1);
    else
        m_afterEnd = true;
}

void DataSet::prior()
{
    if (!isOpen())
        return;
    checkBrowseMode();
    if (m_current > 0)
        setCurrent(m_current - 1);
}

bool DataSet::atEnd() const { return m_afterEnd || m_rows.size() == 0; }

// ---------------------------------------------------------------- values

int DataSet::findRow(int fieldIndex, const QVariant& wanted)
{
    if (!isOpen() || fieldIndex < 0 || fieldIndex >= fieldCount() || value::isNull(wanted))
        return -1;
    fetchAll();
    const FieldKind kind = m_fields[fieldIndex].kind;
    auto it = m_index.find(fieldIndex);
    if (it == m_index.end()) {
        QHash<QString, int> index;
        index.reserve(rowCount());
        // From the last row up: a later insert() replaces, so the first row of a value wins.
        for (int r = rowCount() - 1; r >= 0; --r) {
            const QVariant v = value(r, fieldIndex);
            if (!value::isNull(v))
                index.insert(indexKey(kind, v), r);
        }
        it = m_index.insert(fieldIndex, index);
    }
    return it->value(indexKey(kind, wanted), -1);
}

QVariant DataSet::lookupValue(const FieldDef& f, int row) const
{
    DataSet* lookup = f.lookupDataSet;
    const int keyIndex = fieldIndex(f.keyField);
    if (keyIndex < 0 || !lookup || !lookup->isOpen())
        return QVariant();
    const QVariant key = value(row, keyIndex);
    const int r = lookup->findRow(lookup->fieldIndex(f.lookupKeyField), key);
    return r < 0 ? QVariant() : lookup->value(r, lookup->fieldIndex(f.lookupResultField));
}

QVariant DataSet::value(int row, int fieldIndex) const
{
    if (row < 0 || row >= rowCount() || fieldIndex < 0 || fieldIndex >= m_fields.size())
        return QVariant();
    const FieldDef& f = m_fields[fieldIndex];
    if (f.isLookup())
        return lookupValue(f, row);
    if (row == m_current && isEditing())
        return m_buffer.value(fieldIndex);
    return m_rows.value(row, fieldIndex);
}

QVariant DataSet::value(const QString& name) const { return value(m_current, fieldIndex(name)); }

QVariant DataSet::oldValue(const QString& name) const
{
    const int i = fieldIndex(name);
    if (isEditing())
        return m_fields.value(i).isLookup() ? QVariant() : m_rows.value(m_current, i);
    return value(m_current, i);
}

bool DataSet::isNull(const QString& name) const { return value::isNull(value(name)); }

QString DataSet::text(int row, int fieldIndex) const
{
    const QVariant v = value(row, fieldIndex);
    if (value::isNull(v))
        return QString();
    if (v.typeId() == QMetaType::QDate)
        return value::formatDate(v.toDate());
    return v.toString();
}

QVariant DataSet::convertIn(const FieldDef& f, const QVariant& v) const
{
    return value::toField(f.kind, f.size, v, f.name, m_encoding);
}

void DataSet::setValue(const QString& name, const QVariant& value)
{
    const int i = fieldIndex(name);
    if (i < 0)
        throw AppError(QStringLiteral("Field '%1' not found").arg(name));
    setValue(i, value);
}

void DataSet::setLookup(int fieldIndex, const QVariant& shown)
{
    const FieldDef& f = m_fields[fieldIndex];
    QVariant key;
    if (!value::isNull(shown) && !shown.toString().isEmpty()) {
        key = keyForText(*f.lookupDataSet, f.lookupResultField, f.lookupKeyField, shown.toString());
        if (value::isNull(key))
            throw AppError(QStringLiteral("'%1' is not a valid value for field '%2'").arg(shown.toString(), f.name));
    }
    setValue(f.keyField, key);
}

void DataSet::setValue(int fieldIndex, const QVariant& value)
{
    if (!isOpen())
        throw AppError(QStringLiteral("Cannot perform this operation on a closed dataset"));
    if (fieldIndex < 0 || fieldIndex >= m_fields.size())
        throw AppError(QStringLiteral("Field index %1 out of range").arg(fieldIndex));
    const FieldDef& f = m_fields[fieldIndex];
    if (f.isLookup()) {
        setLookup(fieldIndex, value);
        return;
    }
    const QVariant converted = convertIn(f, value);   // refuse bad input before changing state
    if (m_current < 0) {
        if (!canInsert())
            throw AppError(QStringLiteral("Cannot modify a read-only dataset"));
        append();
    }
    if (m_state == State::Browse)
        edit();
    m_buffer[fieldIndex] = converted;
    m_index.remove(fieldIndex);   // the row being edited shows the new value
    m_modified = true;
    emit rowChanged(m_current);
}

// ---------------------------------------------------------------- editing

void DataSet::enterInsert(int position)
{
    if (!canInsert())
        throw AppError(QStringLiteral("Cannot insert into a read-only dataset"));
    QList<QVariant> empty(m_fields.size());
    m_rows.insert(position, empty);
    rowsChangedBy();
    m_buffer = empty;
    emit rowsInserted(position, position);
    m_state = State::Insert;
    m_current = position;
    m_afterEnd = false;
    emit stateChanged();
    emit currentChanged(position);
    if (OnNewRecord) {
        try {
            OnNewRecord(*this);
        } catch (...) {
            cancel();
            throw;
        }
    }
    // Defaults filled in by the handler do not count as the user's change.
    m_modified = false;
    emit rowChanged(position);
}

void DataSet::insert()
{
    if (!isOpen())
        open();
    checkBrowseMode();
    enterInsert(m_current < 0 ? 0 : m_current);
}

void DataSet::append()
{
    if (!isOpen())
        open();
    checkBrowseMode();
    fetchAll();
    enterInsert(rowCount());
}

void DataSet::edit()
{
    if (m_state == State::Edit || m_state == State::Insert)
        return;
    if (!isOpen() || m_current < 0)
        throw AppError(QStringLiteral("Cannot edit: the dataset has no current row"));
    if (!canModify())
        throw AppError(QStringLiteral("Cannot modify a read-only dataset"));
    m_buffer = m_rows.values(m_current);
    m_modified = false;
    m_state = State::Edit;
    emit stateChanged();
}

QVariant DataSet::paramFor(const QString& name) const
{
    if (name.startsWith("OLD_", Qt::CaseInsensitive))
        return oldValue(name.mid(4));
    return value(m_current, fieldIndex(name));
}

Statement& DataSet::writeStatement(Write which)
{
    std::unique_ptr<Statement>* slot = nullptr;
    QString sql;
    switch (which) {
    case Write::Insert: {
        slot = &m_insert;
        sql = m_insertSql;
        // The key the database assigns is read back, so the new row can be changed or deleted at once.
        const int k = fieldIndex(m_keyField);
        if (k >= 0 && !sql.contains(QLatin1String("returning"), Qt::CaseInsensitive))
            sql += QStringLiteral("\nreturning ") + m_fields[k].name;
        break;
    }
    case Write::Modify: slot = &m_modify; sql = m_modifySql; break;
    case Write::Delete: slot = &m_delete; sql = m_deleteSql; break;
    case Write::Refresh: slot = &m_refresh; sql = m_refreshSql; break;
    }
    if (!*slot)
        *slot = std::make_unique<Statement>(requireTransaction().connection(), sql);
    return **slot;
}

void DataSet::post()
{
    if (!isEditing())
        return;
    DbTransaction& tr = requireTransaction();
    const bool inserting = m_state == State::Insert;

    if (inserting && !m_generatorName.isEmpty()) {
        const int k = fieldIndex(m_generatorField);
        if (k >= 0 && value::isNull(m_buffer[k])) {
            m_buffer[k] = convertIn(m_fields[k], generatorValue(tr, m_generatorName, 1));
            emit rowChanged(m_current);
        }
    }
    if (BeforePost)
        BeforePost(*this);
    checkRequired();

    const auto params = [this](const QString& name) { return paramFor(name); };
    if (inserting) {
        if (m_insertSql.isEmpty())
            throw AppError(QStringLiteral("Cannot insert into a read-only dataset"));
        const QList<QVariant> out = writeStatement(Write::Insert).execute(tr, params);
        const int k = fieldIndex(m_keyField);
        if (k >= 0 && !out.isEmpty())
            m_buffer[k] = fromDb(m_fields[k].kind, out.first());
    } else {
        if (m_modifySql.isEmpty())
            throw AppError(QStringLiteral("Cannot modify a read-only dataset"));
        Statement& modify = writeStatement(Write::Modify);
        modify.execute(tr, params);
        if (m_checkRows && modify.affectedRows() != 1)
            throw DbError::rowChangedSinceRead();
    }
    for (const QString& name : std::as_const(m_versionFields))
        if (const int v = fieldIndex(name); v >= 0)
            m_buffer[v] = QVariant(qlonglong(tr.id()));

    m_rows.set(m_current, m_buffer);
    rowsChangedBy();
    m_buffer.clear();
    m_modified = false;
    m_state = State::Browse;
    emit stateChanged();
    emit rowChanged(m_current);
    if (AfterPost)
        AfterPost(*this);
}

void DataSet::checkRequired()
{
    if (!isEditing())
        return;
    for (int i = 0; i < m_fields.size(); ++i) {
        const FieldDef& f = m_fields[i];
        if (f.required && !f.isLookup() && value::isNull(m_buffer.value(i))) {
            emit focusFieldRequested(f.name);
            throw AppError(QStringLiteral("Field '%1' must have a value").arg(f.name));
        }
    }
}

void DataSet::cancel()
{
    if (m_state == State::Insert) {
        const int pos = m_current;
        m_rows.remove(pos);
        rowsChangedBy();
        m_buffer.clear();
        m_state = State::Browse;
        m_modified = false;
        emit rowsRemoved(pos, pos);
        emit stateChanged();
        setCurrent(m_rows.size() == 0 ? -1 : qMin(pos, rowCount() - 1));
    } else if (m_state == State::Edit) {
        m_buffer.clear();
        rowsChangedBy();
        m_state = State::Browse;
        m_modified = false;
        emit stateChanged();
        emit rowChanged(m_current);
    }
}

void DataSet::checkBrowseMode()
{
    if (!isEditing())
        return;
    if (m_modified)
        post();
    else
        cancel();
}

void DataSet::deleteRow()
{
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (m_state == State::Edit)
        cancel();
    if (!isOpen() || m_current < 0)
        throw AppError(QStringLiteral("Cannot perform this operation on an empty dataset"));
    if (m_deleteSql.isEmpty())
        throw AppError(QStringLiteral("Cannot delete from a read-only dataset"));
    Statement& del = writeStatement(Write::Delete);
    del.execute(requireTransaction(), [this](const QString& name) { return paramFor(name); });
    if (m_checkRows && del.affectedRows() != 1)
        throw DbError::rowChangedSinceRead();
    const int pos = m_current;
    m_rows.remove(pos);
    rowsChangedBy();
    emit rowsRemoved(pos, pos);
    if (m_rows.size() == 0)
        runFetch(1);
    setCurrent(m_rows.size() == 0 ? -1 : qMin(pos, rowCount() - 1));
    if (AfterDelete)
        AfterDelete(*this);
}

void DataSet::refresh()
{
    if (!isOpen() || m_current < 0 || m_refreshSql.isEmpty())
        return;
    checkBrowseMode();
    DbTransaction& tr = requireTransaction();
    Statement& stmt = writeStatement(Write::Refresh);
    stmt.openCursor(tr, [this](const QString& name) { return paramFor(name); });
    QList<QVariant> raw;
    const bool found = stmt.fetch(raw);
    stmt.closeCursor();
    if (!found)
        return;   // the row is gone or not visible: keep what we have
    QList<QVariant> values = m_rows.values(m_current);
    const QList<ColumnInfo>& cols = stmt.columns();
    for (int c = 0; c < cols.size(); ++c) {
        const int i = fieldIndex(cols[c].name);
        if (i >= 0 && !m_fields[i].isLookup())
            values[i] = fromDb(m_fields[i].kind, raw.value(c));
    }
    if (OnReadRow)
        OnReadRow(values);
    m_rows.set(m_current, values);
    rowsChangedBy();
    emit rowChanged(m_current);
}

// ---------------------------------------------------------------- bookmarks, locate

bool DataSet::bookmarkValid(Bookmark b)
{
    if (!isOpen() || b < 0)
        return false;
    while (b >= rowCount() && !m_eof)
        runFetch(50);
    return b < rowCount();
}

void DataSet::gotoBookmark(Bookmark b)
{
    if (bookmarkValid(b))
        moveTo(b);
}

bool DataSet::locate(const QString& fieldName, const QVariant& wanted)
{
    const int idx = fieldIndex(fieldName);
    if (idx < 0 || !isOpen())
        return false;
    checkBrowseMode();
    const FieldDef& f = m_fields[idx];
    const auto equal = [&](const QVariant& v) {
        if (value::isNull(v) || value::isNull(wanted))
            return value::isNull(v) && value::isNull(wanted);
        switch (f.kind) {
        case FieldKind::Integer:
        case FieldKind::BigInt: {
            bool ok = false;
            const qlonglong w = wanted.toLongLong(&ok);
            return ok && v.toLongLong() == w;
        }
        case FieldKind::Date: return v.toDate() == wanted.toDate();
        default: return v.toString() == wanted.toString();
        }
    };
    for (int row = 0;; ++row) {
        if (row >= rowCount()) {
            if (m_eof)
                return false;
            runFetch(50);
            if (row >= rowCount())
                return false;
        }
        if (equal(value(row, idx))) {
            setCurrent(row);
            return true;
        }
    }
}

} // namespace pellori
