// Imports every file of a folder of vCard files written by other programs,
// each into a fresh empty book, as System > Import vCard... does (postcodes
// that are not numbers answered with Yes), and prints for each file: the
// cards read, the contacts made, the lines of the summary's notes, or why the
// file was refused.
//
// It also accounts for every item of contact data (each component of a name,
// address or organisation, each number, address, note, category, and each
// property Pellori has no place for): an item is stored when the contact read
// back from the book holds it, noted when the summary names it, and silent
// otherwise. Silent items are what an import must never have.
//
// Usage: bench_vcardcorpus [folder] [--silent]
//   folder   default: the folder vcard-corpus in ../shared beside the sources
//   --silent also lists every silent item
#include "BenchCommon.h"
#include "data/Connection.h"
#include "data/DbTransaction.h"
#include "data/Statement.h"
#include "exchange/ContactExport.h"
#include "exchange/DbRows.h"
#include "exchange/ImportStore.h"
#include "exchange/ImportSummary.h"
#include "exchange/Latin1Text.h"
#include "exchange/TypeTable.h"
#include "exchange/vcard/CardMapping.h"
#include "exchange/vcard/VCardReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>

using namespace pellori;
using namespace pellori::exchange;

namespace {

// Properties that describe the card, not the contact, or say again what other
// properties hold: they carry no item.
const QStringList kNoItems = {"BEGIN", "END", "VERSION", "PRODID", "REV", "UID", "X-ABUID", "CLIENTPIDMAP",
                              "X-ABSHOWAS", "NAME", "PROFILE", "SOURCE", "MAILER", "X-ABADR", "X-ABLABEL",
                              "X-MS-OL-DEFAULT-POSTAL-ADDRESS", "KIND", "X-ADDRESSBOOKSERVER-KIND"};

// For comparing: Latin-1 forms, lower case, punctuation as blanks.
QString folded(const QString& text)
{
    QString t = toLatin1Text(text).text.toLower();
    for (QChar& c : t)
        if (!c.isLetterOrNumber() && c != u'@' && c != u'*' && c != u'#' && c != u'+')
            c = u' ';
    return t.simplified();
}

QString dialled(const QString& text)
{
    QString t = text;
    t.remove(QStringLiteral("(0)"));
    if (t.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
        t = t.mid(4);
    QString out;
    for (const QChar c : t)
        if (c.isDigit() || c == u'*' || c == u'#' || c == u',' || c == u'+' || c.isLetter())
            out += c.toLower();
    return out;
}

struct Item {
    QString property;
    QString text;
    enum Kind { Words, Number, Date, Name } kind = Words;
    QString of;   // a label: the value it labels, whose note covers it too
};

QList<Item> itemsOf(const vcard::Card& card)
{
    QList<Item> items;
    const bool hasAdr = card.first(QStringLiteral("ADR")) != nullptr;
    for (const vcard::Property& p : card.properties) {
        const QString& n = p.name;
        if (kNoItems.contains(n))
            continue;
        // A label of Apple's own says what TYPE says; one of the user's is an item.
        for (const vcard::Property* q : card.group(p.group))
            if (q->name == u"X-ABLABEL" && !q->text().startsWith(QLatin1String("_$!<")) && n != u"X-ABLABEL")
                items << Item{n, q->text().trimmed(), Item::Words, p.text().trimmed()};
        if (n == u"N" || n == u"ADR" || n == u"ORG") {
            for (const QString& c : p.components())
                if (!c.trimmed().isEmpty())
                    items << Item{n, c.trimmed(), Item::Words};
        } else if (n == u"CATEGORIES" || n == u"NICKNAME") {
            for (const QString& v : p.values())
                if (!v.trimmed().isEmpty())
                    items << Item{n, v.trimmed(), Item::Words};
        } else if (n == u"TEL") {
            if (!p.text().trimmed().isEmpty())
                items << Item{n, p.text().trimmed(), Item::Number};
        } else if (n == u"BDAY") {
            items << Item{n, p.text().trimmed(), Item::Date};
        } else if (n == u"LABEL") {
            if (!hasAdr)
                items << Item{n, p.text().trimmed(), Item::Words};
        } else if (n == u"FN" || n == u"EMAIL" || n == u"URL" || n == u"NOTE" || n == u"TITLE") {
            if (!p.text().trimmed().isEmpty())
                items << Item{n, p.text().trimmed(), Item::Words};
        } else {
            items << Item{n, n, Item::Name};
        }
    }
    return items;
}

// What the book holds of a contact, as text to search.
struct Stored {
    QString words;     // folded
    QString numbers;   // dialled forms, blank-separated
    QString dates;     // yyyyMMdd
};

// The salutation as stored: an export leaves out the book's first.
QString salutationOf(DbTransaction& tr, int key)
{
    QString name;
    forEachRow(tr, QStringLiteral("select s.S_NAME from person p join salutation s on s.S_ID = p.P_SID "
                                  "where p.P_ID = %1").arg(key),
               [&](const QList<QVariant>& r) { name = r.value(0).toString(); });
    return name;
}

Stored storedOf(const Contact& c, const QString& salutation)
{
    // A salutation is stored as the book's word for it ("Mr." as "Herr").
    QStringList words = salutation.isEmpty() ? QStringList() : salutationSynonyms(salutation);
    words += {c.name1, c.name2, c.title, c.nickname, c.employer1, c.employer2, c.additional};
    QStringList numbers;
    for (const ContactNumber& n : c.numbers) {
        words << n.type << n.assistant << n.prefix << n.number;
        numbers << dialled(n.prefix + n.number);
    }
    for (const ContactInternet& i : c.internet)
        words << i.type << i.address;
    for (const ContactAddress& a : c.addresses)
        words << a.type << a.street << a.town << a.postcode << a.country;
    words += c.groups;
    return Stored{.words = u' ' + folded(words.join(u' ')) + u' ',
                  .numbers = numbers.join(u' '),
                  .dates = c.birthday.isValid() ? c.birthday.toString(QStringLiteral("yyyyMMdd")) : QString()};
}

bool holdsWords(const QString& haystack, const QString& text)
{
    for (const QString& w : folded(text).split(u' ', Qt::SkipEmptyParts))
        if (!haystack.contains(u' ' + w + u' '))
            return false;
    return true;
}

bool isStored(const Item& item, const Stored& s, const QString& notes = QString())
{
    switch (item.kind) {
    case Item::Words: return holdsWords(s.words + folded(notes) + u' ', item.text);
    case Item::Number: return !dialled(item.text).isEmpty() && s.numbers.split(u' ').contains(dialled(item.text));
    case Item::Date: {
        QString d = item.text;
        d.remove(QRegularExpression(QStringLiteral("[^0-9]")));
        return !d.isEmpty() && s.dates.endsWith(d.left(8).right(d.startsWith(QLatin1String("--")) ? 4 : 8));
    }
    case Item::Name: return false;
    }
    return false;
}

// The note may quote the value, or name the property it came from.
bool isNoted(const Item& item, const QString& notes)
{
    const QRegularExpression name(QStringLiteral("(^|[^A-Z0-9-])") + QRegularExpression::escape(item.property)
                                  + QStringLiteral("($|[^A-Z0-9-])"));
    if (name.match(notes).hasMatch())
        return true;
    const QString haystack = u' ' + folded(notes) + u' ';
    return item.kind != Item::Name &&
           (holdsWords(haystack, item.text) || (!item.of.isEmpty() && holdsWords(haystack, item.of)));
}

struct Tally {
    int items = 0, stored = 0, noted = 0, silent = 0;
    Tally& operator+=(const Tally& o)
    {
        items += o.items, stored += o.stored, noted += o.noted, silent += o.silent;
        return *this;
    }
};

struct FileResult {
    int cards = 0, contacts = 0, notes = 0;
    QString refused;
    Tally tally;
    QStringList silent;
};

void attach(Connection& c, const QString& path)
{
    c.setDatabaseName(path);
    c.params = QStringList{"user_name=SYSDBA", "password=masterkey", "lc_ctype=ISO8859_1"};
}

FileResult importFile(const QString& file, const QString& emptyBook, const QString& book)
{
    FileResult r;
    QFile f(file);
    f.open(QIODevice::ReadOnly);
    const QByteArray bytes = f.readAll();
    const ContactsRead read = readContacts(bytes);
    if (read.error) {
        r.refused = readErrorText(*read.error);
        return r;
    }
    const vcard::ReadResult cards = vcard::readCards(bytes);
    r.cards = int(read.contacts.size());

    QFile::remove(book);
    QFile::copy(emptyBook, book);
    QFile::setPermissions(book, QFile::ReadOwner | QFile::WriteOwner);
    Connection c;
    attach(c, book);
    c.open();
    ImportPlan plan;
    StoredImport stored;
    {
        ImportTransaction import(c);
        plan = planImport(read.contacts, import.lookups(), ImportOptions{});
        stored = import.store(plan);
    }
    r.contacts = int(stored.contactIds.size());
    const ImportSummary summary = importSummary(plan, QFileInfo(file).fileName());
    for (const CardSummary& s : summary.cards)
        r.notes += int(s.notes.size());

    DbTransaction tr(c, DbTransaction::readCommitted());
    for (int i = 0; i < int(plan.cards.size()) && i < int(cards.cards.size()); ++i) {
        const int at = plan.contactOfCard(i);
        Stored s;
        if (at >= 0) {
            const QList<Contact> back = readContactsForExport(tr, QList<int>{stored.contactIds[at]});
            if (!back.isEmpty())
                s = storedOf(back.first(), salutationOf(tr, stored.contactIds[at]));
        }
        QStringList noteTexts;
        for (const Note& n : plan.cards[i].notes)
            noteTexts << noteText(n);
        const QString notes = noteTexts.join(u'\n');
        for (const Item& item : itemsOf(cards.cards[i])) {
            ++r.tally.items;
            if (isStored(item, s))
                ++r.tally.stored;
            // Some words stored, the others noted (a name suffix, say).
            else if (isNoted(item, notes) || isStored(item, s, notes) || (!plan.cards[i].imported && !notes.isEmpty()))
                ++r.tally.noted;
            else {
                ++r.tally.silent;
                r.silent << QStringLiteral(" line %1: %2 \"%3\"")
                                .arg(cards.cards[i].line)
                                .arg(item.property, item.text.left(60).replace(u'\n', u' '));
            }
        }
    }
    tr.commit();
    c.close();
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QString folder =
        QFileInfo(QStringLiteral(PELLORI_SCHEMA_SQL)).dir().filePath(QStringLiteral("../../shared/vcard-corpus"));
    bool listSilent = false;
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--silent")
            listSilent = true;
        else
            folder = QString::fromLocal8Bit(argv[i]);
    }
    const QDir dir(folder);
    const QStringList files = dir.entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        std::printf("no .vcf files in %s\n", qPrintable(QDir::cleanPath(dir.absolutePath())));
        return 0;
    }
    QTemporaryDir tmp;
    const QString empty = tmp.filePath(QStringLiteral("empty.qvx"));
    bench::createWithSchema(empty);

