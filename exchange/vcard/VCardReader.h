#pragma once
// Reads vCard 2.1, 3.0 and 4.0 files: one or many cards, folded lines,
// quoted-printable values with soft line breaks, CHARSET parameters, and the
// file as a whole in UTF-8 (with or without BOM), UTF-16 with BOM, or else
// Latin-1 (where 0x80 to 0x9F are read as Windows-1252, as Windows producers
// mean them).
//
// The reader refuses only a file that is no vCard file at all (text outside
// a card) or that breaks off inside a card, with one error naming the line,
// so the caller imports nothing. Inside a card it reads what it can: a line
// it cannot read, a comment, an unknown character set or version becomes a
// note of that card; properties of any name and unknown parameters are kept
// as they are.
#include "exchange/Messages.h"
#include "exchange/vcard/VCard.h"

#include <QByteArray>
#include <optional>

namespace pellori::vcard {

struct ReadResult {
    QList<Card> cards;                       // empty when there is an error
    std::optional<exchange::ReadError> error;
    bool ok() const { return !error; }
};

ReadResult readCards(const QByteArray& bytes);

} // namespace pellori::vcard
