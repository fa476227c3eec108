#include "exchange/vcard/CardMapping.h"

#include "exchange/ContactText.h"
#include "exchange/Latin1Text.h"
#include "exchange/TypeTable.h"
#include "exchange/vcard/VCardReader.h"
#include "exchange/vcard/VCardWriter.h"

#include <QRegularExpression>

namespace pellori::exchange {

using vcard::Card;
using vcard::Property;

namespace {

// Properties that repeat what is stored elsewhere, or describe the card
// rather than the contact: leaving them out loses nothing.
// A LABEL beside an ADR says again what the ADR says; without one it is the address.
const QStringList kNothingToStore = {
    "PRODID", "REV", "UID", "FN", "KIND", "X-ABLABEL", "X-ABSHOWAS", "X-ABUID", "CLIENTPIDMAP", "LABEL",
    "NAME", "PROFILE", "SOURCE", "MAILER", "X-MS-OL-DEFAULT-POSTAL-ADDRESS", "X-ABADR", "X-ADDRESSBOOKSERVER-KIND",
};

// The components vCard defines for N and ADR.
constexpr qsizetype kNameParts = 5, kAddressParts = 7;

bool allEmpty(const QStringList& parts)
{
    return std::all_of(parts.begin(), parts.end(), [](const QString& p) { return p.trimmed().isEmpty(); });
}

// Columns of one line: breaks inside a value become ", ".
QString singleLine(const QString& text)
{
    if (!text.contains(u'\n'))
        return text.trimmed();
    return joinNonEmpty(text.split(u'\n'), QStringLiteral(", "));
}

QStringList lines(const QStringList& parts, qsizetype count)
{
    QStringList out;
    for (qsizetype i = 0; i < count; ++i)
        out << singleLine(parts.value(i));
    return out;
}

struct Label {
    QString text;
    bool own = false;   // typed by the writer's user, not one of Apple's own
};

// The label of the property's group (Apple's item1.X-ABLabel): it may name a
// Pellori type as it is. Apple writes its own labels as "_$!<Mobile>!$_".
Label labelOf(const Card& card, const Property& p)
{
    for (const Property* q : card.group(p.group)) {
        if (q->name != u"X-ABLABEL")
            continue;
        const QString label = singleLine(q->text());
        if (label.startsWith(QLatin1String("_$!<")) && label.endsWith(QLatin1String(">!$_")))
            return Label{.text = label.mid(4, label.size() - 8).trimmed(), .own = false};
        if (!label.isEmpty())
            return Label{.text = label, .own = true};
    }
    return Label();
}

// The TYPE values, then the label as one more word ("Mobile" says "cell").
QStringList typeWordsOf(const Card& card, const Property& p)
{
    QStringList words;
    for (const QString& value : p.parameter(QStringLiteral("TYPE")))
        for (const QString& t : value.split(u','))
            if (!t.trimmed().isEmpty())
                words << t.trimmed();
    if (const QString label = labelOf(card, p).text; !label.isEmpty())
        words << label;
    return words;
}

struct ParsedDate {
    QDate date;
    bool hasYear = true;
};

std::optional<ParsedDate> parseDate(QString v)
{
    v = v.trimmed();
    if (const qsizetype t = v.indexOf(u'T'); t >= 0)
        v.truncate(t);
    bool hasYear = true;
    if (v.startsWith(QLatin1String("--"))) {
        v = QString::number(kYearUnknown) + v.mid(2);
        hasYear = false;
    }
    v.remove(u'-');
    static const QRegularExpression digits(QStringLiteral("^\\d{8}$"));
    if (!digits.match(v).hasMatch())
        return std::nullopt;
    const QDate date(v.left(4).toInt(), v.mid(4, 2).toInt(), v.mid(6, 2).toInt());
    if (!date.isValid())
        return std::nullopt;
    return ParsedDate{.date = date, .hasYear = hasYear && date.year() != kYearUnknown};
}

QString telValue(QString t)
{
    t = t.trimmed();
    if (!t.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
        return t;
    // tel: URIs separate with '-' and '.', and carry parameters after ';'.
    t = t.mid(4);
    QString extension;
    if (const qsizetype semi = t.indexOf(u';'); semi >= 0) {
        static const QRegularExpression ext(QStringLiteral(";ext=([^;]*)"), QRegularExpression::CaseInsensitiveOption);
        if (const auto m = ext.match(t, semi); m.hasMatch())
            extension = m.captured(1);
        t.truncate(semi);
    }
    t.replace(u'-', u' ').replace(u'.', u' ');
    if (!extension.isEmpty())
        t += QLatin1String(" ext ") + extension;
    return t.simplified();
}

} // namespace

namespace {

// A name is there when it leaves something to show once it is written in
// Latin-1 (zero-width characters alone leave nothing).
bool visible(const QString& text) { return !toLatin1Text(text).text.trimmed().isEmpty(); }

QStringList words(const QString& text)
{
    QString t = text.toCaseFolded();
    for (QChar& c : t)
        if (!c.isLetterOrNumber())
            c = u' ';
    return t.split(u' ', Qt::SkipEmptyParts);
}

// The words of a full name that the name's parts do not hold ("Joe Due"
// beside N:Gump;Forrest): worth a note, as the full name is not stored.
QString fullNameBeyond(const QString& fullName, const QStringList& parts)
{
    const QStringList known = words(parts.join(u' '));
    for (const QString& w : words(fullName))
        if (!known.contains(w))
            return fullName;
    return QString();
}

// A full name that only repeats the organisation's name.
bool namesOrganization(const QString& fullName, const QStringList& orgParts)
{
    const QString name = fullName.simplified();
    for (const QString& candidate : {joinNonEmpty(orgParts), joinNonEmpty(orgParts.mid(0, 2)), orgParts.value(0)})
        if (!candidate.isEmpty() && name.compare(candidate.simplified(), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString kindOf(const Card& card)
{
    for (const char* name : {"KIND", "X-ADDRESSBOOKSERVER-KIND"})
        if (const Property* p = card.first(QLatin1String(name)))
            return p->text().trimmed().toLower();
    return QString();
}

// The parts beyond those vCard defines, as one text.
QString beyond(const QStringList& parts, qsizetype defined)
{
    return joinNonEmpty(parts.mid(defined), QStringLiteral("; "));
}

// A card of KIND:group: its name, and its members as written.
void readGroup(const Card& card, CardContact& out)
{
    const Property* fn = card.first(QStringLiteral("FN"));
    const Property* n = card.first(QStringLiteral("N"));
    const Property* org = card.first(QStringLiteral("ORG"));
    QString name = fn ? singleLine(fn->text()) : QString();
    if (name.isEmpty() && n)
        name = joinNonEmpty(lines(n->components(), kNameParts));
    if (name.isEmpty() && org)
        name = joinNonEmpty(lines(org->components(), org->components().size()));
    out.contact.name1 = name;
    out.hasName = visible(name);
    QStringList notStored;
    for (const Property& p : card.properties) {
        if (p.name == u"MEMBER" || p.name == u"X-ADDRESSBOOKSERVER-MEMBER") {
            if (!p.text().trimmed().isEmpty())
                out.members << p.text().trimmed();
        } else if (p.name != u"N" && p.name != u"ORG" && !kNothingToStore.contains(p.name) &&
                   !notStored.contains(p.name)) {
            notStored << p.name;
        }
    }
    if (!notStored.isEmpty())
        out.notes << Note{.kind = NoteKind::PropertiesNotStored, .value = notStored.join(QLatin1String(", "))};
}

// An address given only as a label (2.1 cards without ADR): the first line
// as the street, the others as the town, for the user to look over.
ContactAddress addressFromLabel(const Card& card, const Property& label, QList<Note>& notes)
{
    const QStringList parts = label.text().split(u'\n', Qt::SkipEmptyParts);
    ContactAddress a{.typeWords = typeWordsOf(card, label),
                     .street = parts.value(0).trimmed(),
                     .town = joinNonEmpty(parts.mid(1), QStringLiteral(", ")),
                     .preferred = label.preferred()};
    notes << Note{.kind = NoteKind::AddressFromLabel, .field = Field::Address,
                  .value = singleLine(label.text()), .stored = a.street, .detail = a.town};
    return a;
}

} // namespace

CardContact contactFromCard(const Card& card)
{
    CardContact out;
    out.line = card.line;
    out.notes = card.notes;
    if (const Property* uid = card.first(QStringLiteral("UID")))
        out.uid = uid->text().trimmed();
    Contact& c = out.contact;
    const QString kind = kindOf(card);
    if (kind == u"group") {
        out.kind = CardKind::Group;
        readGroup(card, out);
        if (!out.hasName)
            out.notes.prepend(Note{.kind = NoteKind::NoName});
        return out;
    }
    if (kind == u"location") {
        out.kind = CardKind::Place;
        out.hasName = false;
        out.notes.prepend(Note{.kind = NoteKind::PlaceCard});
        return out;
    }

    QStringList notStored;
    const auto notPlaced = [&](const Property& p) {
        if (!notStored.contains(p.name))
            notStored << p.name;
    };
    const auto noColumn = [&](Field field, const QString& value) {
        out.notes << Note{.kind = NoteKind::NoColumn, .field = field, .value = value};
    };

    const Property* n = card.first(QStringLiteral("N"));
    const Property* org = card.first(QStringLiteral("ORG"));
    const Property* fn = card.first(QStringLiteral("FN"));
    const Property* showAs = card.first(QStringLiteral("X-ABSHOWAS"));
    const QStringList nameParts = n ? n->componentsAsWords() : QStringList();
    const QStringList name = lines(nameParts, kNameParts);
    const QStringList orgParts = org ? lines(org->components(), org->components().size()) : QStringList();
    const QString fullName = fn ? singleLine(fn->text()) : QString();

    // Without a name in N, a card of an organisation is the organisation's
    // own only when its full name is none or the organisation's: else it is
    // a person's, named by the full name, who works there.
    const bool company = kind == u"org" ||
                         (showAs && showAs->text().trimmed().compare(u"company", Qt::CaseInsensitive) == 0) ||
                         (!allEmpty(orgParts) && allEmpty(name) &&
                          (fullName.isEmpty() || namesOrganization(fullName, orgParts)));
    if (!allEmpty(orgParts.mid(2)))
        noColumn(Field::Organization, joinNonEmpty(orgParts.mid(2), QStringLiteral("; ")));
    if (!beyond(nameParts, kNameParts).isEmpty())
        out.notes << Note{.kind = NoteKind::MoreComponents, .field = Field::Name,
                          .value = beyond(lines(nameParts, nameParts.size()), kNameParts)};
    // The full name is stored only where it names the contact (no N, or a
    // company without ORG); elsewhere words of its own are noted.
    if (visible(fullName) && (!allEmpty(name) || (company && !allEmpty(orgParts))))
        if (const QString beyondName = fullNameBeyond(fullName, nameParts + orgParts); !beyondName.isEmpty())
            noColumn(Field::FullName, beyondName);
    if (company) {
        c.kind = ContactKind::Company;
        c.name1 = orgParts.value(0);
        c.name2 = orgParts.value(1);
        if (!visible(c.name1) && !visible(c.name2))
            c.name1 = fullName;
        if (n && !allEmpty(name))
            notPlaced(*n);
    } else {
        c.name1 = name[0];
        c.name2 = joinNonEmpty({name[1], name[2]});
        c.title = name[3];
        if (!name[4].isEmpty())
            noColumn(Field::NameSuffix, name[4]);
        if (!visible(c.name1) && !visible(c.name2)) {
            QStringList words = fullName.split(u' ', Qt::SkipEmptyParts);
            c.name1 = words.isEmpty() ? QString() : words.takeLast();
            c.name2 = words.join(u' ');
        }
        c.employer1 = orgParts.value(0);
        c.employer2 = orgParts.value(1);
    }
    // Filed under its first name line: a lone first name is the name.
    if (!visible(c.name1))
        std::swap(c.name1, c.name2);
    if (!visible(c.name1) && c.kind == ContactKind::Person) {
        // Some phones keep contacts of an e-mail address alone.
        for (const Property& p : card.properties) {
            QString address = p.name == u"EMAIL" ? singleLine(p.text()) : QString();
            if (address.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
                address = address.mid(7);
            if (visible(address)) {
                c.name1 = address;
                c.name2.clear();
                out.notes << Note{.kind = NoteKind::NamedByEmail, .value = address};
                break;
            }
        }
    }
    out.hasName = visible(c.name1);

    const bool person = c.kind == ContactKind::Person;
    const bool hasAddress = card.first(QStringLiteral("ADR")) != nullptr;
    QStringList nicknames, notes;
    bool hadBirthday = false;
    for (const Property& p : card.properties) {
        const QString& pn = p.name;
        if (pn == u"N" || pn == u"ORG") {
            if (&p != n && &p != org)
                notPlaced(p);
        } else if (pn == u"NICKNAME" && person) {
            for (const QString& v : p.values())
                if (!v.trimmed().isEmpty())
                    nicknames << singleLine(v);
        } else if (pn == u"BDAY" && person && !hadBirthday) {
            hadBirthday = true;
            if (const auto date = parseDate(p.text())) {
                c.birthday = date->date;
                if (!date->hasYear)
                    out.notes << Note{.kind = NoteKind::BirthdayWithoutYear, .field = Field::Birthday,
                                      .value = p.text().trimmed()};
            } else {
                out.notes << Note{.kind = NoteKind::NotADate, .field = Field::Birthday, .value = p.text().trimmed()};
            }
        } else if (pn == u"DEATHDATE" && person) {
            c.alive = false;
        } else if (pn == u"NOTE") {
            if (!p.text().trimmed().isEmpty())
                notes << p.text().trimmed();
        } else if (pn == u"TEL") {
            const QString written = telValue(p.text());
            if (written.isEmpty())
                continue;
            SplitNumber split = splitNumber(written);
            // Written by an export that names the prefix the split cannot tell.
            if (const QStringList prefix = p.parameter(QLatin1String(kPrefixParameter));
                !prefix.isEmpty() && written.startsWith(prefix.first())) {
                split.prefix = prefix.first();
                split.number = written.mid(prefix.first().size());
                if (!split.prefix.isEmpty() && (split.number.startsWith(u' ') || split.number.startsWith(u'/')))
                    split.number = split.number.mid(1);
            }
            if (split.prefix.isEmpty())
                out.notes << Note{.kind = NoteKind::NoPrefix, .field = Field::Number, .value = written};
            const Label label = labelOf(card, p);
            c.numbers << ContactNumber{.type = label.text,
                                       .typeWords = typeWordsOf(card, p),
                                       .ownLabel = label.own,
                                       .prefix = split.prefix,
                                       .number = split.number,
                                       .written = written,
                                       .assistant = singleLine(p.parameter(QStringLiteral("X-ASSISTANT")).join(u',')),
                                       .preferred = p.preferred()};
        } else if (pn == u"EMAIL" || pn == u"URL") {
            QString address = singleLine(p.text());
            if (pn == u"EMAIL" && address.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
                address = address.mid(7);
            if (address.isEmpty())
                continue;
            const Label label = labelOf(card, p);
            c.internet << ContactInternet{.type = label.text,
                                          .typeWords = typeWordsOf(card, p),
                                          .ownLabel = label.own,
                                          .kind = pn == u"EMAIL" ? InternetKind::Email : InternetKind::Web,
                                          .address = address,
                                          .preferred = p.preferred()};
        } else if (pn == u"ADR") {
            const QStringList parts = p.components();
            const QStringList a = lines(parts, kAddressParts);
            if (!beyond(parts, kAddressParts).isEmpty())
                out.notes << Note{.kind = NoteKind::MoreComponents, .field = Field::Address,
                                  .value = beyond(lines(parts, parts.size()), kAddressParts)};
            if (allEmpty(a))
                continue;
            const Label label = labelOf(card, p);
            ContactAddress address{.type = label.text,
                                   .typeWords = typeWordsOf(card, p),
                                   .ownLabel = label.own,
                                   .street = joinNonEmpty({a[2], a[1]}, QStringLiteral(", ")),
                                   .town = a[3],
                                   .postcode = a[5],
                                   .country = a[6],
                                   .preferred = p.preferred()};
            if (address.street.isEmpty() && !a[0].isEmpty()) {
                address.street = a[0];
                address.typeWords << QLatin1String(kPostOfficeBoxWord);
            } else if (!a[0].isEmpty()) {
                noColumn(Field::PostOfficeBox, a[0]);
            }
            if (!a[4].isEmpty())
                noColumn(Field::Region, a[4]);
            c.addresses << address;
        } else if (pn == u"LABEL" && !hasAddress) {
            if (!p.text().trimmed().isEmpty())
                c.addresses << addressFromLabel(card, p, out.notes);
        } else if (pn == u"CATEGORIES") {
            for (const QString& v : p.values())
                if (!v.trimmed().isEmpty() && !c.groups.contains(singleLine(v), Qt::CaseInsensitive))
                    c.groups << singleLine(v);
        } else if (pn == u"TITLE") {
            noColumn(Field::JobTitle, singleLine(p.text()));
        } else if (!kNothingToStore.contains(pn)) {
            notPlaced(p);
        }
    }
    c.nickname = nicknames.join(QLatin1String(", "));
    c.additional = notes.join(u'\n');
    if (!notStored.isEmpty())
        out.notes << Note{.kind = NoteKind::PropertiesNotStored, .value = notStored.join(QLatin1String(", "))};
    if (!out.hasName)
        out.notes.prepend(Note{.kind = NoteKind::NoName});
    return out;
}

Card contactToCard(const Contact& c)
{
    Card card;
    card.version = QStringLiteral("4.0");
    QList<Property>& props = card.properties;
    int item = 0;
    // A type name that TYPE values cannot say exactly goes as the label of
    // the property's group, which Apple, Google and this reader understand.
    const auto addTyped = [&](Property p, const TypeMatch* row, const QString& typeName, bool preferred) {
        const bool words = row && row->writeWords && !row->words.isEmpty();
        if (words)
            p.with(QStringLiteral("TYPE"), row->words);
        if (preferred)
            p.with(QStringLiteral("PREF"), {QStringLiteral("1")});
        const bool label = !typeName.isEmpty() &&
                           (!row || !row->writeWords || row->names.first().compare(typeName, Qt::CaseInsensitive));
        if (!label) {
            props << p;
            return;
        }
        const QString group = QStringLiteral("item%1").arg(++item);
        props << p.inGroup(group) << Property::fromText(QStringLiteral("X-ABLABEL"), typeName).inGroup(group);
    };

    props << Property::fromText(QStringLiteral("PRODID"), QStringLiteral("-//Pellori//Pellori vCard export//EN"));
    if (c.kind == ContactKind::Company) {
        props << Property::fromRaw(QStringLiteral("KIND"), QStringLiteral("org"));
        props << Property::fromText(QStringLiteral("FN"), joinNonEmpty({c.name1, c.name2}));
        props << Property::fromComponents(QStringLiteral("N"), {"", "", "", "", ""});
        props << Property::fromComponents(QStringLiteral("ORG"), c.name2.isEmpty() ? QStringList{c.name1}
                                                                                    : QStringList{c.name1, c.name2});
    } else {
        props << Property::fromText(QStringLiteral("FN"), joinNonEmpty({c.title, c.name2, c.name1}));
        props << Property::fromComponents(QStringLiteral("N"),
                                          {c.name1, c.name2, "", joinNonEmpty({c.salutation, c.title}), ""});
        if (!c.nickname.isEmpty())
            props << Property::fromText(QStringLiteral("NICKNAME"), c.nickname);
        if (c.birthday.isValid())
            props << Property::fromRaw(QStringLiteral("BDAY"), c.birthday.year() == kYearUnknown
                                                                    ? c.birthday.toString(QStringLiteral("--MMdd"))
                                                                    : c.birthday.toString(QStringLiteral("yyyyMMdd")));
        if (!c.alive)
            props << Property::fromRaw(QStringLiteral("DEATHDATE"), QStringLiteral("unknown"))
                         .with(QStringLiteral("VALUE"), {QStringLiteral("text")});
        if (!c.employer1.isEmpty())
            props << Property::fromComponents(QStringLiteral("ORG"), c.employer2.isEmpty()
                                                                         ? QStringList{c.employer1}
                                                                         : QStringList{c.employer1, c.employer2});
    }
    if (!c.additional.isEmpty())
        props << Property::fromText(QStringLiteral("NOTE"), c.additional);
    for (const ContactNumber& n : c.numbers) {
        const QString written = joinNumber(n.prefix, n.number);
        Property p = Property::fromText(QStringLiteral("TEL"), written);
        if (splitNumber(written) != SplitNumber{.prefix = n.prefix, .number = n.number})
            p.with(QLatin1String(kPrefixParameter), {n.prefix});
        if (!n.assistant.isEmpty())
            p.with(QStringLiteral("X-ASSISTANT"), {n.assistant});
        addTyped(p, typeRowOf(DetailKind::Number, n.type), n.type, n.preferred);
    }
    for (const ContactInternet& i : c.internet) {
        const TypeMatch* row = internetRowOf(i.type);
        const bool email = row ? row->kind == DetailKind::Email
                               : i.address.contains(u'@') && !i.address.contains(QLatin1String("://"));
        // Commas escaped in URLs too: vCard 3.0 parsers split them otherwise.
        addTyped(Property::fromText(email ? QStringLiteral("EMAIL") : QStringLiteral("URL"), i.address),
                 row, i.type, i.preferred);
    }
    for (const ContactAddress& a : c.addresses) {
        const QString postcode = a.postcode.trimmed() == u"0" ? QString() : a.postcode.trimmed();
        addTyped(Property::fromComponents(QStringLiteral("ADR"), {"", "", a.street, a.town, "", postcode, a.country}),
                 typeRowOf(DetailKind::Address, a.type), a.type, a.preferred);
    }
    if (!c.groups.isEmpty())
        props << Property::fromValues(QStringLiteral("CATEGORIES"), c.groups);
    // Another book, or this one, knows the contact again by them.
    if (!c.uid.isEmpty())
        props << Property::fromRaw(QStringLiteral("UID"), c.uid);
    if (c.changed.isValid())
        props << Property::fromRaw(QStringLiteral("REV"),
                                   c.changed.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")));
    return card;
}

ContactsRead readContacts(const QByteArray& bytes)
{
    ContactsRead result;
    vcard::ReadResult read = vcard::readCards(bytes);
    if (read.error) {
        result.error = read.error;
        return result;
    }
    result.contacts.reserve(read.cards.size());
    for (const Card& card : read.cards)
        result.contacts << contactFromCard(card);
    return result;
}

QByteArray writeContacts(const QList<Contact>& contacts)
{
    QList<Card> cards;
    cards.reserve(contacts.size());
    for (const Contact& c : contacts)
        cards << contactToCard(c);
    return vcard::writeCards(cards);
}

} // namespace pellori::exchange
