#include "exchange/csv/CsvCommands.h"

#include "data/DbTransaction.h"
#include "exchange/ContactExport.h"
#include "exchange/FileWriting.h"
#include "exchange/csv/CsvContacts.h"
#include "exchange/csv/CsvMessages.h"
#include "exchange/csv/f_csvexport.h"
#include "exchange/csv/f_csvmapping.h"
#include "exchange/vcard/ImportRun.h"
#include "services/MessageService.h"
#include "services/Session.h"
#include "settings/Language.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace pellori {

using exchange::MessageKey;

namespace {

const MessageKey kImportCaption{"csv_importcaption", "Import CSV"};
const MessageKey kExportCaption{"csv_exportcaption", "Export CSV"};
const MessageKey kFilter{"csv_filefilter", "CSV files (*.csv *.txt *.tab);;All files (*)"};
const MessageKey kMappingCaption{"csv_mappingcaption", "Import CSV: what the columns of \"%FILE%\" are"};
const MessageKey kFile{"csv_file", "File: %FILE%"};
const MessageKey kPreset{"csv_preset", "Written by:"};
const MessageKey kEncoding{"csv_encoding", "Encoding:"};
const MessageKey kSeparator{"csv_separator", "Separator:"};
const MessageKey kHeader{"csv_header", "The first row names the columns"};
const MessageKey kDates{"csv_dates", "Dates:"};
const MessageKey kColumns{"csv_columns", "Above each column what it is for Pellori; below, the first rows of the file as read:"};
const MessageKey kImport{"csv_import", "Import"};
const MessageKey kSummaryCaption{"csv_summarycaption", "CSV import"};
// The import's texts that speak of the file's entries in its own words.
const EntryWording kWording{
    .added = {"csv_added", "Contacts added: %ADDED%, from %CARDS% rows in \"%FILE%\"."},
    .addedOne = {"csv_added_onerow", "Contacts added: %ADDED%, from 1 row in \"%FILE%\"."},
    .matched = {"csv_matched", "Contacts added: %ADDED%, updated: %UPDATED%, unchanged: %UNCHANGED%, "
        "skipped: %SKIPPED%; rows read from \"%FILE%\": %CARDS%."},
    // The file's rows carry no identifier: they are known by name alone.
    .matchesQuestion = {"csv_matchesquestion",
        "%COUNT% of the %CARDS% rows are contacts of the address book already, by their "
        "name and an e-mail address, number or birthday in common."},
    .matchesAddNew = {"csv_matchesaddnew", "&Add every row as a new contact"},
    .matchesSkip = {"csv_matchesskip", "&Skip them: import only the other rows"},
    .noName = {"csv_noname", "The row has no name: not imported."},
    .namedByEmail = {"csv_namedbyemail", "The row has no name: filed under its e-mail address \"%VALUE%\"."},
    .defaultSalutation = {"csv_defaultsalutation",
        "Persons given the salutation \"%NAME%\", the first of the book's, as their "
        "rows name none: %COUNT%."},
    .allStored = {"csv_allstored", "Every row was stored as it was."},
};
const MessageKey kShape{"csv_shape", "Shape of the file"};
const MessageKey kOutlook{"csv_shape_outlook", "Outlook (English): Windows-1252"};
const MessageKey kGoogle{"csv_shape_google", "Google Contacts: UTF-8, every detail with its type"};
const MessageKey kExported{"csv_exported", "Contacts exported: %COUNT%, to \"%FILE%\"."};
const MessageKey kLeftOut{"csv_leftout",
                          "The file's shape has no place for these, which were not written:%RETURN%%ITEMS%"};
const MessageKey kDeceased{"csv_deceased", "deceased"};

// At most this many contacts are named in the message of what was left out.
constexpr int kLeftOutShown = 12;

QString shownPath(const QString& path) { return QDir::toNativeSeparators(path); }

QString text(const TLang& lang, const MessageKey& key, const QList<std::pair<QString, QString>>& values = {})
{
    return catalogueMessage(lang, key, values);
}

// A text the vCard commands have in the catalogue already.
QString shared(const TLang& lang, const char* key, const QList<std::pair<QString, QString>>& values = {})
{
    return exchange::fillPlaceholders(ReplaceReturn(lang.text(QLatin1String(key))), values);
}

} // namespace

