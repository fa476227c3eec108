#include "data/ContactIdentity.h"

#include "data/DbTransaction.h"
#include "data/Statement.h"

namespace pellori::identity {

namespace {

// Firebird takes at most 1,500 values in one IN list.
constexpr qsizetype kKeysPerStatement = 1000;

QString keyList(const QList<int>& keys)
{
    QStringList numbers;
    numbers.reserve(keys.size());
    for (const int k : keys)
        numbers << QString::number(k);
    return numbers.join(u',');
}

// Runs `sql` once for all contacts (no keys), or once for each slice of the keys
// with "%KEYS%" replaced by "<column> in (...)".
template <typename Run>
void bySlices(const std::optional<QList<int>>& keys, const QString& column, Run run)
{
    if (!keys) {
        run(QStringLiteral("1 = 1"));
        return;
    }
    for (qsizetype from = 0; from < keys->size(); from += kKeysPerStatement)
        run(column + QStringLiteral(" in (") + keyList(keys->mid(from, kKeysPerStatement)) + u')');
}

} // namespace

bool kept(DbTransaction& tr)
{
    Statement q(tr.connection(), QStringLiteral("select count(*) from rdb$relations "
                                                "where rdb$relation_name = 'PELLORI_IDENTITY'"));
    return q.execute(tr, {}).value(0).toInt() > 0;
}

void giveMissing(DbTransaction& tr, const std::optional<QList<int>>& keys)
{
    if (!kept(tr) || (keys && keys->isEmpty()))
        return;
    bySlices(keys, QStringLiteral("o.O_ID"), [&](const QString& which) {
        Statement insert(tr.connection(),
                         QStringLiteral("insert into pellori_identity (PI_OID, PI_UID, PI_CHANGED) "
                                        "select o.O_ID, 'urn:uuid:' || lower(uuid_to_char(gen_uuid())), null "
                                        "from object o "
                                        "where %1 and not exists (select 1 from pellori_identity i "
                                        "where i.PI_OID = o.O_ID)")
                             .arg(which));
        insert.execute(tr, {});
    });
}

QHash<int, ContactIdentity> of(DbTransaction& tr, const std::optional<QList<int>>& keys)
{
    QHash<int, ContactIdentity> found;
    if (!kept(tr))
        return found;
    bySlices(keys, QStringLiteral("PI_OID"), [&](const QString& which) {
        Statement q(tr.connection(),
                    QStringLiteral("select PI_OID, PI_UID, PI_CHANGED from pellori_identity where %1").arg(which));
        q.openCursor(tr, {});
        QList<QVariant> row;
        while (q.fetch(row))
            found.insert(row[0].toInt(), ContactIdentity{row[1].toString(), row[2].toDateTime()});
    });
    return found;
}

QList<int> contactsWithUid(DbTransaction& tr, const QString& uid)
{
    Statement q(tr.connection(), QStringLiteral("select PI_OID from pellori_identity "
                                                "where upper(PI_UID) = upper(:uid) order by PI_OID"));
    q.openCursor(tr, [&](const QString&) { return QVariant(uid); });
    QList<int> keys;
    QList<QVariant> row;
    while (q.fetch(row))
        keys << row[0].toInt();
    return keys;
}

QHash<QString, int> contactsWithUids(DbTransaction& tr, const QStringList& uids)
{
    QHash<QString, int> found;
    QStringList wanted;
    for (const QString& uid : uids)
        if (storableUid(uid.trimmed()) && !wanted.contains(uid.trimmed().toUpper()))
            wanted << uid.trimmed().toUpper();
    if (wanted.isEmpty() || !kept(tr))
        return found;
    // Up to 255 characters each: a few hundred keep the statement short.
    constexpr qsizetype kPerStatement = 300;
    for (qsizetype from = 0; from < wanted.size(); from += kPerStatement) {
        QStringList literals;
        for (QString uid : wanted.mid(from, kPerStatement))
            literals << u'\'' + uid.replace(u'\'', QStringLiteral("''")) + u'\'';
        Statement q(tr.connection(), QStringLiteral("select upper(PI_UID), PI_OID from pellori_identity "
                                                    "where upper(PI_UID) in (%1) order by PI_OID desc")
                                         .arg(literals.join(u',')));
        q.openCursor(tr, {});
        QList<QVariant> row;
        while (q.fetch(row))
            found.insert(row[0].toString(), row[1].toInt());   // the lowest key last
    }
    return found;
}

void setUid(DbTransaction& tr, int key, const QString& uid)
{
    Statement q(tr.connection(), QStringLiteral("update or insert into pellori_identity (PI_OID, PI_UID) "
                                                "values (:key, :uid) matching (PI_OID)"));
    q.execute(tr, [&](const QString& name) { return name == u"key" ? QVariant(key) : QVariant(uid); });
}

bool storableUid(const QString& uid)
{
    if (uid.isEmpty() || uid.size() > kUidLength)
        return false;
    for (const QChar c : uid)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

} // namespace pellori::identity
