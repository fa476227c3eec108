#include "cleanup/DuplicateFinder.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <numeric>
#include <vector>

namespace pellori::cleanup {

namespace {

class Groups {
public:
    explicit Groups(qsizetype n) : m_parent(size_t(n)) { std::iota(m_parent.begin(), m_parent.end(), 0); }
    int root(int i)
    {
        while (m_parent[size_t(i)] != i)
            i = m_parent[size_t(i)] = m_parent[size_t(m_parent[size_t(i)])];
        return i;
    }
    void join(int a, int b) { m_parent[size_t(root(a))] = root(b); }

private:
    std::vector<int> m_parent;
};

} // namespace

QList<DuplicateGroup> findDuplicates(const QList<MatchKeys>& contacts)
{
    // Only contacts that share something can be duplicates: each bucket holds
    // those that share one value, and only pairs within a bucket are compared.
    QHash<QString, QList<int>> names, sounds, shared;
    for (int i = 0; i < contacts.size(); ++i) {
        const MatchKeys& c = contacts[i];
        const QChar kind = QLatin1Char(c.kind);
        if (c.hasName()) {
            names[c.nameKey()] << i;
            for (const QString& town : c.towns)
                sounds[kind + c.sound + u'|' + town] << i;
        }
        for (const QString& e : c.emails)
            shared[kind + QStringLiteral("@") + e] << i;
        for (const QString& n : c.numbers)
            shared[kind + QStringLiteral("#") + n] << i;
    }
    struct Edge {
        int a, b;
        Reasons reasons;
    };
    std::vector<Edge> edges;
    QSet<quint64> compared;
    const auto compareAll = [&](const QList<int>& bucket) {
        for (qsizetype x = 0; x < bucket.size(); ++x)
            for (qsizetype y = x + 1; y < bucket.size(); ++y) {
                const int a = bucket[x], b = bucket[y];
                const quint64 pair = (quint64(quint32(std::min(a, b))) << 32) | quint32(std::max(a, b));
                if (compared.contains(pair))
                    continue;
                compared.insert(pair);
                if (const Reasons r = duplicateReasons(contacts[a], contacts[b]))
                    edges.push_back({a, b, r});
            }
    };
    for (const QList<int>& bucket : std::as_const(names))
        compareAll(bucket);
    for (const QList<int>& bucket : std::as_const(sounds))
        compareAll(bucket);
    for (const QList<int>& bucket : std::as_const(shared))
        if (bucket.size() <= kSharedLimit)
            compareAll(bucket);

    Groups groups(contacts.size());
    for (const Edge& e : edges)
        groups.join(e.a, e.b);
    QHash<int, DuplicateGroup> byRoot;
    QHash<int, QList<int>> members;
    for (const Edge& e : edges)
        byRoot[groups.root(e.a)].reasons |= e.reasons;
    for (int i = 0; i < contacts.size(); ++i)
        if (const int r = groups.root(i); byRoot.contains(r))
            members[r] << i;
    QList<DuplicateGroup> out;
    QList<int> firstOf;   // the member each group is sorted by
    for (auto it = byRoot.begin(); it != byRoot.end(); ++it) {
        DuplicateGroup g = it.value();
        const QList<int>& m = members.value(it.key());
        for (const int i : m)
            g.keys << contacts[i].key;
        std::sort(g.keys.begin(), g.keys.end());
        out << g;
        firstOf << *std::min_element(m.begin(), m.end(), [&](int a, int b) {
            return std::tie(contacts[a].family, contacts[a].first) < std::tie(contacts[b].family, contacts[b].first);
        });
    }
    std::vector<int> order(size_t(out.size()));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int x, int y) {
        const MatchKeys &a = contacts[firstOf[x]], &b = contacts[firstOf[y]];
        const int sx = strength(out[x].reasons), sy = strength(out[y].reasons);
        if (sx != sy)
            return sx > sy;
        return std::tie(a.family, a.first, out[x].keys.first()) < std::tie(b.family, b.first, out[y].keys.first());
    });
    QList<DuplicateGroup> sorted;
    sorted.reserve(out.size());
    for (const int i : order)
        sorted << out[i];
    return sorted;
}

} // namespace pellori::cleanup
