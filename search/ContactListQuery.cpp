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
    case Column::Name: return QStringLiteral("c.PC_NAME");
    case Column::Town: return QStringLiteral("d.PCC_TOWN");
    case Column::Phone: return QStringLiteral("d.PCC_PHONE");
    case Column::Email: return QStringLiteral("d.PCC_EMAIL");
    case Column::Company: return QStringLiteral("d.PCC_COMPANY");
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
    return QStringLiteral("order by %1%2 nulls last, ").arg(storedColumn(r.sortBy), dir) + names;
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

std::optional<Column> fieldColumn(const QString& field)
{
    for (Column c : {Column::Name, Column::Town, Column::Phone, Column::Email, Column::Company})
        if (field.compare(columnField(c), Qt::CaseInsensitive) == 0)
            return c;
    return std::nullopt;
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
        where << (fitsLatin1(r.text) ? nameLike(r.text, QStringLiteral("o_name")) : QString());
    if (r.group)
        where << QStringLiteral("o_id in (select b2g_oid from belong2group where b2g_gid = %1)").arg(*r.group);
    if (where.contains(QString()))   // a text no name can hold: nothing, without running the procedure
        return QStringLiteral("select first 0 * from p_view_company_and_person");
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
    // The rows in their order; the optional columns join only to sort by one.
    const bool byColumn = r.sortBy != Column::Name;
    QString select = QStringLiteral("select c.PC_OID as O_ID, c.PC_NAME as O_NAME, c.PC_TYPE as O_TYPE");
    QString columns;
    if (byColumn) {
        select += QStringLiteral(", %1 as %2").arg(storedColumn(r.sortBy), columnField(r.sortBy));
        columns = QStringLiteral(" left join pellori_column d on d.PCC_OID = c.PC_OID");
    }
    const QString contacts = QStringLiteral("pellori_contact c") + columns;

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
    for (const QString& w : std::as_const(words))
        where << wordExists(w);
    if (r.group)
        where << groupExists(*r.group);
    const auto conditions = [](const QStringList& all) {
        return all.isEmpty() ? QString() : QStringLiteral(" where ") + all.join(QStringLiteral(" and "));
    };

    QString sql;
    if (nothing) {
        m_plan = Plan::Nothing;
        sql = select.replace(QLatin1String("select "), QLatin1String("select first 0 ")) + QStringLiteral(" from ")
              + contacts;
    } else if (where.isEmpty()) {
        m_plan = byColumn ? Plan::Scan : Plan::NameOrder;
        sql = select + QStringLiteral(" from ") + contacts + QLatin1Char(' ') + orderBy(r);
    } else {
        // The word or group with the fewest rows, counted up to `cap`.
        int fewest = 0;
        QString drive, driveCondition;
        const auto countSources = [&](int cap) {
            fewest = cap + 1;
            for (const QString& w : std::as_const(words)) {
                // Along the index, so that counting stops at the cap.
                const int n = count(QStringLiteral("select count(*) from (select first %1 1 as x from pellori_word "
                                                   "where PW_WORD starting with %2 order by PW_WORD)")
                                        .arg(cap + 1)
                                        .arg(sqlLiteral(w)));
                if (n < fewest) {
                    fewest = n;
                    drive = QStringLiteral("(select distinct PW_OID as K from pellori_word where PW_WORD starting with ")
                            + sqlLiteral(w) + QLatin1Char(')');
                    driveCondition = wordExists(w);
                }
            }
            if (r.group) {
                const int n = count(QStringLiteral("select count(*) from (select first %1 1 as x from belong2group "
                                                   "where B2G_GID = %2 order by B2G_GID)")
                                        .arg(cap + 1)
                                        .arg(*r.group));
                if (n < fewest) {
                    fewest = n;
                    drive = QStringLiteral("(select distinct B2G_OID as K from belong2group where B2G_GID = %1)")
                                .arg(*r.group);
                    driveCondition = groupExists(*r.group);
                }
            }
            return fewest <= cap;
        };
        // A rare word or a small group gives the contacts to sort, found
        // cheaply by counting a few rows; a frequent one is met within the first
        // names along the index; what lies between is counted further.
        const int limit = m_limits.drive;
        const bool rare = countSources(limit < 0 ? -1 : limit / 10);
        const QString dir = r.descending ? QStringLiteral(" desc") : QString();
        const bool early =
            !rare && !byColumn
            && count(QStringLiteral("select count(*) from (select first %1 1 as x from (select first %2 * from "
                                    "pellori_contact c order by c.PC_NAME%3, c.PC_OID%3) c")
                         .arg(m_limits.screen)
                         .arg(m_limits.probe)
                         .arg(dir)
                     + conditions(where) + QLatin1Char(')'))
                   >= m_limits.screen;
        if (!rare && !early)
            countSources(limit);
        if (!early && fewest <= limit) {
            m_plan = Plan::Driven;
            where.removeOne(driveCondition);
            sql = select + QStringLiteral(" from ") + drive + QStringLiteral(" m join pellori_contact c on c.PC_OID = m.K")
                  + columns + conditions(where);
        } else if (!early && !byColumn && !everywhere && !r.text.isEmpty()) {
            // A name fragment found neither early nor through a small group: every
            // name tested, the few found sorted. (A word or group counted above
            // the limit is frequent enough to be met soon along the index.)
            m_plan = Plan::Scan;
            sql = select + QStringLiteral(" from ") + contacts + conditions(where) + QStringLiteral(" plan sort (c natural)");
        } else {
            m_plan = byColumn ? Plan::Scan : Plan::NameOrder;
            sql = select + QStringLiteral(" from ") + contacts + conditions(where);
        }
        sql += QLatin1Char(' ') + orderBy(r);
    }

    // Shown for the rows fetched only: the other columns, and why each contact was found.
    QStringList shown{QStringLiteral("x.O_ID"), QStringLiteral("x.O_NAME"), QStringLiteral("x.O_TYPE")};
    for (Column col : r.columns) {
        if (col == Column::Name)
            continue;
        if (col == r.sortBy)
            shown << QStringLiteral("x.") + columnField(col);
        else
            shown << QStringLiteral("(select %1 from pellori_column d where d.PCC_OID = x.O_ID) as %2")
                         .arg(storedColumn(col), columnField(col));
    }
    if (everywhere)
        shown << (words.isEmpty() ? QStringLiteral("cast(null as varchar(255) character set ISO8859_1)")
                                  : matchColumn(words, r.labels, QStringLiteral("x.O_ID")))
                     + QStringLiteral(" as O_MATCH");
    if (shown.size() == 3 && !byColumn)
        return sql;
    return QStringLiteral("select ") + shown.join(QStringLiteral(", ")) + QStringLiteral(" from (") + sql
           + QStringLiteral(") x");
}

} // namespace pellori::search
