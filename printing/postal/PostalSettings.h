#pragma once
// What labels and envelopes remember in Pellori.ini, section [Postal]: the
// sender's line and country, the label sheet last chosen with the measures
// of the user's own sheet, and the envelope format.
#include "printing/postal/LabelSheet.h"

#include <QString>

namespace pellori::postal {

struct PostalSettings {
    QString sender;                           // the line above the address on an envelope
    QString country = QStringLiteral("Deutschland");   // addresses here get no country line
    QString sheet = QStringLiteral("3x8");    // a preset's id or "custom"
    LabelSheet custom{.id = kCustomSheet};
    QString envelope = QStringLiteral("DL");

    // The chosen sheet: the preset, or the custom measures.
    LabelSheet labelSheet() const;
};

// Missing or unreadable keys keep their defaults; so does a measure that is not a number.
PostalSettings readPostalSettings(const QString& iniPath);
// Writes every key; throws AppError when the file cannot be written or a text
// cannot be stored in it (each key is written whole or not at all).
void writePostalSettings(const QString& iniPath, const PostalSettings& settings);

} // namespace pellori::postal
