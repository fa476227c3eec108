#include "data/Statement.h"

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

qlonglong toInteger(const QVariant& v, int scale)
{
    const double factor = std::pow(10.0, -scale);
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return scale == 0 ? v.toLongLong() : qlonglong(std::llround(v.toLongLong() * factor));
    case QMetaType::Double:
    case QMetaType::Float:
        return qlonglong(std::llround(v.toDouble() * factor));
    default: {
        const QString text = v.toString().trimmed();
        bool ok = false;
        if (scale == 0) {
            const qlonglong r = text.toLongLong(&ok);
            if (ok)
                return r;
        } else {
            const double d = text.toDouble(&ok);
            if (ok)
                return qlonglong(std::llround(d * factor));
        }
        throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(v.toString()));
    }
    }
}

QDate toDate(const QVariant& v)
{
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    const QString text = v.toString().trimmed();
    QDate d = QDate::fromString(text, Qt::ISODate);
    if (!d.isValid())
        d = QDate::fromString(text, "dd.MM.yyyy");
    if (!d.isValid())
        throw AppError(QStringLiteral("'%1' is not a valid date").arg(text));
    return d;
}

} // namespace

Statement::Statement(Connection& connection, QString sql)
    : m_connection(connection), m_sql(std::move(sql)), m_parsed(parseParams(m_sql))
{
}

Statement::~Statement()
{
    closeCursor();
    FbStatus st;
    if (m_in)
        m_in->release();
    if (m_out)
        m_out->release();
    if (m_stmt) {
        m_stmt->free(&st);
        if (st.failed())
            m_stmt->release();
    }
}

void Statement::prepare(DbTransaction& tr)
{
    if (m_stmt)
        return;
    FbStatus st;
    IAttachment* att = m_connection.attachment();
    const QByteArray text = m_connection.encode(m_parsed.text);
    IStatement* stmt = att->prepare(&st, tr.handle(), 0, text.constData(), 3, IStatement::PREPARE_PREFETCH_METADATA);
    st.check();
    m_stmt = stmt;
    m_in = m_stmt->getInputMetadata(&st);
    st.check();
    m_out = m_stmt->getOutputMetadata(&st);
    st.check();
    const unsigned type = m_stmt->getType(&st);
    m_isSelect = type == isc_info_sql_stmt_select || type == isc_info_sql_stmt_select_for_upd;
    const unsigned count = m_out->getCount(&st);
    for (unsigned i = 0; i < count; ++i) {
        ColumnInfo c;
        c.name = QString::fromLatin1(m_out->getAlias(&st, i));
        c.sqlType = int(m_out->getType(&st, i) & ~1u);
        c.scale = m_out->getScale(&st, i);
        c.isText = c.sqlType == SQL_TEXT || c.sqlType == SQL_VARYING
            || (c.sqlType == SQL_BLOB && m_out->getSubType(&st, i) == 1);
        c.length = int(m_out->getLength(&st, i));
        if (c.sqlType == SQL_TEXT || c.sqlType == SQL_VARYING)
            c.length /= bytesPerChar(m_out->getCharSet(&st, i));
        m_columns << c;
    }
    st.check();
    m_outBuffer.resize(int(m_out->getMessageLength(&st)));
    if (m_in->getCount(&st) != unsigned(m_parsed.paramNames.size()))
        throw AppError(QStringLiteral("Parameter count mismatch in statement: %1").arg(m_sql));
}

