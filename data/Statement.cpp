#include "data/Statement.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "data/FbStatus.h"

#include <QDate>
#include <QDateTime>
#include <cmath>
#include <cstring>

using namespace Firebird;

namespace pellori {

ParsedSql parseParams(const QString& sql)
{
    ParsedSql out;
    out.text.reserve(sql.size());
    const auto isStart = [](QChar c) { return c.isLetter() || c == '_'; };
    const auto isPart = [](QChar c) { return c.isLetterOrNumber() || c == '_' || c == '$'; };
    int i = 0;
    const int n = int(sql.size());
    while (i < n) {
        const QChar c = sql[i];
        if (c == '\'' || c == '"') {  // literal or quoted identifier, doubled quotes included
            int j = i + 1;
            while (j < n) {
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            out.text += sql.mid(i, j - i + 1);
            i = j + 1;
        } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            int j = sql.indexOf('\n', i);
            if (j < 0)
                j = n;
            out.text += sql.mid(i, j - i);
            i = j;
        } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            int j = sql.indexOf("*/", i + 2);
            j = j < 0 ? n : j + 2;
            out.text += sql.mid(i, j - i);
            i = j;
        } else if (c == ':' && i + 1 < n && isStart(sql[i + 1])) {
            int j = i + 1;
            while (j < n && isPart(sql[j]))
                ++j;
            out.paramNames << sql.mid(i + 1, j - i - 1);
            out.text += '?';
            i = j;
        } else {
            out.text += c;
            ++i;
        }
    }
    return out;
}

namespace {

int bytesPerChar(unsigned charset)
{
    switch (charset) {
    case 3: return 3;   // UNICODE_FSS
    case 4: return 4;   // UTF8
    default: return 1;
    }
}

// Column or parameter descriptions, read once per prepare.
QList<ColumnInfo> describe(IMessageMetadata* meta, ThrowingStatus& st)
{
    QList<ColumnInfo> out;
    const unsigned count = meta->getCount(&st);
    for (unsigned i = 0; i < count; ++i) {
        ColumnInfo c;
        c.name = QString::fromLatin1(meta->getAlias(&st, i));
        c.sqlType = int(meta->getType(&st, i) & ~1u);
        c.scale = meta->getScale(&st, i);
        c.subType = meta->getSubType(&st, i);
        c.isText = c.sqlType == SQL_TEXT || c.sqlType == SQL_VARYING || (c.sqlType == SQL_BLOB && c.subType == 1);
        c.byteLength = int(meta->getLength(&st, i));
        c.length = c.byteLength;
        if (c.sqlType == SQL_TEXT || c.sqlType == SQL_VARYING)
            c.length /= bytesPerChar(meta->getCharSet(&st, i));
        c.offset = meta->getOffset(&st, i);
        c.nullOffset = meta->getNullOffset(&st, i);
        out << c;
    }
    return out;
}

ISC_TIME encodeTime(const QTime& t)
{
    return Connection::util()->encodeTime(unsigned(t.hour()), unsigned(t.minute()), unsigned(t.second()),
                                          unsigned(t.msec() * 10));
}

ISC_DATE encodeDate(const QDate& d)
{
    return Connection::util()->encodeDate(unsigned(d.year()), unsigned(d.month()), unsigned(d.day()));
}

QDate decodeDate(ISC_DATE x)
{
    unsigned y, m, d;
    Connection::util()->decodeDate(x, &y, &m, &d);
    return QDate(int(y), int(m), int(d));
}

QTime decodeTime(ISC_TIME x)
{
    unsigned h, mi, s, frac;
    Connection::util()->decodeTime(x, &h, &mi, &s, &frac);
    return QTime(int(h), int(mi), int(s), int(frac / 10));
}

template <typename T>
T load(const unsigned char* p)
{
    T x;
    std::memcpy(&x, p, sizeof x);
    return x;
}

template <typename T>
void store(unsigned char* p, T x)
{
    std::memcpy(p, &x, sizeof x);
}

// 10^n for the few scales a column can have.
double power10(int n)
{
    static const double table[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9,
                                   1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};
    return n >= 0 && n <= 18 ? table[n] : std::pow(10.0, n);
}

} // namespace

