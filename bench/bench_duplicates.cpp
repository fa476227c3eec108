// bench_duplicates [contacts] [runs]: System > Find duplicates... on a book of
// that many contacts (100,000 by default) with 1% more seeded as duplicates:
// reading what the rules look at, folding it, and grouping.
#include "CleanBook.h"
#include "cleanup/BookFacts.h"
#include "cleanup/DuplicateFinder.h"

#include <QCoreApplication>
#include <cstdio>

using namespace pellori;
using namespace pellori::bench;
using namespace pellori::cleanup;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int contacts = argc > 1 ? atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? atoi(argv[2]) : 3;
    const QString db = cleanBook(contacts);
    std::vector<double> reading, folding, grouping, whole;
    qsizetype groups = 0, inGroups = 0, seededFound = 0, byReason[4] = {};
    for (int r = 0; r < runs; ++r) {
        Connection c;
        c.setDatabaseName(db);
        c.params = kBenchLogin;
        DbTransaction tr(c, DbTransaction::readCommitted());
        tr.start();
        QList<MatchFacts> facts;
        QList<MatchKeys> keys;
        QList<DuplicateGroup> found;
        reading.push_back(timeMs([&] { facts = readFacts(tr); }));
        folding.push_back(timeMs([&] {
            keys.reserve(facts.size());
            for (const MatchFacts& f : std::as_const(facts))
                keys << MatchKeys::of(f);
        }));
        grouping.push_back(timeMs([&] { found = findDuplicates(keys); }));
        whole.push_back(reading.back() + folding.back() + grouping.back());
        groups = found.size();
        inGroups = 0;
        seededFound = 0;
        std::fill(std::begin(byReason), std::end(byReason), 0);
        for (const DuplicateGroup& g : std::as_const(found)) {
            inGroups += g.keys.size();
            ++byReason[(g.reasons & SameName) ? 0 : (g.reasons & SameEmail) ? 1 : (g.reasons & SameNumber) ? 2 : 3];
            for (const int k : g.keys)
                seededFound += k > contacts ? 1 : 0;
        }
    }
    std::printf("book: %d contacts and %d seeded duplicates; found %lld groups of %lld contacts, %lld of the seeded\n",
                contacts, contacts / 100, qlonglong(groups), qlonglong(inGroups), qlonglong(seededFound));
    std::printf("groups by their strongest reason: same name %d, same e-mail %d, same number %d, similar name %d\n",
                int(byReason[0]), int(byReason[1]), int(byReason[2]), int(byReason[3]));
    std::printf("%-22s %8.0f ms\n%-22s %8.0f ms\n%-22s %8.0f ms\n%-22s %8.0f ms (goal < 2000)\n", "reading (median)",
                median(reading), "folding", median(folding), "grouping", median(grouping), "whole", median(whole));
    return 0;
}
