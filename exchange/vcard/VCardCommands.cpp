#include "exchange/vcard/VCardCommands.h"

#include "data/ContactIdentity.h"
#include "data/DbError.h"
#include "data/DbTransaction.h"
#include "exchange/ContactExport.h"
#include "exchange/FileWriting.h"
#include "exchange/vcard/CardMapping.h"
#include "exchange/vcard/ImportRun.h"
#include "exchange/vcard/f_vcardexport.h"
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

using Values = QList<std::pair<QString, QString>>;

// A catalogue text with "%RETURN%" as a line break and its placeholders filled.
QString message(const TLang& lang, const char* key, const Values& values = {})
{
    return exchange::fillPlaceholders(ReplaceReturn(lang.text(QLatin1String(key))), values);
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
    return importVCardFile(session, owner, path);
}

int importVCardFile(Session& session, QWidget* owner, const QString& path)
{
    const TLang& lang = session.lang();
    const std::optional<QByteArray> bytes = readImportFile(lang, owner, path);
    if (!bytes)
        return 0;
    const exchange::ContactsRead read = exchange::readContacts(*bytes);
    if (read.error) {
        showMessage(owner, message(lang, "vcard_notimported",
                                   {{QStringLiteral("%FILE%"), shownPath(path)},
                                    {QStringLiteral("%ERROR%"), exchange::readErrorText(*read.error, catalogueTexts(lang))}}));
        return 0;
    }

    return storeImport(session, owner, read.contacts,
                       {.fileName = QFileInfo(path).fileName(),
                        .summaryCaption = lang.text(QStringLiteral("vcard_summarycaption"))});
}

void exportVCards(Session& session, QWidget* owner, const QList<int>& shownIds, int currentId)
{
    const TLang& lang = session.lang();
    DbTransaction& tr = session.mainTransaction();
    const std::optional<ExportChoice> choice =
        chooseExportScope(session, owner, shownIds, currentId, lang.text(QStringLiteral("vcard_exportcaption")));
    if (!choice)
        return;
    const std::optional<QList<int>>& keys = choice->keys;
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