namespace exchangecommands {

void finishExport(const TLang& lang, QWidget* owner, const QString& path, const exchange::CsvWritten& written,
                  int count)
{
    const exchange::SaveResult saved = exchange::saveFile(path, written.bytes);
    if (!saved.ok) {
        showMessage(owner, shared(lang, "vcard_exportfailed",
                                {{QStringLiteral("%FILE%"), shownPath(path)},
                                 {QStringLiteral("%ERROR%"), saved.diskFull ? shared(lang, "vcard_diskfull") : saved.reason}}));
        return;
    }
    QString message = text(lang, kExported, {{QStringLiteral("%COUNT%"), QString::number(count)},
                                             {QStringLiteral("%FILE%"), shownPath(path)}});
    if (!written.leftOut.isEmpty()) {
        QStringList lines;
        for (const exchange::LeftOut& l : written.leftOut.mid(0, kLeftOutShown)) {
            QStringList items = l.items;
            items.replaceInStrings(QStringLiteral("\u2020"), text(lang, kDeceased));
            lines << l.contact + QLatin1String(": ") + items.join(QLatin1String(", "));
        }
        if (written.leftOut.size() > kLeftOutShown)
            lines << QStringLiteral("...");
        message += ReplaceReturn(QStringLiteral("%RETURN%%RETURN%")) +
                   text(lang, kLeftOut, {{QStringLiteral("%ITEMS%"), lines.join(ReplaceReturn(QStringLiteral("%RETURN%")))}});
    }
    showMessage(owner, message);
}

const QList<MessageKey>& commandKeys()
{
    static const QList<MessageKey> keys = [] {
        QList<MessageKey> all = {kImportCaption, kExportCaption, kFilter,    kMappingCaption, kFile,    kPreset,
                                 kEncoding,      kSeparator,     kHeader,    kDates,          kColumns, kImport,
                                 kSummaryCaption, kWording.added, kWording.addedOne, kShape, kOutlook, kGoogle,
                                 kWording.noName, kWording.namedByEmail, kWording.defaultSalutation,
                                 kWording.allStored, kWording.matched, kWording.matchesQuestion,
                                 kWording.matchesAddNew, kWording.matchesSkip,
                                 kExported,      kLeftOut,       kDeceased};
        all << exchange::csvMessageKeys();
        return all;
    }();
    return keys;
}

} // namespace exchangecommands

int importCsv(Session& session, QWidget* owner)
{
    const TLang& lang = session.lang();
    const QString path =
        MessageService::instance().chooseOpenFile(owner, text(lang, kImportCaption), text(lang, kFilter));
    if (path.isEmpty())
        return 0;
    const std::optional<QByteArray> bytes = readImportFile(lang, owner, path);
    if (!bytes)
        return 0;
    exchange::CsvSource source(*bytes);
    const QString file = QFileInfo(path).fileName();
    const Tf_csvmapping::Texts texts{.caption = text(lang, kMappingCaption, {{QStringLiteral("%FILE%"), file}}),
                                     .file = text(lang, kFile, {{QStringLiteral("%FILE%"), shownPath(path)}}),
                                     .preset = text(lang, kPreset),
                                     .encoding = text(lang, kEncoding),
                                     .separator = text(lang, kSeparator),
                                     .header = text(lang, kHeader),
                                     .dates = text(lang, kDates),
                                     .columns = text(lang, kColumns),
                                     .ok = text(lang, kImport),
                                     .cancel = lang.text(QStringLiteral("btncancel")),
                                     .fields = catalogueTexts(lang)};
    Tf_csvmapping window(owner, source, texts);
    if (execModal(&window) != QDialog::Accepted || source.read().error)
        return 0;
    return storeImport(session, owner, exchange::csvContacts(source.table(), window.mapping()),
                       {.fileName = file,
                        .summaryCaption = text(lang, kSummaryCaption),
                        .wording = entryWording(kWording)});
}

void exportCsv(Session& session, QWidget* owner, const QList<int>& shownIds, int currentId)
{
    const TLang& lang = session.lang();
    DbTransaction& tr = session.mainTransaction();
    const int all = exchange::contactCount(tr);
    if (all == 0) {
        showMessage(owner, shared(lang, "vcard_nothingtoexport"));
        return;
    }
    const QString currentName = currentId ? exchange::contactListName(tr, currentId) : QString();
    const auto vcardText = [&](const char* key, const QString& placeholder = {}, const QString& value = {}) {
        return placeholder.isEmpty() ? shared(lang, key) : shared(lang, key, {{placeholder, value}});
    };
    Tf_csvexport choice(owner,
                        {.caption = text(lang, kExportCaption),
                         .question = vcardText("vcard_scopequestion"),
                         .shown = vcardText("vcard_scopeshown", "%COUNT%", QString::number(shownIds.size())),
                         .current = vcardText("vcard_scopecurrent", "%NAME%", currentName),
                         .all = vcardText("vcard_scopeall", "%COUNT%", QString::number(all)),
                         .shape = text(lang, kShape),
                         .outlook = text(lang, kOutlook),
                         .google = text(lang, kGoogle),
                         .ok = lang.text(QStringLiteral("btnok")),
                         .cancel = lang.text(QStringLiteral("btncancel"))},
                        !shownIds.isEmpty(), !currentName.isEmpty());
    if (execModal(&choice) != QDialog::Accepted)
        return;
    std::optional<QList<int>> keys;
    switch (choice.scope()) {
    case CsvExportScope::Shown: keys = shownIds; break;
    case CsvExportScope::Current: keys = QList<int>{currentId}; break;
    case CsvExportScope::All: break;
    }
    const QString path = MessageService::instance().chooseSaveFile(owner, text(lang, kExportCaption), text(lang, kFilter),
                                                                   QStringLiteral("Pellori.csv"));
    if (path.isEmpty())
        return;
    const QList<exchange::Contact> contacts = exchange::readContactsForExport(tr, keys);
    exchangecommands::finishExport(lang, owner, path, exchange::writeCsv(contacts, choice.shape()),
                                   int(contacts.size()));
}

} // namespace pellori
