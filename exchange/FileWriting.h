#pragma once
// Writing an exported file whole or not at all.
#include <QByteArray>
#include <QString>

namespace pellori::exchange {

struct SaveResult {
    bool ok = true;
    bool diskFull = false;   // the device had no room left
    QString reason;          // the system's words for any other failure
};

// Writes the bytes into a new file beside path and renames it over path, so a
// failure leaves an existing file as it was.
SaveResult saveFile(const QString& path, const QByteArray& bytes);

} // namespace pellori::exchange
