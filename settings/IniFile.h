#pragma once
// Reader and writer for the program's INI files (Pellori.ini, Pellori.lang).
// Files are single-byte ISO-8859-1; the conversion to QString happens here
// and nowhere else.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace pellori {

struct IniKey {
    QString section;
    QString key;
};

// The values of a chosen set of keys, read from an INI file in one pass. Only
// those keys are kept, so a large file costs one scan and no more memory than
// its mapping. Names match without regard to case; only the first section of a
// name counts, and in it only the first entry of a key.
class IniSnapshot {
public:
    // A missing or unreadable file gives a snapshot in which every key reads as its default.
    static IniSnapshot load(const QString& path, const QList<IniKey>& keys);
    static IniSnapshot parse(QByteArrayView bytes, const QList<IniKey>& keys);

    // One of the keys given when the snapshot was made; any other key throws
    // std::logic_error, since its value was never kept.
    QString readString(const QString& section, const QString& key, const QString& defaultValue = QString()) const;
    // Whether the file holds that key (one given when the snapshot was made).
    bool has(const QString& section, const QString& key) const;

private:
    struct Slot {
        QString section; // case-folded
        QString key;     // case-folded
        bool found = false;
        QString value;
    };
    const Slot& slot(const QString& section, const QString& key) const;
    QList<Slot> m_slots;
};

class IniFile {
public:
    explicit IniFile(QString path);
    const QString& path() const;
    // Reads one value; the file is read again on every call, so a value written
    // by someone else in between is seen. To read several keys, use IniSnapshot.
    QString readString(const QString& section, const QString& key, const QString& defaultValue = QString()) const;
    // Replaces or adds one entry; every other line stays byte for byte. Throws
    // AppError when the names or the value would not read back unchanged (see
    // unstorableReason), and AppError("Unable to write to <path>") when the
    // file cannot be written; the old file then stays whole. A file made here
    // is readable and writable by its owner alone.
    void writeString(const QString& section, const QString& key, const QString& value);

    // Why the entry cannot be stored so that it reads back as given (a line
    // feed, a character outside ISO-8859-1, a name the syntax would read
    // otherwise, a value past the reader's 2047 characters); empty when it can.
    static QString unstorableReason(const QString& section, const QString& key, const QString& value);
    // The file's contents with the entry set, as writeString writes them. The
    // entry must be storable.
    static QByteArray withValue(QByteArrayView contents, const QString& section, const QString& key,
                                const QString& value);

private:
    QString m_path;
};

} // namespace pellori
