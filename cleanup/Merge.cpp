#include "cleanup/Merge.h"

#include "cleanup/Folding.h"
#include "data/ContactDeletion.h"
#include "data/ContactIdentity.h"
#include "data/DbTransaction.h"
#include "data/FieldValue.h"
#include "data/Statement.h"
#include "exchange/ImportPlan.h"
#include "exchange/TypeTable.h"
#include "exchange/ContactText.h"

#include <QSet>

namespace pellori::cleanup {

namespace {

QString keyList(const QList<int>& keys)
{
    QStringList numbers;
    for (const int k : keys)
        numbers << QString::number(k);
    return numbers.join(u',');
}

void forEach(DbTransaction& tr, const QString& sql, const std::function<void(const QList<QVariant>&)>& take)
{
    Statement q(tr.connection(), sql);
    q.openCursor(tr, {});
    QList<QVariant> row;
    while (q.fetch(row))
        take(row);
}

// Runs a statement whose markers :p0, :p1 ... take the values in order.
void run(DbTransaction& tr, const QString& sql, const QList<QVariant>& values)
{
    Statement q(tr.connection(), sql);
    q.execute(tr, [&](const QString& name) { return values.value(name.mid(1).toInt()); });
}

QVariant orNull(const QString& text) { return text.isEmpty() ? QVariant() : QVariant(text); }
QVariant orNull(int key) { return key ? QVariant(key) : QVariant(); }

QString classOf(const QList<TypeEntry>& list, int type)
{
    for (const TypeEntry& t : list)
        if (t.id == type)
            return t.kindClass;
    return QString();
}

} // namespace

std::optional<int> freeType(const QList<TypeEntry>& list, int type, const QSet<int>& used)
{
    qsizetype at = -1;
    for (qsizetype i = 0; i < list.size(); ++i)
        if (list[i].id == type)
            at = i;
    const QString wanted = classOf(list, type);
    for (qsizetype step = 1; step <= list.size(); ++step) {
        const TypeEntry& t = list[(at + step + list.size()) % list.size()];
        if (t.kindClass == wanted && !used.contains(t.id))
            return t.id;
    }
    return std::nullopt;
}


QString numberSame(const QString& prefix, const QString& number) { return numberDigits(prefix + u' ' + number); }
QString internetSame(const QString& address) { return address.trimmed().toCaseFolded(); }
QString addressSame(const QString& street, qint64 postcode, const QString& town)
{
    return foldedWords(street).join(u' ') + u'|' + QString::number(postcode) + u'|' + foldedWords(town).join(u' ');
}

QList<MergeField> mergeFields(char kind)
{
    if (kind == 'C')
        return {MergeField::Name1, MergeField::Name2, MergeField::Additional};
    return {MergeField::Salutation, MergeField::Title,    MergeField::Name1,    MergeField::Name2,     MergeField::Nickname,
            MergeField::Birthday,   MergeField::Alive,    MergeField::Employer, MergeField::Additional};
}

ShownValue fieldValue(const MergeContact& c, MergeField field, int firstSalutation)
{
    // The same name written otherwise ("Mueller", "Müller") is no fuller.
    const auto text = [](const QString& t) {
        return ShownValue{orNull(t), t.trimmed(), int(foldedWords(t).join(u' ').size())};
    };
    const auto key = [](int k, const QString& name) { return ShownValue{orNull(k), k ? name : QString(), k ? 1 : 0}; };
    switch (field) {
    case MergeField::Name1: return text(c.name1);
    case MergeField::Name2: return text(c.name2);
    case MergeField::Additional: return text(c.additional);
    case MergeField::Nickname: return text(c.nickname);
    case MergeField::Title: return key(c.title, c.titleName);
    case MergeField::Employer: return key(c.employer, c.employerName);
    case MergeField::Salutation:
        return ShownValue{orNull(c.salutation), c.salutationName, c.salutation && c.salutation != firstSalutation ? 1 : 0};
    case MergeField::Birthday:
        return ShownValue{c.birthday.isValid() ? QVariant(c.birthday) : QVariant(),
                          c.birthday.isValid() ? value::formatDate(c.birthday) : QString(), c.birthday.isValid() ? 1 : 0};
    case MergeField::Alive:
        // "Deceased" is something the user said; "alive" every person starts as.
        return ShownValue{c.alive, c.alive, c.alive == u"-" ? 1 : 0};
    }
    return {};
}

int fullestOf(const QList<MergeContact>& contacts, MergeField field, int firstSalutation, int preferred)
{
    int best = 0, bestFullness = -1;
    for (const MergeContact& c : contacts) {
        const int f = fieldValue(c, field, firstSalutation).fullness;
        if (f > bestFullness || (f == bestFullness && c.key == preferred)) {
            best = c.key;
            bestFullness = f;
        }
    }
    return best;
}

int fullestContact(const QList<MergeContact>& contacts, int firstSalutation)
{
    int best = 0, bestCount = -1;
    for (const MergeContact& c : contacts) {
        int count = int(c.details.size() + c.employees.size());
        for (const MergeField f : mergeFields(c.kind))
            count += fieldValue(c, f, firstSalutation).fullness > 0 ? 1 : 0;
        if (count > bestCount || (count == bestCount && c.key < best)) {
            best = c.key;
            bestCount = count;
        }
    }
    return best;
}

MergePlan planMerge(const QList<MergeContact>& contacts, const MergeChoice& choice, const MergeTypes& types,
                    int firstSalutation)
{
    MergePlan plan;
    plan.kept = choice.kept;
    QHash<int, const MergeContact*> byKey;
    for (const MergeContact& c : contacts)
        byKey.insert(c.key, &c);
    const MergeContact* kept = byKey.value(choice.kept);
    for (const int m : choice.merged)
        if (m != choice.kept && byKey.contains(m) && !plan.merged.contains(m))
            plan.merged << m;
    if (!kept || plan.merged.isEmpty()) {
        plan.refusal = Refusal::TooFew;
        return plan;
    }
    for (const int m : std::as_const(plan.merged))
        if (byKey.value(m)->kind != kept->kind) {
            plan.refusal = kept->kind == 'P' ? Refusal::CompanyIntoPerson : Refusal::PersonIntoCompany;
            return plan;
        }
    for (const MergeField f : mergeFields(kept->kind)) {
        // A value of a contact left out of the merge is not taken.
        const int from = choice.from.value(f, kept->key);
        const MergeContact* source = plan.merged.contains(from) ? byKey.value(from) : kept;
        plan.values.insert(f, fieldValue(*source, f, firstSalutation).value);
    }

    QHash<DetailTable, QSet<QString>> same;
    QHash<DetailTable, QSet<int>> used;
    for (const MergeDetail& d : kept->details) {
        same[d.table].insert(d.same);
        used[d.table].insert(d.type);
    }
    for (const int m : std::as_const(plan.merged)) {
        const MergeContact& from = *byKey.value(m);
        for (const MergeDetail& d : from.details) {
            if (same[d.table].contains(d.same)) {
                plan.repeats << d;
                continue;
            }
            int type = d.type;
            // A contact has one number (and one internet entry) of each type.
            if ((d.table == DetailTable::Number || d.table == DetailTable::Internet) && used[d.table].contains(type)) {
                const std::optional<int> free =
                    freeType(d.table == DetailTable::Number ? types.numbers : types.internet, type, used[d.table]);
                if (!free) {
                    plan.refusal = Refusal::NoFreeType;
                    plan.refusedDetail = d.typeName + QStringLiteral(": ") + d.text + QStringLiteral(" (") + from.name + u')';
                    return plan;
                }
                type = *free;
            }
            same[d.table].insert(d.same);
            used[d.table].insert(type);
            plan.moves << DetailMove{d.table, d.row, type, m};
        }
    }
    return plan;
}

int firstSalutation(DbTransaction& tr)
{
    Statement q(tr.connection(), QStringLiteral("select min(S_ID) from salutation"));
    return q.execute(tr, {}).value(0).toInt();
}

MergeTypes readMergeTypes(DbTransaction& tr)
{
    MergeTypes types;
    forEach(tr, QStringLiteral("select CT_ID, CT_NAME from communicationtype order by CT_SORTID, CT_ID"),
            [&](const QList<QVariant>& r) {
                types.numbers << TypeEntry{r[0].toInt(), r[1].toString(),
                                           exchange::typeClass(exchange::DetailKind::Number, r[1].toString())};
            });
    forEach(tr, QStringLiteral("select IT_ID, IT_NAME from internettype order by IT_SORT, IT_ID"),
            [&](const QList<QVariant>& r) {
                types.internet << TypeEntry{r[0].toInt(), r[1].toString(),
                                            exchange::typeClass(exchange::DetailKind::Email, r[1].toString())};
            });
    return types;
}

QList<MergeContact> readMergeContacts(DbTransaction& tr, const QList<int>& keys)
{
    QList<MergeContact> contacts;
    if (keys.isEmpty())
        return contacts;
    const QString in = keyList(keys);
    QHash<int, int> at;
    forEach(tr,
            QStringLiteral("select o.O_ID, o.O_TYPE, o.O_NAME1, o.O_NAME2, o.O_ADDITIONAL, p.P_SID, s.S_NAME, p.P_TID, "
                           "t.T_NAME, p.P_BIRTHDAY, p.P_NICKNAME, p.P_CID, e.O_TYPE, e.O_NAME1, e.O_NAME2, p.P_ALIVE "
                           "from object o left join person p on p.P_ID = o.O_ID "
                           "left join salutation s on s.S_ID = p.P_SID left join title t on t.T_ID = p.P_TID "
                           "left join object e on e.O_ID = p.P_CID where o.O_ID in (%1) order by o.O_ID")
                .arg(in),
            [&](const QList<QVariant>& r) {
                MergeContact c;
                c.key = r[0].toInt();
                c.kind = r[1].toString() == u"C" ? 'C' : 'P';
                c.name1 = r[2].toString();
                c.name2 = r[3].toString();
                c.name = exchange::listName(r[1].toString(), c.name1, c.name2);
                c.additional = r[4].toString();
                if (c.kind == 'P') {
                    c.salutation = r[5].toInt();
                    c.salutationName = r[6].toString();
                    c.title = r[7].toInt();
                    c.titleName = r[8].toString();
                    c.birthday = r[9].toDate();
                    c.nickname = r[10].toString();
                    c.employer = r[11].toInt();
                    c.employerName = exchange::listName(r[12].toString(), r[13].toString(), r[14].toString());
                    c.alive = r[15].toString();
                }
                at.insert(c.key, int(contacts.size()));
                contacts << c;
            });
    const auto add = [&](const QList<QVariant>& r, MergeDetail d) {
        if (const auto i = at.constFind(r[0].toInt()); i != at.cend())
            contacts[*i].details << d;
    };
    forEach(tr,
            QStringLiteral("select c.C_OID, c.C_ID, c.C_CTID, t.CT_NAME, c.C_PREFIX, c.C_NUMBER, c.C_ASSISTENT "
                           "from communication c left join communicationtype t on t.CT_ID = c.C_CTID "
                           "where c.C_OID in (%1) order by t.CT_SORTID, c.C_ID")
                .arg(in),
            [&](const QList<QVariant>& r) {
                const QString written = exchange::joinNonEmpty({r[4].toString(), r[5].toString()});
                QString text = written;
                if (!r[6].toString().isEmpty())
                    text += QStringLiteral(" (") + r[6].toString() + u')';
                add(r, {DetailTable::Number, r[1].toInt(), r[2].toInt(), r[3].toString(), text,
                        numberSame(r[4].toString(), r[5].toString())});
            });
    forEach(tr,
            QStringLiteral("select i.I_OID, i.I_ID, i.I_ITID, t.IT_NAME, i.I_NAME from internet i "
                           "left join internettype t on t.IT_ID = i.I_ITID where i.I_OID in (%1) order by t.IT_SORT, i.I_ID")
                .arg(in),
            [&](const QList<QVariant>& r) {
                add(r, {DetailTable::Internet, r[1].toInt(), r[2].toInt(), r[3].toString(), r[4].toString(),
                        internetSame(r[4].toString())});
            });
    forEach(tr,
            QStringLiteral("select a.A_OID, a.A_ID, a.A_ATID, t.AT_NAME, a.A_STREET, a.A_POSTCODE, a.A_TOWN, a.A_COUNTRY "
                           "from address a left join addresstype t on t.AT_ID = a.A_ATID "
                           "where a.A_OID in (%1) order by t.AT_SORTID, a.A_ID")
                .arg(in),
            [&](const QList<QVariant>& r) {
                const QString place = exchange::joinNonEmpty({r[5].toLongLong() ? r[5].toString() : QString(), r[6].toString()});
                const QString text = exchange::joinNonEmpty({r[4].toString(), place, r[7].toString()}, QStringLiteral(", "));
                add(r, {DetailTable::Address, r[1].toInt(), r[2].toInt(), r[3].toString(), text,
                        addressSame(r[4].toString(), r[5].toLongLong(), r[6].toString())});
            });
    forEach(tr,
            QStringLiteral("select b.B2G_OID, b.B2G_GID, g.G_NAME from belong2group b join groupt g on g.G_ID = b.B2G_GID "
                           "where b.B2G_OID in (%1) order by g.G_NAME")
                .arg(in),
            [&](const QList<QVariant>& r) {
                add(r, {DetailTable::Group, r[1].toInt(), r[1].toInt(), QString(), r[2].toString(), r[1].toString()});
            });
    forEach(tr,
            QStringLiteral("select p.P_CID, o.O_TYPE, o.O_NAME1, o.O_NAME2 from person p join object o on o.O_ID = p.P_ID "
                           "where p.P_CID in (%1) order by o.O_NAME1, o.O_NAME2")
                .arg(in),
            [&](const QList<QVariant>& r) {
                if (const auto i = at.constFind(r[0].toInt()); i != at.cend())
                    contacts[*i].employees << exchange::listName(r[1].toString(), r[2].toString(), r[3].toString());
            });
    const QHash<int, ContactIdentity> identities = identity::of(tr, keys);
    for (MergeContact& c : contacts)
        c.changed = identities.value(c.key).changed;
    return contacts;
}

void storeMerge(DbTransaction& tr, const MergePlan& plan, ContactArchive& archive)
{
    const QList<int> all = QList<int>{plan.kept} + plan.merged;
    // Taken first, so that a contact another user holds stops the merge before anything is written.
    forEach(tr, QStringLiteral("select O_ID from object where O_ID in (%1) for update with lock").arg(keyList(all)),
            [](const QList<QVariant>&) {});
    forEach(tr, QStringLiteral("select P_ID from person where P_ID in (%1) for update with lock").arg(keyList(all)),
            [](const QList<QVariant>&) {});
    for (const int m : plan.merged)
        archive.keep(tr, m);

    const auto v = [&](MergeField f) { return plan.values.value(f); };
    run(tr, QStringLiteral("update object set O_NAME1 = :p0, O_NAME2 = :p1, O_ADDITIONAL = :p2 where O_ID = :p3"),
        {v(MergeField::Name1), v(MergeField::Name2), v(MergeField::Additional), plan.kept});
    if (plan.values.contains(MergeField::Salutation))
        run(tr, QStringLiteral("update person set P_SID = :p0, P_TID = :p1, P_BIRTHDAY = :p2, P_NICKNAME = :p3, P_CID = :p4, "
                               "P_ALIVE = :p5 where P_ID = :p6"),
            {v(MergeField::Salutation), v(MergeField::Title), v(MergeField::Birthday), v(MergeField::Nickname),
             v(MergeField::Employer), v(MergeField::Alive), plan.kept});

    for (const DetailMove& m : plan.moves) {
        switch (m.table) {
        case DetailTable::Number:
            run(tr, QStringLiteral("update communication set C_OID = :p0, C_CTID = :p1 where C_ID = :p2"), {plan.kept, m.type, m.row});
            break;
        case DetailTable::Internet:
            run(tr, QStringLiteral("update internet set I_OID = :p0, I_ITID = :p1 where I_ID = :p2"), {plan.kept, m.type, m.row});
            break;
        case DetailTable::Address:
            run(tr, QStringLiteral("update address set A_OID = :p0 where A_ID = :p1"), {plan.kept, m.row});
            break;
        case DetailTable::Group:
            // The membership itself goes with the merged contact, so that restoring it brings it back.
            run(tr, QStringLiteral("insert into belong2group (B2G_OID, B2G_GID) values (:p0, :p1)"), {plan.kept, m.type});
            break;
        }
    }
    ContactDeletion deletion(tr);
    for (const int m : plan.merged) {
        run(tr, QStringLiteral("update person set P_CID = :p0 where P_CID = :p1"), {plan.kept, m});
        deletion.deleteContactUncommitted(m);
    }
}

} // namespace pellori::cleanup
