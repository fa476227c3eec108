#include "data/upgrades/Upgrades.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "data/Statement.h"
#include "settings/Language.h"

namespace pellori::upgrades {

namespace {

const char* const kRecordTable[] = {
    "create table pellori_upgrade ("
    " PU_NAME    varchar(63) character set ISO8859_1 not null,"
    " PU_APPLIED timestamp default current_timestamp not null,"
    " constraint PK_PELLORI_UPGRADE primary key (PU_NAME))",
    "grant select on pellori_upgrade to public",
};

// A transaction released while active commits; a failed upgrade must leave nothing.
class RollbackUnlessCommitted {
public:
    explicit RollbackUnlessCommitted(DbTransaction& tr) : m_tr(tr) {}
    ~RollbackUnlessCommitted()
    {
        try {
            m_tr.rollback();   // nothing when committed
        } catch (...) {
        }
    }
    RollbackUnlessCommitted(const RollbackUnlessCommitted&) = delete;
    RollbackUnlessCommitted& operator=(const RollbackUnlessCommitted&) = delete;

private:
    DbTransaction& m_tr;
};

bool hasRecordTable(DbTransaction& tr)
{
    Statement q(tr.connection(), QStringLiteral("select count(*) from rdb$relations "
                                                "where rdb$relation_name = 'PELLORI_UPGRADE'"));
    return q.execute(tr, {}).value(0).toInt() > 0;
}

// In a transaction of its own, before the steps: they record themselves in it.
void ensureRecordTable(Connection& connection)
{
    {
        DbTransaction check(connection, DbTransaction::readCommitted());
        if (hasRecordTable(check))
            return;
    }
    try {
        DbTransaction tr(connection, {QStringLiteral("concurrency"), QStringLiteral("wait")});
        RollbackUnlessCommitted guard(tr);
        for (const char* sql : kRecordTable)
            executeDirect(tr, QLatin1String(sql));
        tr.commit();
    } catch (const DbError&) {
        // Another program made it meanwhile.
        DbTransaction check(connection, DbTransaction::readCommitted());
        if (!hasRecordTable(check))
            throw;
    }
}

bool isFilled(DbTransaction& tr, const Step& s)
{
    if (!s.filled)
        return true;
    Statement q(tr.connection(), QString::fromLatin1(s.filled));
    return q.execute(tr, {}).value(0).toLongLong() > 0;
}

QString featureList(const std::vector<const Step*>& missing, const TLang& lang)
{
    QStringList features;
    for (const Step* s : missing) {
        const QString text = QStringLiteral("- ") + lang.text(QLatin1String(s->feature));
        if (!features.contains(text))
            features << text;
    }
    return features.join(QStringLiteral("\r\n"));
}

} // namespace

QStringList appliedSteps(DbTransaction& tr)
{
    if (!hasRecordTable(tr))
        return {};
    QStringList names;
    forEachRow(tr, QStringLiteral("select PU_NAME from pellori_upgrade"),
               [&names](const QList<QVariant>& row) { names << row.value(0).toString(); });
    return names;
}

bool isApplied(DbTransaction& tr, const char* step)
{
    return appliedSteps(tr).contains(QLatin1String(step));
}

std::vector<const Step*> missingSteps(DbTransaction& tr, const std::vector<Step>& all, bool serverBook)
{
    const QStringList applied = appliedSteps(tr);
    std::vector<const Step*> missing;
    for (const Step& s : all)
        if ((serverBook || !s.serverOnly) && !applied.contains(QLatin1String(s.name)))
            missing.push_back(&s);
    return missing;
}

std::vector<const Step*> unfilledSteps(DbTransaction& tr, const std::vector<Step>& all)
{
    const QStringList applied = appliedSteps(tr);
    std::vector<const Step*> unfilled;
    for (const Step& s : all)
        if (applied.contains(QLatin1String(s.name)) && !isFilled(tr, s))
            unfilled.push_back(&s);
    return unfilled;
}

bool isReady(DbTransaction& tr, const char* step, const std::vector<Step>& all)
{
    if (!isApplied(tr, step))
        return false;
    for (const Step& s : all)
        if (qstrcmp(s.name, step) == 0)
            return isFilled(tr, s);
    return true;
}

QStringList applyMissing(Connection& connection, const std::vector<Step>& all, bool serverBook)
{
    ensureRecordTable(connection);
    QStringList done;
    try {
        // Waits for a program upgrading at the same time instead of failing at once.
        DbTransaction tr(connection, {QStringLiteral("concurrency"), QStringLiteral("wait")});
        RollbackUnlessCommitted guard(tr);
        const std::vector<const Step*> missing = missingSteps(tr, all, serverBook);
        // The records first: a second program stops at them until this one ends.
        Statement record(connection, QStringLiteral("insert into pellori_upgrade (PU_NAME) values (:name)"));
        for (const Step* s : missing) {
            record.execute(tr, [s](const QString&) { return QVariant(QString::fromLatin1(s->name)); });
            done << QString::fromLatin1(s->name);
        }
        for (const Step* s : missing)
            for (const char* sql : s->statements)
                executeDirect(tr, QString::fromLatin1(sql));
        tr.commit();
    } catch (const DbError&) {
        // Nothing of ours stays; the steps may have come from the other program.
        DbTransaction check(connection, DbTransaction::readCommitted());
        if (!missingSteps(check, all, serverBook).empty())
            throw;
        done.clear();
    }
    completeFills(connection, all);
    return done;
}

QStringList completeFills(Connection& connection, const std::vector<Step>& all)
{
    std::vector<const Step*> unfilled;
    {
        DbTransaction check(connection, DbTransaction::readCommitted());
        unfilled = unfilledSteps(check, all);
    }
    QStringList done;
    for (const Step* s : unfilled) {
        try {
            DbTransaction tr(connection, {QStringLiteral("concurrency"), QStringLiteral("wait")});
            RollbackUnlessCommitted guard(tr);
            for (const char* sql : s->fill)
                executeDirect(tr, QString::fromLatin1(sql));
            tr.commit();
            done << QString::fromLatin1(s->name);
        } catch (const DbError&) {
            // A program filling at the same time wins; its rows are the same.
            DbTransaction check(connection, DbTransaction::readCommitted());
            if (!isFilled(check, *s))
                throw;
        }
    }
    return done;
}

std::optional<QString> atStart(Connection& connection, bool serverBook, const TLang& lang)
{
    std::vector<const Step*> missing;
    {
        DbTransaction tr(connection, DbTransaction::readCommitted());
        missing = missingSteps(tr, steps(), serverBook);
        for (const Step* s : unfilledSteps(tr))
            missing.push_back(s);
    }
    if (missing.empty())
        return std::nullopt;
    const QString features = featureList(missing, lang);
    if (serverBook)
        return ReplaceReturn(lang.text(QStringLiteral("upgrade_serverneeds")))
            .replace(QLatin1String("%FEATURES%"), features);
    try {
        // Firebird 3 lets only the book's owner and SYSDBA change its structure,
        // also through the embedded engine, and the configured user is rarely
        // the owner of a file some other tool made. The embedded engine takes
        // the user name as given, so the program's own file is upgraded in an
        // attachment of its own as SYSDBA; the steps grant what they make to
        // every user.
        Connection owner;
        owner.setDatabaseName(connection.databaseName());
        owner.params = connection.params;
        owner.params << QStringLiteral("user_name=SYSDBA");
        applyMissing(owner);
        return std::nullopt;
    } catch (const std::exception& e) {
        const AppError* app = dynamic_cast<const AppError*>(&e);
        return ReplaceReturn(lang.text(QStringLiteral("upgrade_failed")))
            .replace(QLatin1String("%FEATURES%"), features)
            .replace(QLatin1String("%ERROR%"), app ? app->message() : QString::fromLocal8Bit(e.what()));
    }
}

} // namespace pellori::upgrades
