#pragma once
// One vCard as the reader gives it and the writer takes it: properties with
// their group, name, parameters and value. The value is kept in its escaped
// form (after quoted-printable and character set decoding), so that the
// property itself knows how to split it: as one text, as ';' components, or
// as a ',' list.
#include "exchange/Messages.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace pellori::vcard {

struct Parameter {
    QString name;          // upper case
    QStringList values;    // as written, without quotes
};

struct Property {
    QString group;         // "item1" of "item1.TEL"; empty when none
    QString name;          // upper case
    QList<Parameter> parameters;
    QString value;         // escaped
    int line = 0;          // first line of the property in its file

    // Every value of every parameter of that name, in order.
    QStringList parameter(const QString& name) const;
    // TYPE values, lower case.
    QStringList types() const;
    // PREF=1, or "pref" among the types.
    bool preferred() const;

    // The whole value, unescaped.
    QString text() const;
    // Split at every unescaped ';', each part unescaped.
    QStringList components() const;
    // The same, with each part's unescaped ',' (a list of values, as N has
    // for additional names) as a blank.
    QStringList componentsAsWords() const;
    // Split at every unescaped ',', each part unescaped.
    QStringList values() const;

    // Builders for the writer; they escape what needs escaping.
    static Property fromText(const QString& name, const QString& text);
    static Property fromComponents(const QString& name, const QStringList& components);
    static Property fromValues(const QString& name, const QStringList& values);
    // A value taken as it is (URIs, dates).
    static Property fromRaw(const QString& name, const QString& raw);
    Property& with(const QString& parameterName, const QStringList& values);
    Property& inGroup(const QString& groupName);
};

struct Card {
    QString version;       // "2.1", "3.0" or "4.0"
    QList<Property> properties;
    int line = 0;          // line of BEGIN:VCARD
    // What the reader could not read as it stands, or read as best it could.
    QList<exchange::Note> notes;

    const Property* first(const QString& name) const;
    // The properties of one group (Apple's item1.TEL with item1.X-ABLabel).
    QList<const Property*> group(const QString& groupName) const;
};

// Backslash, comma, semicolon and line breaks escaped; CR LF and CR count as one break.
QString escapeText(const QString& text);
// \n and \N give a line break, \\ \; \, their character; before any other
// character the backslash is dropped (some producers write "http\://").
QString unescapeText(const QString& text);

} // namespace pellori::vcard