Statement::Statement(Connection& connection, QString sql)
    : m_connection(&connection), m_sql(std::move(sql)), m_parsed(parseParams(m_sql)),
      m_status(std::make_unique<ThrowingStatus>())
{
    connection.add(this);
}

Statement::~Statement()
{
    unprepare();
    if (m_connection)
        m_connection->remove(this);
}

Connection& Statement::connection() const
{
    if (!m_connection)
        throw AppError(QStringLiteral("The database connection has already been closed for good"));
    return *m_connection;
}

void Statement::connectionDestroyed()
{
    // The connection gave every handle back before it went.
    m_cursor = nullptr;
    m_cursorTr = nullptr;
    m_stmt = nullptr;
    m_in = m_out = nullptr;
    m_connection = nullptr;
}

void Statement::unprepare()
{
    closeCursor();
    if (m_in)
        m_in->release();
    if (m_out)
        m_out->release();
    m_in = m_out = nullptr;
    if (m_stmt) {
        QuietStatus st;
        m_stmt->free(&st);
        if (st.failed())
            m_stmt->release();
        m_stmt = nullptr;
    }
    m_columns.clear();
    m_params.clear();
    m_outBuffer.clear();
    m_inLength = 0;
}

void Statement::prepare(DbTransaction& tr)
{
    if (m_stmt)
        return;
    Connection& conn = connection();
    IAttachment* att = conn.attachment();
    ThrowingStatus& st = *m_status;
    const QByteArray text = conn.encode(m_parsed.text, QStringLiteral("statement"));
    try {
        // The real length: a NUL inside the text (in a literal) must not end it.
        m_stmt = att->prepare(&st, tr.handle(), unsigned(text.size()), text.constData(), 3,
                              IStatement::PREPARE_PREFETCH_METADATA);
        m_in = m_stmt->getInputMetadata(&st);
        m_out = m_stmt->getOutputMetadata(&st);
        m_columns = describe(m_out, st);
        m_params = describe(m_in, st);
        m_outBuffer = QByteArray(int(m_out->getMessageLength(&st)), '\0');
        m_inLength = m_in->getMessageLength(&st);
        if (m_params.size() != m_parsed.paramNames.size())
            throw AppError(QStringLiteral("Parameter count mismatch in statement: %1").arg(m_sql));
    } catch (...) {
        unprepare();   // a retry must start from nothing
        throw;
    }
}

QByteArray Statement::bindInput(DbTransaction& tr, const ParamSource& params)
{
    QByteArray buffer(int(m_inLength), '\0');
    unsigned char* base = reinterpret_cast<unsigned char*>(buffer.data());
    const TextEncoding enc = connection().encoding();
    for (int i = 0; i < m_params.size(); ++i) {
        const ColumnInfo& p = m_params[i];
        const QString& name = m_parsed.paramNames[i];
        const QVariant v = params ? params(name) : QVariant();
        short* nullFlag = reinterpret_cast<short*>(base + p.nullOffset);
        unsigned char* data = base + p.offset;
        if (value::isNull(v) || p.sqlType == SQL_NULL) {
            *nullFlag = -1;
            continue;
        }
        *nullFlag = 0;
        switch (p.sqlType) {
        case SQL_VARYING:
        case SQL_TEXT: {
            QByteArray bytes = v.typeId() == QMetaType::QDate ? v.toDate().toString(Qt::ISODate).toLatin1()
                                                              : value::encode(v.toString(), enc, name);
            bytes = value::cutBytes(bytes, p.byteLength, enc);
            if (p.sqlType == SQL_VARYING) {
                store<short>(data, short(bytes.size()));
                std::memcpy(data + sizeof(short), bytes.constData(), size_t(bytes.size()));
            } else {
                std::memset(data, ' ', size_t(p.byteLength));
                std::memcpy(data, bytes.constData(), size_t(bytes.size()));
            }
            break;
        }
        case SQL_SHORT:
            store<qint16>(data, qint16(value::toInteger(v, 16, name, p.scale)));
            break;
        case SQL_LONG:
            store<qint32>(data, qint32(value::toInteger(v, 32, name, p.scale)));
            break;
        case SQL_INT64:
            store<qint64>(data, value::toInteger(v, 64, name, p.scale));
            break;
        case SQL_FLOAT:
            store<float>(data, float(value::toDouble(v, name)));
            break;
        case SQL_DOUBLE:
        case SQL_D_FLOAT:
            store<double>(data, value::toDouble(v, name));
            break;
        case SQL_TYPE_DATE:
            store<ISC_DATE>(data, encodeDate(value::toDate(v)));
            break;
        case SQL_TIMESTAMP: {
            const QDateTime dt = v.typeId() == QMetaType::QDateTime ? v.toDateTime()
                                                                    : QDateTime(value::toDate(v), QTime(0, 0));
            ISC_TIMESTAMP x;
            x.timestamp_date = encodeDate(dt.date());
            x.timestamp_time = encodeTime(dt.time());
            store(data, x);
            break;
        }
        case SQL_TYPE_TIME:
            store<ISC_TIME>(data, encodeTime(v.toTime()));
            break;
        case SQL_BOOLEAN:
            store<unsigned char>(data, v.toBool() ? 1 : 0);
            break;
        case SQL_BLOB: {
            const QByteArray bytes =
                v.typeId() == QMetaType::QByteArray ? v.toByteArray() : value::encode(v.toString(), enc, name);
            ISC_QUAD id;
            ThrowingStatus& st = *m_status;
            BlobHolder blob(connection().attachment()->createBlob(&st, tr.handle(), &id, 0, nullptr));
            for (qsizetype pos = 0; pos < bytes.size(); pos += 32000) {
                const qsizetype len = qMin<qsizetype>(32000, bytes.size() - pos);
                blob->putSegment(&st, unsigned(len), bytes.constData() + pos);
            }
            blob.close(st);
            store(data, id);
            break;
        }
        default:
            throw AppError(QStringLiteral("Unsupported parameter type %1 in statement: %2").arg(p.sqlType).arg(m_sql));
        }
    }
    return buffer;
}

