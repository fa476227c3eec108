#include "dialogs/VCardCommands.h"

#include "data/DbTransaction.h"
#include "dialogs/ImportRun.h"
#include "dialogs/f_vcardexport.h"
#include "dialogs/f_vcardprogress.h"
#include "dialogs/f_vcardsummary.h"
#include "interop/CardMapping.h"
#include "interop/ContactExport.h"
#include "interop/ImportStore.h"
#include "interop/ImportSummary.h"
#include "interop/VCardWriter.h"
#include "settings/AppError.h"
#include "settings/Language.h"
#include "widgets/CommandGuard.h"
#include "widgets/MessageService.h"
#include "widgets/Session.h"

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
    return interop::fillPlaceholders(ReplaceReturn(lang.text(QLatin1String(key))), values);
}

interop::TextSource textsOf(const TLang& lang)
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
    const interop::ContactsRead read = interop::readContacts(bytes);
    if (read.error) {
        showMessage(owner, message(lang, "vcard_notimported",
                                   {{QStringLiteral("%FILE%"), shownPath(path)},
                                    {QStringLiteral("%ERROR%"), interop::readErrorText(*read.error, textsOf(lang))}}));
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
    const int all = interop::contactCount(tr);
    if (all == 0) {
        showMessage(owner, message(lang, "vcard_nothingtoexport"));
        return;
    }
    const QString currentName = currentId ? interop::contactListName(tr, currentId) : QString();
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
    const QList<interop::Contact> contacts = interop::readContactsForExport(tr, keys);
    const vcard::SaveResult saved = vcard::saveFile(path, interop::writeContacts(contacts));
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
