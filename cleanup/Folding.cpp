#include "cleanup/Folding.h"

#include <array>

namespace pellori::cleanup {

namespace {

// What each Latin-1 character adds to a word: its upper-case base letter(s);
// empty for a character that separates words. The book's text is Latin-1, so
// a table serves nearly every character.
const std::array<QString, 256>& latin1Table()
{
    static const std::array<QString, 256> table = [] {
        std::array<QString, 256> t;
        for (char16_t c = '0'; c <= '9'; ++c)
            t[c] = QString(QChar(c));
        for (char16_t c = 'A'; c <= 'Z'; ++c)
            t[c] = t[c + 0x20] = QString(QChar(c));
        // À..þ: upper and lower case share the table's row 0x20 apart.
        const char* const upper[] = {"A", "A", "A", "A", "A", "A", "A", "C", "E", "E", "E", "E", "I", "I", "I", "I",
                                     "D", "N", "O", "O", "O", "O", "O", nullptr, "O", "U", "U", "U", "U", "Y", "TH", "SS"};
        for (int i = 0; i < 32; ++i)
            if (upper[i]) {
                t[0xC0 + i] = QLatin1String(upper[i]);
                if (i != 31)   // 0xFF is ÿ, not the lower case of ß
                    t[0xE0 + i] = QLatin1String(upper[i]);
            }
        t[0xFF] = QStringLiteral("Y");
        return t;
    }();
    return table;
}

QString lettersOf(QChar c)
{
    if (c.unicode() <= 0xFF)
        return latin1Table()[c.unicode()];
    if (c == QChar(0x0152) || c == QChar(0x0153))
        return QStringLiteral("OE");
    QString letters;
    for (const QChar d : QString(c).normalized(QString::NormalizationForm_KD))
        if (d.unicode() <= 0xFF)
            letters += latin1Table()[d.unicode()];
    return letters;
}

} // namespace

QStringList foldedWords(const QString& text)
{
    QStringList words;
    QString word;
    const auto endWord = [&] {
        if (!word.isEmpty() && !words.contains(word))
            words << word;
        word.clear();
    };
    for (const QChar c : text) {
        const QString letters = lettersOf(c);
        if (letters.isEmpty())
            endWord();
        for (const QChar l : letters)
            if (!(l == u'E' && !word.isEmpty() && (word.back() == u'A' || word.back() == u'O' || word.back() == u'U')))
                word += l;
    }
    endWord();
    return words;
}

QString numberDigits(const QString& text)
{
    QString digits;
    bool plus = false;
    for (const QChar c : text) {
        if (c.isDigit() && c.unicode() < 0x80)
            digits += c;
        else if (c == u'+' && digits.isEmpty())
            plus = true;
    }
    if (digits.isEmpty())
        return digits;
    if (plus)
        return digits.startsWith(QLatin1String("49")) ? u'0' + digits.mid(2) : QStringLiteral("00") + digits;
    if (digits.startsWith(QLatin1String("0049")))
        return u'0' + digits.mid(4);
    return digits;
}

QString phoneticCode(const QString& word)
{
    const auto at = [&](qsizetype i) { return i >= 0 && i < word.size() ? word.at(i).unicode() : u'\0'; };
    const auto in = [](char16_t c, const char* set) {
        for (; *set; ++set)
            if (c == char16_t(*set))
                return true;
        return false;
    };
    QString codes;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = at(i), before = at(i - 1), after = at(i + 1);
        QString code;
        if (in(c, "AEIJOUY"))
            code = QStringLiteral("0");
        else if (c == u'B')
            code = QStringLiteral("1");
        else if (c == u'P')
            code = after == u'H' ? QStringLiteral("3") : QStringLiteral("1");
        else if (c == u'D' || c == u'T')
            code = in(after, "CSZ") ? QStringLiteral("8") : QStringLiteral("2");
        else if (in(c, "FVW"))
            code = QStringLiteral("3");
        else if (in(c, "GKQ"))
            code = QStringLiteral("4");
        else if (c == u'C') {
            const bool hard = i == 0 ? in(after, "AHKLOQRUX") : in(after, "AHKOQUX") && !in(before, "SZ");
            code = hard ? QStringLiteral("4") : QStringLiteral("8");
        } else if (c == u'X')
            code = in(before, "CKQ") ? QStringLiteral("8") : QStringLiteral("48");
        else if (c == u'L')
            code = QStringLiteral("5");
        else if (c == u'M' || c == u'N')
            code = QStringLiteral("6");
        else if (c == u'R')
            code = QStringLiteral("7");
        else if (c == u'S' || c == u'Z')
            code = QStringLiteral("8");
        for (const QChar d : code)
            if (codes.isEmpty() || codes.back() != d)
                codes += d;
        // H (and anything else) adds nothing, and does not part two equal codes.
    }
    QString out;
    for (qsizetype i = 0; i < codes.size(); ++i)
        if (codes[i] != u'0' || i == 0)
            out += codes[i];
    return out;
}

} // namespace pellori::cleanup
