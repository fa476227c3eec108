#include "exchange/vcard/VCardCommands.h"

#include "cleanup/ImportMatching.h"
#include "cleanup/f_importmatches.h"
#include "data/ContactIdentity.h"
#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "exchange/ContactExport.h"
#include "exchange/FileWriting.h"
#include "exchange/ImportStore.h"
#include "exchange/ImportSummary.h"
#include "exchange/vcard/CardMapping.h"
#include "exchange/vcard/f_vcardexport.h"
#include "exchange/vcard/f_vcardprogress.h"
#include "exchange/vcard/f_vcardsummary.h"
#include "services/CommandGuard.h"
#include "services/MessageService.h"
#include "services/Session.h"
#include "settings/AppError.h"
#include "settings/Language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace pellori {

namespace {

using Values = QList<std::pair<QString, QString>>;

// A catalogue text with "%RETURN%" as a line break and its placeholders filled.
QString message(const TLang& lang, const char* key, const Values& values = {})
{
    return exchange::fillPlaceholders(ReplaceReturn(lang.text(QLatin1String(key))), values);
}

exchange::TextSource textsOf(const TLang& lang)
{
    return [&lang](const char* key, const char* builtIn) {
        return lang.text(QLatin1String(key), QString::fromLatin1(builtIn));
    };
}

QString shownPath(const QString& path) { return QDir::toNativeSeparators(path); }

} // namespace

int importVCards(Session& session, QWidget* owner)
{
    const TLang& lang = session.lang();
    const QString path = MessageService::instance().chooseOpenFile(
        owner, lang.text(QStringLiteral("vcard_importcaption")), lang.text(QStringLiteral("vcard_filefilter")));
    if (path.isEmpty())
        return 0;

    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        showMessage(owner, message(lang, "vcard_cannotread",
                                   {{QStringLiteral("%FILE%"), shownPath(path)},
                                    {QStringLiteral("%ERROR%"), file.errorString()}}));
        return 0;
    }
    const exchange::ContactsRead read = exchange::readContacts(bytes);
    if (read.error) {
        showMessage(owner, message(lang, "vcard_notimported",
                                   {{QStringLiteral("%FILE%"), shownPath(path)},
                                    {QStringLiteral("%ERROR%"), exchange::readErrorText(*read.error, textsOf(lang))}}));
        return 0;
    }

    exchange::ImportPlan plan;
    exchange::StoredImport stored;
    try {
        exchange::ImportTransaction import(session.connection());
        exchange::ImportOptions options{.standard = exchange::standardTypes(session.standardValues())};
        plan = exchange::planImport(read.contacts, import.lookups(), options);
        if (plan.postcodesNotNumbers > 0
            && !confirm(owner,
                        message(lang, plan.postcodesNotNumbers == 1 ? "vcard_postcodequestion_one"
                                                                    : "vcard_postcodequestion",
                                {{QStringLiteral("%COUNT%"), QString::number(plan.postcodesNotNumbers)}}),
                        ConfirmButtons::YesNo)) {
            options.postcodes = exchange::PostcodePolicy::SkipAddress;
            plan = exchange::planImport(read.contacts, import.lookups(), options);
        }
        // Cards that are contacts of the book already update them, unless the user says otherwise.
        const QList<cleanup::FoundContact> found = cleanup::matchCards(import.transaction(), read.contacts);
        if (const int matched = cleanup::matchedCount(found); matched > 0) {
            const int byUid = int(std::count_if(found.begin(), found.end(), [](const cleanup::FoundContact& f) {
                return f.how == cleanup::CardMatch::Uid;
            }));
            cleanup::Tf_importmatches question(
                owner, {.caption = lang.text(QStringLiteral("cleanup_matchescaption")),
                        .question = message(lang, "cleanup_matchesquestion",
                                            {{QStringLiteral("%COUNT%"), QString::number(matched)},
                                             {QStringLiteral("%CARDS%"), QString::number(read.contacts.size())},
                                             {QStringLiteral("%UID%"), QString::number(byUid)},
                                             {QStringLiteral("%NAME%"), QString::number(matched - byUid)}}),
                        .update = lang.text(QStringLiteral("cleanup_matchesupdate")),
                        .addNew = lang.text(QStringLiteral("cleanup_matchesaddnew")),
                        .skip = lang.text(QStringLiteral("cleanup_matchesskip")),
                        .ok = lang.text(QStringLiteral("btnok")),
                        .cancel = lang.text(QStringLiteral("btncancel"))});
            if (execModal(&question) != QDialog::Accepted)
                return 0;
            cleanup::applyMatches(import.transaction(), plan, import.lookups(), found, question.policy());
        }
        const int total = int(plan.contacts.size());
        std::unique_ptr<Tf_vcardprogress> progress;
        if (total > kImportProgressFrom)
            progress = std::make_unique<Tf_vcardprogress>(
                owner, message(lang, "vcard_progress", {{QStringLiteral("%COUNT%"), QString::number(total)}}),
                lang.text(QStringLiteral("btncancel")), total);
        exchange::ImportProgress told;
        if (progress)
            told = [&progress](int done, int) { return progress->step(done); };
        stored = import.store(plan, told);
    } catch (const SilentAbort&) {
        throw;
    } catch (const std::exception& e) {
        // Rolled back by now: the transaction went with the block.
        showMessage(owner, message(lang, "vcard_failed", {{QStringLiteral("%ERROR%"), errorMessage(e)}}));
        return 0;
    }
    if (stored.cancelled) {
        showMessage(owner, message(lang, "vcard_cancelled"));
        return 0;
    }

    const exchange::ImportSummary summary = exchange::importSummary(plan, QFileInfo(path).fileName(), textsOf(lang));
    Tf_vcardsummary::Texts texts{.caption = lang.text(QStringLiteral("vcard_summarycaption")),
                                 .headline = summary.headline,
                                 .overview = summary.overview,
                                 .close = lang.text(QStringLiteral("close"))};
    for (const exchange::CardSummary& card : summary.cards)
        texts.sections << Tf_vcardsummary::Section{.heading = card.heading, .lines = card.notes};
    Tf_vcardsummary window(owner, texts);
    execModal(&window);
    return stored.firstContact;
}

