#pragma once
// The backup commands of the System menu and the backup at the end of the
// program. Each shows what went wrong in the user's words; the book is never
// touched by a failure.
#include <QString>

class QWidget;

namespace pellori {

class Connection;
class Session;
class UndoDeletes;

// System > Back up now...: a backup into the backup folder, with a progress window.
void backUpNow(Session& session, QWidget* owner);

// When the program ends, before the connection closes: a backup when the
// newest is older than the configured age. A failure is shown; it never
// keeps the program from ending (this never throws).
void backUpAtExit(Session& session, QWidget* owner);

// System > Restore from backup...: a chosen backup is restored into a new file
// beside the book, checked, described, and on Yes put in the book's place (the
// old book kept as PELLORI.QVX.before-restore). Returns true when the book was
// replaced: the caller reads its lists again. The undo of deletes (if given)
// forgets the old book's deletes.
bool restoreFromBackup(Session& session, QWidget* owner, UndoDeletes* undo = nullptr);

// Puts `restoredFile` in the place of the connection's book: closes the
// connection (committing its work), keeps the old file as
// "<book>.before-restore", and attaches again, also when the swap failed
// (the old book then stays). Throws AppError saying why it failed.
void replaceBook(Connection& connection, const QString& restoredFile);

} // namespace pellori