bool Statement::isNullAt(int column) const
{
    return load<short>(row() + m_columns[column].nullOffset) != 0;
}

qint64 Statement::integerAt(int column) const
{
    const ColumnInfo& c = m_columns[column];
    const unsigned char* data = row() + c.offset;
    switch (c.sqlType) {
    case SQL_SHORT: return load<qint16>(data);
    case SQL_LONG: return load<qint32>(data);
    case SQL_INT64: return load<qint64>(data);
    default: return 0;
    }
}

QByteArrayView Statement::textAt(int column) const
{
    const ColumnInfo& c = m_columns[column];
    const char* data = reinterpret_cast<const char*>(row() + c.offset);
    if (c.sqlType == SQL_VARYING)
        return QByteArrayView(data + sizeof(short), load<short>(row() + c.offset));
    qsizetype n = c.byteLength;
    while (n > 0 && data[n - 1] == ' ')   // fixed-width text comes padded
        --n;
    return QByteArrayView(data, n);
}

int Statement::julianDayAt(int column) const
{
    const ColumnInfo& c = m_columns[column];
    return int(decodeDate(load<ISC_DATE>(row() + c.offset)).toJulianDay());
}

QByteArray Statement::blobAt(int column)
{
    if (!m_cursorTr)
        throw AppError(QStringLiteral("No row to read a blob from"));
    return readBlob(column, *m_cursorTr);
}

QByteArray Statement::readBlob(int column, DbTransaction& tr)
{
    ISC_QUAD id = load<ISC_QUAD>(row() + m_columns[column].offset);
    ThrowingStatus& st = *m_status;
    BlobHolder blob(connection().attachment()->openBlob(&st, tr.handle(), &id, 0, nullptr));
    QByteArray bytes;
    char chunk[16384];
    for (;;) {
        unsigned got = 0;
        const int r = blob->getSegment(&st, sizeof chunk, chunk, &got);
        if (r != IStatus::RESULT_OK && r != IStatus::RESULT_SEGMENT)
            break;
        bytes.append(chunk, qsizetype(got));
    }
    blob.close(st);
    return bytes;
}

