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

// The names people write for the countries whose postcodes have a fixed count of digits.
struct KnownCountry {
    const char* code;
    QStringList names;
    int digits;
};

const QList<KnownCountry>& knownCountries()
{
    static const QList<KnownCountry> kKnown = {
        {.code = "DE", .names = {"deutschland", "germany", "de", "d", "brd", "bundesrepublik deutschland"}, .digits = 5},
        {.code = "AT", .names = {QStringLiteral("\u00F6sterreich"), "austria", "at", "a"}, .digits = 4},
        {.code = "CH", .names = {"schweiz", "switzerland", "ch", "suisse", "svizzera"}, .digits = 4},
    };
    return kKnown;
}

const KnownCountry* knownCountry(const QString& country)
{
    const QString key = country.simplified().toLower();
    for (const KnownCountry& known : knownCountries())
        if (known.names.contains(key))
            return &known;
    return nullptr;
}

int digitsOfCountry(const QString& country)
{
    const KnownCountry* known = knownCountry(country);
    return known ? known->digits : 0;
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

QString countryKey(const QString& country)
{
    const KnownCountry* known = knownCountry(country);
    return known ? QString::fromLatin1(known->code) : country.simplified().toLower();
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
