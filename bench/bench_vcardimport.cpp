// Times a vCard import of 1,000 cards of the main producers' shapes: first
// the part that needs no database (reading the file, making contacts of the
// cards, planning the rows against the seeded lookup lists, the summary's
// texts) and writing the same contacts back out; then the whole import
// through an empty database made from the schema (the lookup lists read in
// the import's transaction, the plan, every row stored and committed, the
// summary), and the export of the stored contacts read back by key; last,
// python3-vobject parsing the same file, as a yardstick. Prints the medians.
// Usage: bench_vcardimport [cards] [runs]
#include "BenchCommon.h"
#include "data/Connection.h"
#include "data/DbTransaction.h"
#include "exchange/ContactExport.h"
#include "exchange/ImportPlan.h"
#include "exchange/ImportStore.h"
#include "exchange/ImportSummary.h"
#include "exchange/vcard/CardMapping.h"
#include "exchange/vcard/VCardReader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

using namespace pellori::exchange;

namespace {

using pellori::bench::median;
using pellori::bench::timeMs;

QByteArray n(int i) { return QByteArray::number(i); }

// A photo as phones write it: a few kilobytes of JPEG in Base64, folded.
QByteArray photo(int bytes, const QByteArray& fold)
{
    QByteArray jpeg(bytes, Qt::Uninitialized);
    quint32 x = 2463534242u;
    for (char& c : jpeg) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        c = char(x);
    }
    const QByteArray b64 = jpeg.toBase64();
    QByteArray out;
    for (qsizetype at = 0; at < b64.size(); at += 72)
        out += (at ? fold : QByteArray()) + b64.mid(at, 72);
    return out;
}

// Three shapes in turn: a phone's 3.0 with labels and a photo, a mail
// client's 4.0 with TYPE lists and long notes, an organiser's 2.1 in
// quoted-printable Latin-1 with a smaller photo.
QByteArray makeFile(int cards)
{
    const QByteArray phonePhoto = photo(12000, "\r\n ");
    const QByteArray organiserPhoto = photo(6000, "\r\n ") + "\r\n";   // 2.1 ends Base64 with a blank line
    QByteArray f;
    for (int i = 0; i < cards; ++i) {
        switch (i % 3) {
        case 0:
            f += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Müller " + n(i) + ";Anna;Maria;Dr.;\r\nFN:Anna Müller\r\n"
                 "item1.TEL;type=pref:+49 170 " + n(1000000 + i) + "\r\nitem1.X-ABLabel:_$!<Mobile>!$_\r\n"
                 "TEL;type=HOME:0221 " + n(2000000 + i) + "\r\nTEL;type=HOME:0221 " + n(3000000 + i) + "\r\n"
                 "EMAIL;type=INTERNET;type=HOME:anna" + n(i) + "@example.de\r\n"
                 "item2.ADR;type=HOME:;;Weg " + n(i) + ";Köln;;50667;Deutschland\r\nitem2.X-ABADR:de\r\n"
                 "BDAY:1975-03-21\r\nCATEGORIES:Freunde,Familie\r\nPHOTO;ENCODING=b;TYPE=JPEG:" + phonePhoto + "\r\n"
                 "END:VCARD\r\n";
            break;
        case 1:
            f += "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Hans Meier\r\nN:Meier " + n(i) + ";Hans;;Herr;\r\n"
                 "NICKNAME:Hansi\r\nEMAIL;PREF=1:hans" + n(i) + "@example.de\r\n"
                 "EMAIL;TYPE=work:h.meier" + n(i) + "@firma.example\r\n"
                 "TEL;TYPE=\"work,voice\";VALUE=uri:tel:+49-221-" + n(4000000 + i) + "\r\n"
                 "TEL;TYPE=cell:0172 " + n(5000000 + i) + "\r\n"
                 "ADR;TYPE=work:;;Hohe Straße 88;London;;SW1A 2AA;UK\r\n"
                 "ORG:Firma " + n(i % 50) + ";GmbH\r\nTITLE:Elektromeister\r\n"
                 "NOTE:" + QByteArray("Eine lange Notiz\\, mit Kommas\\; und Zeilen\\n").repeated(6) + "\r\n"
                 "URL:https://example.de/" + n(i) + "\r\nCATEGORIES:Kollegen,Neue Gruppe " + n(i % 20) + "\r\n"
                 "END:VCARD\r\n";
            break;
        default:
            f += "BEGIN:VCARD\r\nVERSION:2.1\r\n"
                 "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:=DCbersold " + n(i) + ";Ruth;;Frau\r\n"
                 "NOTE;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Gr=FC=DFe aus Bern=0D=0A=\r\nund Z=FCrich\r\n"
                 "TEL;HOME;VOICE:+41 31 " + n(3000000 + i) + "\r\nTEL;WORK;FAX:+41 31 " + n(4000000 + i) + "\r\n"
                 "ADR;HOME:;;Kramgasse 52;Bern;;3011;Schweiz\r\nEMAIL;PREF;INTERNET:ruth" + n(i) + "@example.ch\r\n"
                 "PHOTO;ENCODING=BASE64;TYPE=JPEG:" + organiserPhoto + "\r\n"
                 "END:VCARD\r\n";
        }
    }
    return f;
}

