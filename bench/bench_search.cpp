// The contact list and its search as you type, on books of German contacts
// with an address and a detail or two each (built once under /tmp, see
// SearchBook.h). For the list: the original statements over the procedure
// (the book as the schema makes it) beside the stored list (the book with the
// search step), each up to its first screen of rows. For each keystroke of
// names, numbers and towns: the statement chosen for what was typed, opened in
// the list's data set up to the first screen, beside the same statement run
// bare through Firebird's interface. Then the whole list read to its last row,
// and the memory of the process.
// Usage: bench_search [contacts] [runs]
#include "SearchBook.h"
#include "data/ContactQueries.h"
#include "data/DataSet.h"
#include "data/DbTransaction.h"
#include "search/ContactListQuery.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <firebird/Interface.h>

using namespace pellori;
using pellori::bench::median;
using pellori::bench::timeMs;

namespace {

constexpr int kScreen = 60;

void attach(Connection& c, const QString& db)
{
    c.setDatabaseName(db);
    c.params = QStringList{"user_name=SYSDBA", "password=x", "lc_ctype=ISO8859_1"};
    if (!qEnvironmentVariableIsEmpty("PELLORI_BENCH_CONFIG"))
        c.params << QStringLiteral("config=") + qEnvironmentVariable("PELLORI_BENCH_CONFIG");
    c.open();
}

// The list's data set with its three fields, opened up to its first screen.
long memoryKb(const char* key);

// The list's data set with its three fields, opened up to its first screen (or
// its last row, with the memory of the process then).
int firstScreen(DbTransaction& tr, const QString& sql, bool all = false, long* rssKb = nullptr)
{
    QueryDataSet ds(tr);
    ds.setSelectSql(sql);
    ds.addField({.name = "O_ID", .kind = FieldKind::Integer, .visible = false});
    ds.addField({.name = "O_NAME", .kind = FieldKind::Text, .size = 255});
    ds.addField({.name = "O_TYPE", .kind = FieldKind::Text, .size = 1, .visible = false});
    ds.open();
    if (all) {
        ds.fetchAll();
        if (rssKb)
            *rssKb = memoryKb("VmRSS:");
    } else
        ds.moveTo(kScreen - 1);
    return ds.rowCount();
}

// The same statement through Firebird's interface, up to the first screen.
int bareFirstScreen(Connection& c, const QString& sql)
{
    using namespace Firebird;
    ThrowStatusWrapper st(Connection::master()->getStatus());
    IAttachment* att = c.attachment();
    const unsigned char tpb[] = {isc_tpb_version3, isc_tpb_read_committed, isc_tpb_rec_version, isc_tpb_nowait};
    ITransaction* tra = att->startTransaction(&st, sizeof tpb, tpb);
    const QByteArray text = sql.toLatin1();
    IStatement* stmt = att->prepare(&st, tra, unsigned(text.size()), text.constData(), 3, 0);
    IMessageMetadata* meta = stmt->getOutputMetadata(&st);
    std::vector<unsigned char> buffer(meta->getMessageLength(&st));
    IResultSet* rs = stmt->openCursor(&st, tra, nullptr, nullptr, meta, 0);
    int rows = 0;
    while (rows < kScreen && rs->fetchNext(&st, buffer.data()) == IStatus::RESULT_OK)
        ++rows;
    rs->close(&st);
    meta->release();
    stmt->free(&st);
    tra->commit(&st);
    st.dispose();
    return rows;
}

double percentile95(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(v.size() * 0.95))];
}

long memoryKb(const char* key)
{
    QFile f("/proc/self/status");
    f.open(QIODevice::ReadOnly);
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLong();
    return 0;
}

struct Pair {
    std::vector<double> pellori, bare;
};

