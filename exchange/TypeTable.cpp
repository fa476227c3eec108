#include "exchange/TypeTable.h"

#include <algorithm>

namespace pellori::exchange {

namespace {

using enum DetailKind;

struct WordSynonym {
    const char* word;
    const char* means;
};

constexpr WordSynonym kWordSynonyms[] = {
    {.word = "mobile", .means = "cell"},     {.word = "iphone", .means = "cell"},
    {.word = "business", .means = "work"},   {.word = "private", .means = "home"},
    {.word = "facsimile", .means = "fax"},   {.word = "telefax", .means = "fax"},
    {.word = "sms", .means = "text"},        {.word = "msg", .means = "text"},
};

// "postal" and "parcel" say what an address is used for, not whose it is.
constexpr const char* kNoiseWords[] = {"voice", "internet", "pref", "x400", "dom", "intl", "postal", "parcel", "other"};

} // namespace

const QList<TypeMatch>& typeTable()
{
    // Most specific first among rows of equal length: "fax,home" is a fax.
    static const QList<TypeMatch> table = {
        {.kind = Number, .words = {"cell", "work"},
         .names = {"Mobil geschäftlich", "Mobile business", "Business mobile", "Work mobile"}},
        {.kind = Number, .words = {"fax", "work"}, .names = {"Fax geschäftlich", "Business fax", "Work fax"}},
        {.kind = Number, .words = {"cell"}, .names = {"Mobil", "Mobile", "Cell", "Handy", "Mobiltelefon"}},
        {.kind = Number, .words = {"fax"}, .names = {"Fax", "Telefax", "Home fax"}},
        {.kind = Number, .words = {"pager"}, .names = {"Pager"}},
        {.kind = Number, .words = {"video"}, .names = {"Video", "Videotelefon"}},
        {.kind = Number, .words = {"textphone"}, .names = {"Textphone", "Schreibtelefon"}},
        {.kind = Number, .words = {"text"}, .names = {"SMS", "Text"}},
        {.kind = Number, .words = {"car"}, .names = {"Autotelefon", "Car phone"}},
        {.kind = Number, .words = {"isdn"}, .names = {"ISDN"}},
        {.kind = Number, .words = {"work"},
         .names = {"Telefon geschäftlich", "Business phone", "Work phone", "Work", "Geschäftlich"}},
        {.kind = Number, .words = {"home"},
         .names = {"Telefon", "Telefon privat", "Home phone", "Phone", "Home", "Privat"}},

        {.kind = Email, .words = {"work"},
         .names = {"E-Mail geschäftlich", "Business e-mail", "Work e-mail", "Work email"}},
        {.kind = Email, .words = {"home"},
         .names = {"E-Mail", "E-Mail privat", "Email", "E-mail", "Home e-mail", "Home email"}},

        {.kind = Web, .words = {"work"}, .names = {"Homepage geschäftlich", "Business homepage", "Work website"}},
        {.kind = Web, .words = {}, .names = {"Homepage", "Website", "Web", "Internet", "URL"}},

        {.kind = Address, .words = {"work"}, .names = {"Geschäftlich", "Business", "Work", "Firma", "Büro"}},
        // An address of a post office box alone; vCard has no TYPE value for it.
        {.kind = Address, .words = {kPostOfficeBoxWord}, .names = {"Postfach", "PO box", "Post office box"},
         .writeWords = false},
        {.kind = Address, .words = {"home"}, .names = {"Privat", "Home", "Private", "Wohnung"}},
    };
    return table;
}

QStringList typeWords(const QStringList& values)
{
    QStringList words;
    for (const QString& v : values) {
        QString w = v.trimmed().toLower();
        for (const WordSynonym& s : kWordSynonyms)
            if (w == QLatin1String(s.word))
                w = QLatin1String(s.means);
        if (std::none_of(std::begin(kNoiseWords), std::end(kNoiseWords),
                         [&](const char* n) { return w == QLatin1String(n); }) &&
            !w.isEmpty() && !words.contains(w))
            words << w;
    }
    return words;
}

QStringList typeNamesFor(DetailKind kind, const QStringList& values)
{
    const QStringList words = typeWords(values);
    QList<const TypeMatch*> rows;
    for (const TypeMatch& row : typeTable())
        if (row.kind == kind &&
            std::all_of(row.words.begin(), row.words.end(), [&](const QString& w) { return words.contains(w); }))
            rows << &row;
    std::stable_sort(rows.begin(), rows.end(),
                     [](const TypeMatch* a, const TypeMatch* b) { return a->words.size() > b->words.size(); });
    QStringList names;
    for (const TypeMatch* row : rows)
        names += row->names;
    return names;
}

const TypeMatch* typeRowOf(DetailKind kind, const QString& name)
{
    for (const TypeMatch& row : typeTable())
        if (row.kind == kind && row.names.contains(name, Qt::CaseInsensitive))
            return &row;
    return nullptr;
}

const TypeMatch* internetRowOf(const QString& name)
{
    if (const TypeMatch* row = typeRowOf(Email, name))
        return row;
    return typeRowOf(Web, name);
}

namespace {

// Numbers that are no voice line are told apart by these words, the most
// telling first ("fax,cell" is a fax).
constexpr const char* kNumberClasses[] = {"fax", "cell", "pager", "video", "textphone", "text", "car", "isdn"};

QString numberClass(const QStringList& words)
{
    for (const char* c : kNumberClasses)
        if (words.contains(QLatin1String(c)))
            return QLatin1String(c);
    return QStringLiteral("voice");
}

QString classOf(DetailKind kind, const QStringList& words)
{
    switch (kind) {
    case Number: return numberClass(words);
    case Email: return QStringLiteral("email");
    case Web: return QStringLiteral("web");
    case Address: return QStringLiteral("address");
    }
    return QString();
}

} // namespace

QString typeClass(DetailKind kind, const QString& name)
{
    const TypeMatch* row = kind == Email || kind == Web ? internetRowOf(name) : typeRowOf(kind, name);
    return row ? classOf(row->kind, row->words) : QString();
}

QString entryClass(DetailKind kind, const QStringList& values)
{
    return classOf(kind, typeWords(values));
}

bool labelKnown(DetailKind kind, const QString& label)
{
    const bool internet = kind == Email || kind == Web;
    if (internet ? internetRowOf(label) : typeRowOf(kind, label))
        return true;
    QString spaced = label;
    for (QChar& c : spaced)
        if (!c.isLetterOrNumber())
            c = u' ';
    const QStringList words = typeWords(spaced.split(u' ', Qt::SkipEmptyParts));
    for (const TypeMatch& row : typeTable())
        if ((row.kind == kind || (internet && (row.kind == Email || row.kind == Web))) &&
            std::any_of(row.words.begin(), row.words.end(), [&](const QString& w) { return words.contains(w); }))
            return true;
    return false;
}

QStringList salutationSynonyms(const QString& word)
{
    static const QList<QStringList> groups = {
        {"Herr", "Mr", "Mr.", "Hr.", "Hr", "Monsieur", "M.", "Dhr.", "Sig.", "Sr."},
        {"Frau", "Mrs", "Mrs.", "Ms", "Ms.", "Fr.", "Fr", "Madame", "Mme", "Mme.", "Miss", "Mevr.", "Sig.ra", "Sra."},
        {"Familie", "Family", "Fam.", "Fam"},
    };
    for (const QStringList& g : groups)
        if (g.contains(word.trimmed(), Qt::CaseInsensitive))
            return g;
    return {word.trimmed()};
}

} // namespace pellori::exchange
