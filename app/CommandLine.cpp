#include "app/CommandLine.h"

#include <QDir>
#include <QUrl>

namespace pellori {

QStringList filesToOpen(const QStringList& arguments, const QString& workingDir)
{
    QStringList files;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString path = arguments[i];
        if (path.isEmpty())
            continue;
        if (path.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
            const QUrl url(path);
            if (url.isLocalFile())
                path = url.toLocalFile();
        }
        files << QDir::cleanPath(QDir(workingDir).absoluteFilePath(path));
    }
    return files;
}

} // namespace pellori
