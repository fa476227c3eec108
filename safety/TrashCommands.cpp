#include "safety/TrashCommands.h"

#include "data/BackupService.h"
#include "data/Connection.h"
#include "data/DbError.h"
#include "safety/SafetyTexts.h"
#include "safety/f_trash.h"
#include "services/CommandGuard.h"
#include "services/MessageService.h"
#include "services/Session.h"
#include "settings/Language.h"

namespace pellori {

UndoDeletes::UndoDeletes(Session& session)
    : m_session(session), m_trash(session.mainTransaction()),
      m_deletion(std::make_unique<ContactDeletion>(session.mainTransaction(), &m_trash))
{
}

UndoDeletes::~UndoDeletes() = default;

void UndoDeletes::deleteContact(int key)
{
    if (const int entry = m_deletion->deleteContact(key))
        m_entries.append(entry);
}

int UndoDeletes::undo(QWidget* owner)
{
    if (m_entries.isEmpty()) {
        showMessage(owner, safetyText(m_session.lang(), "trash_nothingtoundo"));
        return 0;
    }
    TrashEntry entry;
    entry.id = m_entries.takeLast();
    return trashcommands::restore(m_session, m_trash, owner, entry);
}

int openTrash(Session& session, QWidget* owner, UndoDeletes* undo)
{
    std::unique_ptr<Trash> own;
    Trash* trash = undo ? &undo->trash() : (own = std::make_unique<Trash>(session.mainTransaction())).get();
    if (!trash->available()) {
        showMessage(owner, safetyText(session.lang(), "trash_unavailable"));
        return 0;
    }
    Tf_trash window(owner, session, *trash, undo);
    execModal(&window);
    return window.lastRestored();
}

namespace trashcommands {

namespace {

QString entryName(Trash& trash, const TrashEntry& entry)
{
    if (!entry.name.isEmpty())
        return entry.name;
    for (const TrashEntry& e : trash.entries())
        if (e.id == entry.id)
            return e.name;
    return QString();
}

} // namespace

QString restoreMessage(const TLang& lang, const Restored& restored)
{
    const Values name{{QStringLiteral("%NAME%"), restored.name}};
    switch (restored.outcome) {
    case Restored::Outcome::Gone:
        return restored.name.isEmpty() ? safetyText(lang, "trash_gonenoname") : safetyText(lang, "trash_gone", name);
    case Restored::Outcome::AlreadyThere: return safetyText(lang, "trash_alreadythere", name);
    case Restored::Outcome::Done: break;
    }
    if (restored.notes.isEmpty())
        return QString();
    QStringList lines;
    for (const RestoreNote& note : restored.notes)
        lines << QStringLiteral("- ") + safetyText(lang, note.key.toLatin1().constData(), {{QStringLiteral("%ROW%"), note.row}});
    return safetyText(lang, "trash_restorednotes",
                      {{QStringLiteral("%NAME%"), restored.name}, {QStringLiteral("%NOTES%"), lines.join(QStringLiteral("\r\n"))}});
}

int restore(Session& session, Trash& trash, QWidget* owner, const TrashEntry& entry)
{
    const TLang& lang = session.lang();
    Restored restored;
    try {
        restored = trash.restore(entry.id, session.standardValues());
    } catch (const DbError& e) {
        // A user who may only read the book: the program's own message says so.
        if (e.isNoPermission())
            throw;
        const QString name = entryName(trash, entry);
        showMessage(owner, e.isConcurrentChange()
                               ? safetyText(lang, "trash_busy", {{QStringLiteral("%NAME%"), name}})
                               : safetyText(lang, "trash_restorefailed",
                                            {{QStringLiteral("%NAME%"), name}, {QStringLiteral("%ERROR%"), e.message()}}));
        return 0;
    }
    if (restored.name.isEmpty())
        restored.name = entry.name;
    const QString text = restoreMessage(lang, restored);
    if (!text.isEmpty())
        showMessage(owner, text);
    return restored.outcome == Restored::Outcome::Done ? restored.contact : 0;
}

bool purge(Session& session, Trash& trash, QWidget* owner, const TrashEntry& entry)
{
    const TLang& lang = session.lang();
    const Values name{{QStringLiteral("%NAME%"), entryName(trash, entry)}};
    if (!confirm(owner, safetyText(lang, "trash_purgequestion", name), ConfirmButtons::YesNo))
        return false;
    try {
        if (trash.purge(entry.id))
            return true;
        showMessage(owner, safetyText(lang, "trash_gone", name));
    } catch (const DbError& e) {
        if (!e.isConcurrentChange())
            throw;
        showMessage(owner, safetyText(lang, "trash_busy", name));
    }
    return false;
}

bool empty(Session& session, Trash& trash, QWidget* owner, const QList<TrashEntry>& shown)
{
    const TLang& lang = session.lang();
    if (shown.isEmpty())
        return false;
    if (!confirm(owner,
                 safetyText(lang, shown.size() == 1 ? "trash_emptyquestionone" : "trash_emptyquestion",
                            {{QStringLiteral("%COUNT%"), QString::number(shown.size())}}),
                 ConfirmButtons::YesNo))
        return false;
    int last = 0;
    for (const TrashEntry& e : shown)
        last = qMax(last, e.id);
    try {
        trash.empty(last);
        return true;
    } catch (const DbError& e) {
        if (!e.isConcurrentChange())
            throw;
        showMessage(owner, safetyText(lang, "trash_emptybusy"));
    }
    return false;
}

bool sharedBook(const QString& databaseName)
{
    return backupservice::serviceManagerFor(databaseName) != QLatin1String("service_mgr");
}

} // namespace trashcommands
} // namespace pellori
