#include "cleanup/Folding.h"

#include "search/SearchText.h"

#include <limits>

namespace pellori::cleanup {

// The search's folding, with words kept whole: a long name must not meet
// another that only shares its start.
QStringList foldedWords(const QString& text)
{
    return search::foldedWords(text, std::numeric_limits<qsizetype>::max());
}

QString numberDigits(const QString& text)
{
    return search::numberDigits(text, std::numeric_limits<qsizetype>::max());
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
