#include "safety/BackupCommands.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "data/FieldValue.h"
#include "data/Statement.h"
#include "data/upgrades/Upgrades.h"
#include "safety/Backups.h"
#include "safety/SafetyTexts.h"
#include "safety/TrashCommands.h"
#include "safety/f_backupprogress.h"
#include "services/CommandGuard.h"
#include "services/MessageService.h"
#include "services/Session.h"
#include "settings/AppError.h"
#include "settings/Language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pellori {

namespace {

const char* const kBeforeRestore = ".before-restore";
const char* const kRestoring = ".restoring";

int userTables(Session& session)
{
    try {
        DbTransaction& tr = session.mainTransaction();
        return Statement(session.connection(), QStringLiteral("select count(*) from rdb$relations "
                                                              "where rdb$system_flag = 0 and rdb$view_blr is null"))
            .execute(tr, {})
            .value(0)
            .toInt();
    } catch (const AppError&) {
        return 0;
    }
}

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

bool refusedOnServer(Session& session, QWidget* owner)
{
    if (!trashcommands::sharedBook(session.connection().databaseName()))
        return false;
    showMessage(owner, safetyText(session.lang(), "backup_serverbook"));
    return true;
}

// Returns the failure's text, empty on success.
QString makeBackup(Session& session, QWidget* owner, QString* made)
{
    const TLang& lang = session.lang();
    const BackupSettings settings = readBackupSettings(session.configPath());
    if (const QString problem = backups::folderProblem(settings.folder); !problem.isEmpty())
        return safetyText(lang, "backup_foldernotwritable",
                          {{QStringLiteral("%FOLDER%"), shown(settings.folder)}, {QStringLiteral("%ERROR%"), problem}});
    Tf_backupprogress progress(owner, lang.text(QStringLiteral("backup_progress")), userTables(session));
    try {
        *made = backups::make(session.connection().databaseName(), session.connection().params, settings.folder,
                              QDateTime::currentDateTime(), [&](const QString& line) { progress.line(line); });
    } catch (const AppError& e) {
        return safetyText(lang, "backup_failed",
                          {{QStringLiteral("%FOLDER%"), shown(settings.folder)}, {QStringLiteral("%ERROR%"), e.message()}});
    }
    backups::prune(settings.folder, settings.keep);
    return QString();
}

} // namespace

void backUpNow(Session& session, QWidget* owner)
{
    if (refusedOnServer(session, owner))
        return;
    QString made;
    const QString failure = makeBackup(session, owner, &made);
    showMessage(owner, failure.isEmpty() ? safetyText(session.lang(), "backup_done", {{QStringLiteral("%FILE%"), shown(made)}})
                                         : failure);
}

void backUpAtExit(Session& session, QWidget* owner)
{
    try {
        if (trashcommands::sharedBook(session.connection().databaseName()) || !session.connection().isConnected())
            return;
        const BackupSettings settings = readBackupSettings(session.configPath());
        if (!backups::due(settings.folder, QDateTime::currentDateTime(), settings.everyHours))
            return;
        QString made;
        const QString failure = makeBackup(session, owner, &made);
        if (!failure.isEmpty())
            showMessage(owner, failure + QStringLiteral("\r\n\r\n") + safetyText(session.lang(), "backup_atexit"));
    } catch (...) {
        // Nothing may keep the program from ending.
    }
}

void replaceBook(Connection& connection, const QString& restoredFile)
{
    const QString book = connection.databaseName();
    const QString kept = book + QLatin1String(kBeforeRestore);
    connection.close();
    QString failure;
    QFile::remove(kept);
    if (!QFile::rename(book, kept))
        failure = QFile(book).errorString();
    else if (!QFile::rename(restoredFile, book)) {
        failure = QFile(restoredFile).errorString();
        QFile::rename(kept, book);
    }
    connection.open();
    if (!failure.isEmpty())
        throw AppError(failure);
}

bool restoreFromBackup(Session& session, QWidget* owner, UndoDeletes* undo)
{
    if (refusedOnServer(session, owner))
        return false;
    const TLang& lang = session.lang();
    const QString file = MessageService::instance().chooseOpenFile(owner, lang.text(QStringLiteral("backup_restorecaption")),
                                                                   lang.text(QStringLiteral("backup_filefilter")));
    if (file.isEmpty())
        return false;
    const QString book = session.connection().databaseName();
    const QString restored = book + QLatin1String(kRestoring);
    const Values fileValue{{QStringLiteral("%FILE%"), shown(file)}};
    QFile::remove(restored);
    int contacts = 0;
    try {
        Tf_backupprogress progress(owner, lang.text(QStringLiteral("backup_restoring")), userTables(session));
        backupservice::restore(file, restored, session.connection().params,
                               [&](const QString& line) { progress.line(line); });
        // Opened and counted: a file the program cannot read is never put in place.
        Connection check;
        check.setDatabaseName(restored);
        check.params = session.connection().params;
        DbTransaction tr(check, DbTransaction::readCommitted());
        contacts = Statement(check, QStringLiteral("select count(*) from object")).execute(tr, {}).value(0).toInt();
    } catch (const AppError& e) {
        QFile::remove(restored);
        showMessage(owner, safetyText(lang, "backup_notrestorable", {fileValue[0], {QStringLiteral("%ERROR%"), e.message()}}));
        return false;
    }
    QDateTime made = backups::madeAt(QFileInfo(file).fileName());
    if (!made.isValid())
        made = QFileInfo(file).lastModified();
    const QString when = value::formatDate(made.date()) + QLatin1Char(' ') + made.time().toString(QStringLiteral("HH:mm"));
    if (!confirm(owner,
                 safetyText(lang, "backup_replacequestion",
                            {fileValue[0], {QStringLiteral("%DATE%"), when}, {QStringLiteral("%COUNT%"), QString::number(contacts)},
                             {QStringLiteral("%KEPT%"), shown(QFileInfo(book).fileName() + QLatin1String(kBeforeRestore))}}),
                 ConfirmButtons::YesNo)) {
        QFile::remove(restored);
        return false;
    }
    try {
        replaceBook(session.connection(), restored);
    } catch (const AppError& e) {
        QFile::remove(restored);
        showMessage(owner, safetyText(lang, "backup_notreplaced", {{QStringLiteral("%ERROR%"), e.message()}}));
        return false;
    }
    if (undo)
        undo->clear();
    // A backup of an older book lacks what later versions add.
    if (const std::optional<QString> message = upgrades::atStart(session.connection(), false, lang))
        showMessage(owner, *message);
    showMessage(owner, safetyText(lang, "backup_restored", {fileValue[0], {QStringLiteral("%COUNT%"), QString::number(contacts)}}));
    return true;
}

} // namespace pellori
