#pragma once
// Firebird's own backup and restore, reached through the service manager of
// the client library (what gbak does with -se): for the book beside the
// program, the embedded engine's, which reads a consistent snapshot while the
// program has the book open. Every line the service reports is handed to the
// caller as it comes, for a progress window.
#include <QString>
#include <QStringList>
#include <functional>

namespace pellori::backupservice {

// Called with each line of the service's output; the caller may let the
// window's events through there.
using Progress = std::function<void(const QString& line)>;

// The service manager's name for a database ("service_mgr" for a file
// reached through the embedded engine, "host:service_mgr" for a server).
QString serviceManagerFor(const QString& databaseName);

// login: the attach parameters (user_name=, password= lines; later lines win).
// Both throw DbError with the service's message; the target is then not complete.
void backup(const QString& database, const QString& backupFile, const QStringList& login, const Progress& progress);
// Restores into a new database file, which must not exist.
void restore(const QString& backupFile, const QString& database, const QStringList& login, const Progress& progress);

} // namespace pellori::backupservice
