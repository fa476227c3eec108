#include "exchange/ContactExport.h"

#include "data/ContactIdentity.h"

#include "data/ContactIdentity.h"
#include "data/DbTransaction.h"
#include "data/Postcode.h"
#include "data/Statement.h"
#include "exchange/DbRows.h"
#include "exchange/ImportPlan.h"

#include <QHash>
#include <vector>

namespace pellori::exchange {

namespace {

// Firebird takes at most 1,500 values in one IN list.
constexpr qsizetype kKeysPerStatement = 1000;

// The book's first salutation (lowest key) is the one every new person gets
// and an import gives a card that names none: the book cannot tell it from
// one chosen, so it is left out, rather than given to everyone it was never
// chosen for. Read back, the card gets it again.
const QString kContacts = QStringLiteral(
    "select o.O_ID, o.O_TYPE, o.O_NAME1, o.O_NAME2, o.O_ADDITIONAL,\n"
    "  case when p.P_SID = (select min(S_ID) from salutation) then null else s.S_NAME end, t.T_NAME, p.P_BIRTHDAY,\n"
    "  p.P_NICKNAME, p.P_ALIVE, e.O_NAME1, e.O_NAME2\n"
    "from object o\n"
    "left join person p on p.P_ID = o.O_ID and o.O_TYPE = 'P'\n"
    "left join salutation s on s.S_ID = p.P_SID\n"
    "left join title t on t.T_ID = p.P_TID\n"
    "left join object e on e.O_ID = p.P_CID\n");
QString addressesSql(bool writtenPostcode)
{
    return QStringLiteral("select a.A_OID, t.AT_NAME, a.A_PREF, a.A_POSTCODE, a.A_TOWN, a.A_STREET, a.A_COUNTRY, %1\n"
                          "from address a left join addresstype t on t.AT_ID = a.A_ATID\n")
        .arg(postcode::writtenColumnSql(writtenPostcode, QStringLiteral("a")));
}
const QString kNumbers = QStringLiteral(
    "select c.C_OID, t.CT_NAME, c.C_PREF, c.C_PREFIX, c.C_NUMBER, c.C_ASSISTENT\n"
    "from communication c left join communicationtype t on t.CT_ID = c.C_CTID\n");
const QString kInternet = QStringLiteral(
    "select i.I_OID, t.IT_NAME, i.I_PREF, i.I_NAME\n"
    "from internet i left join internettype t on t.IT_ID = i.I_ITID\n");
const QString kGroups = QStringLiteral(
    "select b.B2G_OID, g.G_NAME\n"
    "from belong2group b join groupt g on g.G_ID = b.B2G_GID\n");

// " where column in (...)" for some keys; nothing for every row.
QString keysIn(const QString& column, const QList<int>& keys)
{
    if (keys.isEmpty())
        return QString();
    QStringList numbers;
    numbers.reserve(keys.size());
    for (const int k : keys)
        numbers << QString::number(k);
    return QStringLiteral("where ") + column + QStringLiteral(" in (") + numbers.join(u',') + QStringLiteral(")\n");
}

bool isSet(const QVariant& flag) { return flag.toString() == u"@"; }

class ExportReader {
public:
    explicit ExportReader(DbTransaction& tr) : m_tr(tr) {}

    QList<Contact> read(const std::optional<QList<int>>& keys)
    {
        if (keys) {
            QList<int> unique;
            for (const int k : *keys)
                if (!m_slotOf.contains(k)) {
                    m_slotOf.insert(k, int(m_slots.size()));
                    m_slots.emplace_back();
                    unique << k;
                }
            for (qsizetype from = 0; from < unique.size(); from += kKeysPerStatement)
                readSome(unique.mid(from, kKeysPerStatement));
        } else {
            readSome({});
        }
        QList<Contact> out;
        out.reserve(qsizetype(m_slots.size()));
        for (auto& slot : m_slots)
            if (slot)
                out << std::move(*slot);
        return out;
    }

private:
    // The rows of those contacts (of all, for no keys), one statement a table.
    void readSome(const QList<int>& keys)
    {
        const bool all = keys.isEmpty();
        readRows(keys, all);
        const QHash<int, ContactIdentity> identities =
            identity::of(m_tr, all ? std::nullopt : std::optional<QList<int>>(keys));
        for (auto i = identities.cbegin(); i != identities.cend(); ++i)
            if (const auto slot = m_slotOf.constFind(i.key()); slot != m_slotOf.cend() && m_slots[*slot]) {
                m_slots[*slot]->uid = i->uid;
                m_slots[*slot]->changed = i->changed;
            }
    }

