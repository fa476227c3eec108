#pragma once
// The trash: each deleted contact with every row it had (data/ContactTables),
// kept in pellori_trash until restored or deleted for good. The rows are one
// JSON document per contact, table by table, each value tagged with its type,
// so a later column or table comes along without a change here.
//
// Works in the given transaction (the main one: read committed, no wait), in
// a savepoint, and makes each change durable at once. Two users on one book
// meet on the trash row: the first to restore or purge it takes it, the other
// is told it has gone (or is being taken just now).
#include "data/ContactDeletion.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <map>
#include <memory>

namespace pellori {

class DbTransaction;
class Statement;
struct StandardValues;

struct TrashEntry {
    int id = 0;
    int contact = 0;     // the contact's key, which it gets back
    QString type;        // "C" or "P"
    QString name;        // its name in the list when it was deleted
    QDateTime deleted;
    QString user;        // who deleted it
};

// Something a restore could not bring back as it was: the catalogue key of
// the note and the row it concerns ("%ROW%").
struct RestoreNote {
    QString key;
    QString row;
    bool operator==(const RestoreNote&) const = default;
};

struct Restored {
    enum class Outcome { Done, Gone, AlreadyThere };
    Outcome outcome = Outcome::Gone;
    int contact = 0;
    QString name;
    QList<RestoreNote> notes;
};

class Trash final : public ContactArchive {
public:
    explicit Trash(DbTransaction& transaction);
    ~Trash();

    // Whether the book has the trash (its upgrade step).
    bool available();
    // Copies the contact into the trash; 0 without a trash or without such a contact.
    int keep(DbTransaction& transaction, int key) override;
    // Newest first.
    QList<TrashEntry> entries();
    // Brings the contact back with its key and rows. A type that has gone
    // becomes the standard type, a group or employer that has gone is left
    // out, and each such change is a note.
    Restored restore(int entry, const StandardValues& standard);
    // False when the entry had gone already.
    bool purge(int entry);
    // Purges the entries up to the given one (those the user saw).
    void empty(int upToEntry);

private:
    QStringList columnsOf(DbTransaction& tr, const QString& table);

    DbTransaction& m_transaction;
    // Deleting is frequent: what it needs is prepared once. A step once
    // applied stays, and a table's columns change only with a step, at start.
    bool m_available = false;
    QHash<QString, QStringList> m_columns;
    std::map<QString, std::unique_ptr<Statement>> m_copies;
    std::unique_ptr<Statement> m_insert;
};

namespace trashrows {
// One value as the trash document keeps it, and back.
QString encode(const QVariant& value);   // a null value gives a null string
QVariant decode(const QString& text);
} // namespace trashrows

} // namespace pellori
