#pragma once
// Writes vCard 4.0: UTF-8, CR LF line ends, lines folded at 75 octets
// without splitting a character, parameter values quoted where needed.
#include "exchange/vcard/VCard.h"

#include <QByteArray>

namespace pellori::vcard {

// Each card gets BEGIN, VERSION:4.0 and END around its properties; a VERSION
// among them is left out.
QByteArray writeCards(const QList<Card>& cards);

} // namespace pellori::vcard
