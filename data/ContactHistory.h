#pragma once
// Who changed a contact last, on a book that keeps the history of its
// contacts (a shared book brought up to date by the administrator's script):
// for "Last changed by NAME on DATE" in the editors, and "Deleted by ..." for
// a contact in the trash.
#include <QChar>
#include <QDateTime>
#include <QString>
#include <optional>

namespace pellori {

class DbTransaction;
class TLang;

struct ContactChange {
    QString user;     // the server's user name, as the server keeps it (capitals)
    QDateTime at;     // the server's local time
    QChar kind;       // 'I' added, 'U' changed, 'D' deleted, 'R' restored from the trash
};

// The latest change recorded for the contact; none when the book keeps no
// history (a single-file book, a shared book not yet brought up to date) or
// holds none for this contact (one unchanged since the history began).
std::optional<ContactChange> lastChange(DbTransaction& tr, int contactKey);

// "Last changed by NAME on DATE", or "Deleted by NAME on DATE", the date in the
// desktop's short format with four-digit years.
QString lastChangeText(const ContactChange& change, const TLang& lang);

} // namespace pellori
