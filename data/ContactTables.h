#pragma once
// The tables that hold a contact's rows, parents first: what deleting a
// contact removes, and what the trash keeps of it and brings back. A feature
// that keeps more of a contact in a table of its own (keyed by the contact's
// O_ID, or by a detail row's key) adds one row here; its table is then
// deleted with the contact, copied into the trash and restored with it, in
// books that have it.
#include <vector>

namespace pellori::contacttables {

// What a restored row gets when a row it refers to outside the contact has gone.
enum class WhenGone {
    StandardType,   // the standard type of its kind for persons or companies (settings)
    FirstRow,       // the referenced table's lowest key, as a new row gets it
    Null,
    DropRow,        // the row is not restored
};

enum class TypeKind { None, Address, Communication, Internet };

struct Reference {
    const char* column;
    const char* table;   // the referenced table and its key column
    const char* key;
    WhenGone whenGone = WhenGone::Null;
    TypeKind typeKind = TypeKind::None;   // for StandardType
    const char* note = "";                // catalogue key of what the restore says about it
};

struct ContactTable {
    const char* table;
    // Which rows are the contact's; :o_id is its key.
    const char* owned;
    // The columns that identify a row; a row that a trigger made when the
    // parent came back is overwritten through them, not doubled.
    const char* key;
    // Shown in what a restore says about a row ("%ROW%"), joined by blanks.
    std::vector<const char*> shown = {};
    std::vector<Reference> references = {};
    // Rows only contacts of this kind have ('C' or 'P'; 0: every contact).
    char kind = 0;
    // Made by data/schema.sql, present in every book and deleted by the
    // contact's seven statements; the others are deleted before them, children
    // first, where the book has them.
    bool schema = false;
};

const std::vector<ContactTable>& all();

} // namespace pellori::contacttables
