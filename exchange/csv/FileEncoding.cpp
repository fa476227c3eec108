#include "exchange/csv/FileEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace pellori::exchange {

namespace {

// Windows-1252 in 0x80 to 0x9F; 0 where the code page leaves the byte
// undefined, which is then read as the Latin-1 control character.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

QString decodeCp1252(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *d++ = QChar(b >= 0x80 && b < 0xA0 && kCp1252High[b - 0x80] ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return out;
}

QByteArray encodeCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out += char(u);
            continue;
        }
        char byte = '?';
        for (int i = 0; i < 32; ++i)
            if (kCp1252High[i] == u && u != 0)
                byte = char(0x80 + i);
        out += byte;
    }
    return out;
}

const QByteArray kUtf8Bom("\xEF\xBB\xBF");
const QByteArray kUtf16LEBom("\xFF\xFE");
const QByteArray kUtf16BEBom("\xFE\xFF");

} // namespace

const QList<EncodingInfo>& encodings()
{
    static const QList<EncodingInfo> list = {
        {.encoding = Encoding::Utf8, .name = "UTF-8"},
        {.encoding = Encoding::Windows1252, .name = "Windows-1252"},
        {.encoding = Encoding::Latin9, .name = "ISO-8859-15"},
        {.encoding = Encoding::Utf16LE, .name = "UTF-16LE"},
        {.encoding = Encoding::Utf16BE, .name = "UTF-16BE"},
        {.encoding = Encoding::MacRoman, .name = "macintosh"},
        {.encoding = Encoding::Ibm850, .name = "IBM850"},
    };
    return list;
}

QString encodingName(Encoding encoding)
{
    for (const EncodingInfo& e : encodings())
        if (e.encoding == encoding)
            return QString::fromLatin1(e.name);
    return QString();
}

bool isWellFormedUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char b = *p++;
        if (b < 0x80)
            continue;
        int more;
        char32_t cp, min;
        if ((b & 0xE0) == 0xC0) { more = 1; cp = b & 0x1F; min = 0x80; }
        else if ((b & 0xF0) == 0xE0) { more = 2; cp = b & 0x0F; min = 0x800; }
        else if ((b & 0xF8) == 0xF0) { more = 3; cp = b & 0x07; min = 0x10000; }
        else return false;
        if (end - p < more)
            return false;
        for (int i = 0; i < more; ++i, ++p) {
            if ((*p & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (*p & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
    }
    return true;
}

Encoding detectEncoding(const QByteArray& bytes)
{
    if (bytes.startsWith(kUtf8Bom))
        return Encoding::Utf8;
    if (bytes.startsWith(kUtf16LEBom))
        return Encoding::Utf16LE;
    if (bytes.startsWith(kUtf16BEBom))
        return Encoding::Utf16BE;
    return isWellFormedUtf8(bytes) ? Encoding::Utf8 : Encoding::Windows1252;
}

QString decodeText(const QByteArray& bytes, Encoding encoding)
{
    QByteArrayView view(bytes);
    switch (encoding) {
    case Encoding::Utf8:
        if (view.startsWith(kUtf8Bom))
            view = view.sliced(3);
        return QString::fromUtf8(view);
    case Encoding::Windows1252: return decodeCp1252(view);
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: {
        const QByteArray& bom = encoding == Encoding::Utf16LE ? kUtf16LEBom : kUtf16BEBom;
        if (view.startsWith(bom))
            view = view.sliced(2);
        QStringDecoder decoder(encoding == Encoding::Utf16LE ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                               QStringConverter::Flag::Stateless);
        return decoder.decode(view);
    }
    default: {
        QStringDecoder decoder(encodingName(encoding).toLatin1().constData());
        return decoder.isValid() ? QString(decoder.decode(view)) : decodeCp1252(view);
    }
    }
}

QByteArray encodeText(const QString& text, Encoding encoding, bool bom)
{
    switch (encoding) {
    case Encoding::Utf8: return (bom ? kUtf8Bom : QByteArray()) + text.toUtf8();
    case Encoding::Windows1252: return encodeCp1252(text);
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: {
        QStringEncoder encoder(encoding == Encoding::Utf16LE ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return (encoding == Encoding::Utf16LE ? kUtf16LEBom : kUtf16BEBom) + QByteArray(encoder.encode(text));
    }
    default: {
        QStringEncoder encoder(encodingName(encoding).toLatin1().constData());
        return encoder.isValid() ? QByteArray(encoder.encode(text)) : encodeCp1252(text);
    }
    }
}

} // namespace pellori::exchange
