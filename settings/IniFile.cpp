#include "settings/IniFile.h"

#include "settings/AppError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pellori {

namespace {

// The classic profile reader fills a 2048-byte buffer, terminator included.
constexpr qsizetype kMaxValueLength = 2047;

// One physical line: its text and the line end that followed it (CRLF, LF, a
// lone CR at the very end of the file, or nothing for an unterminated last line).
struct RawLine {
    QByteArray text;
    QByteArray end;
};

QList<RawLine> splitLines(const QByteArray& data)
{
    QList<RawLine> lines;
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype newline = data.indexOf('\n', start);
        const bool terminated = newline >= 0;
        if (!terminated)
            newline = data.size();
        qsizetype textEnd = newline;
        if (textEnd > start && data.at(textEnd - 1) == '\r')
            --textEnd;
        const qsizetype lineEnd = terminated ? newline + 1 : newline;
        lines.append({data.mid(start, textEnd - start), data.mid(textEnd, lineEnd - textEnd)});
        start = lineEnd;
    }
    return lines;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

qsizetype skipBlanks(const QByteArray& text, qsizetype from)
{
    while (from < text.size() && isBlank(text.at(from)))
        ++from;
    return from;
}

QByteArray trimBlanks(const QByteArray& text)
{
    qsizetype begin = skipBlanks(text, 0);
    qsizetype end = text.size();
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

enum class LineKind { Other, Section, Entry };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    QByteArray name;           // section name or key, trimmed
    qsizetype valueStart = 0;  // entries: where the value starts, blanks after "=" skipped
};

ParsedLine parseLine(const QByteArray& text)
{
    ParsedLine parsed;
    const qsizetype first = skipBlanks(text, 0);
    if (first < text.size() && text.at(first) == '[') {
        qsizetype close = text.indexOf(']', first + 1);
        if (close < 0)
            close = text.size();
        parsed.kind = LineKind::Section;
        parsed.name = trimBlanks(text.mid(first + 1, close - first - 1));
        return parsed;
    }
    const qsizetype equals = text.indexOf('=');
    if (equals >= 0) {
        parsed.kind = LineKind::Entry;
        parsed.name = trimBlanks(text.left(equals));
        parsed.valueStart = skipBlanks(text, equals + 1);
    }
    return parsed;
}

QString entryValue(const QByteArray& text, const ParsedLine& parsed)
{
    QByteArray value = trimBlanks(text.mid(parsed.valueStart));
    if (value.size() >= 2) {
        const char quote = value.front();
        if ((quote == '"' || quote == '\'') && value.back() == quote)
            value = value.mid(1, value.size() - 2);
    }
    if (value.size() > kMaxValueLength)
        value.truncate(kMaxValueLength);
    return QString::fromLatin1(value);
}

bool sameName(const QByteArray& fileName, const QString& wanted)
{
    return QString::fromLatin1(fileName).compare(wanted, Qt::CaseInsensitive) == 0;
}

// The file's own line end; a file without any gets CRLF, as the files have
// always been written.
QByteArray lineEndStyle(const QList<RawLine>& lines)
{
    for (const RawLine& line : lines) {
        if (line.end.endsWith('\n'))
            return line.end;
    }
    return QByteArrayLiteral("\r\n");
}

} // namespace

IniSnapshot IniSnapshot::load(const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return IniSnapshot();
    return parse(file.readAll());
}

IniSnapshot IniSnapshot::parse(const QByteArray& bytes)
{
    IniSnapshot snapshot;
    snapshot.m_sections.append(Section()); // lines before the first header
    for (const RawLine& line : splitLines(bytes)) {
        const ParsedLine parsed = parseLine(line.text);
        if (parsed.kind == LineKind::Section) {
            snapshot.m_sections.append({QString::fromLatin1(parsed.name), true, {}});
        } else if (parsed.kind == LineKind::Entry) {
            snapshot.m_sections.last().entries.append(
                {QString::fromLatin1(parsed.name), entryValue(line.text, parsed)});
        }
    }
    return snapshot;
}

QString IniSnapshot::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    for (const Section& candidate : m_sections) {
        if (!candidate.named || candidate.name.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        // Only the first section of a name counts, and in it only the first entry of a key.
        for (const Entry& entry : candidate.entries) {
            if (entry.key.compare(key, Qt::CaseInsensitive) == 0)
                return entry.value;
        }
        return defaultValue;
    }
    return defaultValue;
}

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

const QString& IniFile::path() const
{
    return m_path;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return IniSnapshot::load(m_path).readString(section, key, defaultValue);
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    const AppError failure(QString("Unable to write to %1").arg(m_path));

    QByteArray old;
    const QFileInfo info(m_path);
    if (info.exists() || info.isSymLink()) {
        QFile file(m_path);
        if (info.isDir() || !file.open(QIODevice::ReadOnly))
            throw failure;
        old = file.readAll();
    }

    QList<RawLine> lines = splitLines(old);
    const QByteArray eol = lineEndStyle(lines);
    const QByteArray keyBytes = key.toLatin1();
    const QByteArray valueBytes = value.toLatin1();

    // Appending after a last line that has no line end must give it one first.
    auto insertAfter = [&](qsizetype index, QByteArray text) {
        if (index >= 0 && !lines[index].end.endsWith('\n'))
            lines[index].end = eol;
        lines.insert(index + 1, {std::move(text), eol});
    };

    qsizetype sectionLine = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = parseLine(lines[i].text);
        if (parsed.kind == LineKind::Section && sameName(parsed.name, section)) {
            sectionLine = i;
            break;
        }
    }

    if (sectionLine < 0) {
        insertAfter(lines.size() - 1, '[' + section.toLatin1() + ']');
        insertAfter(lines.size() - 1, keyBytes + '=' + valueBytes);
    } else {
        qsizetype lastEntry = sectionLine;
        bool replaced = false;
        for (qsizetype i = sectionLine + 1; i < lines.size(); ++i) {
            const ParsedLine parsed = parseLine(lines[i].text);
            if (parsed.kind == LineKind::Section)
                break;
            if (parsed.kind != LineKind::Entry)
                continue;
            if (sameName(parsed.name, key)) {
                // Keep the key's spelling and the layout around "=", replace only the value.
                lines[i].text = lines[i].text.left(parsed.valueStart) + valueBytes;
                replaced = true;
                break;
            }
            lastEntry = i;
        }
        // After the section's last entry, so that blank lines and comments that
        // lead into the next section stay where they are.
        if (!replaced)
            insertAfter(lastEntry, keyBytes + '=' + valueBytes);
    }

    QByteArray contents;
    for (const RawLine& line : lines)
        contents += line.text + line.end;

    // Written beside the old file and renamed over it: a failure leaves the old one whole.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        throw failure;
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        throw failure;
    }
    if (!file.commit())
        throw failure;
}

} // namespace pellori
