#include "exchange/ldif/LdifContacts.h"

#include "exchange/ImportPlan.h"
#include "exchange/TypeTable.h"
#include "exchange/csv/CsvContacts.h"

namespace pellori::exchange {


namespace {

using enum Target;

struct AttributeColumn {
    QStringList names;     // the attribute and the older names Thunderbird and others wrote for it
    FieldChoice choice;
};

FieldChoice home(Target t) { return FieldChoice{.target = t, .group = kHomeAddress, .kinds = {"home"}}; }
FieldChoice work(Target t) { return FieldChoice{.target = t, .group = kWorkAddress, .kinds = {"work"}}; }

const QList<AttributeColumn>& attributeColumns()
{
    static const QList<AttributeColumn> columns = {
        {{"givenName"}, {.target = FirstName}},
        {{"sn", "surname"}, {.target = FamilyName}},
        {{"cn", "commonName"}, {.target = FullName}},
        {{"mozillaNickname", "xmozillanickname"}, {.target = Nickname}},
        {{"mail"}, {.target = Email}},
        {{"mozillaSecondEmail", "xmozillasecondemail"}, {.target = Email}},
        {{"telephoneNumber"}, {.target = Phone, .kinds = {"work"}}},
        {{"homePhone"}, {.target = Phone, .kinds = {"home"}}},
        {{"facsimileTelephoneNumber", "fax"}, {.target = Phone, .kinds = {"fax"}}},
        {{"pager", "pagerphone"}, {.target = Phone, .kinds = {"pager"}}},
        {{"mobile", "cellphone", "carphone"}, {.target = Phone, .kinds = {"cell"}}},
        {{"mozillaHomeStreet", "homePostalAddress"}, home(Street)},
        {{"mozillaHomeStreet2", "mozillaHomePostalAddress2"}, home(Street2)},
        {{"mozillaHomeLocalityName"}, home(Town)},
        {{"mozillaHomeState"}, home(Region)},
        {{"mozillaHomePostalCode"}, home(Postcode)},
        {{"mozillaHomeCountryName"}, home(Country)},
        {{"street", "streetAddress", "postalAddress"}, work(Street)},
        {{"mozillaWorkStreet2", "mozillaPostalAddress2"}, work(Street2)},
        {{"l", "locality"}, work(Town)},
        {{"st"}, work(Region)},
        {{"postalCode"}, work(Postcode)},
        {{"c", "countryName"}, work(Country)},
        {{"title"}, {.target = JobTitle}},
        {{"department", "ou"}, {.target = Department}},
        {{"company", "o"}, {.target = Company}},
        {{"mozillaWorkUrl", "workurl"}, {.target = Web, .kinds = {"work"}}},
        {{"mozillaHomeUrl", "homeurl"}, {.target = Web}},
        {{"birthyear"}, {.target = BirthYear}},
        {{"birthmonth"}, {.target = BirthMonth}},
        {{"birthday"}, {.target = BirthDay}},
        {{"description"}, {.target = Notes}},
        {{"mozillaCustom1"}, {.target = Other}},
        {{"mozillaCustom2"}, {.target = Other}},
        {{"mozillaCustom3"}, {.target = Other}},
        {{"mozillaCustom4"}, {.target = Other}},
        {{"nsAIMid", "mozillaHomeFriendlyCountryName", "mozillaWorkFriendlyCountryName"}, {.target = Other}},
    };
    return columns;
}

// What an entry holds besides its contact's data.
const QStringList kNothingToStore = {"objectclass", "modifytimestamp", "mozillaUseHtmlMail", "xmozillausehtmlmail",
                                     "member", "uniqueMember", "createtimestamp", "mozillaHomeFriendlyCountryName"};

// Values of one attribute joined for the row reader, which splits them again.
const QString kValues = QStringLiteral("\x1F");

bool isGroup(const LdifEntry& e)
{
    for (const QString& oc : e.values(u"objectclass"))
        if (oc.compare(u"groupOfNames", Qt::CaseInsensitive) == 0 ||
            oc.compare(u"groupOfUniqueNames", Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool known(const QString& attribute)
{
    QStringView name(attribute);
    if (const qsizetype semi = name.indexOf(u';'); semi >= 0)
        name = name.left(semi);
    for (const AttributeColumn& col : attributeColumns())
        for (const QString& n : col.names)
            if (name.compare(n, Qt::CaseInsensitive) == 0)
                return true;
    return std::any_of(kNothingToStore.begin(), kNothingToStore.end(),
                       [&](const QString& n) { return name.compare(n, Qt::CaseInsensitive) == 0; });
}

} // namespace

QList<CardContact> ldifContacts(const QList<LdifEntry>& entries)
{
    CsvMapping mapping;
    mapping.valueSeparator = kValues;
    QStringList headers;
    for (const AttributeColumn& col : attributeColumns()) {
        mapping.columns << col.choice;
        headers << col.names.first();
    }
    ContactRows rows(mapping, headers);
    QList<CardContact> out;
    out.reserve(entries.size());
    QStringList cells;
    QList<QStringView> views;
    for (const LdifEntry& e : entries) {
        if (isGroup(e)) {
            CardContact group{.line = e.line, .kind = CardKind::Group};
            group.contact.name1 = e.value(u"cn").simplified();
            group.hasName = !group.contact.name1.isEmpty();
            if (!group.hasName)
                group.notes << Note{.kind = NoteKind::NoName};
            for (const QString& m : e.values(u"member") + e.values(u"uniqueMember"))
                if (!m.trimmed().isEmpty())
                    group.members << normalDn(m);
            out << group;
            continue;
        }
        cells.clear();
        for (const AttributeColumn& col : attributeColumns()) {
            QStringList values;
            for (const QString& n : col.names)
                for (const QString& v : e.values(n))
                    if (!values.contains(v, Qt::CaseInsensitive))
                        values << v;
            cells << values.join(kValues);
        }
        views.clear();
        for (const QString& c : cells)
            views << QStringView(c);
        CardContact card = rows.read(e.line, views);
        card.uid = normalDn(e.dn);
        QStringList unknown;
        for (const LdifAttribute& a : e.attributes)
            if (!known(a.name) && !unknown.contains(a.name, Qt::CaseInsensitive))
                unknown << a.name;
        if (!unknown.isEmpty())
            card.notes << Note{.kind = NoteKind::PropertiesNotStored, .value = unknown.join(QLatin1String(", "))};
        out << card;
    }
    return out;
}

// --- writing ----------------------------------------------------------------

namespace {

// SAFE-STRING of RFC 2849: plain ASCII, not beginning with a blank, ":" or "<".
bool isSafe(const QString& v)
{
    if (v.isEmpty())
        return true;
    if (v.front() == u' ' || v.front() == u':' || v.front() == u'<' || v.back() == u' ')
        return false;
    return std::all_of(v.begin(), v.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; });
}

class Entry {
public:
    void add(const char* name, const QString& value)
    {
        if (value.isEmpty())
            return;
        QString v = value;
        v.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        m_text += QLatin1String(name);
        if (isSafe(v))
            m_text += QLatin1String(": ") + v;
        else
            m_text += QLatin1String(":: ") + QString::fromLatin1(v.toUtf8().toBase64());
        m_text += u'\n';
    }
    QString text() const { return m_text + u'\n'; }

private:
    QString m_text;
};

// Thunderbird has no field for salutation and title: they lead the display
// name, as its users write them, and are read from there again.
QString displayName(const Contact& c)
{
    return c.kind == ContactKind::Person ? joinNonEmpty({c.salutation, c.title, c.name2, c.name1})
                                         : joinNonEmpty({c.name1, c.name2});
}

// Commas and the other specials of a DN's value escaped with a backslash (RFC 4514).
QString escaped(QString v)
{
    for (const char* special : {"\\", ",", "+", "\"", "<", ">", ";", "="})
        v.replace(QLatin1String(special), QLatin1Char('\\') + QLatin1String(special));
    return v;
}

QString dnOf(const Contact& c, const QString& mail)
{
    QString dn = QLatin1String("cn=") + escaped(displayName(c));
    if (!mail.isEmpty())
        dn += QLatin1String(",mail=") + escaped(mail);
    return dn;
}

bool isEmail(const ContactInternet& i)
{
    if (const TypeMatch* row = internetRowOf(i.type))
        return row->kind == DetailKind::Email;
    return i.address.contains(u'@') && !i.address.contains(QLatin1String("://"));
}

QString postcodeText(const QString& p) { return p.trimmed() == u"0" ? QString() : p.trimmed(); }

} // namespace

CsvWritten writeLdif(const QList<Contact>& contacts)
{
    CsvWritten out;
    QStringList dns;
    QList<QString> entries;
    QStringList groupNames;
    QList<QStringList> groupMembers;
    for (const Contact& c : contacts) {
        QStringList left;
        QStringList mails, webs, webKinds;
        for (const ContactInternet& i : c.internet) {
            const TypeMatch* row = internetRowOf(i.type);
            if (isEmail(i)) {
                mails << i.address;
            } else {
                webs << i.address;
                webKinds << (row && row->words == QStringList{"work"} ? QStringLiteral("work") : QString());
            }
        }
        const QString dn = dnOf(c, mails.value(0));
        dns << dn;
        Entry e;
        e.add("dn", dn);
        for (const char* oc : {"top", "person", "organizationalPerson", "inetOrgPerson", "mozillaAbPersonAlpha"})
            e.add("objectclass", QLatin1String(oc));
        const bool person = c.kind == ContactKind::Person;
        if (person) {
            e.add("givenName", c.name2);
            e.add("sn", c.name1);
        }
        e.add("cn", displayName(c));
        if (person)
            e.add("mozillaNickname", c.nickname);
        e.add("mail", mails.value(0));
        e.add("mozillaSecondEmail", mails.value(1));
        left << mails.mid(2);
        e.add("modifytimestamp", QStringLiteral("0"));

        // Numbers: one attribute each.
        struct Slot {
            const char* attribute;
            QString value;
        };
        Slot places[] = {{"telephoneNumber", {}}, {"homePhone", {}}, {"facsimiletelephonenumber", {}},
                        {"pager", {}},           {"mobile", {}}};
        for (const ContactNumber& n : c.numbers) {
            const TypeMatch* row = typeRowOf(DetailKind::Number, n.type);
            const QString kind = row ? typeClass(DetailKind::Number, n.type) : QString();
            QList<int> order;
            if (kind == u"fax")
                order = {2};
            else if (kind == u"pager")
                order = {3};
            else if (kind == u"cell")
                order = {4};
            else if (row && row->words.contains(QLatin1String("work")))
                order = {0, 1};
            else
                order = {1, 0};
            const QString text = joinNumber(n.prefix, n.number);
            const auto free = std::find_if(order.begin(), order.end(), [&](int i) { return places[i].value.isEmpty(); });
            if (free == order.end())
                left << text;
            else
                places[*free].value = text;
            if (!n.assistant.isEmpty())
                left << n.assistant;
        }
        for (const Slot& s : places)
            e.add(s.attribute, s.value);

        // A home and a work address.
        const ContactAddress* homeAddress = nullptr;
        const ContactAddress* workAddress = nullptr;
        for (const ContactAddress& a : c.addresses) {
            const TypeMatch* row = typeRowOf(DetailKind::Address, a.type);
            const bool isWork = row && row->words == QStringList{"work"};
            const ContactAddress*& first = isWork ? workAddress : homeAddress;
            const ContactAddress*& second = isWork ? homeAddress : workAddress;
            if (!first)
                first = &a;
            else if (!second)
                second = &a;
            else
                left << joinNonEmpty({a.street, joinNonEmpty({postcodeText(a.postcode), a.town}), a.country},
                                     QStringLiteral(", "));
        }
        if (homeAddress) {
            e.add("mozillaHomeStreet", homeAddress->street);
            e.add("mozillaHomeLocalityName", homeAddress->town);
            e.add("mozillaHomePostalCode", postcodeText(homeAddress->postcode));
            e.add("mozillaHomeCountryName", homeAddress->country);
        }
        if (workAddress) {
            e.add("street", workAddress->street);
            e.add("l", workAddress->town);
            e.add("postalCode", postcodeText(workAddress->postcode));
            e.add("c", workAddress->country);
        }
        e.add("company", person ? c.employer1 : c.name1);
        e.add("department", person ? c.employer2 : c.name2);
        QString workUrl, homeUrl;
        for (qsizetype i = 0; i < webs.size(); ++i) {
            QString& slot = webKinds[i] == u"work" && workUrl.isEmpty() ? workUrl : homeUrl.isEmpty() ? homeUrl : workUrl;
            if (slot.isEmpty())
                slot = webs[i];
            else
                left << webs[i];
        }
        e.add("mozillaWorkUrl", workUrl);
        e.add("mozillaHomeUrl", homeUrl);
        if (person && c.birthday.isValid()) {
            if (c.birthday.year() != kYearUnknown)
                e.add("birthyear", QString::number(c.birthday.year()));
            e.add("birthmonth", QStringLiteral("%1").arg(c.birthday.month(), 2, 10, QLatin1Char('0')));
            e.add("birthday", QStringLiteral("%1").arg(c.birthday.day(), 2, 10, QLatin1Char('0')));
        }
        e.add("description", c.additional);
        if (person && !c.alive)
            left << QStringLiteral("\u2020");
        left.removeAll(QString());
        entries << e.text();
        for (const QString& g : c.groups) {
            qsizetype gi = groupNames.indexOf(g);
            if (gi < 0) {
                groupNames << g;
                groupMembers << QStringList();
                gi = groupNames.size() - 1;
            }
            groupMembers[gi] << dn;
        }
        if (!left.isEmpty())
            out.leftOut << LeftOut{.contact = listName(person ? QStringLiteral("P") : QStringLiteral("C"), c.name1,
                                                       c.name2),
                                   .items = left};
    }
    QString text;
    for (qsizetype g = 0; g < groupNames.size(); ++g) {
        Entry e;
        e.add("dn", QLatin1String("cn=") + escaped(groupNames[g]));
        e.add("objectclass", QStringLiteral("top"));
        e.add("objectclass", QStringLiteral("groupOfNames"));
        e.add("cn", groupNames[g]);
        for (const QString& m : groupMembers[g])
            e.add("member", m);
        text += e.text();
    }
    for (const QString& e : entries)
        text += e;
    out.bytes = text.toUtf8();
    return out;
}

} // namespace pellori::exchange