QByteArray Statement::bindInput(DbTransaction& tr, const ParamSource& params)
{
    FbStatus st;
    QByteArray buffer(int(m_in->getMessageLength(&st)), '\0');
    unsigned char* base = reinterpret_cast<unsigned char*>(buffer.data());
    for (int i = 0; i < m_parsed.paramNames.size(); ++i) {
        const unsigned idx = unsigned(i);
        const QVariant v = params ? params(m_parsed.paramNames[i]) : QVariant();
        short* nullFlag = reinterpret_cast<short*>(base + m_in->getNullOffset(&st, idx));
        unsigned char* data = base + m_in->getOffset(&st, idx);
        const unsigned type = m_in->getType(&st, idx) & ~1u;
        const unsigned length = m_in->getLength(&st, idx);
        const int scale = m_in->getScale(&st, idx);
        if (!v.isValid() || v.isNull() || type == SQL_NULL) {
            *nullFlag = -1;
            continue;
        }
        *nullFlag = 0;
        switch (type) {
        case SQL_VARYING:
        case SQL_TEXT: {
            QByteArray bytes;
            if (v.typeId() == QMetaType::QDate)
                bytes = v.toDate().toString(Qt::ISODate).toLatin1();
            else
                bytes = m_connection.encode(v.toString());
            bytes.truncate(int(length));
            if (type == SQL_VARYING) {
                const short len = short(bytes.size());
                std::memcpy(data, &len, sizeof len);
                std::memcpy(data + sizeof len, bytes.constData(), size_t(bytes.size()));
            } else {
                std::memset(data, ' ', length);
                std::memcpy(data, bytes.constData(), size_t(bytes.size()));
            }
            break;
        }
        case SQL_SHORT: {
            const short x = short(toInteger(v, scale));
            std::memcpy(data, &x, sizeof x);
            break;
        }
        case SQL_LONG: {
            const qint32 x = qint32(toInteger(v, scale));
            std::memcpy(data, &x, sizeof x);
            break;
        }
        case SQL_INT64: {
            const qint64 x = toInteger(v, scale);
            std::memcpy(data, &x, sizeof x);
            break;
        }
        case SQL_FLOAT: {
            const float x = v.toFloat();
            std::memcpy(data, &x, sizeof x);
            break;
        }
        case SQL_DOUBLE:
        case SQL_D_FLOAT: {
            const double x = v.toDouble();
            std::memcpy(data, &x, sizeof x);
            break;
        }
        case SQL_TYPE_DATE: {
            const QDate d = toDate(v);
            const ISC_DATE x = Connection::util()->encodeDate(unsigned(d.year()), unsigned(d.month()), unsigned(d.day()));
            std::memcpy(data, &x, sizeof x);
            break;
        }
        case SQL_TIMESTAMP: {
            const QDateTime dt = v.typeId() == QMetaType::QDateTime ? v.toDateTime() : QDateTime(toDate(v), QTime(0, 0));
            ISC_TIMESTAMP x;
            x.timestamp_date = Connection::util()->encodeDate(unsigned(dt.date().year()), unsigned(dt.date().month()),
                                                              unsigned(dt.date().day()));
            const QTime t = dt.time();
            x.timestamp_time = Connection::util()->encodeTime(unsigned(t.hour()), unsigned(t.minute()),
                                                              unsigned(t.second()), unsigned(t.msec() * 10));
            std::memcpy(data, &x, sizeof x);
            break;
        }
        case SQL_TYPE_TIME: {
            const QTime t = v.toTime();
            const ISC_TIME x = Connection::util()->encodeTime(unsigned(t.hour()), unsigned(t.minute()),
                                                              unsigned(t.second()), unsigned(t.msec() * 10));
            std::memcpy(data, &x, sizeof x);
            break;
        }
        case SQL_BOOLEAN: {
            const unsigned char x = v.toBool() ? 1 : 0;
            std::memcpy(data, &x, sizeof x);
            break;
        }
        case SQL_BLOB: {
            const QByteArray bytes = v.typeId() == QMetaType::QByteArray ? v.toByteArray() : m_connection.encode(v.toString());
            ISC_QUAD id;
            IBlob* blob = m_connection.attachment()->createBlob(&st, tr.handle(), &id, 0, nullptr);
            st.check();
            for (int pos = 0; pos < bytes.size(); pos += 32000) {
                const int len = qMin(32000, int(bytes.size()) - pos);
                blob->putSegment(&st, unsigned(len), bytes.constData() + pos);
                if (st.failed()) {
                    blob->release();
                    st.check();
                }
            }
            blob->close(&st);
            st.check();
            std::memcpy(data, &id, sizeof id);
            break;
        }
        default:
            throw AppError(QStringLiteral("Unsupported parameter type %1 in statement: %2").arg(type).arg(m_sql));
        }
    }
    st.check();
    return buffer;
}

