#include "exchange/csv/FileEncoding.h"

#include "exchange/FileBytes.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace pellori::exchange {

namespace {

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
