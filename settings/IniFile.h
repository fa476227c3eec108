#pragma once
// Reader and writer for the program's INI files (Pellori.ini, Pellori.lang).
// Files are single-byte ISO-8859-1; the conversion to QString happens here
// and nowhere else.
#include <QByteArray>
#include <QList>
#include <QString>

namespace pellori {

// One parsed state of an INI file, for callers that read many keys at once
// (the language catalogue). Same matching rules as IniFile::readString.
class IniSnapshot {
public:
    IniSnapshot() = default;
    // A missing or unreadable file gives an empty snapshot: every key reads as its default.
    static IniSnapshot load(const QString& path);
    static IniSnapshot parse(const QByteArray& bytes);

    QString readString(const QString& section, const QString& key, const QString& defaultValue = QString()) const;

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        bool named = false; // false for the lines before the first section header
        QList<Entry> entries;
    };
    QList<Section> m_sections;
};

class IniFile {
public:
    explicit IniFile(QString path);
    const QString& path() const;
    // Reads one value; the file is read again on every call, so a value written
    // by someone else in between is seen.
    QString readString(const QString& section, const QString& key, const QString& defaultValue = QString()) const;
    // Replaces or adds one entry. Throws AppError("Unable to write to <path>") on
    // failure; the old file then stays whole.
    void writeString(const QString& section, const QString& key, const QString& value);

private:
    QString m_path;
};

} // namespace pellori
