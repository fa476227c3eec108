#include "printing/postal/PostalAddress.h"

#include "data/DataSet.h"

#include <QStringList>

namespace pellori::postal {

namespace {

bool isGermany(const QString& country)
{
    static const QStringList names{QStringLiteral("deutschland"), QStringLiteral("germany"), QStringLiteral("d"),
                                   QStringLiteral("de"), QStringLiteral("brd"),
                                   QStringLiteral("bundesrepublik deutschland")};
    return names.contains(country.simplified().toLower());
}

QString text(const DataSet& row, const char* column)
{
    const QVariant v = row.value(QLatin1String(column));
    return v.isNull() ? QString() : v.toString();
}

} // namespace

QString postcodeText(const QVariant& postcode, const QString& country, const QString& senderCountry)
{
    if (postcode.isNull() || !postcode.isValid() || postcode.toLongLong() == 0)
        return QString();
    const QString digits = QString::number(postcode.toLongLong());
    const QString where = country.trimmed().isEmpty() ? senderCountry : country;
    return isGermany(where) ? digits.rightJustified(5, QLatin1Char('0')) : digits;
}

PostalContact readPostalContact(const DataSet& row, const QString& senderCountry)
{
    PostalContact c;
    c.id = row.value(QStringLiteral("O_ID")).toInt();
    c.company = text(row, "O_TYPE") == QLatin1String("C");
    c.name1 = text(row, "O_NAME1");
    c.name2 = text(row, "O_NAME2");
    c.salutation = text(row, "S_NAME");
    c.title = text(row, "T_NAME");
    c.employer1 = text(row, "E_NAME1");
    c.employer2 = text(row, "E_NAME2");
    // Street and town are required columns: an address row always has a town.
    c.hasAddress = !row.value(QStringLiteral("A_TOWN")).isNull();
    c.street = text(row, "A_STREET");
    c.town = text(row, "A_TOWN");
    c.country = text(row, "A_COUNTRY");
    c.postcode = postcodeText(row.value(QStringLiteral("A_POSTCODE")), c.country, senderCountry);
    return c;
}

} // namespace pellori::postal