    void readRows(const QList<int>& keys, bool all)
    {
        forEachRow(m_tr, kContacts + keysIn(QStringLiteral("o.O_ID"), keys) + QStringLiteral("order by o.O_ID"),
                   [&](const QList<QVariant>& r) {
                       const int id = r[0].toInt();
                       if (all) {
                           m_slotOf.insert(id, int(m_slots.size()));
                           m_slots.emplace_back();
                       }
                       Contact& c = m_slots[m_slotOf.value(id)].emplace();
                       c.kind = r[1].toString() == u"C" ? ContactKind::Company : ContactKind::Person;
                       c.name1 = r[2].toString();
                       c.name2 = r[3].toString();
                       c.additional = r[4].toString();
                       if (c.kind == ContactKind::Person) {
                           c.salutation = r[5].toString();
                           c.title = r[6].toString();
                           c.birthday = r[7].toDate();
                           c.nickname = r[8].toString();
                           c.alive = r[9].toString() != u"-";
                           c.employer1 = r[10].toString();
                           c.employer2 = r[11].toString();
                       }
                   });
        if (m_addresses.isEmpty())
            m_addresses = addressesSql(postcode::hasWrittenColumn(m_tr));
        details(m_addresses, QStringLiteral("a.A_OID"), keys, QStringLiteral("a.A_OID, a.A_ID"),
                [](Contact& c, const QList<QVariant>& r) {
                    c.addresses << ContactAddress{.type = r[1].toString(),
                                                  .street = r[5].toString(),
                                                  .town = r[4].toString(),
                                                  .postcode = postcode::shown(r[7], r[3], r[6].toString()),
                                                  .country = r[6].toString(),
                                                  .preferred = isSet(r[2])};
                });
        details(kNumbers, QStringLiteral("c.C_OID"), keys, QStringLiteral("c.C_OID, c.C_ID"),
                [](Contact& c, const QList<QVariant>& r) {
                    c.numbers << ContactNumber{.type = r[1].toString(),
                                               .prefix = r[3].toString(),
                                               .number = r[4].toString(),
                                               .assistant = r[5].toString(),
                                               .preferred = isSet(r[2])};
                });
        details(kInternet, QStringLiteral("i.I_OID"), keys, QStringLiteral("i.I_OID, i.I_ID"),
                [](Contact& c, const QList<QVariant>& r) {
                    c.internet << ContactInternet{.type = r[1].toString(),
                                                  .address = r[3].toString(),
                                                  .preferred = isSet(r[2])};
                });
        details(kGroups, QStringLiteral("b.B2G_OID"), keys, QStringLiteral("b.B2G_OID, g.G_NAME"),
                [](Contact& c, const QList<QVariant>& r) { c.groups << r[1].toString(); });
    }

    // Rows of a detail table, each given to its contact (the first column is the owner).
    void details(const QString& select, const QString& owner, const QList<int>& keys, const QString& order,
                 const std::function<void(Contact&, const QList<QVariant>&)>& add)
    {
        forEachRow(m_tr, select + keysIn(owner, keys) + QStringLiteral("order by ") + order,
                   [&](const QList<QVariant>& r) {
                       const auto slot = m_slotOf.constFind(r[0].toInt());
                       if (slot != m_slotOf.cend() && m_slots[*slot])
                           add(*m_slots[*slot], r);
                   });
    }

    DbTransaction& m_tr;
    QString m_addresses;   // the statement, for the book's columns
    std::vector<std::optional<Contact>> m_slots;   // in the order asked for
    QHash<int, int> m_slotOf;                       // O_ID -> slot
};

} // namespace

QList<Contact> readContactsForExport(DbTransaction& transaction, const std::optional<QList<int>>& keys)
{
    return ExportReader(transaction).read(keys);
}

int contactCount(DbTransaction& transaction)
{
    int count = 0;
    forEachRow(transaction, QStringLiteral("select count(*) from object"),
               [&](const QList<QVariant>& r) { count = r.value(0).toInt(); });
    return count;
}

QString contactListName(DbTransaction& transaction, int key)
{
    QString name;
    forEachRow(transaction, QStringLiteral("select O_TYPE, O_NAME1, O_NAME2 from object where O_ID = %1").arg(key),
               [&](const QList<QVariant>& r) {
                   name = listName(r.value(0).toString(), r.value(1).toString(), r.value(2).toString());
               });
    return name;
}

} // namespace pellori::exchange
