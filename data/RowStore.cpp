#include "data/RowStore.h"

#include <QDate>
#include <cstring>

namespace pellori {

namespace {

template <typename T>
T load(const char* p)
{
    T x;
    std::memcpy(&x, p, sizeof x);
    return x;
}

template <typename T>
void put(QByteArray& out, T x)
{
    out.append(reinterpret_cast<const char*>(&x), sizeof x);
}

// Text lengths as base-128 digits, low first: one byte for short texts.
void putLength(QByteArray& out, quint64 n)
{
    while (n >= 0x80) {
        out.append(char(n | 0x80));
        n >>= 7;
    }
    out.append(char(n));
}

quint64 getLength(const char*& p)
{
    quint64 n = 0;
    int shift = 0;
    for (;;) {
        const uchar b = uchar(*p++);
        n |= quint64(b & 0x7F) << shift;
        if (!(b & 0x80))
            return n;
        shift += 7;
    }
}

} // namespace

void RowStore::setLayout(QList<FieldKind> kinds, TextEncoding encoding)
{
    m_kinds = std::move(kinds);
    m_encoding = encoding;
    m_rows.clear();
}

void RowStore::Builder::integer(qint64 x)
{
    if (x >= INT32_MIN && x <= INT32_MAX) {
        m_bytes.append(char(kInt32));
        put<qint32>(m_bytes, qint32(x));
    } else {
        m_bytes.append(char(kInt64));
        put<qint64>(m_bytes, x);
    }
}

void RowStore::Builder::julianDay(qint64 day)
{
    m_bytes.append(char(kDate));
    put<qint64>(m_bytes, day);
}

void RowStore::Builder::real(double x)
{
    m_bytes.append(char(kReal));
    put<double>(m_bytes, x);
}

void RowStore::Builder::bytes(QByteArrayView text)
{
    m_bytes.append(char(kText));
    putLength(m_bytes, quint64(text.size()));
    m_bytes.append(text.data(), text.size());
}

const char* RowStore::seek(const QByteArray& row, int field)
{
    const char* p = row.constData();
    for (int i = 0; i < field; ++i) {
        switch (*p++) {
        case kInt32: p += 4; break;
        case kInt64:
        case kDate:
        case kReal: p += 8; break;
        case kText: {
            const quint64 n = getLength(p);
            p += n;
            break;
        }
        default: break;
        }
    }
    return p;
}

QVariant RowStore::decode(const char* p, int field) const
{
    const FieldKind kind = m_kinds[field];
    switch (*p++) {
    case kInt32: {
        const qint32 x = load<qint32>(p);
        if (kind == FieldKind::BigInt)
            return qlonglong(x);
        if (kind == FieldKind::Float)
            return double(x);
        return int(x);
    }
    case kInt64: {
        const qint64 x = load<qint64>(p);
        return kind == FieldKind::Float ? QVariant(double(x)) : QVariant(qlonglong(x));
    }
    case kDate:
        return QDate::fromJulianDay(load<qint64>(p));
    case kReal:
        return load<double>(p);
    case kText: {
        const quint64 n = getLength(p);
        return value::decode(QByteArrayView(p, qsizetype(n)), m_encoding);
    }
    default:
        return QVariant();
    }
}

QVariant RowStore::value(int row, int field) const
{
    if (row < 0 || row >= size() || field < 0 || field >= fieldCount())
        return QVariant();
    return decode(seek(m_rows[size_t(row)], field), field);
}

QList<QVariant> RowStore::values(int row) const
{
    QList<QVariant> out;
    out.reserve(fieldCount());
    for (int f = 0; f < fieldCount(); ++f)
        out << value(row, f);
    return out;
}

void RowStore::appendValue(Builder& b, int field, const QVariant& v) const
{
    if (value::isNull(v)) {
        b.null();
        return;
    }
    switch (m_kinds[field]) {
    case FieldKind::Integer:
    case FieldKind::BigInt: b.integer(v.toLongLong()); break;
    case FieldKind::Date: b.julianDay(v.toDate().toJulianDay()); break;
    case FieldKind::Float: b.real(v.toDouble()); break;
    case FieldKind::Text:
    case FieldKind::Memo:
        b.bytes(m_encoding == TextEncoding::Utf8 ? v.toString().toUtf8() : v.toString().toLatin1());
        break;
    }
}

QByteArray RowStore::pack(const QList<QVariant>& values) const
{
    Builder b;
    for (int f = 0; f < fieldCount(); ++f)
        appendValue(b, f, values.value(f));
    return b.take();
}

void RowStore::insert(int position, const QList<QVariant>& values)
{
    m_rows.insert(m_rows.begin() + position, pack(values));
}

void RowStore::set(int row, const QList<QVariant>& values) { m_rows[size_t(row)] = pack(values); }

void RowStore::remove(int row) { m_rows.erase(m_rows.begin() + row); }

} // namespace pellori