QList<QVariant> Statement::decodeRow(DbTransaction& tr, const unsigned char* base)
{
    FbStatus st;
    QList<QVariant> row;
    row.reserve(m_columns.size());
    for (int i = 0; i < m_columns.size(); ++i) {
        const unsigned idx = unsigned(i);
        const ColumnInfo& c = m_columns[i];
        const short* nullFlag = reinterpret_cast<const short*>(base + m_out->getNullOffset(&st, idx));
        const unsigned char* data = base + m_out->getOffset(&st, idx);
        if (*nullFlag) {
            row << QVariant();
            continue;
        }
        const double factor = std::pow(10.0, c.scale);
        switch (c.sqlType) {
        case SQL_VARYING: {
            short len;
            std::memcpy(&len, data, sizeof len);
            row << m_connection.decode(QByteArray(reinterpret_cast<const char*>(data + sizeof len), len));
            break;
        }
        case SQL_TEXT: {
            QByteArray bytes(reinterpret_cast<const char*>(data), int(m_out->getLength(&st, idx)));
            while (bytes.endsWith(' '))   // fixed-width text comes padded
                bytes.chop(1);
            row << m_connection.decode(bytes);
            break;
        }
        case SQL_SHORT: {
            short x;
            std::memcpy(&x, data, sizeof x);
            row << (c.scale ? QVariant(x * factor) : QVariant(int(x)));
            break;
        }
        case SQL_LONG: {
            qint32 x;
            std::memcpy(&x, data, sizeof x);
            row << (c.scale ? QVariant(x * factor) : QVariant(int(x)));
            break;
        }
        case SQL_INT64: {
            qint64 x;
            std::memcpy(&x, data, sizeof x);
            row << (c.scale ? QVariant(double(x) * factor) : QVariant(qlonglong(x)));
            break;
        }
        case SQL_FLOAT: {
            float x;
            std::memcpy(&x, data, sizeof x);
            row << QVariant(double(x));
            break;
        }
        case SQL_DOUBLE:
        case SQL_D_FLOAT: {
            double x;
            std::memcpy(&x, data, sizeof x);
            row << QVariant(x);
            break;
        }
        case SQL_TYPE_DATE: {
            ISC_DATE x;
            std::memcpy(&x, data, sizeof x);
            unsigned y, m, d;
            Connection::util()->decodeDate(x, &y, &m, &d);
            row << QVariant(QDate(int(y), int(m), int(d)));
            break;
        }
        case SQL_TIMESTAMP: {
            ISC_TIMESTAMP x;
            std::memcpy(&x, data, sizeof x);
            unsigned y, m, d, h, mi, s, frac;
            Connection::util()->decodeDate(x.timestamp_date, &y, &m, &d);
            Connection::util()->decodeTime(x.timestamp_time, &h, &mi, &s, &frac);
            row << QVariant(QDateTime(QDate(int(y), int(m), int(d)), QTime(int(h), int(mi), int(s), int(frac / 10))));
            break;
        }
        case SQL_TYPE_TIME: {
            ISC_TIME x;
            std::memcpy(&x, data, sizeof x);
            unsigned h, mi, s, frac;
            Connection::util()->decodeTime(x, &h, &mi, &s, &frac);
            row << QVariant(QTime(int(h), int(mi), int(s), int(frac / 10)));
            break;
        }
        case SQL_BOOLEAN:
            row << QVariant(*data != 0);
            break;
        case SQL_BLOB: {
            ISC_QUAD id;
            std::memcpy(&id, data, sizeof id);
            IBlob* blob = m_connection.attachment()->openBlob(&st, tr.handle(), &id, 0, nullptr);
            st.check();
            QByteArray bytes;
            char chunk[16384];
            for (;;) {
                unsigned got = 0;
                const int r = blob->getSegment(&st, sizeof chunk, chunk, &got);
                if (r == IStatus::RESULT_OK || r == IStatus::RESULT_SEGMENT)
                    bytes.append(chunk, int(got));
                else
                    break;
            }
            if (st.failed()) {
                blob->release();
                st.check();
            }
            blob->close(&st);
            st.check();
            row << (c.isText ? QVariant(m_connection.decode(bytes)) : QVariant(bytes));
            break;
        }
        default:
            row << QVariant();
        }
    }
    st.check();
    return row;
}

QList<QVariant> Statement::execute(DbTransaction& tr, const ParamSource& params)
{
    prepare(tr);
    QByteArray in = bindInput(tr, params);
    FbStatus st;
    const bool hasOutput = !m_columns.isEmpty();
    m_stmt->execute(&st, tr.handle(), m_in, in.data(), hasOutput ? m_out : nullptr,
                    hasOutput ? m_outBuffer.data() : nullptr);
    st.check();
    if (!hasOutput)
        return {};
    return decodeRow(tr, reinterpret_cast<const unsigned char*>(m_outBuffer.constData()));
}

void Statement::openCursor(DbTransaction& tr, const ParamSource& params)
{
    closeCursor();
    prepare(tr);
    QByteArray in = bindInput(tr, params);
    FbStatus st;
    IResultSet* rs = m_stmt->openCursor(&st, tr.handle(), m_in, in.data(), m_out, 0);
    st.check();
    m_cursor = rs;
    m_cursorTr = &tr;
}

bool Statement::fetch(QList<QVariant>& row)
{
    if (!m_cursor)
        return false;
    FbStatus st;
    const int r = m_cursor->fetchNext(&st, m_outBuffer.data());
    st.check();
    if (r != IStatus::RESULT_OK) {
        closeCursor();
        return false;
    }
    row = decodeRow(*m_cursorTr, reinterpret_cast<const unsigned char*>(m_outBuffer.constData()));
    return true;
}

void Statement::closeCursor()
{
    if (!m_cursor)
        return;
    FbStatus st;
    m_cursor->close(&st);
    if (st.failed())   // the transaction already ended and took the cursor with it
        m_cursor->release();
    m_cursor = nullptr;
    m_cursorTr = nullptr;
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

} // namespace pellori
