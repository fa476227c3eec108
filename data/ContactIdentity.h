#pragma once
// Each contact's lasting identifier and the time of its last change, kept in
// pellori_identity by the book's own triggers (its upgrade step): a new
// contact gets an identifier ("urn:uuid:..."), every change to it or its
// details renews the time. An export writes them as UID and REV, and an
// import finds the contact by its UID again.
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace pellori {

class DbTransaction;

struct ContactIdentity {
    QString uid;
    QDateTime changed;   // the book's local time; invalid: not changed since the book kept times
};

namespace identity {

// Whether the book keeps identities (a book not yet brought up to date does not).
bool kept(DbTransaction& tr);

// Gives every contact of those keys (all contacts for none) that has no
// identifier yet one of its own, without a time of change: contacts older
// than the step, on their first export. Nothing in a book without identities.
void giveMissing(DbTransaction& tr, const std::optional<QList<int>>& keys);

// The identities of those contacts (of all for none); a contact without one is left out.
QHash<int, ContactIdentity> of(DbTransaction& tr, const std::optional<QList<int>>& keys);

// The contacts that carry the identifier, compared without regard to case, lowest key first.
QList<int> contactsWithUid(DbTransaction& tr, const QString& uid);

// For many identifiers at once: each one (upper case) that a contact carries,
// with the lowest such key.
QHash<QString, int> contactsWithUids(DbTransaction& tr, const QStringList& uids);

// Gives the contact that identifier (a card's own, on import).
void setUid(DbTransaction& tr, int key, const QString& uid);

// Whether a card's identifier can be kept as it is: ISO-8859-1 text of at
// most the column's length.
bool storableUid(const QString& uid);
inline constexpr int kUidLength = 255;

} // namespace identity
} // namespace pellori
