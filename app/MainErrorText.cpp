#include "app/MainErrorText.h"

#include "data/DbError.h"
#include "services/CommandGuard.h"
#include "settings/Language.h"

namespace pellori {

MainErrorReport mainWindowErrorReport(const std::exception& error, const TLang& lang)
{
    const auto* db = dynamic_cast<const DbError*>(&error);
    if (!db)
        return {errorMessage(error)};
    const QString& text = db->message();
    if (text.contains(QLatin1String("FK5_PERSON")))
        return {lang.text(QStringLiteral("databaseerror")) + QStringLiteral("\n\r\n\r")
                + lang.text(QStringLiteral("error_person_exist"))};
    // A shared book's reader, or a user without a role: the server's own text
    // names a table, which says nothing to the user.
    if (db->isNoPermission())
        return {lang.text(QStringLiteral("databaseerror")) + QStringLiteral("\n\r\n\r")
                + ReplaceReturn(lang.text(db->isReadRefused() ? QStringLiteral("shared_noreadaccess")
                                                               : QStringLiteral("shared_readonly")))};
    if (db->isConcurrentChange())
        return {lang.text(QStringLiteral("databaseerror")) + QStringLiteral("\n\r\n\r")
                + lang.text(QStringLiteral("shared_concurrentchange"))};
    // Firebird 3 words a refused login "... set up a Firebird login."; the code is what to trust.
    if (db->isLoginRefused() || text.contains(QLatin1String("Firebird Login")))
        return {ReplaceReturn(lang.text(QStringLiteral("initializationerror"))), true};
    return {text};
}

} // namespace pellori
