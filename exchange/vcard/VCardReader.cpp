#include "exchange/vcard/VCardReader.h"

#include "exchange/FileBytes.h"

#include <QStringDecoder>

namespace pellori::vcard {

using exchange::ReadError;
using exchange::ReadErrorKind;

namespace {

// ISO-8859-15 differs from Latin-1 in eight places.
QString decodeLatin9(QByteArrayView bytes)
{
    QString out = QString::fromLatin1(bytes);
    for (QChar& c : out) {
        switch (c.unicode()) {
        case 0xA4: c = QChar(0x20AC); break;
        case 0xA6: c = QChar(0x0160); break;
        case 0xA8: c = QChar(0x0161); break;
        case 0xB4: c = QChar(0x017D); break;
        case 0xB8: c = QChar(0x017E); break;
        case 0xBC: c = QChar(0x0152); break;
        case 0xBD: c = QChar(0x0153); break;
        case 0xBE: c = QChar(0x0178); break;
        default: break;
        }
    }
    return out;
}

bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

enum class Charset { Utf8, Cp1252, Latin9, Other, Unknown };

Charset charsetOf(const QString& name)
{
    QString n = name.trimmed().toLower();
    n.remove(u'-').remove(u'_');
    if (n == u"utf8")
        return Charset::Utf8;
    // Text labelled Latin-1 by Windows producers is Windows-1252 in practice.
    if (n == u"iso88591" || n == u"latin1" || n == u"l1" || n == u"usascii" || n == u"ascii" ||
        n == u"windows1252" || n == u"cp1252")
        return Charset::Cp1252;
    if (n == u"iso885915" || n == u"latin9")
        return Charset::Latin9;
    // Qt decodes the others through ICU (Shift_JIS, Windows-1251, KOI8-R, Big5 ...).
    return QStringDecoder(name.trimmed().toLatin1().constData()).isValid() ? Charset::Other : Charset::Unknown;
}

QString decode(QByteArrayView bytes, Charset charset, const QString& name = QString())
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    switch (charset) {
    case Charset::Utf8:
        // Labelled UTF-8 but not: the bytes of a Windows producer.
        return exchange::isWellFormedUtf8(bytes) ? QString::fromUtf8(bytes) : exchange::decodeCp1252(bytes);
    case Charset::Latin9:
    case Charset::Cp1252:
    case Charset::Unknown:
        // A value labelled Latin-1 that is valid UTF-8 was mislabelled: real
        // Latin-1 text almost never forms UTF-8 sequences.
        if (exchange::isWellFormedUtf8(bytes))
            return QString::fromUtf8(bytes);
        return charset == Charset::Latin9 ? decodeLatin9(bytes) : exchange::decodeCp1252(bytes);
    case Charset::Other: return QStringDecoder(name.trimmed().toLatin1().constData()).decode(bytes);
    }
    return QString();
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray decodeQuotedPrintable(QByteArrayView in)
{
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (c == '=' && i + 2 < in.size() && hexValue(in[i + 1]) >= 0 && hexValue(in[i + 2]) >= 0) {
            out += char(hexValue(in[i + 1]) * 16 + hexValue(in[i + 2]));
            i += 2;
        } else if (c == '=' && i + 1 == in.size()) {
            // a soft break left at the very end
        } else {
            out += c;
        }
    }
    return out;
}

QString shortened(const QString& text)
{
    constexpr qsizetype kShown = 40;
    return text.size() > kShown ? text.left(kShown) + QLatin1String("...") : text;
}

// Splits at sep outside double quotes.
QList<QByteArrayView> splitOutsideQuotes(QByteArrayView text, char sep)
{
    QList<QByteArrayView> parts;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (text[i] == sep && !quoted) {
            parts << text.sliced(start, i - start);
            start = i + 1;
        }
    }
    parts << text.sliced(start);
    return parts;
}

// RFC 6868: ^n line break, ^' double quote, ^^ caret (vCard 4.0 parameters).
QString decodeCarets(const QString& value)
{
    if (!value.contains(u'^'))
        return value;
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'^' && i + 1 < value.size()) {
            const QChar n = value.at(i + 1);
            if (n == u'n' || n == u'N') { out += u'\n'; ++i; continue; }
            if (n == u'\'') { out += u'"'; ++i; continue; }
            if (n == u'^') { out += u'^'; ++i; continue; }
        }
        out += c;
    }
    return out;
}

bool isEncodingWord(const QByteArray& upper)
{
    return upper == "QUOTED-PRINTABLE" || upper == "BASE64" || upper == "B" || upper == "8BIT" || upper == "7BIT";
}

struct LogicalLine {
    QByteArray text;
    int line;
};

// Before the first ':' outside quotes.
qsizetype colonIndex(QByteArrayView text)
{
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (text[i] == ':' && !quoted)
            return i;
    }
    return -1;
}

bool isQuotedPrintableLine(const QByteArray& text)
{
    const qsizetype colon = colonIndex(text);
    return colon > 0 && QByteArrayView(text).first(colon).toByteArray().toUpper().contains("QUOTED-PRINTABLE");
}

