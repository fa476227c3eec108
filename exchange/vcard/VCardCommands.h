#pragma once
// The two vCard commands of the System menu. Import: a file of one or many
// cards, stored in one transaction of its own, with a summary of what could
// not be stored as it was; a cancel or any failure leaves the book as it was.
// Export: the chosen contacts as vCard 4.0, written beside the target and
// renamed over it, so that a failure never leaves half a file.
#include "exchange/vcard/ImportRun.h"

#include <QList>
#include <QString>

class QWidget;

namespace pellori {

class Session;

// Asks for the file, then imports it as importVCardFile does.
int importVCards(Session& session, QWidget* owner);
// Imports the file at path (the one the desktop hands over with "Open with",
// say). Returns the O_ID of the contact of the file's first imported card, to
// make it the current one; 0 when nothing was imported.
int importVCardFile(Session& session, QWidget* owner, const QString& path);

// shownIds: the contact list's keys as it shows them now; currentId: its
// current contact, 0 when none.
void exportVCards(Session& session, QWidget* owner, const QList<int>& shownIds, int currentId);

} // namespace pellori
