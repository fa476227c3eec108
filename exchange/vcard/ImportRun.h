#pragma once
// What every import does once its file is read, whatever the format: plan
// every contact against the book in a transaction of its own (a question
// decides postcodes that are not whole numbers in a book that keeps only
// numbers), find the entries that are contacts of the book already and ask
// whether to update them, add them as new or skip them, store everything
// with a progress window whose Cancel rolls it all back when there is much,
// and end with the summary window. A cancel or any failure leaves the book
// as it was.
#include "exchange/ImportPlan.h"
#include "exchange/ImportSummary.h"

#include <optional>
#include <utility>

class QWidget;

namespace pellori {

class Session;
class TLang;

// The catalogue's texts as the import's units ask for them (key and built-in text).
exchange::TextSource catalogueTexts(const TLang& lang);
// A catalogue text with "%RETURN%" as a line break and its placeholders filled.
QString catalogueMessage(const TLang& lang, const exchange::MessageKey& key,
                         const QList<std::pair<QString, QString>>& values = {});

// The bytes of the file to import; a file that cannot be read is said, and
// gives none.
std::optional<QByteArray> readImportFile(const TLang& lang, QWidget* owner, const QString& path);

// Imports of more contacts than this show their progress, with a cancel button.
inline constexpr int kImportProgressFrom = 300;

struct ImportRun {
    QString fileName;         // as the summary names it
    QString summaryCaption;   // the summary window's title
    // The question's and the summary's texts that speak of cards, in the words
    // of the file's entries ("The row has no name"): the vCard key and its
    // replacement.
    QList<std::pair<const char*, exchange::MessageKey>> wording;
};

// The texts a format words in its own terms ("rows", "entries") in place of
// the vCard ones.
struct EntryWording {
    exchange::MessageKey added, addedOne, matched, matchesQuestion, matchesAddNew, matchesSkip, noName, namedByEmail,
        defaultSalutation, allStored;
};
// As ImportRun::wording.
QList<std::pair<const char*, exchange::MessageKey>> entryWording(const EntryWording& w);

// Returns the O_ID of the contact of the file's first imported entry, to make
// it the current one; 0 when nothing was imported.
int storeImport(Session& session, QWidget* owner, const QList<exchange::CardContact>& contacts, const ImportRun& run);

// What an export writes, as the user chose it: the keys of the contacts, or
// none for the whole book.
struct ExportChoice {
    std::optional<QList<int>> keys;
};

// The first step of the vCard and LDIF exports: an empty book is said so, else
// the scope window (titled caption) asks which contacts to write. Nothing when
// there is nothing to write or the user cancelled.
std::optional<ExportChoice> chooseExportScope(Session& session, QWidget* owner, const QList<int>& shownIds,
                                              int currentId, const QString& caption);

} // namespace pellori