// A line ending in a single (unescaped) backslash, followed by one without a
// ':' that could begin a property of its own.
bool continuesAfterBackslash(const QList<LogicalLine>& lines, QByteArrayView next)
{
    if (lines.isEmpty() || next.isEmpty() || next.contains(':') || colonIndex(lines.last().text) < 0)
        return false;
    const QByteArray& text = lines.last().text;
    qsizetype backslashes = 0;
    while (backslashes < text.size() && text[text.size() - 1 - backslashes] == '\\')
        ++backslashes;
    return backslashes % 2 == 1;
}

QList<LogicalLine> unfold(const QByteArray& bytes)
{
    // Line ends: LF or CR LF; only a file without any LF is split at CR.
    const char end = bytes.contains('\n') ? '\n' : '\r';
    QList<LogicalLine> lines;
    bool softBreak = false;
    int number = 0;
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype stop = bytes.indexOf(end, start);
        if (stop < 0)
            stop = bytes.size();
        QByteArrayView raw = QByteArrayView(bytes).sliced(start, stop - start);
        if (raw.endsWith('\r'))
            raw.chop(1);
        start = stop + 1;
        ++number;
        if (softBreak) {
            lines.last().text.chop(1);   // the '=' of the soft break
            lines.last().text += raw;
        } else if (!lines.isEmpty() && !raw.isEmpty() && (raw[0] == ' ' || raw[0] == '\t')) {
            lines.last().text += raw.sliced(1);
        } else if (continuesAfterBackslash(lines, raw)) {
            // Some 2.1 writers break an address line after a backslash: the
            // escaped line break it means.
            lines.last().text += 'n';
            lines.last().text += raw;
        } else {
            lines << LogicalLine{raw.toByteArray(), number};
        }
        softBreak = lines.last().text.endsWith('=') && isQuotedPrintableLine(lines.last().text);
    }
    return lines;
}

class Reader {
public:
    explicit Reader(const QByteArray& input) { prepare(input); }

    ReadResult read()
    {
        ReadResult result;
        try {
            readLines();
            if (m_cards.isEmpty())
                fail(ReadErrorKind::NoCard, 0, QString());
            result.cards = std::move(m_cards);
        } catch (const ReadError& e) {
            result.error = e;
        }
        return result;
    }

private:
    [[noreturn]] void fail(ReadErrorKind kind, int line, const QString& text, int other = 0)
    {
        throw ReadError{.kind = kind, .line = line, .otherLine = other, .text = shortened(text)};
    }

    void prepare(const QByteArray& input)
    {
        m_bytes = input;
        if (m_bytes.startsWith("\xFF\xFE") || m_bytes.startsWith("\xFE\xFF")) {
            const auto enc = m_bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE;
            QStringDecoder toText(enc);
            const QString text = toText(QByteArrayView(m_bytes).sliced(2));
            m_bytes = text.toUtf8();
            m_fileCharset = Charset::Utf8;
        } else if (m_bytes.startsWith("\xEF\xBB\xBF")) {
            m_bytes.remove(0, 3);
            m_fileCharset = Charset::Utf8;
        } else {
            m_fileCharset = exchange::isWellFormedUtf8(m_bytes) ? Charset::Utf8 : Charset::Cp1252;
        }
    }

    QString fileText(QByteArrayView bytes) const { return decode(bytes, m_fileCharset); }

    static void note(Card& card, exchange::NoteKind kind, int line, const QString& value, const QString& detail = {})
    {
        card.notes << exchange::Note{.kind = kind, .value = value, .detail = detail, .line = line};
    }

