#pragma once
// A contact as Pellori keeps it, with names instead of keys: what an export
// reads from the database and an import makes of a card. Texts are full
// Unicode here; the import planner makes them fit the database.
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace pellori::exchange {

enum class ContactKind { Person, Company };

// The date column always holds a year; a birthday known without one is kept
// in this year, a leap year, so that 29 February fits, and exported without it.
inline constexpr int kYearUnknown = 1604;

// Each detail names its type by the Pellori type name (export), or by the
// label a card gives it (import), and carries the card's TYPE values, from
// which the planner chooses a type when no type has that name. ownLabel: the
// label is one the card's writer let its user type, not one of its own
// ("_$!<Mobile>!$_"), so that one naming no type is worth a note.
struct ContactNumber {
    QString type;
    QStringList typeWords;
    bool ownLabel = false;
    QString prefix;
    QString number;
    QString written;     // import: the number as the card writes it, for the summary
    QString assistant;
    bool preferred = false;
};

enum class InternetKind { Email, Web };

struct ContactInternet {
    QString type;
    QStringList typeWords;
    bool ownLabel = false;
    InternetKind kind = InternetKind::Email;   // from the card; export goes by the type name
    QString address;
    bool preferred = false;
};

struct ContactAddress {
    QString type;
    QStringList typeWords;
    bool ownLabel = false;
    QString street;
    QString town;
    QString postcode;    // as written; an export passes it as shown, "0" for none
    QString country;
    bool preferred = false;
};

struct Contact {
    ContactKind kind = ContactKind::Person;
    QString name1;       // company name line 1, or the family name
    QString name2;       // company name line 2, or the first names
    // Persons only.
    QString salutation;  // empty on import: the title text may begin with it
    QString title;
    QString nickname;
    QDate birthday;      // invalid when none
    bool alive = true;
    QString employer1, employer2;   // the company the person works at
    // Both kinds.
    QString additional;
    QList<ContactNumber> numbers;
    QList<ContactInternet> internet;
    QList<ContactAddress> addresses;
    QStringList groups;
    // Export: the contact's lasting identifier and its last change (invalid:
    // unknown), where the book keeps them. An import keeps a card's own UID.
    QString uid;
    QDateTime changed;
};

} // namespace pellori::exchange
