#include "data/FieldValue.h"

#include "settings/AppError.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace pellori::value {

bool isNull(const QVariant& v) { return !v.isValid() || v.isNull(); }

namespace {

AppError notInteger(const QVariant& v, const QString& field)
{
    return AppError(QStringLiteral("'%1' is not a valid integer value for field '%2'").arg(v.toString(), field));
}

bool fits(qint64 x, int bits)
{
    if (bits >= 64)
        return true;
    const qint64 max = (qint64(1) << (bits - 1)) - 1;
    return x >= -max - 1 && x <= max;
}

// Parses optional blanks, sign and decimal digits; false on anything else or overflow.
bool parseDecimal(QStringView text, qint64& out)
{
    text = text.trimmed();
    if (text.isEmpty())
        return false;
    bool ok = false;
    out = text.toLongLong(&ok, 10);
    return ok;
}

} // namespace

qint64 toInteger(const QVariant& v, int bits, const QString& field, int scale)
{
    qint64 x = 0;
    if (scale < 0) {
        // A scaled decimal: the value as written, times 10^-scale.
        const double d = toDouble(v, field) * std::pow(10.0, -scale);
        if (!std::isfinite(d) || std::fabs(d) >= 9.2e18)
            throw notInteger(v, field);
        x = qint64(std::llround(d));
    } else {
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::Short:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::Bool:
            x = v.toLongLong();
            break;
        case QMetaType::UInt:
        case QMetaType::ULong:
        case QMetaType::ULongLong:
        case QMetaType::UShort:
            if (v.toULongLong() > quint64(std::numeric_limits<qint64>::max()))
                throw notInteger(v, field);
            x = qint64(v.toULongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float: {
            const double d = v.toDouble();
            if (!std::isfinite(d) || d != std::trunc(d) || std::fabs(d) >= 9.2e18)
                throw notInteger(v, field);
            x = qint64(d);
            break;
        }
        default:
            if (!parseDecimal(v.toString(), x))
                throw notInteger(v, field);
        }
    }
    if (!fits(x, bits))
        throw notInteger(v, field);
    return x;
}

double toDouble(const QVariant& v, const QString& field)
{
    bool ok = false;
    double d = 0;
    if (v.typeId() == QMetaType::QString) {
        d = v.toString().trimmed().toDouble(&ok);
        if (!ok)
            d = QLocale().toDouble(v.toString().trimmed(), &ok);
    } else {
        d = v.toDouble(&ok);
    }
    if (!ok || !std::isfinite(d))
        throw AppError(QStringLiteral("'%1' is not a valid floating point value for field '%2'").arg(v.toString(), field));
    return d;
}

QString dateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy"))) {
        static const QRegularExpression years(QStringLiteral("y+"));
        format.replace(years, QStringLiteral("yyyy"));
    }
    return format;
}

QString formatDate(const QDate& date)
{
    return date.isValid() ? QLocale().toString(date, dateFormat()) : QString();
}

QDate toDate(const QVariant& v)
{
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    const QString text = v.toString().trimmed();
    const QString format = dateFormat();
    QDate d = QLocale().toDate(text, format);
    if (!d.isValid()) {
        // Day and month may be typed without their leading zero.
        QString lenient = format;
        lenient.replace(QLatin1String("dd"), QLatin1String("d")).replace(QLatin1String("MM"), QLatin1String("M"));
        d = QLocale().toDate(text, lenient);
    }
    if (!d.isValid())
        d = QDate::fromString(text, Qt::ISODate);
    if (!d.isValid())
        throw AppError(QStringLiteral("'%1' is not a valid date").arg(text));
    return d;
}

qsizetype firstUnstorable(QStringView text, TextEncoding encoding)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (encoding == TextEncoding::Latin1) {
            if (c.unicode() > 0xFF)
                return i;
        } else if (c.isHighSurrogate()) {
            if (i + 1 >= text.size() || !text[i + 1].isLowSurrogate())
                return i;
            ++i;
        } else if (c.isLowSurrogate()) {
            return i;
        }
    }
    return -1;
}

void checkStorable(const QString& text, TextEncoding encoding, const QString& field)
{
    const qsizetype at = firstUnstorable(text, encoding);
    if (at < 0)
        return;
    const char32_t code = QStringView(text).mid(at).toUcs4().value(0);
    throw AppError(QStringLiteral("The character '%1' (U+%2) in field '%3' cannot be stored: the address book "
                                  "keeps its text in %4.")
                       .arg(QString::fromUcs4(&code, 1), QStringLiteral("%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper(),
                            field, encoding == TextEncoding::Latin1 ? QStringLiteral("ISO-8859-1")
                                                                    : QStringLiteral("UTF-8")));
}

QByteArray encode(const QString& text, TextEncoding encoding, const QString& field)
{
    checkStorable(text, encoding, field);
    return encoding == TextEncoding::Utf8 ? text.toUtf8() : text.toLatin1();
}

QString decode(QByteArrayView bytes, TextEncoding encoding)
{
    return encoding == TextEncoding::Utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

QByteArray cutBytes(QByteArray bytes, qsizetype maxBytes, TextEncoding encoding)
{
    if (bytes.size() <= maxBytes)
        return bytes;
    qsizetype n = maxBytes;
    if (encoding == TextEncoding::Utf8)
        while (n > 0 && (uchar(bytes.at(n)) & 0xC0) == 0x80)   // n is inside a sequence: step back to its start
            --n;
    bytes.truncate(n);
    return bytes;
}

QVariant toField(FieldKind kind, int size, const QVariant& v, const QString& field, TextEncoding encoding)
{
    if (isNull(v))
        return QVariant();
    const bool blankText = v.typeId() == QMetaType::QString && v.toString().trimmed().isEmpty();
    switch (kind) {
    case FieldKind::Text:
    case FieldKind::Memo: {
        QString t = v.typeId() == QMetaType::QDate ? formatDate(v.toDate()) : v.toString();
        if (t.isEmpty())
            return QVariant();
        if (kind == FieldKind::Text && size > 0 && t.size() > size)
            t.truncate(size);
        checkStorable(t, encoding, field);
        return t;
    }
    case FieldKind::Integer:
        if (blankText)
            return QVariant();
        return int(toInteger(v, 32, field));
    case FieldKind::BigInt:
        if (blankText)
            return QVariant();
        return toInteger(v, 64, field);
    case FieldKind::Float:
        if (blankText)
            return QVariant();
        return toDouble(v, field);
    case FieldKind::Date:
        if (blankText)
            return QVariant();
        return toDate(v);
    }
    return v;
}

} // namespace pellori::value