    std::printf("| File | Cards | Contacts | Notes | Items | Stored | Noted | Silent | Refused |\n"
                "|---|---:|---:|---:|---:|---:|---:|---:|---|\n");
    FileResult total;
    int refused = 0;
    for (const QString& name : files) {
        const FileResult r = importFile(dir.filePath(name), empty, tmp.filePath(QStringLiteral("book.qvx")));
        std::printf("| %s | %d | %d | %d | %d | %d | %d | %d | %s |\n", qPrintable(name), r.cards, r.contacts, r.notes,
                    r.tally.items, r.tally.stored, r.tally.noted, r.tally.silent,
                    qPrintable(QString(r.refused).replace(u'|', u'/')));
        if (listSilent)
            for (const QString& s : r.silent)
                std::printf("    silent: %s\n", qPrintable(s));
        total.cards += r.cards, total.contacts += r.contacts, total.notes += r.notes;
        total.tally += r.tally;
        refused += r.refused.isEmpty() ? 0 : 1;
    }
    std::printf("| **%lld files** | %d | %d | %d | %d | %d | %d | %d | %d refused |\n",
                static_cast<long long>(files.size()), total.cards, total.contacts, total.notes, total.tally.items,
                total.tally.stored, total.tally.noted, total.tally.silent, refused);
    return 0;
}
