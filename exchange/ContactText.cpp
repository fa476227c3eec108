#include "exchange/ContactText.h"

#include <algorithm>

namespace pellori::exchange {
namespace {

// E.164 country codes form a prefix code: 1 and 7 alone, these 44 of two
// digits, every other of three.
qsizetype countryCodeLength(QStringView digits)
{
    static const QList<int> two = {20, 27, 30, 31, 32, 33, 34, 36, 39, 40, 41, 43, 44, 45, 46, 47, 48, 49,
                                   51, 52, 53, 54, 55, 56, 57, 58, 60, 61, 62, 63, 64, 65, 66, 81, 82, 84,
                                   86, 90, 91, 92, 93, 94, 95, 98};
    if (digits.isEmpty() || digits[0] == u'0')
        return 0;
    if (digits[0] == u'1' || digits[0] == u'7')
        return 1;
    if (digits.size() >= 2 && two.contains(digits.left(2).toInt()))
        return 2;
    return digits.size() >= 3 ? 3 : 0;
}

// "+49", "0049": an international prefix with exactly one country code.
bool isCountryCode(const QString& group)
{
    QStringView d(group);
    if (d.startsWith(u'+'))
        d = d.mid(1);
    else if (d.startsWith(u"00"))
        d = d.mid(2);
    else
        return false;
    for (const QChar c : d)
        if (!c.isDigit())
            return false;
    return !d.isEmpty() && countryCodeLength(d) == d.size();
}

QString withoutParentheses(QString group)
{
    if (group.size() > 2 && group.startsWith(u'(') && group.endsWith(u')'))
        group = group.mid(1, group.size() - 2);
    return group;
}

} // namespace

QString joinNonEmpty(const QStringList& parts, const QString& separator)
{
    QStringList kept;
    for (const QString& p : parts)
        if (!p.trimmed().isEmpty())
            kept << p.trimmed();
    return kept.join(separator);
}

SplitNumber splitNumber(const QString& text)
{
    QString t = text.simplified();
    if (t.startsWith(u'+') || t.startsWith(QLatin1String("00")))
        t = t.remove(QLatin1String("(0)")).simplified();   // the trunk zero written beside the country code
    if (const qsizetype slash = t.indexOf(u'/'); slash >= 0)
        return {.prefix = withoutParentheses(t.left(slash).trimmed()), .number = t.mid(slash + 1).trimmed()};
    if (const qsizetype blank = t.indexOf(u' '); blank >= 0) {
        const QString first = t.left(blank);
        // "businessfax 4", "google voice": words, not a prefix.
        if (std::any_of(first.begin(), first.end(), [](QChar c) { return c.isLetter(); }))
            return {.prefix = QString(), .number = t};
        const QString rest = t.mid(blank + 1);
        if (const qsizetype next = rest.indexOf(u' '); next >= 0 && isCountryCode(first))
            return {.prefix = first + u' ' + withoutParentheses(rest.left(next)), .number = rest.mid(next + 1)};
        return {.prefix = withoutParentheses(first), .number = rest};
    }
    // Anything but digits and the usual separators dials more than digits
    // (letters, "*", "#", pauses): kept as written, never cut into parts.
    for (const QChar c : t)
        if (!c.isDigit() && c != u'+' && c != u'-' && c != u'.' && c != u'(' && c != u')')
            return {.prefix = QString(), .number = t};
    QString marker;
    if (t.startsWith(u'+'))
        marker = QStringLiteral("+");
    else if (t.startsWith(QLatin1String("00")))
        marker = QStringLiteral("00");
    QString digits;
    for (const QChar c : QStringView(t).mid(marker.size()))
        if (c.isDigit())
            digits += c;
    if (!marker.isEmpty()) {
        const qsizetype cc = countryCodeLength(digits);
        if (cc == 0)
            return {.prefix = QString(), .number = t};
        if (digits.size() <= cc + 3)
            return {.prefix = marker + digits.left(cc), .number = digits.mid(cc)};
        return {.prefix = marker + digits.left(cc) + u' ' + digits.mid(cc, 3), .number = digits.mid(cc + 3)};
    }
    if (digits.size() <= 6)
        return {.prefix = QString(), .number = digits.isEmpty() ? t : digits};
    const qsizetype head = digits.startsWith(u'0') ? 4 : 3;
    return {.prefix = digits.left(head), .number = digits.mid(head)};
}

QString joinNumber(const QString& prefix, const QString& number)
{
    if (prefix.isEmpty())
        return number;
    for (const QChar sep : {u' ', u'/'}) {
        const QString text = prefix + sep + number;
        if (splitNumber(text) == SplitNumber{.prefix = prefix, .number = number})
            return text;
    }
    return prefix + u' ' + number;
}

} // namespace pellori::exchange
