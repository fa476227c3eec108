#include "exchange/vcard/VCard.h"

namespace pellori::vcard {

namespace {

// Parts between unescaped separators, still escaped.
QStringList splitEscaped(const QString& value, QChar separator)
{
    QStringList parts;
    QString part;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\' && i + 1 < value.size()) {
            part += c;
            part += value.at(++i);
        } else if (c == separator) {
            parts << part;
            part.clear();
        } else {
            part += c;
        }
    }
    parts << part;
    return parts;
}

QStringList unescapeAll(QStringList parts)
{
    for (QString& p : parts)
        p = unescapeText(p);
    return parts;
}

} // namespace

QString escapeText(const QString& text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case u'\\': out += u"\\\\"; break;
        case u',': out += u"\\,"; break;
        case u';': out += u"\\;"; break;
        case u'\r':
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            out += u"\\n";
            break;
        case u'\n': out += u"\\n"; break;
        default: out += c;
        }
    }
    return out;
}

QString unescapeText(const QString& text)
{
    if (!text.contains(u'\\'))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\\' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar next = text.at(++i);
        out += (next == u'n' || next == u'N') ? QChar(u'\n') : next;
    }
    return out;
}

QStringList Property::parameter(const QString& parameterName) const
{
    QStringList values;
    for (const Parameter& p : parameters)
        if (p.name.compare(parameterName, Qt::CaseInsensitive) == 0)
            values += p.values;
    return values;
}

QStringList Property::types() const
{
    // TYPE="work,voice" is two values, as RFC 6350 writes it.
    QStringList types;
    for (const QString& value : parameter(QStringLiteral("TYPE")))
        for (const QString& t : value.split(u','))
            if (!t.trimmed().isEmpty())
                types << t.trimmed().toLower();
    return types;
}

bool Property::preferred() const
{
    for (const QString& v : parameter(QStringLiteral("PREF")))
        if (v.trimmed() == u"1")
            return true;
    return types().contains(QStringLiteral("pref"));
}

QString Property::text() const { return unescapeText(value); }
QStringList Property::components() const { return unescapeAll(splitEscaped(value, u';')); }

QStringList Property::componentsAsWords() const
{
    QStringList parts = splitEscaped(value, u';');
    for (QString& part : parts)
        part = unescapeAll(splitEscaped(part, u',')).join(u' ');
    return parts;
}
QStringList Property::values() const { return unescapeAll(splitEscaped(value, u',')); }

Property Property::fromText(const QString& name, const QString& text)
{
    return fromRaw(name, escapeText(text));
}

Property Property::fromComponents(const QString& name, const QStringList& components)
{
    QStringList escaped;
    for (const QString& c : components)
        escaped << escapeText(c);
    return fromRaw(name, escaped.join(u';'));
}

Property Property::fromValues(const QString& name, const QStringList& values)
{
    QStringList escaped;
    for (const QString& v : values)
        escaped << escapeText(v);
    return fromRaw(name, escaped.join(u','));
}

Property Property::fromRaw(const QString& name, const QString& raw)
{
    Property p;
    p.name = name.toUpper();
    p.value = raw;
    return p;
}

Property& Property::with(const QString& parameterName, const QStringList& values)
{
    parameters << Parameter{.name = parameterName.toUpper(), .values = values};
    return *this;
}

Property& Property::inGroup(const QString& groupName)
{
    group = groupName;
    return *this;
}

const Property* Card::first(const QString& name) const
{
    for (const Property& p : properties)
        if (p.name == name)
            return &p;
    return nullptr;
}

QList<const Property*> Card::group(const QString& groupName) const
{
    QList<const Property*> found;
    if (groupName.isEmpty())
        return found;
    for (const Property& p : properties)
        if (p.group.compare(groupName, Qt::CaseInsensitive) == 0)
            found << &p;
    return found;
}

} // namespace pellori::vcard
