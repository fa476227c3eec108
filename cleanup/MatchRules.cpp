#include "cleanup/MatchRules.h"

#include "cleanup/Folding.h"

#include <algorithm>

namespace pellori::cleanup {

namespace {

bool shareAny(const QStringList& a, const QStringList& b)
{
    return std::any_of(a.begin(), a.end(), [&](const QString& x) { return b.contains(x); });
}

bool sameName(const MatchKeys& a, const MatchKeys& b)
{
    return a.hasName() && a.family == b.family && a.first == b.first;
}

} // namespace

MatchKeys MatchKeys::of(const MatchFacts& f)
{
    MatchKeys k;
    k.key = f.key;
    k.kind = f.kind;
    k.uid = f.uid.trimmed().toUpper();
    const QStringList family = foldedWords(f.name1), first = foldedWords(f.name2);
    k.family = family.join(u' ');
    k.first = first.join(u' ');
    k.firstWord = first.value(0);
    QStringList sounds;
    for (const QString& w : family)
        sounds << phoneticCode(w);
    k.sound = sounds.join(u' ');
    for (const QString& e : f.emails)
        if (const QString m = e.trimmed().toCaseFolded(); !m.isEmpty() && !k.emails.contains(m))
            k.emails << m;
    for (const QString& n : f.numbers)
        if (const QString d = numberDigits(n); d.size() >= kMinNumberDigits && !k.numbers.contains(d))
            k.numbers << d;
    for (const QString& t : f.towns)
        if (const QString w = foldedWords(t).join(u' '); !w.isEmpty() && !k.towns.contains(w))
            k.towns << w;
    k.birthday = f.birthday;
    k.employer = f.employer;
    return k;
}

QString MatchKeys::nameKey() const { return QLatin1Char(kind) + family + u'|' + first; }

CardMatch matchCard(const MatchKeys& card, const MatchKeys& contact)
{
    if (!card.uid.isEmpty() && card.uid == contact.uid)
        return CardMatch::Uid;
    if (card.kind != contact.kind || !sameName(card, contact))
        return CardMatch::None;
    if (shareAny(card.emails, contact.emails))
        return CardMatch::NameAndEmail;
    if (shareAny(card.numbers, contact.numbers))
        return CardMatch::NameAndNumber;
    if (card.birthday.isValid() && card.birthday == contact.birthday)
        return CardMatch::NameAndBirthday;
    return CardMatch::None;
}

bool similarNames(const MatchKeys& a, const MatchKeys& b)
{
    if (a.kind != b.kind || !a.hasName() || !b.hasName() || sameName(a, b) || a.sound != b.sound)
        return false;
    if (a.kind == 'C')
        return true;
    const QString &x = a.firstWord, &y = b.firstWord;
    if (x.isEmpty() || y.isEmpty() || x == y)
        return true;
    if ((x.size() == 1 && y.startsWith(x)) || (y.size() == 1 && x.startsWith(y)))
        return true;
    return phoneticCode(x) == phoneticCode(y);
}

Reasons duplicateReasons(const MatchKeys& a, const MatchKeys& b)
{
    if (a.kind != b.kind || (a.key != 0 && a.key == b.key))
        return 0;
    Reasons reasons = 0;
    const bool named = sameName(a, b), similar = similarNames(a, b);
    if (named)
        reasons |= SameName;
    if (similar && shareAny(a.towns, b.towns))
        reasons |= SimilarNameSameTown;
    const bool colleagues = a.kind == 'P' && a.employer != 0 && a.employer == b.employer && !named && !similar;
    if (!colleagues && shareAny(a.emails, b.emails))
        reasons |= SameEmail;
    if (!colleagues && shareAny(a.numbers, b.numbers))
        reasons |= SameNumber;
    return reasons;
}

int strength(Reasons reasons)
{
    int s = 0;
    if (reasons & SameName)
        s += 8;
    if (reasons & SameEmail)
        s += 4;
    if (reasons & SameNumber)
        s += 2;
    if (reasons & SimilarNameSameTown)
        s += 1;
    return s;
}

} // namespace pellori::cleanup
