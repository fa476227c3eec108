#pragma once
// The language catalogue: texts from the optional Pellori.lang that replace the
// built-in English texts. Loaded once at start; read-only afterwards.
#include <QHash>
#include <QList>
#include <QString>

namespace pellori {

struct LangKey {
    const char* section;
    const char* key;
    const char* builtIn; // Latin-1
};

class TLang {
public:
    bool Loaded = false;

    // Reads "Pellori.lang" from the directory (with or without trailing separator).
    // A missing file or one of another version leaves the catalogue unloaded.
    // The file is ISO-8859-1, or UTF-8 when it starts with a byte order mark.
    void LoadLanguageFile(const QString& directory);

    // The catalogue's text as loaded; empty when not loaded or for an unknown key.
    QString value(const QString& key) const;
    // What a consumer shows: the catalogue's text when loaded (even an empty one),
    // otherwise the key's built-in text.
    QString text(const QString& key) const;
    // For places whose built-in text differs from the key's usual one.
    QString text(const QString& key, const QString& builtIn) const;

    static const QList<LangKey>& keys();

private:
    QHash<QString, QString> m_texts;
};

// Every "%RETURN%" becomes a line break (CR LF).
QString ReplaceReturn(QString text);
// The message for a configuration file of the wrong version.
QString IniVersionMessage(const TLang& lang, const QString& foundVersion);

} // namespace pellori
