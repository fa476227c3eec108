#pragma once
// What the user types, read as the book reads the details it stores for a
// search (PELLORI_WORDS of the search step): the same folding on both sides,
// so that "muller", "Mueller" and "Müller" meet, and "+49 351 486" finds
// "0351 / 4862910".
#include <QString>
#include <QStringList>

namespace pellori::search {

// A word is kept to this many characters; longer words count by their start.
inline constexpr int kWordLength = 24;
// A search looks for at most this many words; further ones are left out.
inline constexpr int kMaxWords = 16;

// The words of a text: upper case; accents and umlauts to their base letters,
// ß to SS, Þ to TH, Æ to A (and any other letter to the letters it decomposes
// into, Œ to OE); an E after A, O or U dropped, so that "ue" and "ü" both give
// U; every other character separates words. Each word once, in order, cut to
// kWordLength.
QStringList foldedWords(const QString& text);
// The same, each word cut to wordLength (the duplicate rules keep them whole).
QStringList foldedWords(const QString& text, qsizetype wordLength);

// The digits of a telephone number, as one word: a "+" before the first digit
// makes a country code, +49 (Germany, the book's home) read as the leading 0
// of a national number and any other as "00" and the code. So "+49 351 486"
// and "0049 351 486" give "0351486", "+41 31" gives "004131". Cut to
// kWordLength, or to wordLength.
QString numberDigits(const QString& text);
QString numberDigits(const QString& text, qsizetype wordLength);

// Digits with nothing but blanks and + / - ( ) . between them.
bool looksLikeNumber(const QString& text);

// The words a search for the text looks for, each to be found at the start of
// a word of some detail: the digits of a number, or the folded words, leaving
// out a word that another one begins with (it finds nothing more), at most
// kMaxWords. None when the text holds no letter or digit.
QStringList searchWords(const QString& text);

} // namespace pellori::search
