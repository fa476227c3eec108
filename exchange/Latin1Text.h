#pragma once
// Text for a Latin-1 database: characters that have a Latin-1 form are
// written in it ("Œ" as "OE", "č" as "c", "€" as "EUR", typographic quotes
// as plain ones), every other one as "?". The caller is told which
// characters were outside, so that nothing changes unnoticed.
#include <QString>
#include <QStringList>

namespace pellori::exchange {

struct Latin1Text {
    QString text;          // holds only characters up to U+00FF
    QStringList outside;   // each character outside Latin-1, once, in order of appearance
};

Latin1Text toLatin1Text(const QString& text);

} // namespace pellori::exchange
