// Times the CSV and LDIF imports of 10,000 contacts into an empty book: an
// Outlook CSV export (92 columns, Windows-1252, every field quoted) and a
// Thunderbird LDIF export of the same contacts, both written by Pellori's
// own writers in those programs' shapes. For each: reading alone, reading
// and making contacts, planning, then the whole import through a fresh
// book made from the schema (the plan, every row stored and committed, the
// summary). Beside the CSV reading, Python's csv module reads the same file
// (decoding included), as a yardstick. Prints the medians.
// Usage: bench_csvldif [contacts] [runs]
#include "BenchCommon.h"
#include "data/Connection.h"
#include "exchange/csv/CsvContacts.h"
#include "exchange/csv/CsvWriter.h"
#include "exchange/ldif/LdifContacts.h"
#include "exchange/ImportPlan.h"
#include "exchange/ImportStore.h"
#include "exchange/ImportSummary.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

using namespace pellori::exchange;
using namespace pellori::exchange;
using pellori::bench::median;
using pellori::bench::timeMs;

namespace {

QList<Contact> makeContacts(int count)
{
    const QStringList families = {"Müller", "Schmidt", "Schneider", "Fischer", "Weber", "Meyer", "Wagner", "Becker",
                                  "Schulz", "Hoffmann", "Schäfer", "Koch", "Bauer", "Richter", "Klein", "Wolf"};
    const QStringList given = {"Anna", "Hans", "Jürgen", "Maria", "Lena", "Paul", "Sophie", "Lukas", "Eva", "Ben"};
    QList<Contact> out;
    for (int i = 0; i < count; ++i) {
        Contact c{.kind = ContactKind::Person, .name1 = families[i % families.size()] + QString::number(i),
                  .name2 = given[i % given.size()], .title = i % 7 == 0 ? "Dr." : "",
                  .birthday = i % 3 ? QDate(1950 + i % 50, 1 + i % 12, 1 + i % 28) : QDate(),
                  .employer1 = i % 4 == 0 ? QStringLiteral("Firma %1 GmbH").arg(i % 100) : QString(),
                  .additional = i % 5 == 0 ? QStringLiteral("Notiz zu %1,\nzweite Zeile \"zitiert\"").arg(i) : QString()};
        c.numbers = {{.type = "Telefon", .prefix = "0221", .number = QString::number(1000000 + i)},
                     {.type = "Mobil", .prefix = "0171", .number = QString::number(2000000 + i)}};
        if (i % 2)
            c.numbers << ContactNumber{.type = "Telefon geschäftlich", .prefix = "0211", .number = QString::number(i)};
        c.internet = {{.type = "E-Mail", .address = QStringLiteral("person%1@example.de").arg(i)}};
        c.addresses = {{.type = "Privat", .street = QStringLiteral("Hauptstraße %1").arg(i % 200),
                        .town = i % 2 ? "Köln" : "Düsseldorf", .postcode = QString::number(40000 + i % 10000),
                        .country = "Deutschland"}};
        c.groups = {i % 3 ? "Freunde" : "Kollegen"};
        out << c;
    }
    return out;
}

void attach(pellori::Connection& c, const QString& path)
{
    c.setDatabaseName(path);
    c.params = QStringList{"user_name=SYSDBA", "password=masterkey", "lc_ctype=ISO8859_1"};
}

struct Times {
    std::vector<double> read, contacts, plan, whole;
    qsizetype stored = 0, notes = 0;
};

// Each run into a fresh copy of an empty book.
Times run(const QByteArray& bytes, bool csv, const QString& empty, const QTemporaryDir& dir, int runs)
{
    Times t;
    const Lookups seeded = [&] {
        const QString path = dir.filePath(QStringLiteral("lookups.qvx"));
        QFile::copy(empty, path);
        pellori::Connection c;
        attach(c, path);
        c.open();
        ImportTransaction import(c);
        return import.lookups();
    }();
    const auto contactsOf = [&] {
        if (csv) {
            const CsvSource source(bytes);
            return csvContacts(source.table(), source.detectMapping());
        }
        return ldifContacts(readLdif(bytes).entries);
    };
    for (int r = 0; r < runs; ++r) {
        t.read.push_back(timeMs([&] {
            if (csv)
                (void)readCsv(decodeText(bytes, detectEncoding(bytes)), u',');
            else
                (void)readLdif(bytes);
        }));
        QList<CardContact> cards;
        t.contacts.push_back(timeMs([&] { cards = contactsOf(); }));
        t.plan.push_back(timeMs([&] { (void)planImport(cards, seeded, ImportOptions{}); }));

        const QString path = dir.filePath(QStringLiteral("run%1.qvx").arg(r));
        QFile::copy(empty, path);
        pellori::Connection c;
        attach(c, path);
        c.open();
        t.whole.push_back(timeMs([&] {
            const QList<CardContact> read = contactsOf();
            ImportTransaction import(c);
            const ImportPlan p = planImport(read, import.lookups(), ImportOptions{});
            t.stored = import.store(p).contactIds.size();
            t.notes = importSummary(p, QStringLiteral("bench")).cards.size();
        }));
        c.close();
        QFile::remove(path);
    }
    return t;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? atoi(argv[2]) : 5;
    const QList<Contact> contacts = makeContacts(count);
    const QByteArray csv = writeCsv(contacts, CsvShape::Outlook).bytes;
    const QByteArray ldif = writeLdif(contacts).bytes;

    QTemporaryDir dir;
    const QString empty = dir.filePath(QStringLiteral("empty.qvx"));
    pellori::bench::createWithSchema(empty);

    std::printf("%d contacts; median of %d runs\n", count, runs);
    for (const bool isCsv : {true, false}) {
        const QByteArray& bytes = isCsv ? csv : ldif;
        const Times t = run(bytes, isCsv, empty, dir, runs);
        std::printf("%s, %lld bytes: reading %.0f ms, reading and making contacts %.0f ms, planning %.0f ms; "
                    "the whole import into an empty book %.0f ms (%lld contacts stored, %lld with notes)\n",
                    isCsv ? "Outlook CSV" : "Thunderbird LDIF", static_cast<long long>(bytes.size()),
                    median(t.read), median(t.contacts), median(t.plan), median(t.whole),
                    static_cast<long long>(t.stored), static_cast<long long>(t.notes));
        if (!isCsv)
            continue;
        // Python's csv module reading the same file, decoding included, timed inside Python.
        const QString file = dir.filePath(QStringLiteral("outlook.csv"));
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        out.close();
        QProcess python;
        python.start(QStringLiteral("python3"),
                     {"-c",
                      "import csv, sys, time\n"
                      "times = []\n"
                      "for _ in range(int(sys.argv[2])):\n"
                      "    t = time.perf_counter()\n"
                      "    with open(sys.argv[1], encoding='cp1252', newline='') as f: rows = list(csv.reader(f))\n"
                      "    times.append((time.perf_counter() - t) * 1000)\n"
                      "print(sorted(times)[len(times) // 2], len(rows))\n",
                      file, QString::number(runs)});
        python.waitForFinished(-1);
        const QList<QByteArray> answer = python.readAllStandardOutput().trimmed().split(' ');
        if (python.exitCode() != 0 || answer.size() != 2) {
            std::printf("Python's csv: not run\n");
            continue;
        }
        std::printf("Python's csv module reading the same file: %.0f ms for %s rows; Pellori's reading takes %.2f "
                    "times that\n",
                    answer[0].toDouble(), answer[1].constData(), median(t.read) / answer[0].toDouble());
    }
    return 0;
}
