#pragma once
// The texts the printed reports build from the values of a row, and their titles.
// Kept apart from the report windows so each rule can be tried on its own.
#include <QString>
#include <QVariant>

class QDate;

namespace pellori {

class TLang;

namespace reports {

// Not NULL and not empty.
bool hasText(const QVariant& value);

// The type of a number, internet entry or address: "Name [*]:" when current,
// "Name:" otherwise, and empty for an empty name that is not current.
QString typeText(const QVariant& typeName, const QVariant& currentFlag);
// "prefix / number"; empty when the prefix is NULL.
QString numberText(const QVariant& prefix, const QVariant& number);
// "country postcode town, street" without blanks and control characters at either
// end; NULL texts count as empty; empty when the postcode is NULL. The postcode
// as every reader shows it (the written one, when it agrees with the number).
QString addressText(const QVariant& country, const QVariant& postcode, const QVariant& town, const QVariant& street,
                    const QVariant& writtenPostcode = QVariant());
// "works at: name1 name2", or without the second name when it is empty.
QString worksAtText(const QVariant& name1, const QVariant& name2);
// The dead get a dagger and a blank before their name. The dagger is printed
// text only: the database's Latin-1 has no place for it.
QString birthdayName(const QVariant& name, const QVariant& aliveFlag);

// The heading of a month, 1 to 12; "[ ERROR ]" for any other number.
QString monthName(const TLang& lang, int month);

QString addressBookTitle(const TLang& lang);
// "AddressBook - (A..., B...)" for the letters "AB".
QString letterRangeTitle(const TLang& lang, const QString& letters);
QString doctorsTitle(const TLang& lang);
// "Birthdaylist 2024": the year of `today` in four digits.
QString birthdayListTitle(const TLang& lang, const QDate& today);

} // namespace reports
} // namespace pellori
