#pragma once
// The LDIF commands of the System menu. Import: a Thunderbird (or LDAP)
// export read whole first, a line that is no LDIF refusing the file with
// its line, then planned, stored in one transaction and summed up as every
// import is; its lists become groups. Export: the chosen contacts in
// Thunderbird's shape, their groups as lists, written beside the target
// and renamed over it.
#include "exchange/Messages.h"

#include <QList>

class QWidget;

namespace pellori {

class Session;

// Returns the O_ID of the contact of the file's first imported entry; 0 when nothing was imported.
int importLdif(Session& session, QWidget* owner);

void exportLdif(Session& session, QWidget* owner, const QList<int>& shownIds, int currentId);

// Every text of the LDIF commands, for the catalogue.
const QList<exchange::MessageKey>& ldifCommandKeys();

} // namespace pellori
