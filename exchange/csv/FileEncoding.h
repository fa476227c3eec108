#pragma once
// The encodings address book exports come in, how a file's is recognised,
// and its text decoded. Outlook writes the Windows code page (1252 in the
// West), Google UTF-8 with a byte order mark, Thunderbird UTF-8 or the
// system's code page, and a spreadsheet saving "Unicode text" UTF-16.
#include "exchange/FileBytes.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace pellori::exchange {

enum class Encoding { Utf8, Windows1252, Latin9, Utf16LE, Utf16BE, MacRoman, Ibm850 };

struct EncodingInfo {
    Encoding encoding;
    const char* name;      // as shown, and for QStringDecoder
};
// In the order the mapping window offers them.
const QList<EncodingInfo>& encodings();
QString encodingName(Encoding encoding);

// A byte order mark decides; else UTF-8 when the bytes are well-formed
// UTF-8 (real Windows-1252 text almost never is); else Windows-1252.
Encoding detectEncoding(const QByteArray& bytes);

// The bytes after a byte order mark of that encoding, decoded. Bytes a
// code page leaves undefined come through as U+FFFD.
QString decodeText(const QByteArray& bytes, Encoding encoding);

// The bytes of a text file in that encoding, with a byte order mark where
// the encoding is UTF-8 and bom is set, or UTF-16.
QByteArray encodeText(const QString& text, Encoding encoding, bool bom);

} // namespace pellori::exchange
