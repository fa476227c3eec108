#pragma once
// Base64 (standard alphabet, "=" padding, no line breaks) for the database
// password stored in Pellori.ini. Hand-written on purpose: decoding is strict,
// and any invalid input gives the empty result rather than a partial one.
#include <QByteArray>

namespace pellori {

QByteArray EncodeBase64Text(const QByteArray& bytes);
// The bytes the text encodes, or empty when the text is not valid Base64.
QByteArray DecodeBase64Text(const QByteArray& text);
// Length of the Base64 form of n bytes.
int EncodedLength(int n);
// Number of bytes the text decodes to; 0 for a text whose length is not a positive multiple of 4.
int DecodedLength(const QByteArray& text);

} // namespace pellori
