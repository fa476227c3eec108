#pragma once
// What the vCard import tells the user: why a file cannot be read, and for
// each card what could not be stored as it was. Both are kept as data (a kind
// and its values) and turned into text only when shown, from templates with
// %NAME% placeholders that a language catalogue may replace.
#include <QList>
#include <QString>
#include <functional>

namespace pellori::exchange {

// The text for a catalogue key; given the built-in text for when there is none.
using TextSource = std::function<QString(const char* key, const char* builtIn)>;

struct MessageKey {
    const char* key;
    const char* builtIn;   // ASCII
};
// Every template and field name below, for a catalogue section of their own.
const QList<MessageKey>& messageKeys();

// What refuses a file as a whole: it is no vCard file, or it breaks off
// inside a card. Whatever is wrong inside a card is a note of that card.
enum class ReadErrorKind {
    NoCard,            // the file holds no card at all
    BeginExpected,     // text outside a card
    NestedBegin,       // the file ends inside a card that holds another card
    NoEnd,             // the file ends inside a card
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
    PostOfficeBox, NameSuffix, JobTitle, Organization, Additional, Name, Address, FullName,
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
    // What the reader could not read as it stands (line: where).
    LineNotRead,            // value: the line
    CommentLine,            // value: the line
    UnknownCharset,         // value: the character set; detail: what the text was read as
    UnknownVersion,         // value: the version
    NestedCard,             // a card begins inside this one, at line
    // Cards that are no person or company, or have no name of their own.
    NamedByEmail,           // value: the e-mail address the card is filed under
    GroupCard,              // value: the group; length: members of the file added to it
    MemberNotFound,         // value: the member as written
    PlaceCard,              // the card describes a place: not imported
    // Details the card holds in a shape the book does not.
    MoreComponents,         // value: the components beyond those vCard defines
    AddressFromLabel,       // value: the label; stored: the street; detail: the town
    LabelNoType,            // value; detail: the label; stored: the type given
    PostcodeLeadingZero,    // value: the postcode; stored: the number
    // A card that is a contact of the book already.
    NameKept,               // value: the card's name; stored: the book's, which stays
};

struct Note {
    NoteKind kind = NoteKind::NoName;
    Field field = Field::None;
    QString value;
    QString stored;
    QString detail;
    int length = 0;
    int line = 0;

    bool operator==(const Note&) const = default;
};

// The catalogue's text of the key, or its built-in one without a catalogue.
QString messageText(const MessageKey& key, const TextSource& texts = {});
// Every placeholder replaced by its value in one pass, so that a value
// holding "%...%" itself stays as it is.
QString fillPlaceholders(const QString& text, const QList<std::pair<QString, QString>>& values);

QString fieldName(Field field, const TextSource& texts = {});
QString noteText(const Note& note, const TextSource& texts = {});

} // namespace pellori::exchange
