#include "exchange/ldif/LdifReader.h"

#include "exchange/csv/FileEncoding.h"

#include <QRegularExpression>

namespace pellori::exchange {

QStringList LdifEntry::values(QStringView name) const
{
    QStringList out;
    for (const LdifAttribute& a : attributes) {
        QStringView n(a.name);
        if (const qsizetype semi = n.indexOf(u';'); semi >= 0)
            n = n.left(semi);
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            out << a.value;
    }
    return out;
}

namespace {

// Line breaks inside a value (CR LF from Windows, CR from old Macs) as "\n".
QString decodeValue(const QByteArray& bytes)
{
    QString v = isWellFormedUtf8(bytes) ? QString::fromUtf8(bytes) : decodeText(bytes, Encoding::Windows1252);
    if (v.contains(u'\r'))
        v.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    return v;
}

bool isBase64(QByteArrayView v)
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z0-9+/]*={0,2}$"));
    return v.size() % 4 == 0 && re.match(QString::fromLatin1(v)).hasMatch();
}

QString shown(const QByteArray& line) { return decodeValue(line.left(60)).trimmed(); }

} // namespace

LdifRead readLdif(const QByteArray& input)
{
    LdifRead out;
    const auto fail = [&](LdifErrorKind kind, int line, const QString& text = QString()) {
        out.entries.clear();
        out.error = LdifError{.kind = kind, .line = line, .text = text};
        return out;
    };
    QByteArrayView bytes(input);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);

    // Logical lines: folded lines joined, each with the line it began on.
    QList<std::pair<QByteArray, int>> lines;
    bool inComment = false;
    int number = 0;
    for (qsizetype pos = 0; pos <= bytes.size();) {
        qsizetype end = bytes.indexOf('\n', pos);
        if (end < 0)
            end = bytes.size();
        QByteArrayView l = bytes.sliced(pos, end - pos);
        pos = end + 1;
        ++number;
        if (l.endsWith('\r'))
            l.chop(1);
        if (l.contains('\0'))
            return fail(LdifErrorKind::Binary, number);
        if (!l.isEmpty() && l[0] == ' ') {
            if (inComment)
                continue;
            if (lines.isEmpty() || lines.last().first.isEmpty())
                return fail(LdifErrorKind::NotAttribute, number, shown(l.toByteArray()));
            lines.last().first += l.sliced(1);
            continue;
        }
        inComment = !l.isEmpty() && l[0] == '#';
        if (!inComment)
            lines << std::pair{l.toByteArray(), number};
        if (end == bytes.size())
            break;
    }

    static const QRegularExpression attribute(QStringLiteral("^[A-Za-z][A-Za-z0-9-]*(;[A-Za-z0-9-]+)*$|^[0-9]+(\\.[0-9]+)*$"));
    LdifEntry entry;
    bool open = false;
    for (const auto& [line, lineNumber] : lines) {
        if (line.isEmpty()) {
            if (open)
                out.entries << entry;
            entry = LdifEntry();
            open = false;
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        const QString name = colon > 0 ? QString::fromLatin1(line.left(colon)).trimmed() : QString();
        if (colon <= 0 || !attribute.match(name).hasMatch())
            return fail(LdifErrorKind::NotAttribute, lineNumber, shown(line));
        QByteArrayView rest = QByteArrayView(line).sliced(colon + 1);
        QString value;
        if (rest.startsWith(':')) {
            const QByteArray b64 = rest.sliced(1).trimmed().toByteArray();
            if (!isBase64(b64))
                return fail(LdifErrorKind::BadBase64, lineNumber, shown(line));
            value = decodeValue(QByteArray::fromBase64(b64));
        } else if (rest.startsWith('<')) {
            value = decodeValue(rest.sliced(1).trimmed().toByteArray());   // a URL: kept as written
        } else {
            value = decodeValue(rest.trimmed().toByteArray());
        }
        // "version: 1" before the first entry says which LDIF this is.
        if (!open && out.entries.isEmpty() && name.compare(u"version", Qt::CaseInsensitive) == 0)
            continue;
        if (!open) {
            entry.line = lineNumber;
            open = true;
        }
        if (name.compare(u"dn", Qt::CaseInsensitive) == 0 && entry.dn.isEmpty())
            entry.dn = value;
        else
            entry.attributes << LdifAttribute{.name = name, .value = value, .line = lineNumber};
    }
    if (open)
        out.entries << entry;
    if (out.entries.isEmpty())
        return fail(LdifErrorKind::Empty, 0);
    return out;
}

QString normalDn(const QString& dn)
{
    QStringList parts;
    for (const QString& rdn : dn.split(u',')) {
        const qsizetype eq = rdn.indexOf(u'=');
        if (eq < 0)
            parts << rdn.trimmed();
        else
            parts << rdn.left(eq).trimmed().toLower() + u'=' + rdn.mid(eq + 1).trimmed();
    }
    return parts.join(u',');
}

} // namespace pellori::exchange
