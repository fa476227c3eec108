// bench_reimport [contacts] [runs]: importing 1,000 vCards into a book of that
// many contacts (100,000 by default), half of them contacts of the book (a
// quarter found by their UID, a quarter by name and a shared detail, every
// other one of those with a number the contact lacks), the other half new:
// reading the file, planning, finding the known contacts, planning their
// updates and storing, each run on a fresh copy of the book.
#include "CleanBook.h"
#include "cleanup/ImportMatching.h"
#include "data/ContactIdentity.h"
#include "exchange/ContactExport.h"
#include "exchange/ImportStore.h"
#include "exchange/vcard/CardMapping.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

using namespace pellori;
using namespace pellori::bench;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int contacts = argc > 1 ? atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? atoi(argv[2]) : 3;
    const QString book = cleanBook(contacts);
    const QString copy = book + QStringLiteral(".import");

    // The file: 500 contacts of the book as exported, then 500 new ones.
    QByteArray file;
    {
        QFile::remove(copy);
        QFile::copy(book, copy);
        Connection c;
        c.setDatabaseName(copy);
        c.params = kBenchLogin;
        DbTransaction tr(c);
        tr.start();
        QList<int> keys;
        for (int k = 1; keys.size() < 500; k += contacts / 500)
            keys << k;
        identity::giveMissing(tr, keys);
        tr.commit();
        tr.start();
        QList<exchange::Contact> known = exchange::readContactsForExport(tr, keys);
        for (qsizetype i = 0; i < known.size(); ++i) {
            if (i % 2)
                known[i].uid.clear();
            if (i % 4 < 2)
                known[i].numbers << exchange::ContactNumber{.prefix = QStringLiteral("0170"),
                                                            .number = QString::number(5000000 + i)};
        }
        NameMaker names(4711);
        for (int i = 0; i < 500; ++i) {
            const BookPerson p = names.person(contacts * 2 + i);
            known << exchange::Contact{.name1 = QStringLiteral("Neu") + p.family, .name2 = p.first,
                                       .numbers = {{.prefix = p.prefix, .number = p.number}},
                                       .internet = {{.address = QStringLiteral("neu%1@example.de").arg(i)}},
                                       .addresses = {{.street = QStringLiteral("Weg 1"), .town = p.town,
                                                      .postcode = QStringLiteral("12345")}}};
        }
        file = exchange::writeContacts(known);
    }

    std::vector<double> reading, planning, matching, updating, storing, whole;
    int added = 0, updated = 0, unchanged = 0;
    for (int r = 0; r < runs; ++r) {
        QFile::remove(copy);
        QFile::copy(book, copy);
        Connection c;
        c.setDatabaseName(copy);
        c.params = kBenchLogin;
        exchange::ContactsRead read;
        exchange::ImportPlan plan;
        QList<cleanup::FoundContact> found;
        reading.push_back(timeMs([&] { read = exchange::readContacts(file); }));
        exchange::ImportTransaction import(c);
        planning.push_back(timeMs([&] { plan = exchange::planImport(read.contacts, import.lookups(), {}); }));
        matching.push_back(timeMs([&] { found = cleanup::matchCards(import.transaction(), read.contacts); }));
        updating.push_back(timeMs([&] {
            cleanup::applyMatches(import.transaction(), plan, import.lookups(), found,
                                  cleanup::MatchPolicy::UpdateMatches);
        }));
        storing.push_back(timeMs([&] { import.store(plan); }));
        whole.push_back(reading.back() + planning.back() + matching.back() + updating.back() + storing.back());
        added = updated = unchanged = 0;
        for (const exchange::CardReport& card : plan.cards) {
            added += card.outcome == exchange::CardOutcome::Added;
            updated += card.outcome == exchange::CardOutcome::Updated;
            unchanged += card.outcome == exchange::CardOutcome::Unchanged;
        }
    }
    QFile::remove(copy);
    std::printf("book: %d contacts; file: 1000 cards; added %d, updated %d, unchanged %d\n", contacts, added, updated,
                unchanged);
    std::printf("%-22s %8.0f ms\n%-22s %8.0f ms\n%-22s %8.0f ms\n%-22s %8.0f ms\n%-22s %8.0f ms\n"
                "%-22s %8.0f ms (goal < 3000)\n",
                "reading (median)", median(reading), "planning", median(planning), "finding the contacts",
                median(matching), "planning the updates", median(updating), "storing", median(storing), "whole",
                median(whole));
    return 0;
}
