#pragma once
// What an export writes: contacts read from the database by key, with the
// names of their types, salutation, title, company and groups in place of
// the keys, so that another book (or this one) can take them in again.
#include "exchange/Contact.h"

#include <optional>

namespace pellori {
class DbTransaction;
}

namespace pellori::exchange {

// The contacts of those keys in that order (a key twice, or of no contact,
// gives nothing more); without keys every contact, in the order of their keys.
QList<Contact> readContactsForExport(DbTransaction& transaction, const std::optional<QList<int>>& keys);

// How many contacts the book holds.
int contactCount(DbTransaction& transaction);
// The name the contact list shows for a contact; empty when there is none of that key.
QString contactListName(DbTransaction& transaction, int key);

} // namespace pellori::exchange
