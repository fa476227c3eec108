#pragma once
// Backups of the book: where they go, what they are called, when one is due,
// which are kept; making one (under a temporary name, renamed when complete)
// and restoring one into a new file, both through Firebird's backup service.
#include "data/BackupService.h"

#include <QDateTime>
#include <QFileInfo>
#include <QList>
#include <QString>

namespace pellori {

// Section "Backup" of Pellori.ini.
struct BackupSettings {
    QString folder;            // key "folder": relative to the program's folder; default "backup"
    int everyHours = 24;       // key "everyhours": age of the newest backup that makes one due at the end
    int keep = 10;             // key "keep": how many are kept
};
BackupSettings readBackupSettings(const QString& configPath);

namespace backups {

// PELLORI-YYYY-MM-DD-HHMM.fbk
QString fileName(const QDateTime& when);
// When a backup's name says it was made; invalid for other names.
QDateTime madeAt(const QString& fileName);
// The finished backups in the folder, newest first.
QList<QFileInfo> finished(const QString& folder);
bool due(const QString& folder, const QDateTime& now, int everyHours);
// Removes all but the newest `keep`; returns the names removed.
QStringList prune(const QString& folder, int keep);

// Empty when the folder exists (or was made) and can be written; else why not.
QString folderProblem(const QString& folder);
// Backs the database up into the folder; returns the finished file's path.
// Throws DbError or AppError; no file then carries a finished backup's name.
QString make(const QString& database, const QStringList& login, const QString& folder, const QDateTime& now,
             const backupservice::Progress& progress);

} // namespace backups
} // namespace pellori
