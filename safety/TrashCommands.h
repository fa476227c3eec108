#pragma once
// The trash's commands: deleting with a copy kept, undoing the deletes of this
// session newest first, and the trash window's restore, purge and empty. Each
// tells the user what it could not do, through the message service.
#include "safety/Trash.h"

#include <QList>
#include <memory>

class QWidget;

namespace pellori {

class Session;
class TLang;

// Owned by the main window, after (so destroyed before) its session. Remembers
// the contacts deleted through it in this session.
class UndoDeletes {
public:
    explicit UndoDeletes(Session& session);
    ~UndoDeletes();
    UndoDeletes(const UndoDeletes&) = delete;
    UndoDeletes& operator=(const UndoDeletes&) = delete;

    // "Delete item", after its question: the contact with all its rows, its
    // copy into the trash in the same step (where the book has a trash).
    // Throws the database's refusal with nothing deleted.
    void deleteContact(int key);
    bool canUndo() const { return !m_entries.isEmpty(); }
    // Ctrl+Z: brings back the contact deleted last; returns its key to make it
    // current, 0 when none came back (the message says why).
    int undo(QWidget* owner);
    // An entry restored or purged elsewhere (the trash window).
    void forget(int entry) { m_entries.removeAll(entry); }
    // The book was replaced: its deletes are not this book's.
    void clear() { m_entries.clear(); }

    Trash& trash() { return m_trash; }

private:
    Session& m_session;
    Trash m_trash;
    std::unique_ptr<ContactDeletion> m_deletion;
    QList<int> m_entries;   // newest last
};

// System > Trash...: returns the key of the contact restored last (0 when
// none), for the list to be read again with it current.
int openTrash(Session& session, QWidget* owner, UndoDeletes* undo = nullptr);

namespace trashcommands {
// Each shows what went wrong; the restore returns the contact's key, 0 when it did not come back.
int restore(Session& session, Trash& trash, QWidget* owner, const TrashEntry& entry);
bool purge(Session& session, Trash& trash, QWidget* owner, const TrashEntry& entry);
bool empty(Session& session, Trash& trash, QWidget* owner, const QList<TrashEntry>& shown);
// What a restore says: nothing when the contact came back as it was.
QString restoreMessage(const TLang& lang, const Restored& restored);
// Whether the book is reached through a server ("host:path").
bool sharedBook(const QString& databaseName);
} // namespace trashcommands

} // namespace pellori
