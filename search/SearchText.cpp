#include "search/SearchText.h"

namespace pellori::search {

namespace {

// What a Latin-1 character adds to a word once upper-cased: the base letter of
// an accented one, two letters for ß and Þ; empty for a separator.
QString latin1Letters(char16_t u)
{
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
        u -= 0x20;   // as the database's upper() does on Latin-1
    if ((u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9'))
        return QString(QChar(u));
    static const char16_t kFrom[] = u"\u00C0\u00C1\u00C2\u00C3\u00C4\u00C5\u00C6\u00C7\u00C8\u00C9\u00CA\u00CB"
                                    u"\u00CC\u00CD\u00CE\u00CF\u00D0\u00D1\u00D2\u00D3\u00D4\u00D5\u00D6\u00D8"
                                    u"\u00D9\u00DA\u00DB\u00DC\u00DD\u00DE\u00DF\u00FF";
    static const char* const kTo[] = {"A", "A", "A", "A", "A", "A", "A", "C", "E", "E", "E", "E", "I", "I", "I", "I",
                                      "D", "N", "O", "O", "O", "O", "O", "O", "U", "U", "U", "U", "Y", "TH", "SS", "Y"};
    for (size_t i = 0; kFrom[i]; ++i)
        if (kFrom[i] == u)
            return QLatin1String(kTo[i]);
    return {};
}

// A character beyond Latin-1: the letters it decomposes into (č to C, the
// ligature ﬁ to FI), Œ as OE; none for anything else.
QString otherLetters(QChar c)
{
    if (c == QChar(0x0152) || c == QChar(0x0153))
        return QStringLiteral("OE");
    QString letters;
    for (QChar d : QString(c).normalized(QString::NormalizationForm_KD))
        if (d.unicode() <= 0xFF)
            letters += latin1Letters(d.unicode());
    return letters;
}

} // namespace

QStringList foldedWords(const QString& text)
{
    return foldedWords(text, kWordLength);
}

QStringList foldedWords(const QString& text, qsizetype wordLength)
{
    QStringList words;
    QString word;
    const auto endWord = [&] {
        word.truncate(wordLength);
        if (!word.isEmpty() && !words.contains(word))
            words << word;
        word.clear();
    };
    for (QChar c : text) {
        const QString m = c.unicode() <= 0xFF ? latin1Letters(c.unicode()) : otherLetters(c);
        if (m.isEmpty())
            endWord();
        for (QChar l : m) {
            // "ae", "oe" and "ue" are written for the umlauts.
            if (!(l == QLatin1Char('E') && !word.isEmpty() && QStringView(u"AOU").contains(word.back())))
                word += l;
        }
    }
    endWord();
    return words;
}

QString numberDigits(const QString& text)
{
    return numberDigits(text, kWordLength);
}

QString numberDigits(const QString& text, qsizetype wordLength)
{
    QString digits;
    bool plus = false;
    for (QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
        else if (c == QLatin1Char('+') && digits.isEmpty())
            plus = true;
    }
    if (digits.isEmpty())
        return digits;
    if (plus && digits.startsWith(QLatin1String("49")))
        digits = QLatin1Char('0') + digits.mid(2);
    else if (plus)
        digits = QLatin1String("00") + digits;
    else if (digits.startsWith(QLatin1String("0049")))
        digits = QLatin1Char('0') + digits.mid(4);
    return digits.left(wordLength);
}

bool looksLikeNumber(const QString& text)
{
    bool digit = false;
    for (QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digit = true;
        else if (!c.isSpace() && !QStringView(u"+/-().").contains(c))
            return false;
    }
    return digit;
}

QStringList searchWords(const QString& text)
{
    if (looksLikeNumber(text))
        return {numberDigits(text)};
    const QStringList folded = foldedWords(text);
    QStringList words;
    for (const QString& w : folded) {
        // A word that another begins with finds nothing the other does not.
        const bool covered = std::any_of(folded.begin(), folded.end(), [&](const QString& o) {
            return o != w && o.startsWith(w);
        });
        if (!covered && words.size() < kMaxWords)
            words << w;
    }
    return words;
}

} // namespace pellori::search
