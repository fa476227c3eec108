// The language catalogue on an arbitrary Pellori.lang: loading never fails,
// loads exactly when the reference reading finds version 1.0, and then holds
// for every key what the reference reading finds in the key's own section.
#include "IniReference.h"

#include "settings/Language.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace pellori;
using reference::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        QFile file(QDir(dir.path()).filePath("Pellori.lang"));
        check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "the file is written");
    }

    const reference::Document doc = reference::document(bytes);
    static const QStringList firstEdition = {"f_Main", "common", "f_add_company", "f_add_person",
                                             "f_compy", "f_person", "f_birth", "f_standardvalues"};
    TLang lang;
    lang.LoadLanguageFile(dir.path());
    check(lang.Loaded == (reference::read(doc, "Pellori", "Version", {}) == QLatin1String("1.0")),
          "loaded exactly for version 1.0");
    for (const LangKey& entry : TLang::keys()) {
        const QString expected = lang.Loaded ? reference::read(doc, entry.section, entry.key, {}) : QString();
        check(lang.value(entry.key) == expected, "each key from its own section");
        // Keys added after the first edition keep their built-in text where the file lacks them.
        const QString absent(QChar(0xFFFF));   // no Latin-1 file can hold it
        const bool keepsBuiltIn = !firstEdition.contains(QLatin1String(entry.section))
                                  && reference::read(doc, entry.section, entry.key, absent) == absent;
        check(lang.text(entry.key)
                  == (lang.Loaded && !keepsBuiltIn ? expected : QString::fromLatin1(entry.builtIn)),
              "the text shown");
    }
    return 0;
}
