#include "exchange/ImportPlan.h"

#include "data/Postcode.h"
#include "exchange/ContactText.h"
#include "exchange/Latin1Text.h"
#include "exchange/TypeTable.h"

#include <QHash>
#include <QSet>

namespace pellori::exchange {

namespace {

// Exact spelling first, then without regard to case.
int indexOfName(const QList<NamedKey>& list, const QString& name)
{
    for (qsizetype i = 0; i < list.size(); ++i)
        if (list[i].name == name)
            return int(i);
    for (qsizetype i = 0; i < list.size(); ++i)
        if (list[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

int indexOfId(const QList<NamedKey>& list, int id)
{
    for (qsizetype i = 0; i < list.size(); ++i)
        if (list[i].id == id)
            return int(i);
    return -1;
}

QString displayName(const PlannedContact& c) { return listName(c.O_TYPE, c.O_NAME1, c.O_NAME2); }

QString companyKey(const QString& name1, const QString& name2)
{
    return joinNonEmpty({name1, name2}, QStringLiteral(" ")).simplified().toCaseFolded();
}

QString flag(bool set) { return set ? QStringLiteral("@") : QStringLiteral("-"); }

bool isWholeNumber(const QString& text, qint64& value)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    bool ok = false;
    value = text.toLongLong(&ok);
    return ok;
}

class Planner {
public:
    Planner(const Lookups& lookups, const ImportOptions& options)
        : m_lookups(lookups), m_options(options),
          m_numberClasses(classesOf(DetailKind::Number, lookups.communicationTypes)),
          m_internetClasses(classesOf(DetailKind::Email, lookups.internetTypes))
    {
    }

    ImportPlan plan(const QList<CardContact>& cards)
    {
        QList<PlannedContact> companies, persons;
        QList<QString> employerKeys;   // beside persons
        QList<std::pair<QString, QString>> employers;
        for (qsizetype i = 0; i < cards.size(); ++i) {
            const CardContact& card = cards[i];
            const bool contactCard = card.kind == CardKind::Contact;
            CardReport report{.line = card.line, .name = QString(), .imported = card.hasName && contactCard,
                              .notes = card.notes};
            if (card.hasName && card.kind == CardKind::Group) {
                m_notes = &report.notes;
                report.name = text(Field::Group, card.contact.name1, columns::G_NAME, false);
            } else if (report.imported) {
                m_notes = &report.notes;
                PlannedContact row = contact(card.contact);
                row.card = int(i);
                row.uid = card.uid;
                report.name = displayName(row);
                if (row.O_TYPE == u"C") {
                    companies << row;
                } else {
                    const QString e1 = text(Field::Employer, card.contact.employer1, columns::O_NAME1, false);
                    const QString e2 = text(Field::Employer, card.contact.employer2, columns::O_NAME2, true);
                    persons << row;
                    employerKeys << (e1.isEmpty() && e2.isEmpty() ? QString() : companyKey(e1, e2));
                    employers << std::pair{e1.isEmpty() ? e2 : e1, e1.isEmpty() ? QString() : e2};
                }
            }
            m_plan.cards << report;
        }
        linkEmployers(companies, persons, employerKeys, employers);
        for (qsizetype i = 0; i < cards.size(); ++i)
            if (cards[i].kind == CardKind::Group && cards[i].hasName)
                fillGroup(cards, int(i));
        return std::move(m_plan);
    }

private:
    void note(Note n) { m_notes->append(std::move(n)); }

    // A column's text: Latin-1 only and no longer than the column (0: no limit).
    QString text(Field field, const QString& value, int length, bool nullable)
    {
        const Latin1Text latin1 = toLatin1Text(value);
        QString t = latin1.text;
        if (!latin1.outside.isEmpty())
            note({.kind = NoteKind::ReplacedCharacters, .field = field, .value = value, .stored = t,
                  .detail = latin1.outside.join(u' ')});
        if (length > 0 && t.size() > length) {
            note({.kind = NoteKind::Cut, .field = field, .value = value, .stored = t.left(length), .length = length});
            t.truncate(length);
        }
        if (t.isEmpty())
            return nullable ? QString() : QStringLiteral("");
        return t;
    }

    PlannedContact contact(const Contact& c)
    {
        const bool person = c.kind == ContactKind::Person;
        PlannedContact row;
        row.O_TYPE = person ? QStringLiteral("P") : QStringLiteral("C");
        row.O_NAME1 = text(person ? Field::FamilyName : Field::CompanyName1, c.name1, columns::O_NAME1, false);
        row.O_NAME2 = text(person ? Field::FirstName : Field::CompanyName2, c.name2, columns::O_NAME2, true);
        row.O_ADDITIONAL = text(Field::Additional, c.additional, 0, true);
        if (person) {
            personColumns(c, row);
        }
        const StandardTypes& standard = m_options.standard;
        numbers(c, row, person ? standard.communication : standard.communicationCompany);
        internet(c, row, person ? standard.internet : standard.internetCompany);
        addresses(c, row, person ? standard.address : standard.addressCompany);
        for (const QString& g : c.groups) {
            const QString name = text(Field::Group, g, columns::G_NAME, false);
            if (name.isEmpty())
                continue;
            const KeyRef key = lookUpOrCreate(m_lookups.groups, m_plan.newGroups, name);
            if (!row.groups.contains(key))
                row.groups << key;
        }
        return row;
    }

    void personColumns(const Contact& c, PlannedContact& row)
    {
        // The salutation may lead the title text ("Herr Dr."), as an N prefix has it.
        QString title = c.title.simplified();
        if (!c.salutation.trimmed().isEmpty()) {
            row.P_SID = salutation(c.salutation.trimmed());
        } else {
            QStringList words = title.split(u' ', Qt::SkipEmptyParts);
            for (qsizetype k = words.size(); k > 0; --k)
                if (const auto sid = salutation(words.first(k).join(u' '))) {
                    row.P_SID = sid;
                    title = words.mid(k).join(u' ');
                    break;
                }
        }
        if (!row.P_SID && !m_lookups.salutations.isEmpty()) {
            row.P_SID = m_lookups.salutations.first().id;
            m_plan.defaultSalutation = m_lookups.salutations.first().name;
            ++m_plan.defaultSalutations;
            row.givenDefaultSalutation = true;
        }
        if (const QString t = text(Field::Title, title, columns::T_NAME, false); !t.isEmpty())
            row.P_TID = lookUpOrCreate(m_lookups.titles, m_plan.newTitles, t);
        row.P_BIRTHDAY = c.birthday;
        row.P_NICKNAME = text(Field::Nickname, c.nickname, columns::P_NICKNAME, true);
        row.P_ALIVE = flag(c.alive);
    }

    // The members a group card names (by UID, or by "mailto:" e-mail address)
    // that are contacts of this file join its group. The file's contacts are
    // looked up by key, so that a list of thousands stays quick.
    void fillGroup(const QList<CardContact>& cards, int groupCard)
    {
        if (m_byUid.isEmpty() && m_byMail.isEmpty())
            indexMembers(cards);
        CardReport& report = m_plan.cards[groupCard];
        m_notes = &report.notes;
        const KeyRef group = lookUpOrCreate(m_lookups.groups, m_plan.newGroups, report.name);
        int joined = 0;
        for (const QString& member : cards[groupCard].members) {
            const bool byMail = member.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive);
            const int card = byMail ? m_byMail.value(member.mid(7).trimmed().toCaseFolded(), -1)
                                    : m_byUid.value(uidKey(member), -1);
            const int contact = card >= 0 ? m_contactOfCard.value(card, -1) : -1;
            if (contact < 0) {
                note({.kind = NoteKind::MemberNotFound, .value = member});
                continue;
            }
            QList<KeyRef>& groups = m_plan.contacts[contact].groups;
            if (!groups.contains(group))
                groups << group;
            ++joined;
        }
        report.notes.prepend(Note{.kind = NoteKind::GroupCard, .field = Field::Group, .value = report.name,
                                  .length = joined});
    }

    static QString uidKey(QString uid)
    {
        uid = uid.trimmed();
        if (uid.startsWith(QLatin1String("urn:uuid:"), Qt::CaseInsensitive))
            uid = uid.mid(9);
        return uid.toCaseFolded();
    }

    // The first contact card of each UID and e-mail address.
    void indexMembers(const QList<CardContact>& cards)
    {
        for (qsizetype j = 0; j < cards.size(); ++j) {
            if (cards[j].kind != CardKind::Contact)
                continue;
            if (!cards[j].uid.isEmpty() && !m_byUid.contains(uidKey(cards[j].uid)))
                m_byUid.insert(uidKey(cards[j].uid), int(j));
            for (const ContactInternet& e : cards[j].contact.internet)
                if (!m_byMail.contains(e.address.toCaseFolded()))
                    m_byMail.insert(e.address.toCaseFolded(), int(j));
        }
        for (qsizetype i = 0; i < m_plan.contacts.size(); ++i)
            if (m_plan.contacts[i].card >= 0)
                m_contactOfCard.insert(m_plan.contacts[i].card, int(i));
    }

    std::optional<int> salutation(const QString& word) const
    {
        for (const QString& s : salutationSynonyms(word))
            if (const int i = indexOfName(m_lookups.salutations, s); i >= 0)
                return m_lookups.salutations[i].id;
        return std::nullopt;
    }

    static KeyRef lookUpOrCreate(const QList<NamedKey>& existing, QStringList& created, const QString& name)
    {
        if (const int i = indexOfName(existing, name); i >= 0)
            return KeyRef{.existing = existing[i].id};
        qsizetype j = created.indexOf(name);
        if (j < 0)
            for (j = 0; j < created.size() && created[j].compare(name, Qt::CaseInsensitive); ++j) {}
        if (j == created.size())
            created << name;
        return KeyRef{.created = int(j)};
    }

    // Index into types of the type an entry asks for.
    static std::optional<int> wantedType(DetailKind kind, const QList<NamedKey>& types, const QString& name,
                                         const QStringList& words, int standard)
    {
        if (!name.isEmpty())
            if (const int i = indexOfName(types, name); i >= 0)
                return i;
        for (const QString& n : typeNamesFor(kind, words))
            if (const int i = indexOfName(types, n); i >= 0)
                return i;
        if (const int i = indexOfId(types, standard); i >= 0)
            return i;
        if (!types.isEmpty())
            return 0;
        return std::nullopt;
    }

    // One of each type per contact: first every entry whose type is still
    // free, then the others, each to the next free type after its own that
    // is of the same kind (a voice line stays a voice line, a fax a fax).
    QList<std::optional<int>> assignTypes(const QList<std::optional<int>>& wanted, const QStringList& classes,
                                          const QStringList& typeClasses, const QList<NamedKey>& types, Field field,
                                          const QStringList& values)
    {
        QList<bool> used(types.size(), false);
        QList<std::optional<int>> given(wanted.size());
        for (qsizetype i = 0; i < wanted.size(); ++i)
            if (wanted[i] && !used[*wanted[i]]) {
                given[i] = wanted[i];
                used[*wanted[i]] = true;
            }
        for (qsizetype i = 0; i < wanted.size(); ++i) {
            if (given[i])
                continue;
            const QString asked = wanted[i] ? types[*wanted[i]].name : QString();
            const QString wantedClass = wanted[i] && !typeClasses[*wanted[i]].isEmpty() ? typeClasses[*wanted[i]]
                                                                                        : classes[i];
            for (qsizetype k = 1; wanted[i] && k < types.size(); ++k) {
                const int j = int((*wanted[i] + k) % types.size());
                if (!used[j] && typeClasses[j] == wantedClass) {
                    given[i] = j;
                    used[j] = true;
                    break;
                }
            }
            if (given[i])
                note({.kind = NoteKind::TypeTaken, .field = field, .value = values[i],
                      .stored = types[*given[i]].name, .detail = asked});
            else
                note({.kind = wanted[i] ? NoteKind::NoFreeType : NoteKind::NoType, .field = field,
                      .value = values[i], .detail = asked});
        }
        return given;
    }

    // A label of the writer's user that names no type of the book and says
    // nothing the type table knows: the type it got instead is worth a note.
    void noteLabel(DetailKind kind, const QString& label, bool ownLabel, const QList<NamedKey>& types,
                   std::optional<int> given, Field field, const QString& value)
    {
        if (!ownLabel || label.isEmpty() || !given || indexOfName(types, label) >= 0 || labelKnown(kind, label))
            return;
        note({.kind = NoteKind::LabelNoType, .field = field, .value = value, .stored = types[*given].name,
              .detail = label});
    }

    void numbers(const Contact& c, PlannedContact& row, int standard)
    {
        const QList<NamedKey>& types = m_lookups.communicationTypes;
        QList<std::optional<int>> wanted;
        QStringList values, classes;
        QList<const ContactNumber*> entries;
        for (const ContactNumber& n : c.numbers) {
            if (n.prefix.trimmed().isEmpty() && n.number.trimmed().isEmpty())
                continue;
            entries << &n;
            values << (n.written.isEmpty() ? joinNumber(n.prefix, n.number) : n.written);
            classes << entryClass(DetailKind::Number, n.typeWords);
            wanted << wantedType(DetailKind::Number, types, n.type, n.typeWords, standard);
        }
        const QList<std::optional<int>> given =
            assignTypes(wanted, classes, m_numberClasses, types, Field::Number, values);
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const ContactNumber& n = *entries[i];
            noteLabel(DetailKind::Number, n.type, n.ownLabel, types, given[i], Field::Number, values[i]);
            if (!given[i])
                continue;
            row.numbers << PlannedNumber{.C_CTID = types[*given[i]].id,
                                         .C_PREF = flag(n.preferred),
                                         .C_PREFIX = text(Field::Prefix, n.prefix, columns::C_PREFIX, false),
                                         .C_NUMBER = text(Field::Number, n.number, columns::C_NUMBER, false),
                                         .C_ASSISTENT = text(Field::Assistent, n.assistant, columns::C_ASSISTENT, true)};
        }
    }

    void internet(const Contact& c, PlannedContact& row, int standard)
    {
        const QList<NamedKey>& types = m_lookups.internetTypes;
        QList<std::optional<int>> wanted;
        QStringList values, classes;
        QList<const ContactInternet*> entries;
        for (const ContactInternet& e : c.internet) {
            if (e.address.trimmed().isEmpty())
                continue;
            entries << &e;
            values << e.address;
            const DetailKind kind = e.kind == InternetKind::Email ? DetailKind::Email : DetailKind::Web;
            classes << entryClass(kind, e.typeWords);
            wanted << wantedType(kind, types, e.type, e.typeWords, standard);
        }
        const QList<std::optional<int>> given =
            assignTypes(wanted, classes, m_internetClasses, types, Field::Internet, values);
        for (qsizetype i = 0; i < entries.size(); ++i)
            noteLabel(DetailKind::Email, entries[i]->type, entries[i]->ownLabel, types, given[i], Field::Internet,
                      values[i]);
        for (qsizetype i = 0; i < entries.size(); ++i)
            if (given[i])
                row.internet << PlannedInternet{.I_ITID = types[*given[i]].id,
                                                .I_NAME = text(Field::Internet, entries[i]->address, columns::I_NAME, false),
                                                .I_PREF = flag(entries[i]->preferred)};
    }

    void addresses(const Contact& c, PlannedContact& row, int standard)
    {
        const QList<NamedKey>& types = m_lookups.addressTypes;
        for (const ContactAddress& a : c.addresses) {
            const std::optional<int> type = wantedType(DetailKind::Address, types, a.type, a.typeWords, standard);
            const QString postcode = a.postcode.trimmed();
            const QString written = joinNonEmpty({a.street, joinNonEmpty({postcode, a.town}, QStringLiteral(" ")), a.country},
                                           QStringLiteral(", "));
            if (!type) {
                note({.kind = NoteKind::NoType, .field = Field::Street, .value = written});
                continue;
            }
            noteLabel(DetailKind::Address, a.type, a.ownLabel, types, type, Field::Address, written);
            PlannedAddress planned{.A_ATID = types[*type].id, .A_PREF = flag(a.preferred)};
            QString town = a.town;
            bool postcodeInTown = false;
            if (postcode.isEmpty()) {
                note({.kind = NoteKind::PostcodeMissing, .field = Field::Postcode, .value = written});
            } else if (m_lookups.writtenPostcodes) {
                planned.A_POSTCODE_TEXT = text(Field::Postcode, postcode, postcode::kWrittenLength, true);
                planned.A_POSTCODE = postcode::numberOf(planned.A_POSTCODE_TEXT);
            } else if (isWholeNumber(postcode, planned.A_POSTCODE)) {
                // The column keeps a number: "01069" becomes 1069.
                if (postcode.size() > 1 && postcode.startsWith(u'0'))
                    note({.kind = NoteKind::PostcodeLeadingZero, .field = Field::Postcode, .value = postcode,
                          .stored = QString::number(planned.A_POSTCODE)});
            } else {
                ++m_plan.postcodesNotNumbers;
                if (m_options.postcodes == PostcodePolicy::SkipAddress) {
                    note({.kind = NoteKind::PostcodeSkipped, .field = Field::Postcode, .value = postcode,
                          .stored = written});
                    continue;
                }
                town = joinNonEmpty({postcode, town}, QStringLiteral(" "));
                postcodeInTown = true;
            }
            planned.A_STREET = text(Field::Street, a.street, columns::A_STREET, false);
            planned.A_TOWN = text(Field::Town, town, columns::A_TOWN, false);
            planned.A_COUNTRY = text(Field::Country, a.country, columns::A_COUNTRY, true);
            if (postcodeInTown)
                note({.kind = NoteKind::PostcodeInFrontOfTown, .field = Field::Postcode, .value = postcode,
                      .stored = planned.A_TOWN});
            row.addresses << planned;
        }
    }

    // Persons name their company by its name: one made of a card of this
    // file, else one the database holds, else one created for them.
    void linkEmployers(QList<PlannedContact>& companies, QList<PlannedContact>& persons,
                       const QList<QString>& keys, const QList<std::pair<QString, QString>>& names)
    {
        QHash<QString, int> byName;   // company key -> index into contacts
        for (qsizetype i = 0; i < companies.size(); ++i) {
            const QString key = companyKey(companies[i].O_NAME1, companies[i].O_NAME2);
            if (!byName.contains(key))
                byName.insert(key, int(i));
        }
        QHash<QString, int> existing;
        for (const CompanyKey& c : m_lookups.companies) {
            const QString key = companyKey(c.name1, c.name2);
            if (!existing.contains(key))
                existing.insert(key, c.id);
        }
        QList<PlannedContact> created;
        for (qsizetype i = 0; i < persons.size(); ++i) {
            const QString& key = keys[i];
            if (key.isEmpty())
                continue;
            if (const auto it = byName.constFind(key); it != byName.cend()) {
                persons[i].P_CID = KeyRef{.created = *it};
            } else if (const auto ex = existing.constFind(key); ex != existing.cend()) {
                persons[i].P_CID = KeyRef{.existing = *ex};
            } else {
                PlannedContact company;
                company.O_TYPE = QStringLiteral("C");
                company.O_NAME1 = names[i].first;
                company.O_NAME2 = names[i].second;
                const int index = int(companies.size() + created.size());
                created << company;
                byName.insert(key, index);
                persons[i].P_CID = KeyRef{.created = index};
            }
        }
        m_plan.contacts = companies + created + persons;
    }

    static QStringList classesOf(DetailKind kind, const QList<NamedKey>& types)
    {
        QStringList classes;
        for (const NamedKey& t : types)
            classes << typeClass(kind, t.name);
        return classes;
    }

    const Lookups& m_lookups;
    const ImportOptions& m_options;
    const QStringList m_numberClasses, m_internetClasses;   // typeClass of each type, in list order
    ImportPlan m_plan;
    QList<Note>* m_notes = nullptr;
    QHash<QString, int> m_byUid, m_byMail;   // key -> index of the card
    QHash<int, int> m_contactOfCard;         // card -> index into the plan's contacts
};

} // namespace

QString listName(const QString& O_TYPE, const QString& O_NAME1, const QString& O_NAME2)
{
    if (O_NAME2.trimmed().isEmpty())
        return O_NAME1;
    return O_NAME1 + (O_TYPE == u"P" ? QLatin1String(", ") : QLatin1String(" ")) + O_NAME2;
}

int ImportPlan::contactOfCard(int card) const
{
    for (qsizetype i = 0; i < contacts.size(); ++i)
        if (contacts[i].card == card)
            return int(i);
    return -1;
}

void ImportPlan::dropCards(const QHash<int, int>& known)
{
    const auto isKnown = [&](const PlannedContact& c) { return c.card >= 0 && known.contains(c.card); };
    // The keys that now name a contact of the book.
    for (PlannedContact& c : contacts)
        if (c.P_CID.created >= 0 && isKnown(contacts[c.P_CID.created]))
            c.P_CID = KeyRef{.existing = known.value(contacts[c.P_CID.created].card)};
    for (PlannedUpdate& u : updates)
        if (u.P_CID.created >= 0 && isKnown(contacts[u.P_CID.created]))
            u.P_CID = KeyRef{.existing = known.value(contacts[u.P_CID.created].card)};

    // A company made only as an employer stays while someone still works there.
    QSet<int> employers;
    for (const PlannedContact& c : contacts)
        if (!isKnown(c) && c.P_CID.created >= 0)
            employers << c.P_CID.created;
    for (const PlannedUpdate& u : updates)
        if (u.P_CID.created >= 0)
            employers << u.P_CID.created;
    QHash<int, int> moved;   // old index -> new index
    QList<PlannedContact> kept;
    for (qsizetype i = 0; i < contacts.size(); ++i)
        if (!isKnown(contacts[i]) && (contacts[i].card >= 0 || employers.contains(int(i)))) {
            moved.insert(int(i), int(kept.size()));
            kept << std::move(contacts[i]);
        } else if (contacts[i].givenDefaultSalutation) {
            --defaultSalutations;
        }
    contacts = std::move(kept);

    // Titles and groups only those cards would have created go with them.
    QSet<int> titlesUsed, groupsUsed;
    const auto use = [&](const KeyRef& title, const QList<KeyRef>& groups) {
        if (title.created >= 0)
            titlesUsed << title.created;
        for (const KeyRef& g : groups)
            if (g.created >= 0)
                groupsUsed << g.created;
    };
    for (const PlannedContact& c : contacts)
        use(c.P_TID, c.groups);
    for (const PlannedUpdate& u : updates)
        use(u.P_TID, u.groups);
    const auto compact = [](QStringList& names, const QSet<int>& used) {
        QHash<int, int> at;
        QStringList out;
        for (qsizetype i = 0; i < names.size(); ++i)
            if (used.contains(int(i))) {
                at.insert(int(i), int(out.size()));
                out << names[i];
            }
        names = out;
        return at;
    };
    const QHash<int, int> titleAt = compact(newTitles, titlesUsed), groupAt = compact(newGroups, groupsUsed);
    const auto remap = [](KeyRef& k, const QHash<int, int>& at) {
        if (k.created >= 0)
            k.created = at.value(k.created, -1);
    };
    const auto remapAll = [&](KeyRef& cid, KeyRef& tid, QList<KeyRef>& groups) {
        remap(cid, moved);
        remap(tid, titleAt);
        for (KeyRef& g : groups)
            remap(g, groupAt);
    };
    for (PlannedContact& c : contacts)
        remapAll(c.P_CID, c.P_TID, c.groups);
    for (PlannedUpdate& u : updates)
        remapAll(u.P_CID, u.P_TID, u.groups);
}

ImportPlan planImport(const QList<CardContact>& cards, const Lookups& lookups, const ImportOptions& options)
{
    return Planner(lookups, options).plan(cards);
}

} // namespace pellori::exchange
