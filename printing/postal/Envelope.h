#pragma once
// Envelopes DL, C6 and C5, lying on their long side, and where the address
// goes: in the window of a window envelope (90 x 45 mm; DL and C6 20 mm from
// the left and 15 mm from the bottom edge, C5 20 mm from the left and 50 mm
// from the top, where a once-folded A4 letter shows its address field).
// Inside, as in a letter's address field, a zone of 17.7 mm for the sender's
// line above a zone of 27.3 mm for six address lines, both 5 mm in.
#include <QRectF>
#include <QString>
#include <span>

namespace pellori::postal {

struct EnvelopeFormat {
    const char* id;                    // "DL", "C6", "C5"
    double widthMm, heightMm;          // lying: width the long side
    QRectF windowMm;                   // from the top left corner
};

std::span<const EnvelopeFormat> envelopeFormats();
// The format of that id; the first (DL) for any other.
const EnvelopeFormat& envelopeFormat(const QString& id);

struct WindowZones {
    QRectF senderMm;                   // the sender's line stands at its foot
    QRectF addressMm;
};
WindowZones windowZones(const EnvelopeFormat& format);

} // namespace pellori::postal
