#include "exchange/Latin1Text.h"

#include "data/FieldValue.h"

#include <optional>

namespace pellori::exchange {

namespace {

struct Replacement {
    char32_t from;
    const char* to;
};

// What canonical decomposition does not give: ligatures, letters with a
// stroke, punctuation of Windows-1252 and typesetting.
constexpr Replacement kReplacements[] = {
    {.from = U'Œ', .to = "OE"},  {.from = U'œ', .to = "oe"},   {.from = U'Ł', .to = "L"},
    {.from = U'ł', .to = "l"},   {.from = U'Đ', .to = "D"},    {.from = U'đ', .to = "d"},
    {.from = U'Ħ', .to = "H"},   {.from = U'ħ', .to = "h"},    {.from = U'ı', .to = "i"},
    {.from = U'Ŧ', .to = "T"},   {.from = U'ŧ', .to = "t"},    {.from = U'Ŋ', .to = "N"},
    {.from = U'ŋ', .to = "n"},   {.from = U'ĸ', .to = "k"},    {.from = U'ſ', .to = "s"},
    {.from = U'ƒ', .to = "f"},   {.from = U'ẞ', .to = "SS"},   {.from = U'Ə', .to = "E"},
    {.from = U'ə', .to = "e"},   {.from = U'€', .to = "EUR"},  {.from = U'‚', .to = "'"},
    {.from = U'‘', .to = "'"},   {.from = U'’', .to = "'"},    {.from = U'‛', .to = "'"},
    {.from = U'′', .to = "'"},   {.from = U'„', .to = "\""},   {.from = U'“', .to = "\""},
    {.from = U'”', .to = "\""},  {.from = U'‟', .to = "\""},   {.from = U'″', .to = "\""},
    {.from = U'‹', .to = "<"},   {.from = U'›', .to = ">"},    {.from = U'‐', .to = "-"},
    {.from = U'‑', .to = "-"},   {.from = U'‒', .to = "-"},    {.from = U'–', .to = "-"},
    {.from = U'—', .to = "-"},   {.from = U'―', .to = "-"},    {.from = U'−', .to = "-"},
    {.from = U'…', .to = "..."}, {.from = U'•', .to = "*"},    {.from = U'†', .to = "+"},
    {.from = U'‡', .to = "++"},  {.from = U'‰', .to = "o/oo"}, {.from = U'ˆ', .to = "^"},
    {.from = U'˜', .to = "~"},   {.from = U'™', .to = "(TM)"}, {.from = U'\u2028', .to = "\n"},
    {.from = U'\u2029', .to = "\n"}, {.from = U'\u200B', .to = ""}, {.from = U'\u200C', .to = ""},
    {.from = U'\u200D', .to = ""}, {.from = U'\u2060', .to = ""}, {.from = U'\uFEFF', .to = ""},
};

bool isLatin1(const QString& s) { return value::firstUnstorable(s, TextEncoding::Latin1) < 0; }

bool isCombining(char32_t c)
{
    return QChar::category(c) == QChar::Mark_NonSpacing || QChar::category(c) == QChar::Mark_Enclosing ||
           QChar::category(c) == QChar::Mark_SpacingCombining;
}

// The Latin-1 form of one character, if it has one.
std::optional<QString> latin1Form(char32_t c)
{
    for (const Replacement& r : kReplacements)
        if (r.from == c)
            return QString::fromLatin1(r.to);
    if (QChar::category(c) == QChar::Separator_Space)
        return QStringLiteral(" ");
    // Compatibility decomposition, then as many of the marks as still compose
    // into Latin-1: "ǘ" gives "ü", "ő" gives "o", "ﬁ" gives "fi".
    QList<uint> parts = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD).toUcs4();
    while (!parts.isEmpty()) {
        const QString candidate = QString::fromUcs4(reinterpret_cast<const char32_t*>(parts.constData()), parts.size())
                                      .normalized(QString::NormalizationForm_C);
        if (isLatin1(candidate))
            return candidate;
        if (!isCombining(parts.last()))
            break;
        parts.removeLast();
    }
    // A bare combining mark left over has no form of its own.
    return std::nullopt;
}

} // namespace

Latin1Text toLatin1Text(const QString& input)
{
    Latin1Text result;
    if (isLatin1(input)) {
        result.text = input;
        return result;
    }
    const QString text = input.normalized(QString::NormalizationForm_C);
    result.text.reserve(text.size());
    for (const uint u : text.toUcs4()) {
        const char32_t c = u;
        if (c <= 0xFF) {
            result.text += QChar(char16_t(c));
            continue;
        }
        const QString one = QString::fromUcs4(&c, 1);
        if (!result.outside.contains(one))
            result.outside << one;
        result.text += latin1Form(c).value_or(QStringLiteral("?"));
    }
    return result;
}

} // namespace pellori::exchange
