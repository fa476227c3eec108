#pragma once
// Reads LDIF content records (RFC 2849) as Thunderbird and LDAP tools write
// them: entries separated by empty lines, "dn:" first, values after ":" as
// text or after "::" in base64, lines folded by a leading blank, "#"
// comments, a "version:" line, CR LF or LF. A line that is neither an
// attribute nor the continuation of one (a change record's "-", text
// pasted in) refuses the file, naming the line.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace pellori::exchange {

struct LdifAttribute {
    QString name;       // as written, options ("cn;lang-de") left on
    QString value;      // decoded: base64 undone, UTF-8 (or Windows-1252 where it is not UTF-8)
    int line = 0;
};

struct LdifEntry {
    int line = 0;       // of its first line
    QString dn;
    QList<LdifAttribute> attributes;

    // Every value of the attribute of that name (compared without regard to case, options ignored).
    QStringList values(QStringView name) const;
    QString value(QStringView name) const { return values(name).value(0); }
};

enum class LdifErrorKind {
    Empty,          // no entry at all
    NotAttribute,   // line, text: neither attribute nor continuation
    BadBase64,      // line, text: a "::" value that is not base64
    Binary,         // line: a NUL or other character no text holds
};

struct LdifError {
    LdifErrorKind kind = LdifErrorKind::Empty;
    int line = 0;
    QString text;
    bool operator==(const LdifError&) const = default;
};

struct LdifRead {
    QList<LdifEntry> entries;
    std::optional<LdifError> error;   // then no entries
};

LdifRead readLdif(const QByteArray& bytes);

// A DN compared with another: attribute names in lower case, blanks around
// "," and "=" dropped ("cn=A B, mail=a@x" and "CN=A B,mail=a@x" are one).
QString normalDn(const QString& dn);

} // namespace pellori::exchange
