#pragma once
// The rows of a data set, each kept as one packed byte string: per field a tag
// and its value, text as the stored bytes. A long list then costs one small
// allocation a row, and text becomes a QString only when somebody reads it.
#include "data/FieldValue.h"

#include <QByteArray>
#include <QList>
#include <QVariant>
#include <vector>

namespace pellori {

class RowStore {
public:
    // One kind per field, in field order.
    void setLayout(QList<FieldKind> kinds, TextEncoding encoding);
    int fieldCount() const { return int(m_kinds.size()); }

    int size() const { return int(m_rows.size()); }
    void clear() { m_rows.clear(); }

    QVariant value(int row, int field) const;
    QList<QVariant> values(int row) const;

    // Values are expected in their field's kind (as value::toField gives them).
    void insert(int position, const QList<QVariant>& values);
    void set(int row, const QList<QVariant>& values);
    void remove(int row);
    void append(QByteArray packed) { m_rows.push_back(std::move(packed)); }

    // Builds one packed row field by field, in field order (used while fetching).
    class Builder {
    public:
        void null() { m_bytes.append(char(kNull)); }
        void integer(qint64 x);
        void julianDay(qint64 day);
        void real(double x);
        void bytes(QByteArrayView text);
        // The row built so far, in an allocation of its exact size; the builder starts again.
        QByteArray take()
        {
            QByteArray out(m_bytes.constData(), m_bytes.size());
            m_bytes.resize(0);
            return out;
        }

    private:
        QByteArray m_bytes;
    };

    QByteArray pack(const QList<QVariant>& values) const;
    // Adds one value of field `field` (in its kind, or null) to a row being built.
    void appendValue(Builder& b, int field, const QVariant& v) const;

private:
    enum Tag : char { kNull = 0, kInt32 = 1, kInt64 = 2, kDate = 3, kReal = 4, kText = 5 };
    friend class Builder;
    // Where field `field` starts in a packed row.
    static const char* seek(const QByteArray& row, int field);
    QVariant decode(const char* at, int field) const;

    QList<FieldKind> m_kinds;
    TextEncoding m_encoding = TextEncoding::Latin1;
    std::vector<QByteArray> m_rows;
};

} // namespace pellori
