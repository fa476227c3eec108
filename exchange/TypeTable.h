#pragma once
// How vCard TYPE values and Pellori's type names match, in both directions.
// One table: each row names the TYPE values an entry must carry and the type
// names they stand for, the seeded German name first; a row with more values
// is more specific and wins over one with fewer.
#include <QList>
#include <QString>
#include <QStringList>

namespace pellori::exchange {

enum class DetailKind { Number, Email, Web, Address };

struct TypeMatch {
    DetailKind kind;
    QStringList words;   // lower case; all must be present
    QStringList names;   // matched without regard to case; export writes the words for any of them
    bool writeWords = true;   // false: the words are the reader's own, export writes a label instead
};

// What the reader adds to an address that holds a post office box and no street.
inline constexpr const char* kPostOfficeBoxWord = "x-pobox";

const QList<TypeMatch>& typeTable();

// TYPE values as matching sees them: lower case, synonyms folded
// ("mobile" as "cell", "business" as "work"), words that tell nothing
// ("voice", "internet", "pref") left out.
QStringList typeWords(const QStringList& values);

// The type names the table offers for an entry of that kind and those TYPE
// values, best first.
QStringList typeNamesFor(DetailKind kind, const QStringList& values);

// The table's row for a type name, or nullptr.
const TypeMatch* typeRowOf(DetailKind kind, const QString& name);
// The row among Email and Web that knows the name, or nullptr.
const TypeMatch* internetRowOf(const QString& name);

// What a type is, for moving an entry to another type of the same kind:
// "voice", "cell", "fax", "pager" ... for numbers, "email" or "web" for
// internet entries, "address"; empty for a name the table does not know.
QString typeClass(DetailKind kind, const QString& name);
// The same for an entry by its TYPE values.
QString entryClass(DetailKind kind, const QStringList& values);
// Whether a label says something the table knows of that kind: a type name
// of its rows ("Work mobile"), or TYPE words ("Mobile", "Work fax").
bool labelKnown(DetailKind kind, const QString& label);

// Salutations that mean the same ("Mr." and "Herr"), the word itself included.
QStringList salutationSynonyms(const QString& word);

} // namespace pellori::exchange
