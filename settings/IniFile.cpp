#include "settings/IniFile.h"

#include "settings/AppError.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <array>
#include <cstring>
#include <stdexcept>

namespace pellori {

namespace {

// The classic profile reader fills a 2048-byte buffer, terminator included.
constexpr qsizetype kMaxValueLength = 2047;

// One physical line as offsets into the file. The line ends at a line feed;
// a carriage return right before it belongs to the line end, and so does a
// lone carriage return that ends the file. Any other carriage return is text.
struct Line {
    qsizetype begin = 0;
    qsizetype textEnd = 0;
    qsizetype end = 0; // after the line end

    bool terminated(QByteArrayView data) const { return end > begin && data[end - 1] == '\n'; }
};

// Calls f(line) for each line until f returns false.
template <typename F>
void forEachLine(QByteArrayView data, F&& f)
{
    const char* const bytes = data.data();
    const qsizetype size = data.size();
    qsizetype begin = 0;
    while (begin < size) {
        const void* found = std::memchr(bytes + begin, '\n', size_t(size - begin));
        const qsizetype newline = found ? static_cast<const char*>(found) - bytes : size;
        qsizetype textEnd = newline;
        if (textEnd > begin && bytes[textEnd - 1] == '\r')
            --textEnd;
        const qsizetype end = found ? newline + 1 : size;
        if (!f(Line{begin, textEnd, end}))
            return;
        begin = end;
    }
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

struct Range {
    const char* begin = nullptr;
    const char* end = nullptr;
    qsizetype size() const { return end - begin; }
};

Range trimBlanks(const char* begin, const char* end)
{
    while (begin < end && isBlank(*begin))
        ++begin;
    while (end > begin && isBlank(end[-1]))
        --end;
    return {begin, end};
}

enum class LineKind { Other, Section, Entry };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    Range name;              // section name or key, trimmed
    const char* valueStart = nullptr; // entries: after "=" and the blanks that follow it
};

// A line whose first non-blank is "[" opens a section, up to the first "]" or
// the end of the line; otherwise a line holding "=" is an entry.
ParsedLine parseLine(const char* begin, const char* end)
{
    ParsedLine parsed;
    const char* first = begin;
    while (first < end && isBlank(*first))
        ++first;
    if (first < end && *first == '[') {
        const void* close = std::memchr(first + 1, ']', size_t(end - first - 1));
        parsed.kind = LineKind::Section;
        parsed.name = trimBlanks(first + 1, close ? static_cast<const char*>(close) : end);
        return parsed;
    }
    const void* found = std::memchr(begin, '=', size_t(end - begin));
    if (found) {
        const char* equals = static_cast<const char*>(found);
        parsed.kind = LineKind::Entry;
        parsed.name = trimBlanks(begin, equals);
        parsed.valueStart = equals + 1;
        while (parsed.valueStart < end && isBlank(*parsed.valueStart))
            ++parsed.valueStart;
    }
    return parsed;
}

// Blanks around the value go, then one pair of enclosing quotes, then all
// past the reader's buffer.
QString entryValue(const char* valueStart, const char* lineEnd)
{
    Range value = trimBlanks(valueStart, lineEnd);
    if (value.size() >= 2 && (*value.begin == '"' || *value.begin == '\'') && value.end[-1] == *value.begin) {
        ++value.begin;
        --value.end;
    }
    return QString::fromLatin1(value.begin, qMin(value.size(), kMaxValueLength));
}

// Names match as QString::compare(..., Qt::CaseInsensitive) matches them: code
// point by code point, each simply case-folded.
QString folded(const QString& name)
{
    QList<uint> points = name.toUcs4();
    for (uint& point : points)
        point = QChar::toCaseFolded(char32_t(point));
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), points.size());
}

const std::array<char16_t, 256>& latin1Folds()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> folds{};
        for (int c = 0; c < 256; ++c)
            folds[size_t(c)] = char16_t(QChar::toCaseFolded(char32_t(c)));
        return folds;
    }();
    return table;
}

// The folded form of a name in the file, into a buffer kept between lines.
void foldInto(QString& buffer, Range name)
{
    const auto& folds = latin1Folds();
    buffer.resize(name.size());
    char16_t* out = reinterpret_cast<char16_t*>(buffer.data());
    for (const char* c = name.begin; c < name.end; ++c)
        *out++ = folds[uchar(*c)];
}

