#pragma once
// LDIF entries as contacts and back, in the attributes of Thunderbird's
// address book (mozillaAbPersonAlpha): names, two e-mail addresses, five
// numbers, a home and a work address, company and department, two web
// pages, the birthday and notes; groupOfNames entries are groups, whose
// members are the entries their DNs name.
#include "exchange/ContactText.h"
#include "exchange/ImportPlan.h"
#include "exchange/csv/CsvWriter.h"
#include "exchange/ldif/LdifReader.h"

namespace pellori::exchange {

// One card per entry, in file order: a group entry as a group card whose
// members are the DNs of its entries, every other entry as a contact
// (its DN is the identity its groups name it by).
QList<exchange::CardContact> ldifContacts(const QList<LdifEntry>& entries);

// Thunderbird's shape: the groups first, each naming its members by DN,
// then the contacts; UTF-8, values that are not plain ASCII in base64.
// What the shape has no attribute for is told to the caller.
CsvWritten writeLdif(const QList<exchange::Contact>& contacts);

} // namespace pellori::exchange
