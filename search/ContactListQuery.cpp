#include "search/ContactListQuery.h"

#include "data/ContactQueries.h"
#include "data/DbTransaction.h"
#include "data/Statement.h"
#include "data/upgrades/Upgrades.h"
#include "search/SearchText.h"

#include <QStringList>
#include <algorithm>

namespace pellori::search {

namespace {

using queries::sqlLiteral;

QString storedColumn(Column c)
{
    switch (c) {
    case Column::Name: return QStringLiteral("PC_NAME");
    case Column::Town: return QStringLiteral("PC_TOWN");
    case Column::Phone: return QStringLiteral("PC_PHONE");
    case Column::Email: return QStringLiteral("PC_EMAIL");
    case Column::Company: return QStringLiteral("PC_COMPANY");
    }
    return {};
}

bool fitsLatin1(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

// The name search as the list has always made it: the Latin-1 letters upper-cased,
// % and _ acting as wildcards.
QString nameLike(const QString& text, const QString& column)
{
    return QStringLiteral("upper(%1) like ").arg(column)
           + sqlLiteral(QLatin1Char('%') + queries::upperLatin1Letters(text) + QLatin1Char('%'));
}

QString wordExists(const QString& word)
{
    // The contact's own few words, not every contact's words that begin so.
    return QStringLiteral("exists (select 1 from pellori_word w where w.PW_OID = c.PC_OID and w.PW_WORD starting with ")
           + sqlLiteral(word) + QStringLiteral(" plan (w index (IDX_PELLORI_WORD_OID)))");
}

QString groupExists(int group)
{
    return QStringLiteral("exists (select 1 from belong2group b where b.B2G_OID = c.PC_OID and b.B2G_GID = %1)")
        .arg(group);
}

// The detail a word was found in that the name does not explain: numbers
// first, then internet entries, town, street, country, nickname, company,
// group, notes. Empty when the name explains every word.
QString matchColumn(const QStringList& words, const MatchLabels& labels, const QString& key)
{
    QStringList found;
    for (const QString& w : words)
        found << QStringLiteral("(w.PW_WORD starting with %1 and not exists (select 1 from pellori_word n where "
                                "n.PW_OID = %2 and n.PW_KIND = 'N' and n.PW_WORD starting with %1 "
                                "plan (n index (IDX_PELLORI_WORD_OID))))")
                     .arg(sqlLiteral(w), key);
    const auto label = [](const char* kind, const QString& text) {
        return QStringLiteral(" when '%1' then ").arg(QLatin1String(kind)) + sqlLiteral(text + QStringLiteral(": "));
    };
    return QStringLiteral("(select first 1 case w.PW_KIND") + label("K", labels.nickname)
           + label("C", labels.company) + label("G", labels.group) + label("X", labels.notes)
           + QStringLiteral(" else '' end || PELLORI_MATCH_TEXT(w.PW_KIND, w.PW_SRC) from pellori_word w where w.PW_OID = ")
           + key + QStringLiteral(" and w.PW_KIND <> 'N' and (") + found.join(QStringLiteral(" or "))
           + QStringLiteral(") plan (w index (IDX_PELLORI_WORD_OID)) order by position(w.PW_KIND in 'TIPSYKCGX'))");
}

QString orderBy(const ListRequest& r)
{
    const QString dir = r.descending ? QStringLiteral(" desc") : QString();
    const QString names = QStringLiteral("c.PC_NAME%1, c.PC_OID%1").arg(dir);
    if (r.sortBy == Column::Name)
        return QStringLiteral("order by ") + names;
    // Contacts without the detail go last either way.
    return QStringLiteral("order by c.%1%2 nulls last, ").arg(storedColumn(r.sortBy), dir) + names;
}

} // namespace

QString columnField(Column c)
{
    switch (c) {
    case Column::Name: return QStringLiteral("O_NAME");
    case Column::Town: return QStringLiteral("O_TOWN");
    case Column::Phone: return QStringLiteral("O_PHONE");
    case Column::Email: return QStringLiteral("O_EMAIL");
    case Column::Company: return QStringLiteral("O_COMPANY");
    }
    return {};
}

ContactListQuery::ContactListQuery(DbTransaction& transaction, PlanLimits limits) : m_tr(transaction), m_limits(limits)
{
    m_stored = upgrades::isReady(transaction, upgrades::step::kSearch);
}

int ContactListQuery::count(const QString& sql)
{
    Statement q(m_tr.connection(), sql);
    return q.execute(m_tr, {}).value(0).toInt();
}

QString ContactListQuery::original(const ListRequest& r)
{
    m_plan = Plan::Original;
    QStringList where;
    if (!r.text.isEmpty())
        where << (fitsLatin1(r.text) ? nameLike(r.text, QStringLiteral("o_name")) : QStringLiteral("1 = 0"));
    if (r.group)
        where << QStringLiteral("o_id in (select b2g_oid from belong2group where b2g_gid = %1)").arg(*r.group);
    if (where.isEmpty() && !r.descending)
        return queries::initialContacts();
    QStringList lines{QStringLiteral("select * from p_view_company_and_person")};
    if (!where.isEmpty())
        lines << QStringLiteral("where ") + where.join(QStringLiteral(" and "));
    lines << QStringLiteral("order by o_name collate de_de") + (r.descending ? QStringLiteral(" desc") : QString());
    return lines.join(QLatin1Char('\n'));
}

QString ContactListQuery::statement(const ListRequest& r)
{
    if (!m_stored)
        return original(r);
    const bool everywhere = r.scope == Scope::Everywhere;
    QStringList fields{QStringLiteral("c.PC_OID as O_ID"), QStringLiteral("c.PC_NAME as O_NAME"),
                       QStringLiteral("c.PC_TYPE as O_TYPE")};
    for (Column col : r.columns)
        if (col != Column::Name)
            fields << QStringLiteral("c.%1 as %2").arg(storedColumn(col), columnField(col));
    const QString select = QStringLiteral("select ") + fields.join(QStringLiteral(", "));

    QStringList words, where;
    bool nothing = false;
    if (everywhere && !r.text.trimmed().isEmpty()) {
        words = searchWords(r.text);
        nothing = words.isEmpty();
    } else if (!everywhere && !r.text.isEmpty()) {
        // No name holds a character its book cannot store.
        nothing = !fitsLatin1(r.text);
        // Upper-cased and matched as the procedure's name is: without the German collation.
        where << nameLike(r.text, QStringLiteral("c.PC_NAME collate ISO8859_1"));
    }
    QString sql;
    if (nothing) {
        m_plan = Plan::Nothing;
        sql = select + QStringLiteral(" from pellori_contact c where 1 = 0");
    } else {
        // The rarest word or the group, when few enough rows have it, gives the
        // contacts to sort; otherwise the name index is walked and each tested.
        const int limit = m_limits.drive;
        int fewest = limit + 1;
        qsizetype driveWord = -1;   // -1 with fewest <= limit: the group drives
        for (qsizetype i = 0; i < words.size(); ++i) {
            const int n = count(QStringLiteral("select count(*) from (select first %1 1 as x from pellori_word "
                                               "where PW_WORD starting with %2)")
                                    .arg(limit + 1)
                                    .arg(sqlLiteral(words[i])));
            if (n < fewest) {
                fewest = n;
                driveWord = i;
            }
        }
        if (r.group) {
            const int n = count(QStringLiteral("select count(*) from (select first %1 1 as x from belong2group "
                                               "where B2G_GID = %2)")
                                    .arg(limit + 1)
                                    .arg(*r.group));
            if (n < fewest) {
                fewest = n;
                driveWord = -1;
            }
        }
        const bool driven = fewest <= limit;
        QString drive;
        if (driven && driveWord >= 0)
            drive = QStringLiteral("(select distinct PW_OID as K from pellori_word where PW_WORD starting with ")
                    + sqlLiteral(words[driveWord]) + QLatin1Char(')');
        else if (driven)
            drive = QStringLiteral("(select distinct B2G_OID as K from belong2group where B2G_GID = %1)").arg(*r.group);
        for (qsizetype i = 0; i < words.size(); ++i)
            if (!driven || i != driveWord)
                where << wordExists(words[i]);
        if (r.group && !(driven && driveWord < 0))
            where << groupExists(*r.group);
        const QString condition = where.isEmpty() ? QString() : QStringLiteral(" where ") + where.join(QStringLiteral(" and "));

        if (driven) {
            m_plan = Plan::Driven;
            sql = select + QStringLiteral(" from ") + drive + QStringLiteral(" m join pellori_contact c on c.PC_OID = m.K")
                  + condition;
        } else if (!everywhere && !r.text.isEmpty()) {
            // A name fragment: along the index when the first names in order
            // show it often enough, else every name tested and the few sorted.
            bool often = false;
            if (r.sortBy == Column::Name) {
                const QString dir = r.descending ? QStringLiteral(" desc") : QString();
                often = count(QStringLiteral("select count(*) from (select first %1 * from pellori_contact c "
                                             "order by c.PC_NAME%2, c.PC_OID%2) c")
                                  .arg(m_limits.probe)
                                  .arg(dir)
                              + condition)
                        >= m_limits.screen;
            }
            m_plan = often ? Plan::NameOrder : Plan::Scan;
            sql = select + QStringLiteral(" from pellori_contact c") + condition
                  + (often ? QString() : QStringLiteral(" plan sort (c natural)"));
        } else {
            m_plan = r.sortBy == Column::Name ? Plan::NameOrder : Plan::Scan;
            sql = select + QStringLiteral(" from pellori_contact c") + condition;
        }
    }
    sql += QLatin1Char(' ') + orderBy(r);
    if (!everywhere)
        return sql;
    // Why each contact was found, looked up only for the rows fetched.
    const QString why = words.isEmpty() ? QStringLiteral("cast(null as varchar(255) character set ISO8859_1)")
                                        : matchColumn(words, r.labels, QStringLiteral("x.O_ID"));
    return QStringLiteral("select x.*, ") + why + QStringLiteral(" as O_MATCH from (") + sql + QStringLiteral(") x");
}

} // namespace pellori::search