QByteArray lineEndStyle(QByteArrayView data)
{
    // The file's own line end; a file without any gets CRLF, as the files have
    // always been written.
    const qsizetype newline = data.indexOf('\n');
    if (newline < 0)
        return QByteArrayLiteral("\r\n");
    return newline > 0 && data[newline - 1] == '\r' ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
}

// What must follow a line before another can be added after it: nothing when it
// ends in a line feed. A lone carriage return at the end of the file gets its
// line feed; a bare CR could pair with a carriage return at the end of the text.
QByteArray terminatorFor(const Line& line, QByteArrayView data, const QByteArray& eol)
{
    if (line.terminated(data))
        return {};
    return line.end > line.textEnd ? QByteArrayLiteral("\n") : eol;
}

// The value as written, so that the reader gives it back: in quotes when the
// reader would drop its blanks or quotes, or take a final CR for a line end.
QByteArray storedValue(const QString& value)
{
    const QByteArray bytes = value.toLatin1();
    if (bytes.isEmpty())
        return bytes;
    const char first = bytes.front(), last = bytes.back();
    const bool quoted = bytes.size() >= 2 && (first == '"' || first == '\'') && last == first;
    if (quoted || isBlank(first) || isBlank(last) || last == '\r')
        return '"' + bytes + '"';
    return bytes;
}

bool isLatin1(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

bool hasBlankEdge(const QString& name)
{
    auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    return !name.isEmpty() && (blank(name.front()) || blank(name.back()));
}

} // namespace

// ---------------------------------------------------------------- reading

IniSnapshot IniSnapshot::load(const QString& path, const QList<IniKey>& keys)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return parse({}, keys);
    return parse(file.readAll(), keys);
}

IniSnapshot IniSnapshot::parse(QByteArrayView bytes, const QList<IniKey>& keys)
{
    IniSnapshot snapshot;

    struct WantedSection {
        QString name; // folded
        bool seen = false;
        QHash<QString, qsizetype> keySlots; // folded key -> slot
    };
    QList<WantedSection> sections;
    for (const IniKey& wanted : keys) {
        const QString section = folded(wanted.section), key = folded(wanted.key);
        auto where = std::find_if(sections.begin(), sections.end(),
                                  [&](const WantedSection& s) { return s.name == section; });
        if (where == sections.end())
            where = sections.insert(sections.end(), WantedSection{section, false, {}});
        if (!where->keySlots.contains(key)) {
            where->keySlots.insert(key, snapshot.m_slots.size());
            snapshot.m_slots.append({section, key, false, {}});
        }
    }

    qsizetype unseenSections = sections.size();
    qsizetype missingKeys = snapshot.m_slots.size();
    if (missingKeys == 0)
        return snapshot;
    WantedSection* current = nullptr; // lines before the first header belong to no section
    QString name;
    const char* const data = bytes.data();
    forEachLine(bytes, [&](const Line& line) {
        const ParsedLine parsed = parseLine(data + line.begin, data + line.textEnd);
        if (parsed.kind == LineKind::Section) {
            foldInto(name, parsed.name);
            current = nullptr;
            for (WantedSection& section : sections) {
                if (section.name == name) {
                    // Only the first section of a name counts.
                    if (!section.seen) {
                        section.seen = true;
                        --unseenSections;
                        current = &section;
                    }
                    break;
                }
            }
            // Past the last wanted section nothing more can be found.
            return current || unseenSections > 0;
        }
        if (parsed.kind != LineKind::Entry || !current)
            return true;
        foldInto(name, parsed.name);
        const auto slot = current->keySlots.constFind(name);
        if (slot == current->keySlots.cend())
            return true;
        Slot& target = snapshot.m_slots[*slot];
        if (target.found) // only the first entry of a key counts
            return true;
        target.found = true;
        target.value = entryValue(parsed.valueStart, data + line.textEnd);
        return --missingKeys > 0;
    });
    return snapshot;
}

const IniSnapshot::Slot& IniSnapshot::slot(const QString& section, const QString& key) const
{
    const QString wantedSection = folded(section), wantedKey = folded(key);
    for (const Slot& slot : m_slots) {
        if (slot.section == wantedSection && slot.key == wantedKey)
            return slot;
    }
    throw std::logic_error("IniSnapshot: key " + section.toStdString() + "/" + key.toStdString()
                           + " was not read from the file");
}

QString IniSnapshot::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const Slot& found = slot(section, key);
    return found.found ? found.value : defaultValue;
}

