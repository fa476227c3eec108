#pragma once
// When two contacts are one: the rules an import finds a card's contact by,
// and the reasons the duplicate finder gives for two contacts of the book.
// Pure: facts in, a verdict out.
#include <QDate>
#include <QString>
#include <QStringList>

namespace pellori::cleanup {

// What the rules look at, of a contact of the book or of a card.
struct MatchFacts {
    int key = 0;            // the contact's O_ID; 0 for a card
    char kind = 'P';        // 'P' person, 'C' company
    QString uid;
    QString name1, name2;   // family and first name; a company's two name lines
    QStringList emails;     // as written
    QStringList numbers;    // as written, prefix and number joined
    QDate birthday;         // invalid: none
    QStringList towns;
    int employer = 0;       // the company a person works at (0: none)
};

// The facts brought into the form the rules compare: folded names and towns,
// e-mail addresses without case, numbers as digits.
struct MatchKeys {
    int key = 0;
    char kind = 'P';
    QString uid;            // upper case
    QString family, first;  // folded words joined by blanks
    QString firstWord;      // the first folded word of the first name
    QString sound;          // the phonetic codes of the family name's words (of a company's first line)
    QStringList emails, numbers, towns;
    QDate birthday;
    int employer = 0;

    static MatchKeys of(const MatchFacts& facts);
    // Kind and folded names, for finding contacts of the same name.
    QString nameKey() const;
    bool hasName() const { return !family.isEmpty(); }
};

// Numbers shorter than this (an extension, a short code) say nothing about who it is.
inline constexpr int kMinNumberDigits = 6;

// How a card was found to be a contact of the book.
enum class CardMatch {
    None,
    Uid,               // the card's UID is the contact's identifier
    NameAndEmail,      // the same family and first name, and one shared e-mail address,
    NameAndNumber,     // or telephone number,
    NameAndBirthday,   // or the birthday
};
CardMatch matchCard(const MatchKeys& card, const MatchKeys& contact);

// What an import does with the cards that are contacts of the book already.
enum class MatchPolicy {
    UpdateMatches,   // fill in what the contact lacks, add the details it lacks
    AddAllAsNew,
    SkipMatches,
};

// Why two contacts of the book are likely one, as a set of bits.
enum Reason : unsigned {
    SameName = 1,
    SameEmail = 2,
    SameNumber = 4,
    SimilarNameSameTown = 8,
};
using Reasons = unsigned;
// Every reason that holds for the two (0: none). Only contacts of one kind are
// compared; colleagues (persons of the same company) who share a number or an
// address share the company's line, which alone makes them no duplicates.
Reasons duplicateReasons(const MatchKeys& a, const MatchKeys& b);
// Higher is stronger: the same name weighs most, a similar name in the same town least.
int strength(Reasons reasons);
// Whether the names are alike without being the same: the family names sound
// the same and the first names fit (the same, the same sound, one an initial of
// the other, or one missing).
bool similarNames(const MatchKeys& a, const MatchKeys& b);

} // namespace pellori::cleanup
