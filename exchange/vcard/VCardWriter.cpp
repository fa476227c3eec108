#include "exchange/vcard/VCardWriter.h"


namespace pellori::vcard {

namespace {

constexpr qsizetype kLineOctets = 75;

QString parameterValue(const QString& value)
{
    QString v;
    bool quote = false;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'^': v += u"^^"; break;
        case u'"': v += u"^'"; break;
        case u'\n': v += u"^n"; break;
        case u'\r': break;
        case u':':
        case u';':
        case u',':
            quote = true;
            v += c;
            break;
        default: v += c;
        }
    }
    return quote || v.isEmpty() ? u'"' + v + u'"' : v;
}

void appendFolded(QByteArray& out, const QByteArray& line)
{
    qsizetype pos = 0;
    qsizetype room = kLineOctets;
    while (line.size() - pos > room) {
        qsizetype cut = pos + room;
        // Never between the bytes of one UTF-8 sequence.
        while (cut > pos && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;
        out += QByteArrayView(line).sliced(pos, cut - pos);
        out += "\r\n ";
        pos = cut;
        room = kLineOctets - 1;   // the leading blank counts
    }
    out += QByteArrayView(line).sliced(pos);
    out += "\r\n";
}

QByteArray propertyLine(const Property& p)
{
    QString line;
    if (!p.group.isEmpty())
        line += p.group + u'.';
    line += p.name;
    for (const Parameter& param : p.parameters) {
        QStringList values;
        for (const QString& v : param.values)
            values << parameterValue(v);
        line += u';' + param.name + u'=' + values.join(u',');
    }
    line += u':' + p.value;
    return line.toUtf8();
}

} // namespace

QByteArray writeCards(const QList<Card>& cards)
{
    QByteArray out;
    for (const Card& card : cards) {
        out += "BEGIN:VCARD\r\nVERSION:4.0\r\n";
        for (const Property& p : card.properties)
            if (p.name != u"VERSION")
                appendFolded(out, propertyLine(p));
        out += "END:VCARD\r\n";
    }
    return out;
}

} // namespace pellori::vcard
