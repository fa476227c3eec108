#pragma once
// What the attached user may do with the book. A single-file book grants
// everything to everyone (the file's permissions protect it); a book shared
// on a server grants nothing to PUBLIC and everything through two roles.
class QString;

namespace pellori {

class DbTransaction;

// The roles of a shared book: the editor reads and changes contacts and
// lookup lists, the reader only reads.
inline constexpr const char* kEditorRole = "PELLORI_EDITOR";
inline constexpr const char* kReaderRole = "PELLORI_READER";

// Whether the user may change the book, asked of the engine itself: a change
// that touches no row is prepared and run, so whatever decides (the user's own
// grants, the role, PUBLIC, SYSDBA or the owner) is counted as it would be for
// a real change. Attaches when needed; throws any error but a refusal.
bool mayChangeBook(DbTransaction& tr);

} // namespace pellori
