#include "printing/engine/Report.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

namespace pellori::report {

PrintItem* Band::item(const QString& itemName)
{
    for (PrintItem& i : items)
        if (i.name == itemName)
            return &i;
    return nullptr;
}

Band& Report::addBand(Band band)
{
    m_bands.push_back(std::move(band));
    Band& b = m_bands.back();
    switch (b.kind) {
    case BandKind::PageHeader: m_header = &b; break;
    case BandKind::PageFooter: m_footer = &b; break;
    case BandKind::Detail: m_detail = &b; break;
    case BandKind::SubDetail: m_subDetails.push_back(&b); break;
    case BandKind::Child: break;
    }
    return b;
}

Band& Report::addChild(Band& parent, Band band)
{
    band.kind = BandKind::Child;
    m_bands.push_back(std::move(band));
    parent.child = &m_bands.back();
    return m_bands.back();
}

void Report::keepTogether(std::initializer_list<Band*> chain)
{
    Band* previous = nullptr;
    for (Band* b : chain) {
        if (previous)
            previous->keepWith = b;
        previous = b;
    }
}

Band* Report::band(const QString& name)
{
    for (Band& b : m_bands)
        if (b.name == name)
            return &b;
    return nullptr;
}

namespace {

// The locale's short date format, its year widened to four digits: a printed
// list must not leave the century to guessing.
QString fourDigitYearFormat()
{
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    return format;
}

QString longTimeFormat()
{
    // Without the zone name that some locales append.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+")));
    return format.trimmed();
}

} // namespace

QString shortDateText(const QDate& date)
{
    static const QString format = fourDigitYearFormat();
    return QLocale::system().toString(date, format);
}

QString dateTimeText(const QDateTime& when)
{
    return shortDateText(when.date()) + QLatin1Char(' ') + QLocale::system().toString(when.time(), longTimeFormat());
}

QString displayText(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::QDate: return shortDateText(value.toDate());
    case QMetaType::QDateTime: return shortDateText(value.toDateTime().date());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort: return QString::number(value.toLongLong());
    default: return value.toString();
    }
}

} // namespace pellori::report
