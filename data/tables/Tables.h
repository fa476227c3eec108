#pragma once
// One description for each table the windows and the import write (the
// schema's, data/schema.sql), with the columns in the order their statements
// have always named them.
#include "data/tables/Table.h"

namespace pellori::tables {

// Contacts: the object row of every contact, the person row of a person.
const Table& object();
const Table& person();
// A contact's details.
const Table& address();
// The same with the postcode as written, in a book that has its column.
const Table& addressWithWrittenPostcode();
const Table& communication();
const Table& internet();
const Table& belong2group();
// How the quick-add dialogs write a new contact's object row: the kind given
// by the statement itself, the columns in the order each has always named
// them; a modify (never run) sets the names and the additional text.
Writes newPersonWrites();
Writes newCompanyWrites();

// The lookup lists.
const Table& addressType();
const Table& communicationType();
const Table& internetType();
const Table& groupt();
const Table& salutation();
const Table& title();

} // namespace pellori::tables