void exportVCards(Session& session, QWidget* owner, const QList<int>& shownIds, int currentId)
{
    const TLang& lang = session.lang();
    DbTransaction& tr = session.mainTransaction();
    const int all = exchange::contactCount(tr);
    if (all == 0) {
        showMessage(owner, message(lang, "vcard_nothingtoexport"));
        return;
    }
    const QString currentName = currentId ? exchange::contactListName(tr, currentId) : QString();
    Tf_vcardexport choice(
        owner,
        {.caption = lang.text(QStringLiteral("vcard_exportcaption")),
         .question = lang.text(QStringLiteral("vcard_scopequestion")),
         .shown = message(lang, "vcard_scopeshown", {{QStringLiteral("%COUNT%"), QString::number(shownIds.size())}}),
         .current = message(lang, "vcard_scopecurrent", {{QStringLiteral("%NAME%"), currentName}}),
         .all = message(lang, "vcard_scopeall", {{QStringLiteral("%COUNT%"), QString::number(all)}}),
         .ok = lang.text(QStringLiteral("btnok")),
         .cancel = lang.text(QStringLiteral("btncancel"))},
        !shownIds.isEmpty(), !currentName.isEmpty());
    if (execModal(&choice) != QDialog::Accepted)
        return;
    std::optional<QList<int>> keys;
    switch (choice.scope()) {
    case ExportScope::Shown: keys = shownIds; break;
    case ExportScope::Current: keys = QList<int>{currentId}; break;
    case ExportScope::All: break;
    }

    const QString path = MessageService::instance().chooseSaveFile(
        owner, lang.text(QStringLiteral("vcard_exportcaption")), lang.text(QStringLiteral("vcard_filefilter")),
        QStringLiteral("Pellori.vcf"));
    if (path.isEmpty())
        return;
    // Contacts older than the book's identities get theirs, so that the file's
    // UIDs find them again; a book the user may only read is exported without.
    try {
        identity::giveMissing(tr, keys);
        tr.commitRetaining();
    } catch (const DbError&) {
    }
    const QList<exchange::Contact> contacts = exchange::readContactsForExport(tr, keys);
    const exchange::SaveResult saved = exchange::saveFile(path, exchange::writeContacts(contacts));
    if (!saved.ok) {
        showMessage(owner, message(lang, "vcard_exportfailed",
                                   {{QStringLiteral("%FILE%"), shownPath(path)},
                                    {QStringLiteral("%ERROR%"),
                                     saved.diskFull ? message(lang, "vcard_diskfull") : saved.reason}}));
        return;
    }
    showMessage(owner, message(lang, "vcard_exported",
                               {{QStringLiteral("%COUNT%"), QString::number(contacts.size())},
                                {QStringLiteral("%FILE%"), shownPath(path)}}));
}

} // namespace pellori
