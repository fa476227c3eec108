#include "exchange/vcard/ImportRun.h"

#include "cleanup/ImportMatching.h"
#include "cleanup/f_importmatches.h"
#include "data/DbTransaction.h"
#include "exchange/ContactExport.h"
#include "exchange/ImportStore.h"
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

#include <algorithm>
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

// The catalogue's text of the key, in the words of the run's entries.
QString worded(const TLang& lang, const ImportRun& run, const char* key, const char* builtIn = nullptr)
{
    for (const auto& [cardKey, replacement] : run.wording)
        if (qstrcmp(key, cardKey) == 0)
            return lang.text(QLatin1String(replacement.key), QString::fromLatin1(replacement.builtIn));
    return builtIn ? lang.text(QLatin1String(key), QString::fromLatin1(builtIn)) : lang.text(QLatin1String(key));
}

QString wordedMessage(const TLang& lang, const ImportRun& run, const char* key, const Values& values = {})
{
    return exchange::fillPlaceholders(ReplaceReturn(worded(lang, run, key)), values);
}

// Entries that are contacts of the book already update them, unless the user
// says otherwise; the plan is changed accordingly. False: the user cancelled.
bool matchBookContacts(exchange::ImportTransaction& import, exchange::ImportPlan& plan,
                       const QList<exchange::CardContact>& contacts, QWidget* owner, const TLang& lang,
                       const ImportRun& run)
{
    const QList<cleanup::FoundContact> found = cleanup::matchCards(import.transaction(), contacts);
    const int matched = cleanup::matchedCount(found);
    if (matched == 0)
        return true;
    const int byUid = int(std::count_if(found.begin(), found.end(),
                                        [](const cleanup::FoundContact& f) { return f.how == cleanup::CardMatch::Uid; }));
    cleanup::Tf_importmatches question(
        owner, {.caption = lang.text(QStringLiteral("cleanup_matchescaption")),
                .question = wordedMessage(lang, run, "cleanup_matchesquestion",
                                          {{QStringLiteral("%COUNT%"), QString::number(matched)},
                                           {QStringLiteral("%CARDS%"), QString::number(contacts.size())},
                                           {QStringLiteral("%UID%"), QString::number(byUid)},
                                           {QStringLiteral("%NAME%"), QString::number(matched - byUid)}}),
                .update = lang.text(QStringLiteral("cleanup_matchesupdate")),
                .addNew = worded(lang, run, "cleanup_matchesaddnew"),
                .skip = worded(lang, run, "cleanup_matchesskip"),
                .ok = lang.text(QStringLiteral("btnok")),
                .cancel = lang.text(QStringLiteral("btncancel"))});
    if (execModal(&question) != QDialog::Accepted)
        return false;
    cleanup::applyMatches(import.transaction(), plan, import.lookups(), found, question.policy());
    return true;
}

} // namespace

exchange::TextSource catalogueTexts(const TLang& lang) { return textsOf(lang); }

QString catalogueMessage(const TLang& lang, const exchange::MessageKey& key, const Values& values)
{
    return exchange::fillPlaceholders(
        ReplaceReturn(lang.text(QLatin1String(key.key), QString::fromLatin1(key.builtIn))), values);
}

int storeImport(Session& session, QWidget* owner, const QList<exchange::CardContact>& contacts, const ImportRun& run)
{
    const TLang& lang = session.lang();
    exchange::ImportPlan plan;
    exchange::StoredImport stored;
    try {
        exchange::ImportTransaction import(session.connection());
        exchange::ImportOptions options{.standard = exchange::standardTypes(session.standardValues())};
        plan = exchange::planImport(contacts, import.lookups(), options);
        if (plan.postcodesNotNumbers > 0
            && !confirm(owner,
                        message(lang, plan.postcodesNotNumbers == 1 ? "vcard_postcodequestion_one"
                                                                    : "vcard_postcodequestion",
                                {{QStringLiteral("%COUNT%"), QString::number(plan.postcodesNotNumbers)}}),
                        ConfirmButtons::YesNo)) {
            options.postcodes = exchange::PostcodePolicy::SkipAddress;
            plan = exchange::planImport(contacts, import.lookups(), options);
        }
        if (!matchBookContacts(import, plan, contacts, owner, lang, run))
            return 0;
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

    const exchange::TextSource wordedTexts = [&lang, &run](const char* key, const char* builtIn) {
        return worded(lang, run, key, builtIn);
    };
    const exchange::ImportSummary summary = exchange::importSummary(plan, run.fileName, wordedTexts);
    Tf_vcardsummary::Texts texts{.caption = run.summaryCaption,
                                 .headline = summary.headline,
                                 .overview = summary.overview,
                                 .close = lang.text(QStringLiteral("close"))};
    for (const exchange::CardSummary& card : summary.cards)
        texts.sections << Tf_vcardsummary::Section{.heading = card.heading, .lines = card.notes};
    Tf_vcardsummary window(owner, texts);
    execModal(&window);
    return stored.firstContact;
}


std::optional<QByteArray> readImportFile(const TLang& lang, QWidget* owner, const QString& path)
{
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        showMessage(owner, message(lang, "vcard_cannotread",
                                   {{QStringLiteral("%FILE%"), QDir::toNativeSeparators(path)},
                                    {QStringLiteral("%ERROR%"), file.errorString()}}));
        return std::nullopt;
    }
    return bytes;
}

QList<std::pair<const char*, exchange::MessageKey>> entryWording(const EntryWording& w)
{
    return {{"vcard_added", w.added},
            {"vcard_added_onecard", w.addedOne},
            {"vcard_matched", w.matched},
            {"cleanup_matchesquestion", w.matchesQuestion},
            {"cleanup_matchesaddnew", w.matchesAddNew},
            {"cleanup_matchesskip", w.matchesSkip},
            {"vcard_noname", w.noName},
            {"vcard_namedbyemail", w.namedByEmail},
            {"vcard_defaultsalutation", w.defaultSalutation},
            {"vcard_allstored", w.allStored}};
}

std::optional<ExportChoice> chooseExportScope(Session& session, QWidget* owner, const QList<int>& shownIds,
                                              int currentId, const QString& caption)
{
    const TLang& lang = session.lang();
    DbTransaction& tr = session.mainTransaction();
    const int all = exchange::contactCount(tr);
    if (all == 0) {
        showMessage(owner, message(lang, "vcard_nothingtoexport"));
        return std::nullopt;
    }
    const QString currentName = currentId ? exchange::contactListName(tr, currentId) : QString();
    Tf_vcardexport choice(
        owner,
        {.caption = caption,
         .question = message(lang, "vcard_scopequestion"),
         .shown = message(lang, "vcard_scopeshown", {{QStringLiteral("%COUNT%"), QString::number(shownIds.size())}}),
         .current = message(lang, "vcard_scopecurrent", {{QStringLiteral("%NAME%"), currentName}}),
         .all = message(lang, "vcard_scopeall", {{QStringLiteral("%COUNT%"), QString::number(all)}}),
         .ok = lang.text(QStringLiteral("btnok")),
         .cancel = lang.text(QStringLiteral("btncancel"))},
        !shownIds.isEmpty(), !currentName.isEmpty());
    if (execModal(&choice) != QDialog::Accepted)
        return std::nullopt;
    switch (choice.scope()) {
    case ExportScope::Shown: return ExportChoice{shownIds};
    case ExportScope::Current: return ExportChoice{QList<int>{currentId}};
    case ExportScope::All: break;
    }
    return ExportChoice{};
}

} // namespace pellori
