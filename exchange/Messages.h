#pragma once
// What the vCard import tells the user: why a file cannot be read, and for
// each card what could not be stored as it was. Both are kept as data (a kind
// and its values) and turned into text only when shown, from templates with
// %NAME% placeholders that a language catalogue may replace.
#include <QList>
#include <QString>
#include <functional>

namespace pellori::interop {

// The text for a catalogue key; given the built-in text for when there is none.
using TextSource = std::function<QString(const char* key, const char* builtIn)>;

struct MessageKey {
    const char* key;
    const char* builtIn;   // ASCII
};
// Every template and field name below, for a catalogue section of their own.
const QList<MessageKey>& messageKeys();

enum class ReadErrorKind {
    NoCard,            // the file holds no card at all
    BeginExpected,     // text outside a card
    NoColon,           // a property without ':' before its value
    BadName,           // a group or property name with other than letters, digits, '-'
    OpenQuote,         // a quoted parameter value without its closing quote
    NestedBegin,       // BEGIN:VCARD inside a card
    NoEnd,             // the file ends inside a card
    BadVersion,        // a version other than 2.1, 3.0, 4.0
    UnknownCharset,    // a CHARSET parameter this reader cannot decode
};

struct ReadError {
    ReadErrorKind kind = ReadErrorKind::NoCard;
    int line = 0;
    int otherLine = 0;     // NestedBegin: where the open card began
    QString text;          // the offending text, shortened
};

QString readErrorText(const ReadError& error, const TextSource& texts = {});

// The columns a note can be about.
enum class Field {
    None, FamilyName, FirstName, CompanyName1, CompanyName2, Nickname, Title, Birthday, Employer,
    Group, Prefix, Number, Assistent, Internet, Street, Town, Postcode, Country, Region,
    PostOfficeBox, NameSuffix, JobTitle, Organization, Additional,
};

enum class NoteKind {
    PostcodeInFrontOfTown,  // value: postcode; stored: the town as stored
    PostcodeSkipped,        // value: postcode; stored: the address as read
    PostcodeMissing,        // value: the address as read
    ReplacedCharacters,     // value, stored; detail: the characters outside ISO-8859-1
    Cut,                    // value, stored; length: the column's length
    TypeTaken,              // value; detail: the type asked for; stored: the type given
    NoFreeType,             // value; detail: the type asked for
    NoType,                 // value: there is no type of its kind at all
    NoColumn,               // value: what Pellori has no column for
    PropertiesNotStored,    // value: the property names
    NoName,                 // the card is not imported
    BirthdayWithoutYear,    // value: the date as written
    NotADate,               // value
    NoPrefix,               // value: the number
};

struct Note {
    NoteKind kind = NoteKind::NoName;
    Field field = Field::None;
    QString value;
    QString stored;
    QString detail;
    int length = 0;

    bool operator==(const Note&) const = default;
};

// The catalogue's text of the key, or its built-in one without a catalogue.
QString messageText(const MessageKey& key, const TextSource& texts = {});
// Every placeholder replaced by its value in one pass, so that a value
// holding "%...%" itself stays as it is.
QString fillPlaceholders(const QString& text, const QList<std::pair<QString, QString>>& values);

QString fieldName(Field field, const TextSource& texts = {});
QString noteText(const Note& note, const TextSource& texts = {});

} // namespace pellori::interop
