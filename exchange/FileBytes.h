#pragma once
// The bytes of an exchanged file as every reader takes them: whether they are
// UTF-8, and the Windows code page that Windows producers write instead.
#include <QByteArrayView>
#include <QString>

namespace pellori::exchange {

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing above U+10FFFF.
bool isWellFormedUtf8(QByteArrayView bytes);

// Windows-1252 text; a byte the code page leaves undefined comes through as
// the Latin-1 control character.
QString decodeCp1252(QByteArrayView bytes);
// The text in Windows-1252; a character the code page lacks as "?".
QByteArray encodeCp1252(const QString& text);

} // namespace pellori::exchange
