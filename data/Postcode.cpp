#include "data/Postcode.h"

#include "data/DbTransaction.h"
#include "data/Statement.h"

namespace pellori::postcode {

namespace {

bool allDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// Countries whose postcodes have a fixed count of digits, by the names people write.
int digitsOfCountry(const QString& country)
{
    static const QList<std::pair<QStringList, int>> kWidths = {
        {{"deutschland", "germany", "de", "d", "brd", "bundesrepublik deutschland"}, 5},
        {{QStringLiteral("\u00F6sterreich"), "austria", "at", "a"}, 4},
        {{"schweiz", "switzerland", "ch", "suisse", "svizzera"}, 4},
    };
    const QString key = country.simplified().toLower();
    for (const auto& [names, width] : kWidths)
        if (names.contains(key))
            return width;
    return 0;
}

} // namespace

qint64 numberOf(const QString& written)
{
    const QString t = written.trimmed();
    bool ok = false;
    const qint64 n = allDigits(t) ? t.toLongLong(&ok) : 0;
    return ok ? n : 0;
}

QString shown(const QVariant& written, const QVariant& number, const QString& country, const QString& homeCountry)
{
    const QString text = written.isNull() ? QString() : written.toString().trimmed();
    const bool hasNumber = number.isValid() && !number.isNull();
    const qint64 n = hasNumber ? number.toLongLong() : 0;
    if (!text.isEmpty() && (n == 0 || numberOf(text) == n))
        return text;
    if (!hasNumber)
        return QString();
    const QString digits = QString::number(n);
    if (n <= 0)
        return digits;
    const int width = digitsOfCountry(country.trimmed().isEmpty() ? homeCountry : country);
    return width > 0 ? digits.rightJustified(width, u'0') : digits;
}

bool hasWrittenColumn(DbTransaction& tr)
{
    Statement q(tr.connection(), QStringLiteral("select count(*) from rdb$relation_fields where "
                                                "rdb$relation_name = 'ADDRESS' and rdb$field_name = :f"));
    return q.execute(tr, [](const QString&) { return QVariant(QString::fromLatin1(kWrittenColumn)); }).value(0).toInt()
        > 0;
}

QString writtenColumnSql(bool present, const QString& alias)
{
    const QString column = QString::fromLatin1(kWrittenColumn);
    return present ? alias + u'.' + column
                   : QStringLiteral("cast(null as varchar(%1) character set ISO8859_1) as %2").arg(kWrittenLength).arg(column);
}

} // namespace pellori::postcode
