#include "cleanup/ImportMatching.h"

#include "cleanup/BookFacts.h"
#include "cleanup/Folding.h"
#include "data/ContactIdentity.h"
#include "data/DbTransaction.h"
#include "data/FieldValue.h"
#include "data/Statement.h"
#include "exchange/ContactText.h"

#include <QHash>
#include <QSet>

namespace pellori::cleanup {

namespace {

using exchange::CardReport;
using exchange::Field;
using exchange::KeyRef;
using exchange::PlannedContact;
using exchange::PlannedUpdate;

MatchKeys cardKeys(const exchange::CardContact& card)
{
    MatchFacts f;
    f.kind = card.contact.kind == exchange::ContactKind::Company ? 'C' : 'P';
    f.uid = card.uid;
    f.name1 = card.contact.name1;
    f.name2 = card.contact.name2;
    for (const exchange::ContactInternet& i : card.contact.internet)
        if (i.kind == exchange::InternetKind::Email)
            f.emails << i.address;
    for (const exchange::ContactNumber& n : card.contact.numbers)
        f.numbers << n.prefix + u' ' + n.number;
    f.birthday = card.contact.birthday;
    return MatchKeys::of(f);
}

QString nameOf(const QList<exchange::NamedKey>& list, int id)
{
    for (const exchange::NamedKey& k : list)
        if (k.id == id)
            return k.name;
    return QString();
}

} // namespace

QList<FoundContact> matchCards(DbTransaction& tr, const QList<exchange::CardContact>& cards)
{
    QList<FoundContact> found(cards.size());
    QList<MatchKeys> keys(cards.size());
    QStringList uids;
    for (qsizetype i = 0; i < cards.size(); ++i) {
        const exchange::CardContact& card = cards[i];
        if (card.kind != exchange::CardKind::Contact || !card.hasName)
            continue;
        keys[i] = cardKeys(card);
        if (!card.uid.trimmed().isEmpty())
            uids << card.uid.trimmed();
    }
    const QHash<QString, int> byUid = identity::contactsWithUids(tr, uids);

    // The contacts of each card's name; only theirs are read in full.
    QHash<QString, QList<int>> wanted;   // name key -> card indexes
    for (qsizetype i = 0; i < cards.size(); ++i) {
        if (!keys[i].hasName())
            continue;
        if (const int k = byUid.value(keys[i].uid); k != 0) {
            found[i] = FoundContact{.key = k, .how = CardMatch::Uid};
            continue;
        }
        wanted[keys[i].nameKey()] << int(i);
    }
    if (wanted.isEmpty())
        return found;
    QList<int> candidates;
    {
        Statement q(tr.connection(), QStringLiteral("select O_ID, O_TYPE, O_NAME1, O_NAME2 from object"));
        q.openCursor(tr, {});
        QList<QVariant> row;
        while (q.fetch(row)) {
            MatchFacts f;
            f.kind = row[1].toString() == u"C" ? 'C' : 'P';
            f.name1 = row[2].toString();
            f.name2 = row[3].toString();
            // Only the names: MatchKeys::of would also sound out every name.
            const QString family = foldedWords(f.name1).join(u' ');
            if (family.isEmpty())
                continue;
            if (wanted.contains(QLatin1Char(f.kind) + family + u'|' + foldedWords(f.name2).join(u' ')))
                candidates << row[0].toInt();
        }
    }
    std::sort(candidates.begin(), candidates.end());
    QHash<QString, QList<MatchKeys>> book;
    for (const MatchFacts& f : readFacts(tr, candidates)) {
        const MatchKeys k = MatchKeys::of(f);
        book[k.nameKey()] << k;
    }
    for (auto i = wanted.cbegin(); i != wanted.cend(); ++i) {
        QList<MatchKeys> contacts = book.value(i.key());
        std::sort(contacts.begin(), contacts.end(), [](const MatchKeys& a, const MatchKeys& b) { return a.key < b.key; });
        for (const int card : *i)
            for (const MatchKeys& contact : contacts)
                if (const CardMatch how = matchCard(keys[card], contact); how != CardMatch::None) {
                    found[card] = FoundContact{.key = contact.key, .how = how};
                    break;
                }
    }
    return found;
}

int matchedCount(const QList<FoundContact>& found)
{
    return int(std::count_if(found.begin(), found.end(), [](const FoundContact& f) { return f.key != 0; }));
}

PlannedUpdate planUpdate(const PlannedContact& card, MergeContact& contact, const MergeTypes& types,
                         const exchange::ImportPlan& plan, const exchange::Lookups& lookups, CardReport& report)
{
    PlannedUpdate u;
    u.card = card.card;
    u.O_ID = contact.key;
    const bool person = contact.kind == 'P';
    const auto added = [&](Field field, const QString& text) { report.added << std::pair{field, text}; };
    const auto kept = [&](Field field, const QString& value, const QString& stored) {
        report.notes << exchange::Note{.kind = exchange::NoteKind::NameKept, .field = field, .value = value,
                                       .stored = stored};
    };
    const auto fills = [](const QString& mine, const QString& theirs) {
        return mine.trimmed().isEmpty() && !theirs.trimmed().isEmpty();
    };

    // The book's names stay; a card that writes them otherwise says so.
    if (card.O_NAME1.trimmed() != contact.name1.trimmed())
        kept(person ? Field::FamilyName : Field::CompanyName1, card.O_NAME1, contact.name1);
    if (fills(contact.name2, card.O_NAME2)) {
        u.O_NAME2 = contact.name2 = card.O_NAME2;
        added(person ? Field::FirstName : Field::CompanyName2, card.O_NAME2);
    } else if (!card.O_NAME2.trimmed().isEmpty() && card.O_NAME2.trimmed() != contact.name2.trimmed()) {
        kept(person ? Field::FirstName : Field::CompanyName2, card.O_NAME2, contact.name2);
    }
    if (fills(contact.additional, card.O_ADDITIONAL)) {
        u.O_ADDITIONAL = contact.additional = card.O_ADDITIONAL;
        added(Field::Additional, card.O_ADDITIONAL);
    }
    if (person && card.O_TYPE == u"P") {
        if (fills(contact.nickname, card.P_NICKNAME)) {
            u.P_NICKNAME = contact.nickname = card.P_NICKNAME;
            added(Field::Nickname, card.P_NICKNAME);
        }
        if (!contact.birthday.isValid() && card.P_BIRTHDAY.isValid()) {
            u.P_BIRTHDAY = contact.birthday = card.P_BIRTHDAY;
            added(Field::Birthday, value::formatDate(card.P_BIRTHDAY));
        }
        if (contact.title == 0 && card.P_TID.isSet()) {
            u.P_TID = card.P_TID;
            contact.title = card.P_TID.existing.value_or(-1);
            added(Field::Title, card.P_TID.existing ? nameOf(lookups.titles, *card.P_TID.existing)
                                                    : plan.newTitles.value(card.P_TID.created));
        }
        if (contact.employer == 0 && card.P_CID.isSet()) {
            u.P_CID = card.P_CID;
            contact.employer = card.P_CID.existing.value_or(-1);
            if (card.P_CID.created >= 0) {
                const PlannedContact& c = plan.contacts.value(card.P_CID.created);
                added(Field::Employer, exchange::listName(c.O_TYPE, c.O_NAME1, c.O_NAME2));
            } else {
                for (const exchange::CompanyKey& c : lookups.companies)
                    if (c.id == *card.P_CID.existing)
                        added(Field::Employer, exchange::listName(QStringLiteral("C"), c.name1, c.name2));
            }
        }
    }

    // Details: what the contact has already, by what a repeat is known by.
    QHash<DetailTable, QSet<QString>> has;
    QHash<DetailTable, QSet<int>> used;
    for (const MergeDetail& d : contact.details) {
        has[d.table] << d.same;
        used[d.table] << d.type;
    }
    const QString notPreferred = QStringLiteral("-");
    const auto typeFor = [&](DetailTable table, int wanted, const QList<TypeEntry>& list) -> std::optional<int> {
        if (!used[table].contains(wanted))
            return wanted;
        return freeType(list, wanted, used[table]);
    };
    const auto remember = [&](DetailTable table, int type, const QString& text, const QString& same) {
        has[table] << same;
        used[table] << type;
        contact.details << MergeDetail{.table = table, .type = type, .text = text, .same = same};
    };
    for (exchange::PlannedNumber n : card.numbers) {
        const QString same = numberSame(n.C_PREFIX, n.C_NUMBER);
        const QString text = exchange::joinNumber(n.C_PREFIX, n.C_NUMBER);
        if (has[DetailTable::Number].contains(same))
            continue;
        const std::optional<int> type = typeFor(DetailTable::Number, n.C_CTID, types.numbers);
        if (!type) {
            report.notes << exchange::Note{.kind = exchange::NoteKind::NoFreeType, .field = Field::Number,
                                           .value = text};
            continue;
        }
        if (!has[DetailTable::Number].isEmpty())
            n.C_PREF = notPreferred;
        n.C_CTID = *type;
        remember(DetailTable::Number, *type, text, same);
        u.numbers << n;
        added(Field::Number, text);
    }
    for (exchange::PlannedInternet i : card.internet) {
        const QString same = internetSame(i.I_NAME);
        if (has[DetailTable::Internet].contains(same))
            continue;
        const std::optional<int> type = typeFor(DetailTable::Internet, i.I_ITID, types.internet);
        if (!type) {
            report.notes << exchange::Note{.kind = exchange::NoteKind::NoFreeType, .field = Field::Internet,
                                           .value = i.I_NAME};
            continue;
        }
        if (!has[DetailTable::Internet].isEmpty())
            i.I_PREF = notPreferred;
        i.I_ITID = *type;
        remember(DetailTable::Internet, *type, i.I_NAME, same);
        u.internet << i;
        added(Field::Internet, i.I_NAME);
    }
    for (exchange::PlannedAddress a : card.addresses) {
        const QString same = addressSame(a.A_STREET, a.A_POSTCODE, a.A_TOWN);
        if (has[DetailTable::Address].contains(same))
            continue;
        if (!has[DetailTable::Address].isEmpty())
            a.A_PREF = notPreferred;
        const QString place = exchange::joinNonEmpty({a.A_POSTCODE ? QString::number(a.A_POSTCODE) : QString(), a.A_TOWN});
        const QString text = exchange::joinNonEmpty({a.A_STREET, place}, QStringLiteral(", "));
        remember(DetailTable::Address, a.A_ATID, text, same);
        u.addresses << a;
        added(Field::Address, text);
    }
    for (const KeyRef& g : card.groups) {
        // A group the import creates is new to every contact.
        const QString same = g.existing ? QString::number(*g.existing) : u'+' + QString::number(g.created);
        if (has[DetailTable::Group].contains(same))
            continue;
        remember(DetailTable::Group, g.existing.value_or(0), QString(), same);
        u.groups << g;
        added(Field::Group, g.existing ? nameOf(lookups.groups, *g.existing) : plan.newGroups.value(g.created));
    }
    report.outcome = u.changesNothing() ? exchange::CardOutcome::Unchanged : exchange::CardOutcome::Updated;
    return u;
}

void applyMatches(DbTransaction& tr, exchange::ImportPlan& plan, const exchange::Lookups& lookups,
                  const QList<FoundContact>& found, MatchPolicy policy)
{
    QHash<int, int> known;   // card -> O_ID
    for (qsizetype card = 0; card < found.size(); ++card)
        if (found[card].key != 0 && plan.contactOfCard(int(card)) >= 0)
            known.insert(int(card), found[card].key);
    if (known.isEmpty())
        return;
    if (policy == MatchPolicy::AddAllAsNew) {
        // A new contact of its own: the book's contact keeps the identifier.
        for (auto i = known.cbegin(); i != known.cend(); ++i)
            if (found[i.key()].how == CardMatch::Uid)
                plan.contacts[plan.contactOfCard(i.key())].uid.clear();
        return;
    }
    if (policy == MatchPolicy::UpdateMatches) {
        QList<int> keys;
        for (const int k : known)
            if (!keys.contains(k))
                keys << k;
        QHash<int, MergeContact> book;
        for (qsizetype from = 0; from < keys.size(); from += 1000)
            for (MergeContact& c : readMergeContacts(tr, keys.mid(from, 1000)))
                book.insert(c.key, std::move(c));
        // A contact deleted meanwhile is no contact of the book: its card is added.
        known.removeIf([&](const QHash<int, int>::iterator i) { return !book.contains(i.value()); });
        const MergeTypes types = readMergeTypes(tr);
        for (qsizetype card = 0; card < found.size(); ++card) {
            if (!known.contains(int(card)))
                continue;
            MergeContact& contact = book[known.value(int(card))];
            CardReport& report = plan.cards[card];
            PlannedUpdate u = planUpdate(plan.contacts[plan.contactOfCard(int(card))], contact, types, plan, lookups,
                                         report);
            report.name = contact.name;
            plan.updates << std::move(u);
        }
    } else {
        for (auto i = known.cbegin(); i != known.cend(); ++i)
            plan.cards[i.key()].outcome = exchange::CardOutcome::Skipped;
    }
    plan.dropCards(known);
}

} // namespace pellori::cleanup
