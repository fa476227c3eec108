#pragma once
// The steps that bring a book made by data/schema.sql up to what this program
// uses. Each step only adds: new tables, generators, triggers, grants, or
// nullable columns; no column of the schema ever changes, so every program that
// reads the schema keeps reading the book.
//
// A step is DDL only. Firebird 3 keeps a new table or column unknown to every
// statement prepared in the transaction that creates it (even through execute
// statement), while DML on tables that existed before runs beside the DDL and
// rolls back with it. So all missing steps and their records in pellori_upgrade
// go in one transaction, and no step may write rows into what it creates: such
// rows are written by the feature at first use, by a trigger, or by the step's
// fill, which runs in a transaction of its own once the structure is committed.
#include <vector>

namespace pellori::upgrades {

struct Step {
    // Recorded in the book once applied; never renamed or reused.
    const char* name;
    // Catalogue key of what the program lacks while the step is missing.
    const char* feature;
    std::vector<const char*> statements;
    // Rows the new storage needs from the book as it stands (what its triggers
    // keep current from then on): run after the structure is committed, in one
    // transaction, and again until `filled` finds them complete. Each statement
    // is safe to run twice. None for most steps.
    std::vector<const char*> fill = {};
    // A select of one number: greater than 0 once the fill has completed.
    const char* filled = nullptr;
    // Only a book shared on a server gets the step (through the
    // administrator's script); a single-file book neither gets nor lacks it.
    bool serverOnly = false;
};

// In the order they are applied. A new feature appends one row.
const std::vector<Step>& steps();

// Names of the steps, for features that test theirs.
namespace step {
inline constexpr const char* kTrash = "trash";
inline constexpr const char* kHistory = "history";
inline constexpr const char* kIdentity = "identity";
inline constexpr const char* kWrittenPostcode = "writtenpostcode";
inline constexpr const char* kSearch = "search";
}

// The stored contact list and the words of every detail, kept by triggers.
Step searchStep();

} // namespace pellori::upgrades
