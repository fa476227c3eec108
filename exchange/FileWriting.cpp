#include "exchange/FileWriting.h"

#include <QSaveFile>

namespace pellori::exchange {

SaveResult saveFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    const auto failed = [&file] {
        // Qt reports a write that found no room as a resource error.
        const bool full = file.error() == QFileDevice::ResourceError;
        SaveResult r{.ok = false, .diskFull = full, .reason = file.errorString()};
        file.cancelWriting();
        return r;
    };
    // Unbuffered, so that a full disk fails the write itself: a buffered
    // QSaveFile may fail only in its last flush and still rename the short
    // file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed();
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError)
        return failed();
    if (!file.commit())
        return SaveResult{.ok = false, .diskFull = file.error() == QFileDevice::ResourceError,
                          .reason = file.errorString()};
    return SaveResult();
}

} // namespace pellori::exchange
