#pragma once
// Cards to contacts and back. Reading a card keeps everything Pellori has a
// place for and notes the rest; writing a card gives each Pellori value the
// vCard 4.0 property that other programs read, so that reading it back gives
// the same contact.
#include "exchange/Contact.h"
#include "exchange/Messages.h"
#include "exchange/VCard.h"

#include <QByteArray>
#include <optional>

namespace pellori::interop {

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

// A person, or a company: by KIND:org, or by an ORG with neither a name in N
// nor a full name other than the organisation's.
CardContact contactFromCard(const vcard::Card& card);
vcard::Card contactToCard(const Contact& contact);

struct ContactsRead {
    QList<CardContact> contacts;     // one per card, in file order
    std::optional<ReadError> error;  // then no contacts at all
};

ContactsRead readContacts(const QByteArray& bytes);
QByteArray writeContacts(const QList<Contact>& contacts);

// Prefix and number of a telephone number as written: at the first slash, or
// else the first blank (after a country code the area code stays with it:
// "+49 221 7391122" gives "+49 221"); without either, the country code and
// the three digits after it, or the first four digits of a number that
// begins with 0, or the first three of any other. Numbers of up to six
// digits, and numbers that dial more than digits ("*86", "#31#", pauses
// and extensions after ',' or ';'), keep an empty prefix and are kept as
// written.
struct SplitNumber {
    QString prefix;
    QString number;
    bool operator==(const SplitNumber&) const = default;
};
SplitNumber splitNumber(const QString& text);
// The written form that splitNumber gives back as the same prefix and number,
// where there is one; else prefix and number joined by a blank.
QString joinNumber(const QString& prefix, const QString& number);
// The TEL parameter an export adds when the written number does not split
// back into its prefix and number: it names the prefix.
inline constexpr const char* kPrefixParameter = "X-PELLORI-PREFIX";
// The parts that hold more than blanks, trimmed and joined.
QString joinNonEmpty(const QStringList& parts, const QString& separator = QStringLiteral(" "));

} // namespace pellori::interop
