#pragma once
// A plain, slow reading of the INI rules for the fuzz harnesses to hold the
// real reader and writer against: every line split into its own byte arrays,
// names compared through QString.
#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdlib>
#include <cstdio>

namespace reference {

struct Line {
    QByteArray text;
    QByteArray end; // "\r\n", "\n", "\r" (only at the very end of the file) or ""
};

inline QList<Line> lines(const QByteArray& data)
{
    QList<Line> out;
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype newline = data.indexOf('\n', start);
        Line line{newline < 0 ? data.mid(start) : data.mid(start, newline - start),
                  newline < 0 ? QByteArray() : QByteArray("\n")};
        if (line.text.endsWith('\r')) {
            line.text.chop(1);
            line.end.prepend('\r');
        }
        out.append(line);
        start = newline < 0 ? data.size() : newline + 1;
    }
    return out;
}

inline QByteArray trimBlanks(QByteArray text)
{
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove(0, 1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

struct Parsed {
    enum Kind { Other, Section, Entry } kind = Other;
    QString name;
    QByteArray rawValue; // after "=", blanks not yet dropped
};

inline Parsed parse(const QByteArray& text)
{
    const QByteArray trimmed = trimBlanks(text);
    if (trimmed.startsWith('[')) {
        qsizetype close = trimmed.indexOf(']');
        if (close < 0)
            close = trimmed.size();
        return {Parsed::Section, QString::fromLatin1(trimBlanks(trimmed.mid(1, close - 1))), {}};
    }
    const qsizetype equals = text.indexOf('=');
    if (equals < 0)
        return {};
    return {Parsed::Entry, QString::fromLatin1(trimBlanks(text.left(equals))), text.mid(equals + 1)};
}

inline QString value(const QByteArray& raw)
{
    QByteArray v = trimBlanks(raw);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return QString::fromLatin1(v.left(2047));
}

inline bool same(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The file's sections in order, each with its entries in order; lines before
// the first section belong to none and are left out.
struct Document {
    struct Entry {
        QString key;
        QByteArray rawValue;
    };
    struct Section {
        QString name;
        QList<Entry> entries;
    };
    QList<Section> sections;
};

inline Document document(const QByteArray& data)
{
    Document doc;
    for (const Line& line : lines(data)) {
        const Parsed parsed = parse(line.text);
        if (parsed.kind == Parsed::Section)
            doc.sections.append({parsed.name, {}});
        else if (parsed.kind == Parsed::Entry && !doc.sections.isEmpty())
            doc.sections.last().entries.append({parsed.name, parsed.rawValue});
    }
    return doc;
}

// First section of the name, first entry of the key in it.
inline QString read(const Document& doc, const QString& section, const QString& key, const QString& fallback)
{
    for (const Document::Section& candidate : doc.sections) {
        if (!same(candidate.name, section))
            continue;
        for (const Document::Entry& entry : candidate.entries) {
            if (same(entry.key, key))
                return value(entry.rawValue);
        }
        return fallback;
    }
    return fallback;
}

struct Key {
    QString section, key;
};

// Every entry that lies in some section, in file order, at most `limit`.
inline QList<Key> entries(const Document& doc, qsizetype limit)
{
    QList<Key> out;
    for (const Document::Section& section : doc.sections) {
        for (const Document::Entry& entry : section.entries) {
            if (out.size() >= limit)
                return out;
            out.append({section.name, entry.key});
        }
    }
    return out;
}

inline void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

} // namespace reference
