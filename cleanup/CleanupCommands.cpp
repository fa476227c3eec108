#include "cleanup/CleanupCommands.h"

#include "cleanup/BookFacts.h"
#include "cleanup/CleanupTexts.h"
#include "cleanup/DuplicateFinder.h"
#include "cleanup/Merge.h"
#include "cleanup/f_duplicates.h"
#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "safety/Trash.h"
#include "settings/AppError.h"
#include "services/CommandGuard.h"
#include "services/MessageService.h"
#include "services/Session.h"

#include <QGuiApplication>

namespace pellori::cleanup {

namespace {

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};

void rollBackQuietly(DbTransaction& tr)
{
    try {
        if (tr.isActive())
            tr.rollback();
    } catch (...) {
        // Nothing was committed; the engine gives the transaction up with the attachment.
    }
}

QString nameOf(const QList<MergeContact>& contacts, int key)
{
    for (const MergeContact& c : contacts)
        if (c.key == key)
            return c.name;
    return QString();
}

} // namespace

int findDuplicates(Session& session, QWidget* owner)
{
    QList<MatchFacts> facts;
    QList<DuplicateGroup> groups;
    {
        WaitCursor wait;
        facts = readFacts(session.mainTransaction());
        QList<MatchKeys> keys;
        keys.reserve(facts.size());
        for (const MatchFacts& f : std::as_const(facts))
            keys << MatchKeys::of(f);
        groups = cleanup::findDuplicates(keys);
    }
    if (groups.isEmpty()) {
        showMessage(owner, cleanupText(session.lang(), "cleanup_none"));
        return 0;
    }
    QHash<int, QString> names;
    for (const DuplicateGroup& g : std::as_const(groups))
        for (const int k : g.keys)
            names.insert(k, QString());
    for (const MatchFacts& f : std::as_const(facts))
        if (names.contains(f.key))
            names[f.key] = listNameOf(f);
    Tf_duplicates window(owner, session, groups, names);
    execModal(&window);
    return window.lastKept();
}

MergeOutcome mergeContacts(Session& session, QWidget* owner, DbTransaction& tr, const QList<MergeContact>& contacts,
                           const MergeChoice& choice)
{
    const TLang& lang = session.lang();
    const MergePlan plan = planMerge(contacts, choice, readMergeTypes(tr), firstSalutation(tr));
    const auto refused = [&](const char* key, const Values& values = {}) {
        showMessage(owner, cleanupText(lang, key, values));
        return MergeOutcome::Refused;
    };
    switch (plan.refusal) {
    case Refusal::None: break;
    case Refusal::TooFew: return refused("cleanup_toofew");
    case Refusal::CompanyIntoPerson:
    case Refusal::PersonIntoCompany: {
        QString other;
        for (const MergeContact& c : contacts)
            if (plan.merged.contains(c.key) && c.kind != (plan.refusal == Refusal::CompanyIntoPerson ? 'P' : 'C'))
                other = c.name;
        return refused(plan.refusal == Refusal::CompanyIntoPerson ? "cleanup_companyintoperson"
                                                                   : "cleanup_personintocompany",
                       {{QStringLiteral("%NAME%"), other}});
    }
    case Refusal::NoFreeType: return refused("cleanup_nofreetype", {{QStringLiteral("%DETAIL%"), plan.refusedDetail}});
    }
    Trash trash(tr);
    if (!trash.available() && !confirm(owner, cleanupText(lang, "cleanup_notrash"), ConfirmButtons::YesNo))
        return MergeOutcome::Refused;
    try {
        WaitCursor wait;
        storeMerge(tr, plan, trash);
        tr.commit();
    } catch (const DbError& e) {
        rollBackQuietly(tr);
        showMessage(owner, e.isConcurrentChange() ? cleanupText(lang, "cleanup_busy")
                           : e.isNoPermission()   ? cleanupText(lang, "shared_readonly")
                                                  : cleanupText(lang, "cleanup_failed", {{QStringLiteral("%ERROR%"), e.message()}}));
        return MergeOutcome::Failed;
    } catch (const SilentAbort&) {
        rollBackQuietly(tr);
        throw;
    } catch (const std::exception& e) {
        rollBackQuietly(tr);
        showMessage(owner, cleanupText(lang, "cleanup_failed", {{QStringLiteral("%ERROR%"), errorMessage(e)}}));
        return MergeOutcome::Failed;
    }
    const QString kept = nameOf(contacts, plan.kept);
    showMessage(owner, plan.merged.size() == 1
                           ? cleanupText(lang, "cleanup_merged_one",
                                         {{QStringLiteral("%OTHER%"), nameOf(contacts, plan.merged.first())},
                                          {QStringLiteral("%NAME%"), kept}})
                           : cleanupText(lang, "cleanup_merged",
                                         {{QStringLiteral("%COUNT%"), QString::number(plan.merged.size())},
                                          {QStringLiteral("%NAME%"), kept}}));
    return MergeOutcome::Merged;
}

} // namespace pellori::cleanup