    // "BEGIN:VCARD" or "END:VCARD", in any case, with or without a group
    // ("home.begin:vcard"), blanks around it, or a byte order mark where a
    // card begins (two exports joined into one file).
    static bool isCardLine(QByteArrayView text, QByteArrayView word)
    {
        text = text.trimmed();
        if (text.startsWith("\xEF\xBB\xBF"))
            text = text.sliced(3);
        const qsizetype colon = text.indexOf(':');
        if (colon < 0 || text.sliced(colon + 1).trimmed().compare("VCARD", Qt::CaseInsensitive) != 0)
            return false;
        QByteArrayView name = text.first(colon).trimmed();
        if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0)
            name = name.sliced(dot + 1);
        return name.compare(word, Qt::CaseInsensitive) == 0;
    }

    // Cards may hold cards (some phones nest them): each is read as a card of
    // its own, in the order they begin, and the outer one says so.
    void readLines()
    {
        QList<Card> open;
        QList<Card> done;
        for (const LogicalLine& l : unfold(m_bytes)) {
            const QByteArrayView text = QByteArrayView(l.text).trimmed();
            if (text.isEmpty() || (open.isEmpty() && text.startsWith('#')))
                continue;
            if (isCardLine(text, "BEGIN")) {
                if (!open.isEmpty())
                    note(open.last(), exchange::NoteKind::NestedCard, l.line, QString());
                Card card;
                card.line = l.line;
                open << std::move(card);
                continue;
            }
            if (open.isEmpty())
                fail(ReadErrorKind::BeginExpected, l.line, fileText(l.text));
            Card& card = open.last();
            if (isCardLine(text, "END")) {
                done << open.takeLast();
                continue;
            }
            if (text.startsWith('#')) {
                note(card, exchange::NoteKind::CommentLine, l.line, shortened(fileText(text)));
                continue;
            }
            std::optional<Property> p = parse(l, card);
            if (!p)
                continue;
            if (p->name == u"VERSION") {
                const QString v = p->value.trimmed();
                if (v != u"2.1" && v != u"3.0" && v != u"4.0")
                    note(card, exchange::NoteKind::UnknownVersion, l.line, v);
                card.version = v;
                continue;
            }
            card.properties << std::move(*p);
        }
        if (!open.isEmpty()) {
            const Card& outer = open.first();
            const auto nested = std::find_if(outer.notes.begin(), outer.notes.end(), [](const exchange::Note& n) {
                return n.kind == exchange::NoteKind::NestedCard;
            });
            if (nested != outer.notes.end())
                fail(ReadErrorKind::NestedBegin, nested->line, QString(), outer.line);
            fail(ReadErrorKind::NoEnd, outer.line, QString());
        }
        std::stable_sort(done.begin(), done.end(), [](const Card& a, const Card& b) { return a.line < b.line; });
        m_cards = std::move(done);
    }

    // A property as well as it can be read; a line that is none is a note of the card.
    std::optional<Property> parse(const LogicalLine& l, Card& card)
    {
        const QByteArrayView text(l.text);
        qsizetype colon = colonIndex(text);
        if (colon < 0)
            colon = text.indexOf(':');   // a quote left open: its value begins at the first ':'
        const QList<QByteArrayView> header = splitOutsideQuotes(colon < 0 ? QByteArrayView() : text.first(colon), ';');
        Property p;
        p.line = l.line;
        QByteArrayView name = header.first().trimmed();
        if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0) {
            p.group = fileText(name.first(dot));
            name = name.sliced(dot + 1);
        }
        if (name.isEmpty()) {
            note(card, exchange::NoteKind::LineNotRead, l.line, shortened(fileText(text)));
            return std::nullopt;
        }
        // A name of other characters than vCard allows is kept as written:
        // Pellori has no place for it, and the summary names it.
        p.name = fileText(name).toUpper();

        for (qsizetype i = 1; i < header.size(); ++i)
            addParameter(p, header[i].trimmed(), card.version);

        QByteArray value = text.sliced(colon + 1).toByteArray();
        const QStringList encoding = p.parameter(QStringLiteral("ENCODING"));
        const bool quotedPrintable =
            !encoding.isEmpty() && encoding.first().compare(u"QUOTED-PRINTABLE", Qt::CaseInsensitive) == 0;
        if (quotedPrintable)
            value = decodeQuotedPrintable(value);
        p.value = decodeValue(value, p, quotedPrintable, card);
        if (p.value.contains(u'\r'))
            p.value.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
        return p;
    }

    void addParameter(Property& p, QByteArrayView part, const QString& version)
    {
        if (part.isEmpty())
            return;
        const qsizetype eq = part.indexOf('=');
        if (eq < 0) {
            // vCard 2.1 writes bare values: "TEL;WORK;VOICE", "NOTE;QUOTED-PRINTABLE".
            const QByteArray upper = part.toByteArray().toUpper();
            p.parameters << Parameter{.name = isEncodingWord(upper) ? QStringLiteral("ENCODING") : QStringLiteral("TYPE"),
                                      .values = {fileText(part)}};
            return;
        }
        Parameter param{.name = QString::fromLatin1(part.first(eq).trimmed()).toUpper(), .values = {}};
        for (QByteArrayView v : splitOutsideQuotes(part.sliced(eq + 1), ',')) {
            v = v.trimmed();
            if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"'))
                v = v.sliced(1, v.size() - 2);
            QString value = fileText(v);
            param.values << (version == u"4.0" ? decodeCarets(value) : value);
        }
        p.parameters << param;
    }

    QString decodeValue(const QByteArray& value, const Property& p, bool quotedPrintable, Card& card)
    {
        const QStringList charset = p.parameter(QStringLiteral("CHARSET"));
        if (charset.isEmpty())
            // Quoted-printable bytes without a character set: UTF-8 when they
            // form it, else what Windows producers write.
            return quotedPrintable ? decode(value, Charset::Cp1252) : fileText(value);
        const Charset c = charsetOf(charset.first());
        if (c == Charset::Unknown && !isAscii(value))
            note(card, exchange::NoteKind::UnknownCharset, p.line, charset.first(),
                 exchange::isWellFormedUtf8(value) ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252"));
        return decode(value, c, charset.first());
    }

    QByteArray m_bytes;
    Charset m_fileCharset = Charset::Utf8;
    QList<Card> m_cards;
};

} // namespace

ReadResult readCards(const QByteArray& bytes)
{
    return Reader(bytes).read();
}

} // namespace pellori::vcard
