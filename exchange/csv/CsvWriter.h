#pragma once
// Contacts as the CSV files Outlook (English) and Google Contacts export,
// so that either program, or Pellori, reads them back. What a shape has no
// column for (Outlook's fourth e-mail address, any nickname in Outlook) is
// not written and told to the caller, contact by contact.
#include "exchange/Contact.h"

#include <QByteArray>

namespace pellori::exchange {

enum class CsvShape { Outlook, Google };

struct LeftOut {
    QString contact;     // the name as the contact list shows it
    QStringList items;   // what was not written, as written in the book
};

struct CsvWritten {
    QByteArray bytes;
    QList<LeftOut> leftOut;
};

// Outlook: Windows-1252, every field quoted, CR LF. Google: UTF-8 with a
// byte order mark, fields quoted where needed, as many numbered columns of
// e-mail, phone, address and website as the contact with the most needs.
CsvWritten writeCsv(const QList<exchange::Contact>& contacts, CsvShape shape);

// A field quoted where it must be (or always), quotes doubled.
QString csvField(const QString& value, QChar separator, bool always);

} // namespace pellori::exchange
