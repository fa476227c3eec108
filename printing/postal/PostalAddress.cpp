#include "printing/postal/PostalAddress.h"

#include "data/DataSet.h"
#include "data/Postcode.h"

namespace pellori::postal {

namespace {

QString text(const DataSet& row, const char* column)
{
    const QVariant v = row.value(QLatin1String(column));
    return v.isNull() ? QString() : v.toString();
}

} // namespace

QString postcodeText(const QVariant& postcode, const QString& country, const QString& senderCountry,
                     const QVariant& written)
{
    const QString shown = postcode::shown(written, postcode, country, senderCountry);
    return shown == u"0" ? QString() : shown;
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
    c.postcode = postcodeText(row.value(QStringLiteral("A_POSTCODE")), c.country, senderCountry,
                              row.value(QStringLiteral("A_POSTCODE_TEXT")));
    return c;
}

} // namespace pellori::postal
