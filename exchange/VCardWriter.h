#pragma once
// Writes vCard 4.0: UTF-8, CR LF line ends, lines folded at 75 octets
// without splitting a character, parameter values quoted where needed.
#include "exchange/VCard.h"

#include <QByteArray>

namespace pellori::vcard {

// Each card gets BEGIN, VERSION:4.0 and END around its properties; a VERSION
// among them is left out.
QByteArray writeCards(const QList<Card>& cards);

struct SaveResult {
    bool ok = true;
    bool diskFull = false;   // the device had no room left
    QString reason;          // the system's words for any other failure
};

// Writes the bytes into a new file beside path and renames it over path, so a
// failure leaves an existing file as it was.
SaveResult saveFile(const QString& path, const QByteArray& bytes);

} // namespace pellori::vcard
