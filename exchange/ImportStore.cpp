#include "exchange/ImportStore.h"

#include "data/Connection.h"
#include "data/ContactIdentity.h"
#include "data/DbTransaction.h"
#include "data/Postcode.h"
#include "data/Statement.h"
#include "data/tables/Tables.h"
#include "exchange/DbRows.h"
#include "settings/AppError.h"
#include "settings/Settings.h"

#include <QHash>

#include <memory>

namespace pellori::exchange {

namespace {

const QString kObjectGenerator = QStringLiteral("G_OBJECT_O_ID");

QList<NamedKey> namedKeys(DbTransaction& tr, const QString& sql)
{
    QList<NamedKey> out;
    forEachRow(tr, sql, [&](const QList<QVariant>& row) {
        out << NamedKey{.id = row.value(0).toInt(), .name = row.value(1).toString()};
    });
    return out;
}

// Parameters by name for one execution.
class Params {
public:
    Params& set(const char* name, const QVariant& value)
    {
        m_values.insert(QLatin1String(name), value);
        return *this;
    }
    Statement::ParamSource source() const
    {
        return [this](const QString& name) { return m_values.value(name.toUpper()); };
    }

private:
    QHash<QString, QVariant> m_values;
};

// The statements of one import, prepared once and run for every row.
struct ImportStatements {
    ImportStatements(Connection& c, bool writtenPostcodes)
        : title(c, tables::insertSql(tables::title(), {.returningKey = true})),
          group(c, tables::insertSql(tables::groupt(), {.columns = {"G_NAME"}, .returningKey = true})),
          object(c, tables::insertSql(tables::object(),
                                      {.columns = {"O_ID", "O_TYPE", "O_NAME1", "O_NAME2", "O_ADDITIONAL"}})),
          // The object row's trigger has made the person row; without a
          // salutation of its own the person keeps the one the trigger chose.
          person(c, tables::modifySql(tables::person(), {.modified = {"P_SID", "P_TID", "P_BIRTHDAY", "P_NICKNAME",
                                                                       "P_CID", "P_ALIVE"}})),
          personKeepingSalutation(c, tables::modifySql(tables::person(), {.modified = {"P_TID", "P_BIRTHDAY",
                                                                                        "P_NICKNAME", "P_CID",
                                                                                        "P_ALIVE"}})),
          address(c, writtenPostcodes
                         ? tables::insertSql(tables::addressWithWrittenPostcode(),
                                             {.columns = {"A_OID", "A_ATID", "A_PREF", "A_POSTCODE", "A_POSTCODE_TEXT",
                                                          "A_TOWN", "A_STREET", "A_COUNTRY"}})
                         : tables::insertSql(tables::address(), {.columns = {"A_OID", "A_ATID", "A_PREF", "A_POSTCODE",
                                                                              "A_TOWN", "A_STREET", "A_COUNTRY"}})),
          number(c, tables::insertSql(tables::communication(), {.columns = {"C_OID", "C_CTID", "C_PREF", "C_PREFIX",
                                                                             "C_NUMBER", "C_ASSISTENT"}})),
          internet(c, tables::insertSql(tables::internet(), {.columns = {"I_OID", "I_ITID", "I_NAME", "I_PREF"}})),
          membership(c, tables::insertSql(tables::belong2group(), {.columns = {"B2G_OID", "B2G_GID"}}))
    {
    }
    Statement title, group, object, person, personKeepingSalutation, address, number, internet, membership;
};

QVariant keyOf(const KeyRef& key, const QList<int>& created)
{
    if (key.existing)
        return *key.existing;
    if (key.created >= 0)
        return created.value(key.created);
    return QVariant();
}

void storeDetails(DbTransaction& tr, ImportStatements& s, int id, const QList<PlannedAddress>& addresses,
                  const QList<PlannedNumber>& numbers, const QList<PlannedInternet>& internet,
                  const QList<KeyRef>& memberships, const QList<int>& groups)
{
    for (const PlannedAddress& a : addresses)
        s.address.execute(tr, Params()
                                  .set("A_OID", id)
                                  .set("A_ATID", a.A_ATID)
                                  .set("A_PREF", a.A_PREF)
                                  .set("A_POSTCODE", qlonglong(a.A_POSTCODE))
                                  .set("A_POSTCODE_TEXT", textOrNull(a.A_POSTCODE_TEXT))
                                  .set("A_TOWN", a.A_TOWN)
                                  .set("A_STREET", a.A_STREET)
                                  .set("A_COUNTRY", textOrNull(a.A_COUNTRY))
                                  .source());
    for (const PlannedNumber& n : numbers)
        s.number.execute(tr, Params()
                                 .set("C_OID", id)
                                 .set("C_CTID", n.C_CTID)
                                 .set("C_PREF", n.C_PREF)
                                 .set("C_PREFIX", n.C_PREFIX)
                                 .set("C_NUMBER", n.C_NUMBER)
                                 .set("C_ASSISTENT", textOrNull(n.C_ASSISTENT))
                                 .source());
    for (const PlannedInternet& e : internet)
        s.internet.execute(tr, Params()
                                   .set("I_OID", id)
                                   .set("I_ITID", e.I_ITID)
                                   .set("I_NAME", e.I_NAME)
                                   .set("I_PREF", e.I_PREF)
                                   .source());
    for (const KeyRef& g : memberships)
        s.membership.execute(tr, Params().set("B2G_OID", id).set("B2G_GID", keyOf(g, groups)).source());
}

// The fields a known contact lacked, each set only where it is still empty:
// another user may have filled it since the import read it.
void storeUpdate(DbTransaction& tr, QHash<QString, std::shared_ptr<Statement>>& prepared, const PlannedUpdate& u,
                 const QList<int>& titles, const QList<int>& ids)
{
    const auto run = [&](const QString& table, const QString& key, const QList<std::pair<const char*, QVariant>>& set) {
        if (set.isEmpty())
            return;
        QStringList columns;
        Params p;
        for (const auto& [column, value] : set) {
            const QString empty = value.typeId() == QMetaType::QString ? QStringLiteral("nullif(%1, '')")
                                                                        : QStringLiteral("%1");
            columns << (QStringLiteral("%1 = coalesce(") + empty + QStringLiteral(", :%1)")).arg(QLatin1String(column));
            p.set(column, value);
        }
        const QString sql =
            QStringLiteral("update %1 set %2 where %3 = :KEY").arg(table, columns.join(QLatin1String(", ")), key);
        std::shared_ptr<Statement>& q = prepared[sql];
        if (!q)
            q = std::make_shared<Statement>(tr.connection(), sql);
        q->execute(tr, p.set("KEY", u.O_ID).source());
    };
    QList<std::pair<const char*, QVariant>> object, person;
    if (u.O_NAME2)
        object << std::pair{"O_NAME2", QVariant(*u.O_NAME2)};
    if (u.O_ADDITIONAL)
        object << std::pair{"O_ADDITIONAL", QVariant(*u.O_ADDITIONAL)};
    if (u.P_NICKNAME)
        person << std::pair{"P_NICKNAME", QVariant(*u.P_NICKNAME)};
    if (u.P_TID.isSet())
        person << std::pair{"P_TID", keyOf(u.P_TID, titles)};
    if (u.P_CID.isSet())
        person << std::pair{"P_CID", keyOf(u.P_CID, ids)};
    if (u.P_BIRTHDAY.isValid())
        person << std::pair{"P_BIRTHDAY", QVariant(u.P_BIRTHDAY)};
    run(QStringLiteral("object"), QStringLiteral("O_ID"), object);
    run(QStringLiteral("person"), QStringLiteral("P_ID"), person);
}

} // namespace

StandardTypes standardTypes(const StandardValues& v)
{
    return StandardTypes{.address = v.addressType,
                         .addressCompany = v.addressTypeCompany,
                         .communication = v.communicationType,
                         .communicationCompany = v.communicationTypeCompany,
                         .internet = v.internetType,
                         .internetCompany = v.internetTypeCompany};
}

Lookups readLookups(DbTransaction& tr)
{
    Lookups l;
    l.addressTypes = namedKeys(tr, QStringLiteral("select AT_ID, AT_NAME from addresstype order by AT_SORTID, AT_ID"));
    l.communicationTypes =
        namedKeys(tr, QStringLiteral("select CT_ID, CT_NAME from communicationtype order by CT_SORTID, CT_ID"));
    l.internetTypes = namedKeys(tr, QStringLiteral("select IT_ID, IT_NAME from internettype order by IT_SORT, IT_ID"));
    l.groups = namedKeys(tr, QStringLiteral("select G_ID, G_NAME from groupt order by G_ID"));
    l.salutations = namedKeys(tr, QStringLiteral("select S_ID, S_NAME from salutation order by S_ID"));
    l.titles = namedKeys(tr, QStringLiteral("select T_ID, T_NAME from title order by T_ID"));
    forEachRow(tr, QStringLiteral("select O_ID, O_NAME1, O_NAME2 from object where O_TYPE = 'C' order by O_ID"),
               [&](const QList<QVariant>& row) {
                   l.companies << CompanyKey{.id = row.value(0).toInt(), .name1 = row.value(1).toString(),
                                             .name2 = row.value(2).toString()};
               });
    l.writtenPostcodes = postcode::hasWrittenColumn(tr);
    return l;
}

ImportTransaction::ImportTransaction(Connection& connection)
    // A snapshot, so that the lists planned against are the lists stored
    // against; a lock conflict fails at once rather than hanging the window.
    : m_transaction(std::make_unique<DbTransaction>(connection, QStringList{"concurrency", "nowait"}))
{
    m_transaction->start();
    try {
        m_lookups = readLookups(*m_transaction);
    } catch (...) {
        rollBackQuietly();
        throw;
    }
}

ImportTransaction::~ImportTransaction() { rollBackQuietly(); }

void ImportTransaction::rollBackQuietly()
{
    if (!m_transaction->isActive())
        return;
    try {
        m_transaction->rollback();
    } catch (...) {
        // Nothing was committed; a transaction the engine could not roll back
        // is given up with the attachment.
    }
}

StoredImport ImportTransaction::store(const ImportPlan& plan, const ImportProgress& progress)
{
    if (m_used || !m_transaction->isActive())
        throw AppError(QStringLiteral("The import's transaction has already ended"));
    m_used = true;
    DbTransaction& tr = *m_transaction;
    StoredImport result;
    try {
        ImportStatements s(tr.connection(), m_lookups.writtenPostcodes);
        QList<int> titles, groups;
        for (const QString& name : plan.newTitles)
            titles << s.title.execute(tr, Params().set("T_NAME", name).source()).value(0).toInt();
        for (const QString& name : plan.newGroups)
            groups << s.group.execute(tr, Params().set("G_NAME", name).source()).value(0).toInt();

        // One draw for the whole import: the keys follow each other.
        const int total = int(plan.contacts.size());
        const bool keepUids = identity::kept(tr);
        QList<int>& ids = result.contactIds;
        if (total > 0) {
            const qlonglong last = generatorValue(tr, kObjectGenerator, total);
            for (int i = 0; i < total; ++i)
                ids << int(last - total + 1 + i);
        }
        if (progress && total + plan.updates.size() > 0 && !progress(0, total + int(plan.updates.size()))) {
            rollBackQuietly();
            return StoredImport{.cancelled = true};
        }
        for (int i = 0; i < total; ++i) {
            const PlannedContact& c = plan.contacts[i];
            const int id = ids[i];
            s.object.execute(tr, Params()
                                     .set("O_ID", id)
                                     .set("O_TYPE", c.O_TYPE)
                                     .set("O_NAME1", c.O_NAME1)
                                     .set("O_NAME2", textOrNull(c.O_NAME2))
                                     .set("O_ADDITIONAL", textOrNull(c.O_ADDITIONAL))
                                     .source());
            if (c.O_TYPE == u"P") {
                Params p;
                p.set("OLD_P_ID", id)
                    .set("P_TID", keyOf(c.P_TID, titles))
                    .set("P_BIRTHDAY", dateOrNull(c.P_BIRTHDAY))
                    .set("P_NICKNAME", textOrNull(c.P_NICKNAME))
                    .set("P_CID", keyOf(c.P_CID, ids))
                    .set("P_ALIVE", c.P_ALIVE);
                if (c.P_SID) {
                    p.set("P_SID", *c.P_SID);
                    s.person.execute(tr, p.source());
                } else {
                    s.personKeepingSalutation.execute(tr, p.source());
                }
            }
            if (keepUids && !c.uid.isEmpty() && identity::storableUid(c.uid.trimmed()))
                identity::setUid(tr, id, c.uid.trimmed());
            storeDetails(tr, s, id, c.addresses, c.numbers, c.internet, c.groups, groups);
            if (progress && !progress(i + 1, total + int(plan.updates.size()))) {
                rollBackQuietly();
                return StoredImport{.cancelled = true};
            }
        }
        QHash<QString, std::shared_ptr<Statement>> updateStatements;
        for (int i = 0; i < plan.updates.size(); ++i) {
            const PlannedUpdate& u = plan.updates[i];
            storeUpdate(tr, updateStatements, u, titles, ids);
            storeDetails(tr, s, u.O_ID, u.addresses, u.numbers, u.internet, u.groups, groups);
            if (progress && !progress(total + i + 1, total + int(plan.updates.size()))) {
                rollBackQuietly();
                return StoredImport{.cancelled = true};
            }
        }
        tr.commit();
    } catch (...) {
        rollBackQuietly();
        throw;
    }
    for (int card = 0; card < plan.cards.size() && !result.firstContact; ++card)
        if (const int i = plan.contactOfCard(card); i >= 0)
            result.firstContact = result.contactIds[i];
    // Nothing new: the first contact the import gave something.
    for (const PlannedUpdate& u : plan.updates)
        if (!result.firstContact && !u.changesNothing())
            result.firstContact = u.O_ID;
    return result;
}

} // namespace pellori::exchange