// An empty book: the schema with its seeded lookup lists.
QString makeDatabase(const QTemporaryDir& dir)
{
    const QString db = dir.filePath("template.qvx");
    pellori::bench::createWithSchema(db);
    return db;
}

void attach(pellori::Connection& c, const QString& path)
{
    c.setDatabaseName(path);
    c.params = QStringList{"user_name=SYSDBA", "password=masterkey", "lc_ctype=ISO8859_1"};
}

QList<NamedKey> keys(const QStringList& names)
{
    QList<NamedKey> out;
    for (const QString& name : names)
        out << NamedKey{.id = int(out.size() + 1), .name = name};
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? atoi(argv[1]) : 1000;
    const int runs = argc > 2 ? atoi(argv[2]) : 9;

    Lookups lookups{
        .addressTypes = keys({"Privat", "Geschäftlich", "Ferienwohnung", "Postfach"}),
        .communicationTypes = keys({"Telefon", "Telefon geschäftlich", "Mobil", "Mobil geschäftlich", "Fax",
                                    "Fax geschäftlich"}),
        .internetTypes = keys({"E-Mail", "E-Mail geschäftlich", "Homepage"}),
        .groups = keys({"Ärzte", "Familie", "Freunde", "Kollegen", "Handwerker", "Verein"}),
        .salutations = keys({"Herr", "Frau", "Familie"}),
        .titles = keys({"Dr.", "Dr. med.", "Dr. med. dent.", "Prof.", "Prof. Dr.", "Dipl.-Ing.", "Mag."}),
    };
    for (int i = 0; i < 5000; ++i)
        lookups.companies << CompanyKey{.id = 100 + i, .name1 = "Bestand " + QString::number(i), .name2 = "AG"};
    const QByteArray file = makeFile(count);

    std::vector<double> read, map, plan, texts, total, write;
    qsizetype planned = 0, notes = 0, bytes = 0;
    for (int r = 0; r < runs; ++r) {
        pellori::vcard::ReadResult cards;
        QList<CardContact> contacts;
        ImportPlan p;
        QStringList summary;
        read.push_back(timeMs([&] { cards = pellori::vcard::readCards(file); }));
        map.push_back(timeMs([&] {
            for (const auto& c : cards.cards)
                contacts << contactFromCard(c);
        }));
        plan.push_back(timeMs([&] { p = planImport(contacts, lookups, ImportOptions{}); }));
        texts.push_back(timeMs([&] {
            for (const CardReport& report : p.cards)
                for (const Note& note : report.notes)
                    summary << noteText(note);
        }));
        total.push_back(read.back() + map.back() + plan.back() + texts.back());
        QList<Contact> back;
        for (const CardContact& c : contacts)
            back << c.contact;
        write.push_back(timeMs([&] { bytes = writeContacts(back).size(); }));
        planned = p.contacts.size();
        notes = summary.size();
    }
    std::printf("%d cards, %lld bytes; %lld contacts planned, %lld notes; median of %d runs\n", count,
                static_cast<long long>(file.size()), static_cast<long long>(planned), static_cast<long long>(notes),
                runs);
    std::printf("read %.1f ms, contacts %.1f ms, plan %.1f ms, summary texts %.1f ms: %.1f ms in all\n",
                median(read), median(map), median(plan), median(texts), median(total));
    std::printf("export of the same contacts: %.1f ms, %lld bytes\n", median(write), static_cast<long long>(bytes));

    // Through the database: each run into a fresh copy of an empty book.
    QTemporaryDir dir;
    const QString empty = makeDatabase(dir);
    std::vector<double> imported, exported;
    qsizetype stored = 0, exportedBytes = 0;
    for (int r = 0; r < runs; ++r) {
        const QString path = dir.filePath(QString("run%1.qvx").arg(r));
        QFile::copy(empty, path);
        pellori::Connection c;
        attach(c, path);
        c.open();
        QString summary;
        imported.push_back(timeMs([&] {
            const ContactsRead read = readContacts(file);
            ImportTransaction import(c);
            const ImportPlan p = planImport(read.contacts, import.lookups(), ImportOptions{});
            stored = import.store(p).contactIds.size();
            summary = importSummary(p, "bench.vcf").text();
        }));
        exported.push_back(timeMs([&] {
            pellori::DbTransaction tr(c, pellori::DbTransaction::readCommitted());
            exportedBytes = writeContacts(readContactsForExport(tr, std::nullopt)).size();
        }));
        c.close();
        QFile::remove(path);
    }
    std::printf("through the database: import of %d cards (%lld contacts stored, with the summary) %.0f ms; "
                "export of them %.0f ms, %lld bytes\n",
                count, static_cast<long long>(stored), median(imported), median(exported),
                static_cast<long long>(exportedBytes));

    // The yardstick: python3-vobject only parsing the same file (no mapping,
    // no database), timed inside Python, median of its runs.
    const QString vcf = dir.filePath("bench.vcf");
    QFile out(vcf);
    out.open(QIODevice::WriteOnly);
    out.write(file);
    out.close();
    QProcess python;
    python.start(QFile::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3", {"-c",
                             "import sys, time, vobject\n"
                             "text = open(sys.argv[1], encoding='utf-8', errors='replace').read()\n"
                             "times = []\n"
                             "for _ in range(int(sys.argv[2])):\n"
                             "    t = time.perf_counter(); n = sum(1 for _ in vobject.readComponents(text, ignoreUnreadable=True))\n"
                             "    times.append((time.perf_counter() - t) * 1000)\n"
                             "print(sorted(times)[len(times) // 2], n)\n",
                             vcf, QString::number(std::max(1, runs / 3))});
    python.waitForFinished(-1);
    const QList<QByteArray> answer = python.readAllStandardOutput().trimmed().split(' ');
    if (python.exitCode() != 0 || answer.size() != 2) {
        std::printf("python3-vobject: not run (%s)\n", python.readAllStandardError().trimmed().right(200).constData());
        return 0;
    }
    const double vobjectMs = answer[0].toDouble();
    std::printf("python3-vobject parsing the same file: %.0f ms for %s cards; Pellori's whole import takes %.2f "
                "times that, its reading and planning %.2f times\n",
                vobjectMs, answer[1].constData(), median(imported) / vobjectMs, median(total) / vobjectMs);
    return 0;
}
