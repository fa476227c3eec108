#include "data/DataSet.h"

#include "data/DbError.h"
#include "data/DbTransaction.h"

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

bool isNullValue(const QVariant& v) { return !v.isValid() || v.isNull(); }

// Brings a value read from the database into the field's own type.
QVariant fromDb(const FieldDef& f, const QVariant& v)
{
    if (isNullValue(v))
        return QVariant();
    switch (f.kind) {
    case FieldKind::Integer: return v.toInt();
    case FieldKind::BigInt: return v.toLongLong();
    case FieldKind::Float: return v.toDouble();
    case FieldKind::Date: return v.typeId() == QMetaType::QDateTime ? QVariant(v.toDateTime().date()) : v;
    default: return v.toString();
    }
}

} // namespace

DataSet::DataSet(DbTransaction& transaction, QObject* parent) : QObject(parent), m_transaction(&transaction) {}

DataSet::~DataSet()
{
    m_rows.clear();
    m_select.reset();
    if (m_transaction)
        m_transaction->detach(this);
}

void DataSet::setTransaction(DbTransaction& transaction)
{
    close();
    if (m_transaction)
        m_transaction->detach(this);
    m_transaction = &transaction;
}

void DataSet::setSelectSql(const QString& sql)
{
    close();
    m_selectSql = sql;
    m_select.reset();
    m_refresh.reset();
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
    if (!m_transaction)
        throw AppError(QStringLiteral("The data set has no transaction"));
    if (m_select)
        return;
    auto stmt = std::make_unique<Statement>(m_transaction->connection(), m_selectSql);
    stmt->prepare(*m_transaction);
    m_select = std::move(stmt);
    buildFields();
}

