#pragma once
// Cards to contacts and back. Reading a card keeps everything Pellori has a
// place for and notes the rest; writing a card gives each Pellori value the
// vCard 4.0 property that other programs read, so that reading it back gives
// the same contact.
#include "exchange/ImportPlan.h"
#include "exchange/vcard/VCard.h"

#include <QByteArray>
#include <optional>

namespace pellori::exchange {

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

// The TEL parameter an export adds when the written number does not split
// back into its prefix and number: it names the prefix.
inline constexpr const char* kPrefixParameter = "X-PELLORI-PREFIX";
} // namespace pellori::exchange