void print(const char* label, const Pair& p)
{
    std::printf("  %-34s median %7.1f  p95 %7.1f   bare median %7.1f  p95 %7.1f\n", label, median(p.pellori),
                percentile95(p.pellori), median(p.bare), percentile95(p.bare));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int contacts = argc > 1 ? atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? atoi(argv[2]) : 3;
    const QString original = bench::searchBook(contacts, false);
    const QString stored = bench::searchBook(contacts, true);
    std::printf("contacts: %d, runs: %d, times in ms up to the first %d rows\n", contacts, runs, kScreen);

    // The list: start-up (a fresh attachment), "All" again, a name, a group.
    struct ListCase {
        const char* label;
        search::ListRequest request;
        QString originalSql;
    };
    const QString name = QString::fromUtf8("müller");
    const ListCase cases[] = {
        {"start-up", {}, queries::initialContacts()},
        {"All", {}, queries::initialContacts()},
        {"name search \"müller\"", {.text = name}, queries::textSearch(name)},
        {"name search \"zz\" (none)", {.text = "zz"}, queries::textSearch("zz")},
        {"group 2", {.group = 2}, queries::groupSearch("2")},
    };
    std::printf("list, original statement beside the stored list:\n");
    for (const ListCase& lc : cases) {
        std::vector<double> before, after;
        for (int r = 0; r < runs; ++r)
            for (auto [db, times] : {std::pair{original, &before}, std::pair{stored, &after}}) {
                Connection c;
                attach(c, db);
                DbTransaction tr(c, DbTransaction::readCommitted());
                const bool again = qstrcmp(lc.label, "start-up") != 0;
                if (again)   // the statement prepared once already, as after start-up
                    firstScreen(tr, db == original ? lc.originalSql : search::ContactListQuery(tr).statement(lc.request));
                times->push_back(timeMs([&] {
                    firstScreen(tr, db == original ? lc.originalSql : search::ContactListQuery(tr).statement(lc.request));
                }));
            }
        std::printf("  %-34s original %8.1f   stored %7.1f\n", lc.label, median(before), median(after));
    }

    // Each keystroke, as the list would ask after the pause in typing.
    Connection c;
    attach(c, stored);
    DbTransaction tr(c, DbTransaction::readCommitted());
    struct Typing {
        const char* label;
        search::Scope scope;
        QStringList texts;
    };
    const auto typed = [](const QString& word) {
        QStringList keys;
        for (qsizetype i = 1; i <= word.size(); ++i)
            keys << word.left(i);
        return keys;
    };
    const Typing typings[] = {
        {"everywhere: names", search::Scope::Everywhere,
         typed(QString::fromUtf8("müller")) + typed("schmidt") + typed("jonas w")},
        {"everywhere: numbers", search::Scope::Everywhere, typed("0351 12") + typed("+49 30 4") + typed("0171 9")},
        {"everywhere: towns", search::Scope::Everywhere, typed("dresden") + typed(QString::fromUtf8("köln")) + typed("jena")},
        {"name: names", search::Scope::Name, typed(QString::fromUtf8("müller")) + typed("schmidt") + typed("jonas")},
    };
    std::printf("each keystroke (%d runs of each word typed):\n", runs);
    std::vector<double> all;
    for (const Typing& t : typings) {
        Pair p;
        for (int r = 0; r < runs + 1; ++r)
            for (const QString& text : t.texts) {
                search::ContactListQuery query(tr);
                QString sql;
                const double ms = timeMs([&] {
                    sql = query.statement({.scope = t.scope, .text = text});
                    firstScreen(tr, sql);
                });
                const double bare = timeMs([&] { bareFirstScreen(c, sql); });
                if (r == 0)
                    continue;   // the first run prepares and reads the metadata
                if (qEnvironmentVariableIsSet("PELLORI_BENCH_VERBOSE"))
                    std::printf("    %-12s plan %d  %7.1f  bare %7.1f\n", qPrintable(text), int(query.plan()), ms, bare);
                p.pellori.push_back(ms);
                p.bare.push_back(bare);
            }
        print(t.label, p);
        all.insert(all.end(), p.pellori.begin(), p.pellori.end());
    }

    // The whole list to its last row, and what the process holds then.
    const long before = memoryKb("VmRSS:");
    long held = 0;
    int rows = 0;
    const double ms = timeMs([&] { rows = firstScreen(tr, search::ContactListQuery(tr).statement({}), true, &held); });
    std::printf("whole stored list read: %d rows in %.0f ms; process memory %ld MB with every row (before %ld MB, "
                "peak %ld MB)\n",
                rows, ms, held >> 10, before >> 10, memoryKb("VmHWM:") >> 10);
    return rows == contacts ? 0 : 1;
}
