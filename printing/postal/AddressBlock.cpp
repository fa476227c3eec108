#include "printing/postal/AddressBlock.h"

#include "data/Postcode.h"

namespace pellori::postal {

namespace {

// The parts that have text, trimmed, joined by one blank.
QString joined(std::initializer_list<QString> parts)
{
    QStringList kept;
    for (const QString& p : parts)
        if (!p.trimmed().isEmpty())
            kept << p.trimmed();
    return kept.join(QLatin1Char(' '));
}

} // namespace

bool sameCountry(const QString& a, const QString& b)
{
    return postcode::countryKey(a) == postcode::countryKey(b);
}

QString listName(bool company, const QString& name1, const QString& name2)
{
    if (name2.trimmed().isEmpty())
        return name1.trimmed();
    return company ? joined({name1, name2}) : name1.trimmed() + QStringLiteral(", ") + name2.trimmed();
}

QStringList addressBlock(const PostalContact& c, const BlockRules& rules)
{
    if (!c.hasAddress)
        return {};
    // The organisation's lines: its names on one line when they fit, else on two.
    QStringList organisation;
    const QString org1 = c.company ? c.name1 : c.employer1;
    const QString org2 = c.company ? c.name2 : c.employer2;
    const QString orgLine = joined({org1, org2});
    if (!orgLine.isEmpty()) {
        if (rules.fits(orgLine) || org1.trimmed().isEmpty() || org2.trimmed().isEmpty())
            organisation << orgLine;
        else
            organisation << org1.trimmed() << org2.trimmed();
    }
    QString salutation, name;
    if (!c.company) {
        salutation = joined({c.salutation, c.title});
        name = joined({c.name2, c.name1});
    }
    QStringList place;
    if (!c.street.trimmed().isEmpty())
        place << c.street.trimmed();
    const QString town = joined({c.postcode, c.town});
    if (!town.isEmpty())
        place << town;
    if (!c.country.trimmed().isEmpty() && !sameCountry(c.country, rules.senderCountry))
        place << c.country.trimmed().toUpper();

    const auto count = [&] {
        return int(organisation.size()) + (salutation.isEmpty() ? 0 : 1) + (name.isEmpty() ? 0 : 1)
               + int(place.size());
    };
    if (count() > rules.maxLines && !salutation.isEmpty()) {
        name = joined({salutation, name});
        salutation.clear();
    }
    if (count() > rules.maxLines && organisation.size() > 1)
        organisation = QStringList{orgLine};

    QStringList lines = organisation;
    if (!salutation.isEmpty())
        lines << salutation;
    if (!name.isEmpty())
        lines << name;
    lines << place;
    if (lines.size() > rules.maxLines)
        lines = lines.mid(lines.size() - qMax(0, rules.maxLines));
    return lines;
}

} // namespace pellori::postal