QVariant Statement::decodeAt(int column, DbTransaction& tr)
{
    const ColumnInfo& c = m_columns[column];
    if (isNullAt(column))
        return QVariant();
    const unsigned char* data = row() + c.offset;
    switch (c.sqlType) {
    case SQL_VARYING:
    case SQL_TEXT:
        return connection().decode(textAt(column));
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64: {
        const qint64 x = integerAt(column);
        if (c.scale)
            return double(x) / power10(-c.scale);
        return c.sqlType == SQL_INT64 ? QVariant(qlonglong(x)) : QVariant(int(x));
    }
    case SQL_FLOAT:
        return double(load<float>(data));
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return load<double>(data);
    case SQL_TYPE_DATE:
        return decodeDate(load<ISC_DATE>(data));
    case SQL_TIMESTAMP: {
        const ISC_TIMESTAMP x = load<ISC_TIMESTAMP>(data);
        return QDateTime(decodeDate(x.timestamp_date), decodeTime(x.timestamp_time));
    }
    case SQL_TYPE_TIME:
        return decodeTime(load<ISC_TIME>(data));
    case SQL_BOOLEAN:
        return *data != 0;
    case SQL_BLOB: {
        const QByteArray bytes = readBlob(column, tr);
        return c.isText ? QVariant(connection().decode(bytes)) : QVariant(bytes);
    }
    default:
        return QVariant();
    }
}

QVariant Statement::valueAt(int column)
{
    if (!m_cursorTr)
        throw AppError(QStringLiteral("No row to read"));
    return decodeAt(column, *m_cursorTr);
}

QList<QVariant> Statement::execute(DbTransaction& tr, const ParamSource& params)
{
    prepare(tr);
    QByteArray in = bindInput(tr, params);
    const bool hasOutput = !m_columns.isEmpty();
    m_stmt->execute(m_status.get(), tr.handle(), m_in, in.data(), hasOutput ? m_out : nullptr,
                    hasOutput ? m_outBuffer.data() : nullptr);
    if (!hasOutput)
        return {};
    QList<QVariant> out;
    out.reserve(m_columns.size());
    for (int i = 0; i < m_columns.size(); ++i)
        out << decodeAt(i, tr);
    return out;
}

quint64 Statement::affectedRows()
{
    if (!m_stmt)
        return 0;
    return m_stmt->getAffectedRecords(m_status.get());
}

void Statement::openCursor(DbTransaction& tr, const ParamSource& params)
{
    closeCursor();
    prepare(tr);
    QByteArray in = bindInput(tr, params);
    m_cursor = m_stmt->openCursor(m_status.get(), tr.handle(), m_in, in.data(), m_out, 0);
    m_cursorTr = &tr;
}

bool Statement::fetch()
{
    if (!m_cursor)
        return false;
    const int r = m_cursor->fetchNext(m_status.get(), m_outBuffer.data());
    if (r != IStatus::RESULT_OK) {
        closeCursor();
        return false;
    }
    return true;
}

bool Statement::fetch(QList<QVariant>& out)
{
    if (!fetch())
        return false;
    out.clear();
    out.reserve(m_columns.size());
    for (int i = 0; i < m_columns.size(); ++i)
        out << valueAt(i);
    return true;
}

void Statement::closeCursor()
{
    if (!m_cursor)
        return;
    QuietStatus st;
    m_cursor->close(&st);
    if (st.failed())   // the transaction already ended and took the cursor with it
        m_cursor->release();
    m_cursor = nullptr;
    m_cursorTr = nullptr;
}

void executeDirect(DbTransaction& tr, const QString& sql)
{
    Connection& conn = tr.connection();
    const QByteArray text = conn.encode(sql, QStringLiteral("statement"));
    ThrowingStatus st;
    conn.attachment()->execute(&st, tr.handle(), unsigned(text.size()), text.constData(), 3, nullptr, nullptr,
                               nullptr, nullptr);
}

qlonglong generatorValue(DbTransaction& tr, const QString& generator, int increment)
{
    QString quoted = generator;
    quoted.replace('"', "\"\"");
    Statement s(tr.connection(),
                QStringLiteral("SELECT GEN_ID(%1, %2) FROM RDB$DATABASE").arg('"' + quoted + '"').arg(increment));
    const QList<QVariant> row = s.execute(tr, {});
    return row.value(0).toLongLong();
}

void forEachRow(DbTransaction& tr, const QString& sql, const std::function<void(const QList<QVariant>& row)>& take)
{
    Statement select(tr.connection(), sql);
    select.openCursor(tr, [](const QString&) { return QVariant(); });
    QList<QVariant> row;
    while (select.fetch(row))
        take(row);
}

} // namespace pellori
