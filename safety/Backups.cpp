#include "safety/Backups.h"

#include "settings/AppError.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryFile>

namespace pellori {

BackupSettings readBackupSettings(const QString& configPath)
{
    const QString section = QStringLiteral("Backup");
    const IniSnapshot ini = IniSnapshot::load(configPath, {{section, QStringLiteral("folder")},
                                                           {section, QStringLiteral("everyhours")},
                                                           {section, QStringLiteral("keep")}});
    BackupSettings s;
    const QString folder = ini.readString(section, QStringLiteral("folder"), QStringLiteral("backup")).trimmed();
    s.folder = QFileInfo(configPath).dir().filePath(folder.isEmpty() ? QStringLiteral("backup") : folder);
    bool ok = false;
    const int hours = ini.readString(section, QStringLiteral("everyhours")).trimmed().toInt(&ok);
    if (ok && hours >= 0)
        s.everyHours = hours;
    const int keep = ini.readString(section, QStringLiteral("keep")).trimmed().toInt(&ok);
    if (ok && keep > 0)
        s.keep = keep;
    return s;
}

namespace backups {

namespace {
const QRegularExpression kName(QStringLiteral("^PELLORI-(\\d{4}-\\d{2}-\\d{2}-\\d{4})(-\\d+)?\\.fbk$"));
const char* const kPartial = ".partial";
} // namespace

QString fileName(const QDateTime& when)
{
    return QStringLiteral("PELLORI-") + when.toString(QStringLiteral("yyyy-MM-dd-HHmm")) + QStringLiteral(".fbk");
}

QDateTime madeAt(const QString& name)
{
    const QRegularExpressionMatch m = kName.match(name);
    return m.hasMatch() ? QDateTime::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd-HHmm")) : QDateTime();
}

QList<QFileInfo> finished(const QString& folder)
{
    QList<QFileInfo> list;
    for (const QFileInfo& f : QDir(folder).entryInfoList({QStringLiteral("PELLORI-*.fbk")}, QDir::Files))
        if (madeAt(f.fileName()).isValid())
            list << f;
    // The name's time first, then its number: two of one minute keep their order.
    const auto number = [](const QFileInfo& f) {
        const QString n = kName.match(f.fileName()).captured(2);
        return n.isEmpty() ? 1 : n.mid(1).toInt();
    };
    std::sort(list.begin(), list.end(), [&](const QFileInfo& a, const QFileInfo& b) {
        const QDateTime ta = madeAt(a.fileName()), tb = madeAt(b.fileName());
        return ta != tb ? ta > tb : number(a) > number(b);
    });
    return list;
}

bool due(const QString& folder, const QDateTime& now, int everyHours)
{
    const QList<QFileInfo> list = finished(folder);
    return list.isEmpty() || madeAt(list.first().fileName()).secsTo(now) >= qint64(everyHours) * 3600;
}

QStringList prune(const QString& folder, int keep)
{
    QStringList removed;
    const QList<QFileInfo> list = finished(folder);
    for (qsizetype i = keep; i < list.size(); ++i)
        if (QFile::remove(list[i].filePath()))
            removed << list[i].fileName();
    return removed;
}

QString folderProblem(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return QStringLiteral("the folder cannot be made");
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".pellori-probe-XXXXXX")));
    if (!probe.open())
        return probe.errorString();
    return QString();
}

QString make(const QString& database, const QStringList& login, const QString& folder, const QDateTime& now,
             const backupservice::Progress& progress)
{
    QDir().mkpath(folder);
    QString target = QDir(folder).filePath(fileName(now));
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = QDir(folder).filePath(fileName(now).replace(QLatin1String(".fbk"), QStringLiteral("-%1.fbk").arg(n)));
    // Written under a name no one takes for a backup, and renamed when the
    // service has finished: a full disk or a killed program leaves no
    // half-written file that looks finished.
    const QString partial = target + QLatin1String(kPartial);
    // What a killed program left half-written goes now.
    for (const QFileInfo& f : QDir(folder).entryInfoList({QStringLiteral("PELLORI-*.fbk") + QLatin1String(kPartial)}, QDir::Files))
        QFile::remove(f.filePath());
    try {
        backupservice::backup(database, partial, login, progress);
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
    QFile written(partial);
    if (!written.exists()) {
        throw AppError(QStringLiteral("the backup file was not written"));
    }
    if (!written.rename(target)) {
        const QString why = written.errorString();
        QFile::remove(partial);
        throw AppError(why);
    }
    return target;
}

} // namespace backups
} // namespace pellori