bool IniSnapshot::has(const QString& section, const QString& key) const { return slot(section, key).found; }

// ---------------------------------------------------------------- IniFile

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

const QString& IniFile::path() const
{
    return m_path;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return IniSnapshot::load(m_path, {{section, key}}).readString(section, key, defaultValue);
}

QString IniFile::unstorableReason(const QString& section, const QString& key, const QString& value)
{
    if (!isLatin1(section) || !isLatin1(key) || !isLatin1(value))
        return QStringLiteral("it holds characters outside ISO-8859-1");
    if (section.contains(QLatin1Char('\n')) || key.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\n')))
        return QStringLiteral("it holds a line break");
    if (section.contains(QLatin1Char(']')))
        return QStringLiteral("the section name holds \"]\"");
    if (key.contains(QLatin1Char('=')))
        return QStringLiteral("the key holds \"=\"");
    if (key.startsWith(QLatin1Char('[')))
        return QStringLiteral("the key begins with \"[\"");
    if (hasBlankEdge(section) || hasBlankEdge(key))
        return QStringLiteral("a name begins or ends with a blank");
    if (value.size() > kMaxValueLength)
        return QStringLiteral("the value is longer than %1 characters").arg(kMaxValueLength);
    return {};
}

QByteArray IniFile::withValue(QByteArrayView contents, const QString& section, const QString& key,
                              const QString& value)
{
    const QString wantedSection = folded(section), wantedKey = folded(key);
    const QByteArray eol = lineEndStyle(contents);
    const QByteArray entry = key.toLatin1() + '=' + storedValue(value);
    const char* const data = contents.data();

    bool inSection = false;
    Line after;            // the line a new entry goes after: the section's last entry, or its header
    Line last;             // the file's last line seen
    const char* replaceFrom = nullptr, *replaceTo = nullptr;
    QString name;
    forEachLine(contents, [&](const Line& line) {
        last = line;
        const ParsedLine parsed = parseLine(data + line.begin, data + line.textEnd);
        if (!inSection) {
            if (parsed.kind == LineKind::Section) {
                foldInto(name, parsed.name);
                inSection = name == wantedSection;
                after = line;
            }
            return true;
        }
        if (parsed.kind == LineKind::Section)
            return false;
        if (parsed.kind == LineKind::Entry) {
            foldInto(name, parsed.name);
            if (name == wantedKey) {
                // Keep the key's spelling and the layout around "=", replace only the value.
                replaceFrom = parsed.valueStart;
                replaceTo = data + line.textEnd;
                return false;
            }
            after = line;
        }
        return true;
    });

    QByteArray result;
    result.reserve(contents.size() + entry.size() + section.size() + 8);
    if (replaceFrom) {
        result.append(data, replaceFrom - data).append(storedValue(value));
        result.append(replaceTo, data + contents.size() - replaceTo);
    } else if (inSection) {
        // After the section's last entry, so that blank lines and comments that
        // lead into the next section stay where they are.
        result.append(data, after.end).append(terminatorFor(after, contents, eol)).append(entry + eol);
        result.append(data + after.end, contents.size() - after.end);
    } else {
        result.append(contents.data(), contents.size());
        if (!contents.isEmpty())
            result.append(terminatorFor(last, contents, eol));
        result.append('[' + section.toLatin1() + ']' + eol + entry + eol);
    }
    return result;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    const QString unstorable = unstorableReason(section, key, value);
    if (!unstorable.isEmpty())
        throw AppError(QStringLiteral("Cannot write %1 of section %2 to %3: %4.").arg(key, section, m_path, unstorable));

    const AppError failure(QString("Unable to write to %1").arg(m_path));

    QByteArray old;
    const QFileInfo info(m_path);
    const bool existed = info.exists() || info.isSymLink();
    if (existed) {
        QFile file(m_path);
        if (info.isDir() || !file.open(QIODevice::ReadOnly))
            throw failure;
        old = file.readAll();
    }
    const QByteArray contents = withValue(old, section, key, value);

    // Written beside the old file and renamed over it: a failure leaves the old one whole.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        throw failure;
    // A new file may come to hold a password: its owner's alone. An existing
    // file keeps the permissions its owner gave it.
    if (!existed && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        file.cancelWriting();
        throw failure;
    }
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        throw failure;
    }
    if (!file.commit())
        throw failure;
}

} // namespace pellori
