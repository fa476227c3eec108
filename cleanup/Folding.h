#pragma once
// Names and numbers as the duplicate rules compare them: words without case
// or accents, in which "Mueller", "Müller" and "muller" meet, the digits of a
// telephone number however it is written, and the sound of a German name.
#include <QString>
#include <QStringList>

namespace pellori::cleanup {

// The words of a text: upper case; accented letters as their base letters, ß
// as SS, Þ as TH, Œ as OE (other letters as what they decompose into); an E
// after A, O or U dropped, so that "ue" and "ü" both give U; every other
// character separates words. Each word once, in order.
QStringList foldedWords(const QString& text);

// The digits of a telephone number: a "+" before the first digit makes a
// country code, +49 (and 0049) read as the leading 0 of a national number,
// any other as "00" and the code. "+49 351 486" and "0351/486" give "0351486".
QString numberDigits(const QString& text);

// The Cologne phonetic code of a word (Kölner Phonetik, made for German
// names): "Meier", "Meyer" and "Maier" give "67", "Müller" and "Mueller" "657".
QString phoneticCode(const QString& foldedWord);

} // namespace pellori::cleanup