void DataSet::buildFields()
{
    const QList<ColumnInfo>& cols = m_select->columns();
    if (!m_fieldsDeclared) {
        m_fields.clear();
        for (const ColumnInfo& c : cols) {
            FieldDef f;
            f.name = c.name;
            f.kind = kindOf(c);
            f.size = c.isText && f.kind == FieldKind::Text ? c.length : 0;
            m_fields.append(f);
        }
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
    m_transaction->startIfInactive();
    ensurePrepared();
    m_transaction->attach(this);
    m_select->openCursor(*m_transaction, [this](const QString& name) { return m_params.value(name.toUpper()); });
    m_rows.clear();
    m_current = -1;
    m_eof = false;
    m_afterEnd = false;
    m_modified = false;
    m_state = State::Browse;
    emit layoutReset();
    emit opened();
    emit stateChanged();
    runFetch(1);
    if (!m_rows.empty())
        setCurrent(0);
}

void DataSet::close()
{
    if (!isOpen())
        return;
    if (m_select)
        m_select->closeCursor();
    m_rows.clear();
    m_old.clear();
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
    m_select.reset();
    m_insert.reset();
    m_modify.reset();
    m_delete.reset();
    m_refresh.reset();
    m_transaction = nullptr;
}

// ---------------------------------------------------------------- fetching

void DataSet::runFetch(int count)
{
    if (m_eof || !m_select)
        return;
    const int first = int(m_rows.size());
    QList<QVariant> raw;
    int added = 0;
    while (added < count) {
        if (!m_select->fetch(raw)) {
            m_eof = true;
            break;
        }
        Row r;
        r.values.reserve(m_fields.size());
        for (int i = 0; i < m_fields.size(); ++i)
            r.values.append(m_columnOf[i] >= 0 ? fromDb(m_fields[i], raw.value(m_columnOf[i])) : QVariant());
        m_rows.push_back(std::move(r));
        ++added;
    }
    if (added)
        emit rowsInserted(first, first + added - 1);
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
        runFetch(256);
}

bool DataSet::isEmpty()
{
    if (m_rows.empty())
        runFetch(1);
    return m_rows.empty();
}

// ---------------------------------------------------------------- navigation

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
    if (m_rows.empty())
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
    if (!m_rows.empty())
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

bool DataSet::atEnd() const { return m_afterEnd || m_rows.empty(); }

// ---------------------------------------------------------------- values

QVariant DataSet::lookupValue(const FieldDef& f, const QList<QVariant>& values) const
{
    const int keyIndex = fieldIndex(f.keyField);
    if (keyIndex < 0 || !f.lookupDataSet || !f.lookupDataSet->isOpen())
        return QVariant();
    const QVariant key = values.value(keyIndex);
    if (isNullValue(key))
        return QVariant();
    DataSet* lookup = f.lookupDataSet;
    const int k = lookup->fieldIndex(f.lookupKeyField);
    const int r = lookup->fieldIndex(f.lookupResultField);
    if (k < 0 || r < 0)
        return QVariant();
    lookup->fetchAll();
    for (int i = 0; i < lookup->rowCount(); ++i)
        if (lookup->m_rows[size_t(i)].values.value(k) == key)
            return lookup->m_rows[size_t(i)].values.value(r);
    return QVariant();
}

QVariant DataSet::value(int row, int fieldIndex) const
{
    if (row < 0 || row >= rowCount() || fieldIndex < 0 || fieldIndex >= m_fields.size())
        return QVariant();
    const Row& r = m_rows[size_t(row)];
    const FieldDef& f = m_fields[fieldIndex];
    return f.isLookup() ? lookupValue(f, r.values) : r.values.value(fieldIndex);
}

QVariant DataSet::value(const QString& name) const { return value(m_current, fieldIndex(name)); }

QVariant DataSet::oldValue(const QString& name) const
{
    const int i = fieldIndex(name);
    if (isEditing())
        return m_old.value(i);
    return value(m_current, i);
}

bool DataSet::isNull(const QString& name) const { return isNullValue(value(name)); }

QString DataSet::text(int row, int fieldIndex) const
{
    const QVariant v = value(row, fieldIndex);
    if (isNullValue(v))
        return QString();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString("dd.MM.yyyy");
    return v.toString();
}

QVariant DataSet::convertIn(const FieldDef& f, const QVariant& v) const
{
    if (isNullValue(v))
        return QVariant();
    const bool isText = v.typeId() == QMetaType::QString;
    const QString s = isText ? v.toString() : QString();
    switch (f.kind) {
    case FieldKind::Text:
    case FieldKind::Memo: {
        QString t = v.toString();
        if (t.isEmpty())
            return QVariant();
        if (f.kind == FieldKind::Text && f.size > 0 && t.size() > f.size)
            t.truncate(f.size);
        return t;
    }
    case FieldKind::Integer:
    case FieldKind::BigInt: {
        if (isText && s.trimmed().isEmpty())
            return QVariant();
        bool ok = false;
        const qlonglong x = isText ? s.trimmed().toLongLong(&ok) : v.toLongLong(&ok);
        const bool fits = f.kind == FieldKind::BigInt || (x >= INT_MIN && x <= INT_MAX);
        if (!ok || !fits)
            throw AppError(QStringLiteral("'%1' is not a valid integer value for field '%2'").arg(v.toString(), f.name));
        return f.kind == FieldKind::Integer ? QVariant(int(x)) : QVariant(x);
    }
    case FieldKind::Float: {
        if (isText && s.trimmed().isEmpty())
            return QVariant();
        bool ok = false;
        const double x = isText ? s.trimmed().toDouble(&ok) : v.toDouble(&ok);
        if (!ok)
            throw AppError(QStringLiteral("'%1' is not a valid floating point value for field '%2'").arg(v.toString(), f.name));
        return x;
    }
    case FieldKind::Date: {
        if (v.typeId() == QMetaType::QDate)
            return v;
        if (v.typeId() == QMetaType::QDateTime)
            return v.toDateTime().date();
        const QString t = v.toString().trimmed();
        if (t.isEmpty())
            return QVariant();
        QDate d = QDate::fromString(t, "dd.MM.yyyy");
        if (!d.isValid())
            d = QDate::fromString(t, Qt::ISODate);
        if (!d.isValid())
            throw AppError(QStringLiteral("'%1' is not a valid date for field '%2'").arg(t, f.name));
        return d;
    }
    }
    return v;
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
    if (!isNullValue(shown) && !shown.toString().isEmpty()) {
        DataSet* lookup = f.lookupDataSet;
        const int k = lookup->fieldIndex(f.lookupKeyField);
        const int r = lookup->fieldIndex(f.lookupResultField);
        lookup->fetchAll();
        bool found = false;
        for (int row = 0; row < lookup->rowCount(); ++row)
            if (lookup->m_rows[size_t(row)].values.value(r).toString() == shown.toString()) {
                key = lookup->m_rows[size_t(row)].values.value(k);
                found = true;
                break;
            }
        if (!found)
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
    m_rows[size_t(m_current)].values[fieldIndex] = converted;
    m_modified = true;
    emit rowChanged(m_current);
}

// ---------------------------------------------------------------- editing

void DataSet::enterInsert(int position)
{
    if (!canInsert())
        throw AppError(QStringLiteral("Cannot insert into a read-only dataset"));
    Row r;
    r.isNew = true;
    for (int i = 0; i < m_fields.size(); ++i)
        r.values.append(QVariant());
    m_old = r.values;
    m_rows.insert(m_rows.begin() + position, std::move(r));
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
    m_old = m_rows[size_t(m_current)].values;
    m_modified = false;
    m_state = State::Edit;
    emit stateChanged();
}

QVariant DataSet::fieldParam(const QString& name, bool old) const
{
    const int i = fieldIndex(name);
    if (i < 0)
        return QVariant();
    if (old)
        return isEditing() ? m_old.value(i) : value(m_current, i);
    return m_rows[size_t(m_current)].values.value(i);
}

QVariant DataSet::paramFor(const QString& name) const
{
    if (name.startsWith("OLD_", Qt::CaseInsensitive))
        return fieldParam(name.mid(4), true);
    return fieldParam(name, false);
}

Statement& DataSet::writeStatement(std::unique_ptr<Statement>& slot, const QString& sql)
{
    if (!slot)
        slot = std::make_unique<Statement>(m_transaction->connection(), sql);
    return *slot;
}

void DataSet::post()
{
    if (!isEditing())
        return;
    const bool inserting = m_state == State::Insert;
    Row& row = m_rows[size_t(m_current)];

    if (inserting && !m_generatorName.isEmpty()) {
        const int k = fieldIndex(m_generatorField);
        if (k >= 0 && isNullValue(row.values[k])) {
            row.values[k] = convertIn(m_fields[k], generatorValue(*m_transaction, m_generatorName, 1));
            emit rowChanged(m_current);
        }
    }
    if (BeforePost)
        BeforePost(*this);
    for (int i = 0; i < m_fields.size(); ++i) {
        const FieldDef& f = m_fields[i];
        if (f.required && !f.isLookup() && isNullValue(m_rows[size_t(m_current)].values[i])) {
            emit focusFieldRequested(f.name);
            throw AppError(QStringLiteral("Field '%1' must have a value").arg(f.name));
        }
    }

    const auto params = [this](const QString& name) { return paramFor(name); };
    if (inserting) {
        if (m_insertSql.isEmpty())
            throw AppError(QStringLiteral("Cannot insert into a read-only dataset"));
        QString sql = m_insertSql;
        const int k = fieldIndex(m_keyField);
        const bool readBack = k >= 0 && !sql.contains("returning", Qt::CaseInsensitive);
        if (readBack)
            sql += QStringLiteral("\nreturning ") + m_fields[k].name;
        const QList<QVariant> out = writeStatement(m_insert, sql).execute(*m_transaction, params);
        if (readBack && !out.isEmpty())
            m_rows[size_t(m_current)].values[k] = fromDb(m_fields[k], out.first());
    } else {
        if (m_modifySql.isEmpty())
            throw AppError(QStringLiteral("Cannot modify a read-only dataset"));
        writeStatement(m_modify, m_modifySql).execute(*m_transaction, params);
    }

    Row& saved = m_rows[size_t(m_current)];
    saved.isNew = false;
    m_old = saved.values;
    m_modified = false;
    m_state = State::Browse;
    emit stateChanged();
    emit rowChanged(m_current);
    if (m_refreshAfterPost)
        refresh();
    if (AfterPost)
        AfterPost(*this);
}

void DataSet::cancel()
{
    if (m_state == State::Insert) {
        const int pos = m_current;
        m_rows.erase(m_rows.begin() + pos);
        m_state = State::Browse;
        m_modified = false;
        emit rowsRemoved(pos, pos);
        emit stateChanged();
        setCurrent(m_rows.empty() ? -1 : qMin(pos, rowCount() - 1));
    } else if (m_state == State::Edit) {
        m_rows[size_t(m_current)].values = m_old;
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
    writeStatement(m_delete, m_deleteSql).execute(*m_transaction, [this](const QString& name) { return paramFor(name); });
    const int pos = m_current;
    m_rows.erase(m_rows.begin() + pos);
    emit rowsRemoved(pos, pos);
    if (m_rows.empty())
        runFetch(1);
    setCurrent(m_rows.empty() ? -1 : qMin(pos, rowCount() - 1));
}

void DataSet::refresh()
{
    if (!isOpen() || m_current < 0 || m_refreshSql.isEmpty())
        return;
    checkBrowseMode();
    Statement& stmt = writeStatement(m_refresh, m_refreshSql);
    stmt.openCursor(*m_transaction, [this](const QString& name) { return paramFor(name); });
    QList<QVariant> raw;
    const bool found = stmt.fetch(raw);
    stmt.closeCursor();
    if (!found)
        return;   // the row is gone or not visible: keep what we have
    Row& row = m_rows[size_t(m_current)];
    const QList<ColumnInfo>& cols = stmt.columns();
    for (int c = 0; c < cols.size(); ++c) {
        const int i = fieldIndex(cols[c].name);
        if (i >= 0 && !m_fields[i].isLookup())
            row.values[i] = fromDb(m_fields[i], raw.value(c));
    }
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
        if (isNullValue(v) || isNullValue(wanted))
            return isNullValue(v) && isNullValue(wanted);
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
