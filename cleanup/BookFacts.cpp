#include "cleanup/BookFacts.h"

#include "data/Connection.h"
#include "data/DbTransaction.h"
#include "data/Statement.h"
#include "exchange/ImportPlan.h"

#include <QHash>

namespace pellori::cleanup {

namespace {

constexpr qsizetype kKeysPerStatement = 1000;

// Runs a select for all contacts or for one slice of keys after another;
// `where` is the condition's column, added as "and column in (...)".
template <typename Take>
void readRows(DbTransaction& tr, const QString& select, const QString& column,
              const std::optional<QList<int>>& keys, Take take)
{
    const auto run = [&](const QString& condition) {
        Statement q(tr.connection(), select + condition);
        q.openCursor(tr, {});
        while (q.fetch())
            take(q);
    };
    if (!keys) {
        run(QString());
        return;
    }
    for (qsizetype from = 0; from < keys->size(); from += kKeysPerStatement) {
        QStringList numbers;
        for (const int k : keys->mid(from, kKeysPerStatement))
            numbers << QString::number(k);
        run(QStringLiteral(" and ") + column + QStringLiteral(" in (") + numbers.join(u',') + u')');
    }
}

} // namespace

QList<MatchFacts> readFacts(DbTransaction& tr, const std::optional<QList<int>>& keys)
{
    if (keys && keys->isEmpty())
        return {};
    const Connection& c = tr.connection();
    QList<MatchFacts> facts;
    QHash<int, int> at;   // O_ID -> index
    const auto of = [&](Statement& q) -> MatchFacts* {
        const auto found = at.constFind(int(q.integerAt(0)));
        return found == at.cend() ? nullptr : &facts[*found];
    };
    readRows(tr, QStringLiteral("select o.O_ID, o.O_TYPE, o.O_NAME1, o.O_NAME2, p.P_CID, p.P_BIRTHDAY "
                                "from object o left join person p on p.P_ID = o.O_ID where 1 = 1"),
             QStringLiteral("o.O_ID"), keys, [&](Statement& q) {
                 MatchFacts f;
                 f.key = int(q.integerAt(0));
                 f.kind = q.textAt(1).isEmpty() ? 'P' : q.textAt(1).front();
                 f.name1 = c.decode(q.textAt(2));
                 if (!q.isNullAt(3))
                     f.name2 = c.decode(q.textAt(3));
                 if (!q.isNullAt(4))
                     f.employer = int(q.integerAt(4));
                 if (!q.isNullAt(5))
                     f.birthday = QDate::fromJulianDay(q.julianDayAt(5));
                 at.insert(f.key, int(facts.size()));
                 facts << std::move(f);
             });
    readRows(tr, QStringLiteral("select A_OID, A_TOWN from address where 1 = 1"), QStringLiteral("A_OID"), keys,
             [&](Statement& q) {
                 if (MatchFacts* f = of(q))
                     f->towns << c.decode(q.textAt(1));
             });
    // Web addresses are no evidence: a company's persons share its homepage.
    readRows(tr, QStringLiteral("select I_OID, I_NAME from internet where I_NAME containing '@'"),
             QStringLiteral("I_OID"), keys, [&](Statement& q) {
                 if (MatchFacts* f = of(q))
                     f->emails << c.decode(q.textAt(1));
             });
    readRows(tr, QStringLiteral("select C_OID, C_PREFIX, C_NUMBER from communication where 1 = 1"),
             QStringLiteral("C_OID"), keys, [&](Statement& q) {
                 if (MatchFacts* f = of(q))
                     f->numbers << c.decode(q.textAt(1)) + u' ' + c.decode(q.textAt(2));
             });
    return facts;
}

QString listNameOf(const MatchFacts& f)
{
    return exchange::listName(QString(QLatin1Char(f.kind)), f.name1, f.name2);
}

} // namespace pellori::cleanup
