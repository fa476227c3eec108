#include "exchange/ldif/LdifCommands.h"

#include "data/DbTransaction.h"
#include "exchange/ContactExport.h"
#include "exchange/csv/CsvCommands.h"
#include "exchange/ldif/LdifContacts.h"
#include "exchange/vcard/ImportRun.h"
#include "exchange/vcard/f_vcardexport.h"
#include "services/MessageService.h"
#include "services/Session.h"
#include "settings/Language.h"

#include <QDir>
#include <QFileInfo>

namespace pellori {

using exchange::MessageKey;

namespace {

const MessageKey kImportCaption{"ldif_importcaption", "Import LDIF"};
const MessageKey kExportCaption{"ldif_exportcaption", "Export LDIF"};
const MessageKey kFilter{"ldif_filefilter", "LDIF files (*.ldif *.ldi);;All files (*)"};
const MessageKey kSummaryCaption{"ldif_summarycaption", "LDIF import"};
// The import's texts that speak of the file's entries in its own words.
const EntryWording kWording{
    .added = {"ldif_added", "Contacts added: %ADDED%, from %CARDS% entries in \"%FILE%\"."},
    .addedOne = {"ldif_added_oneentry", "Contacts added: %ADDED%, from 1 entry in \"%FILE%\"."},
    .matched = {"ldif_matched", "Contacts added: %ADDED%, updated: %UPDATED%, unchanged: %UNCHANGED%, "
        "skipped: %SKIPPED%; entries read from \"%FILE%\": %CARDS%."},
    // The file's entries carry no identifier: they are known by name alone.
    .matchesQuestion = {"ldif_matchesquestion",
        "%COUNT% of the %CARDS% entries are contacts of the address book already, by their "
        "name and an e-mail address, number or birthday in common."},
    .matchesAddNew = {"ldif_matchesaddnew", "&Add every entry as a new contact"},
    .matchesSkip = {"ldif_matchesskip", "&Skip them: import only the other entries"},
    .noName = {"ldif_noname", "The entry has no name: not imported."},
    .namedByEmail = {"ldif_namedbyemail",
        "The entry has no name: filed under its e-mail address \"%VALUE%\"."},
    .defaultSalutation = {"ldif_defaultsalutation",
        "Persons given the salutation \"%NAME%\", the first of the book's, as their "
        "entries name none: %COUNT%."},
    .allStored = {"ldif_allstored", "Every entry was stored as it was."},
};

struct ErrorText {
    exchange::LdifErrorKind kind;
    MessageKey text;
};

const ErrorText kErrors[] = {
    {exchange::LdifErrorKind::Empty, {"ldif_empty", "The file holds no LDIF entry."}},
    {exchange::LdifErrorKind::NotAttribute,
     {"ldif_notattribute", "Line %LINE%: \"%TEXT%\" is neither an attribute nor the continuation of one."}},
    {exchange::LdifErrorKind::BadBase64,
     {"ldif_badbase64", "Line %LINE%: the value after \"::\" is no base64: \"%TEXT%\"."}},
    {exchange::LdifErrorKind::Binary,
     {"ldif_binary", "Line %LINE%: the file holds characters no text file holds: it is no LDIF file."}},
};

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

QString shared(const TLang& lang, const char* key, const QList<std::pair<QString, QString>>& values = {})
{
    return exchange::fillPlaceholders(ReplaceReturn(lang.text(QLatin1String(key))), values);
}

} // namespace

const QList<MessageKey>& ldifCommandKeys()
{
    static const QList<MessageKey> keys = [] {
        QList<MessageKey> all = {kImportCaption,          kExportCaption,         kFilter,
                                 kSummaryCaption,         kWording.added,         kWording.addedOne,
                                 kWording.noName,         kWording.namedByEmail,  kWording.defaultSalutation,
                                 kWording.allStored,      kWording.matched,       kWording.matchesQuestion,
                                 kWording.matchesAddNew,  kWording.matchesSkip};
        for (const ErrorText& e : kErrors)
            all << e.text;
        return all;
    }();
    return keys;
}

int importLdif(Session& session, QWidget* owner)
{
    const TLang& lang = session.lang();
    const QString path = MessageService::instance().chooseOpenFile(owner, catalogueMessage(lang, kImportCaption),
                                                                   catalogueMessage(lang, kFilter));
    if (path.isEmpty())
        return 0;
    const std::optional<QByteArray> bytes = readImportFile(lang, owner, path);
    if (!bytes)
        return 0;
    const exchange::LdifRead read = exchange::readLdif(*bytes);
    if (read.error) {
        QString reason;
        for (const ErrorText& e : kErrors)
            if (e.kind == read.error->kind)
                reason = catalogueMessage(lang, e.text, {{QStringLiteral("%LINE%"), QString::number(read.error->line)},
                                                         {QStringLiteral("%TEXT%"), read.error->text}});
        showMessage(owner, shared(lang, "vcard_notimported",
                                  {{QStringLiteral("%FILE%"), shown(path)}, {QStringLiteral("%ERROR%"), reason}}));
        return 0;
    }
    return storeImport(session, owner, exchange::ldifContacts(read.entries),
                       {.fileName = QFileInfo(path).fileName(),
                        .summaryCaption = catalogueMessage(lang, kSummaryCaption),
                        .wording = entryWording(kWording)});
}

void exportLdif(Session& session, QWidget* owner, const QList<int>& shownIds, int currentId)
{
    const TLang& lang = session.lang();
    const std::optional<ExportChoice> choice =
        chooseExportScope(session, owner, shownIds, currentId, catalogueMessage(lang, kExportCaption));
    if (!choice)
        return;
    const std::optional<QList<int>>& keys = choice->keys;
    const QString path = MessageService::instance().chooseSaveFile(
        owner, catalogueMessage(lang, kExportCaption), catalogueMessage(lang, kFilter), QStringLiteral("Pellori.ldif"));
    if (path.isEmpty())
        return;
    const QList<exchange::Contact> contacts = exchange::readContactsForExport(session.mainTransaction(), keys);
    exchangecommands::finishExport(lang, owner, path, exchange::writeLdif(contacts), int(contacts.size()));
}

} // namespace pellori
