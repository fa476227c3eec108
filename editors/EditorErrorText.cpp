#include "editors/EditorErrorText.h"

#include "data/DbError.h"
#include "services/CommandGuard.h"
#include "settings/Language.h"

#include <optional>

namespace pellori {

namespace {

// The parts of these messages are joined with line feed and carriage return, in that order.
const QString kBreak = QStringLiteral("\n\r\n\r");

bool concurrentChange(const std::exception& error)
{
    const auto* db = dynamic_cast<const DbError*>(&error);
    return db && db->isConcurrentChange();
}

// Both editors: the save met another user's change; the input stays in the window.
const QString kConcurrentChange = QStringLiteral("Database Error:") + kBreak
    + QStringLiteral("Another user has changed this contact since you opened it, or is changing it just now. "
                     "Nothing was saved, and your input is still here.")
    + kBreak + QStringLiteral("Close with Cancel and open the contact again to see the other change.");

// Both editors: a reader of a shared book saved. The catalogue's built-in
// text, which the main window's handler shows translated after this one.
std::optional<QString> refusedChange(const std::exception& error)
{
    const auto* db = dynamic_cast<const DbError*>(&error);
    if (!db || !db->isNoPermission())
        return std::nullopt;
    return QStringLiteral("Database Error:") + kBreak
           + ReplaceReturn(TLang().text(QLatin1String(db->isReadRefused() ? "shared_noreadaccess" : "shared_readonly")));
}

bool databaseErrorNaming(const std::exception& error, const char* constraint)
{
    const auto* db = dynamic_cast<const DbError*>(&error);
    return db && db->message().contains(QLatin1String(constraint));
}

} // namespace

QString personEditorErrorText(const std::exception& error)
{
    if (databaseErrorNaming(error, "UNQ_COMMUNICATION"))
        return QStringLiteral("Database Error:") + kBreak
               + QStringLiteral("You have already used a communication of the same type.") + kBreak
               + QStringLiteral("Please choose another type.");
    if (databaseErrorNaming(error, "UNQ_INTERNET"))
        return QStringLiteral("Database Error:") + kBreak
               + QStringLiteral("You have already used an internet-entry of the same type.") + kBreak
               + QStringLiteral("Please choose another type.");
    if (concurrentChange(error))
        return kConcurrentChange;
    if (const std::optional<QString> refused = refusedChange(error))
        return *refused;
    return errorMessage(error);
}

QString companyEditorErrorText(const std::exception& error)
{
    if (databaseErrorNaming(error, "FK5_PERSON"))
        return QStringLiteral("Database Error:") + kBreak
               + QStringLiteral("There exists at least one person which works at this firm you want to delete.");
    if (concurrentChange(error))
        return kConcurrentChange;
    if (const std::optional<QString> refused = refusedChange(error))
        return *refused;
    return errorMessage(error);
}

} // namespace pellori
