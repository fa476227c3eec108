#pragma once
// What an import will store: from the contacts read from a file and the
// lookup lists of the database, the exact column values of every row, the
// groups, titles and companies to create first, and for each card what
// could not be stored as it was, and why. Pure: the caller runs the
// statements, in one transaction, in the order the plan gives.
#include "exchange/Contact.h"
#include "exchange/Messages.h"

#include <QDate>
#include <QHash>
#include <optional>

namespace pellori::exchange {

// What a card describes: a contact, a group of contacts (vCard 4.0's
// KIND:group, Apple's X-ADDRESSBOOKSERVER-KIND:group), or a place.
enum class CardKind { Contact, Group, Place };

struct CardContact {
    int line = 0;          // where the card begins
    CardKind kind = CardKind::Contact;
    Contact contact;       // a group's name is contact.name1
    QList<Note> notes;     // what the card holds that the contact has no place for
    bool hasName = true;   // false: nothing to file it under, not to be imported
    QString uid;           // UID, as group cards name their members
    QStringList members;   // a group's MEMBER values, as written
};

struct NamedKey {
    int id = 0;
    QString name;
};

struct CompanyKey {
    int id = 0;        // O_ID
    QString name1;     // O_NAME1
    QString name2;     // O_NAME2
};

struct Lookups {
    // Type lists in their sort order (CT_SORTID, IT_SORT, AT_SORTID): a
    // repeated type moves to the next free type after it in this order.
    QList<NamedKey> addressTypes, communicationTypes, internetTypes;
    QList<NamedKey> groups, salutations, titles;
    QList<CompanyKey> companies;
    // The book keeps postcodes as written (A_POSTCODE_TEXT): every postcode is
    // stored as the card has it, and no question is asked about any.
    bool writtenPostcodes = false;
};

// The six standard type keys of the configuration: the type an entry gets
// when none of the type names matches.
struct StandardTypes {
    int address = 1, addressCompany = 1, communication = 1, communicationCompany = 1, internet = 1,
        internetCompany = 1;
};

enum class PostcodePolicy {
    InFrontOfTown,   // postcode 0, the written postcode before the town
    SkipAddress,     // the address is not stored
};

struct ImportOptions {
    StandardTypes standard;
    PostcodePolicy postcodes = PostcodePolicy::InFrontOfTown;
};

// A key the database holds already, or one the import creates.
struct KeyRef {
    std::optional<int> existing;
    int created = -1;    // index into the list of rows the plan creates
    bool isSet() const { return existing.has_value() || created >= 0; }
    bool operator==(const KeyRef&) const = default;
};

// Column values as the database takes them. Text columns that allow NULL
// hold a null QString for NULL; the others are never null. Every text holds
// only ISO-8859-1 characters and fits its column.
struct PlannedAddress {
    int A_ATID = 0;
    QString A_PREF;
    qint64 A_POSTCODE = 0;
    QString A_POSTCODE_TEXT;      // null: none, or a book without the column
    QString A_TOWN, A_STREET, A_COUNTRY;
};

struct PlannedNumber {
    int C_CTID = 0;
    QString C_PREF, C_PREFIX, C_NUMBER, C_ASSISTENT;
};

struct PlannedInternet {
    int I_ITID = 0;
    QString I_NAME, I_PREF;
};

struct PlannedContact {
    int card = -1;                // the card it comes from; -1: a company created for persons who work there
    QString O_TYPE;               // "P" or "C"
    QString O_NAME1, O_NAME2, O_ADDITIONAL;
    // The person row, for O_TYPE "P" only. P_SID unset: the book has no salutation at all.
    std::optional<int> P_SID;
    KeyRef P_TID;                 // created: index into ImportPlan::newTitles
    QDate P_BIRTHDAY;             // invalid: NULL
    QString P_NICKNAME;
    KeyRef P_CID;                 // created: index into ImportPlan::contacts, always before this one
    QString P_ALIVE;
    QList<PlannedAddress> addresses;
    QList<PlannedNumber> numbers;
    QList<PlannedInternet> internet;
    QList<KeyRef> groups;         // B2G_GID; created: index into ImportPlan::newGroups
    QString uid;                  // the card's own UID, kept as the contact's identifier
    bool givenDefaultSalutation = false;   // P_SID is the book's first, as the card names none
};

// A card that is a contact of the book already, and what it adds to that
// contact: the fields the contact lacks (unset: left as they are) and the
// details it lacks. Nothing of the contact is removed or overwritten.
struct PlannedUpdate {
    int card = -1;
    int O_ID = 0;
    std::optional<QString> O_NAME2, O_ADDITIONAL, P_NICKNAME;
    KeyRef P_TID, P_CID;          // unset: left as they are
    QDate P_BIRTHDAY;             // invalid: left as it is
    QList<PlannedAddress> addresses;
    QList<PlannedNumber> numbers;
    QList<PlannedInternet> internet;
    QList<KeyRef> groups;

    bool changesNothing() const
    {
        return !O_NAME2 && !O_ADDITIONAL && !P_NICKNAME && !P_TID.isSet() && !P_CID.isSet() && !P_BIRTHDAY.isValid()
               && addresses.isEmpty() && numbers.isEmpty() && internet.isEmpty() && groups.isEmpty();
    }
};

// What became of a card.
enum class CardOutcome {
    Added,       // a new contact
    Updated,     // a contact of the book, given what it lacked
    Unchanged,   // a contact of the book that had everything already
    Skipped,     // a contact of the book, left out as the user chose
};

struct CardReport {
    int line = 0;
    QString name;                 // as the contact list will show it
    bool imported = false;
    QList<Note> notes;
    CardOutcome outcome = CardOutcome::Added;
    QList<std::pair<Field, QString>> added;   // Updated: what the contact was given, as the card writes it
};

struct ImportPlan {
    QStringList newTitles;        // T_NAME, to insert first
    QStringList newGroups;        // G_NAME, to insert first
    // Companies first, then the companies only named as employers, then
    // persons: every P_CID.created points to an earlier contact.
    QList<PlannedContact> contacts;
    QList<PlannedUpdate> updates; // contacts of the book the cards add to, stored after the new ones
    QList<CardReport> cards;      // one per card, in file order
    int postcodesNotNumbers = 0;  // addresses the postcode policy decided (a book without written postcodes)
    // Persons whose card names no salutation get the book's first (lowest
    // key), as a person made in the editor does; an export leaves it out again.
    QString defaultSalutation;
    int defaultSalutations = 0;   // persons given it

    // Index into contacts of the contact made of that card, or -1.
    int contactOfCard(int card) const;
    // Drops the contacts made of those cards (they are contacts of the book:
    // `known` gives each its O_ID, which the others' employer keys then name),
    // and the titles, groups and employers no one needs any more.
    void dropCards(const QHash<int, int>& known);
};

// The name the contact list shows: "Family, First" for a person, "Name1 Name2"
// for a company, the first line alone when the second is blank.
QString listName(const QString& O_TYPE, const QString& O_NAME1, const QString& O_NAME2);

ImportPlan planImport(const QList<CardContact>& cards, const Lookups& lookups, const ImportOptions& options);

// Column lengths of the schema.
namespace columns {
inline constexpr int O_NAME1 = 60, O_NAME2 = 60, P_NICKNAME = 50, T_NAME = 50, G_NAME = 50, C_PREFIX = 10,
                     C_NUMBER = 20, C_ASSISTENT = 50, I_NAME = 100, A_TOWN = 100, A_STREET = 100, A_COUNTRY = 30;
}

} // namespace pellori::exchange
