#pragma once
// What a column of a CSV file can be for Pellori: a part of the name, a
// detail (a number, an e-mail or web address, a part of a postal address),
// or something Pellori has no place for. A detail's kind words are the
// TYPE words the vCard import reads ("work", "cell", "fax"), so one type
// table chooses the book's type for both.
#include "exchange/Messages.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace pellori::exchange {

enum class Target {
    Ignore,           // not read
    Redundant,        // repeats another column (Outlook's "E-mail Display Name"): not read, not noted
    Other,            // a column Pellori has no place for: its value noted under the column's name
    FullName,         // split into first and family name where these have no column
    FamilyName,
    FirstName,
    MiddleName,
    Prefix,           // salutation and title words: "Herr Dr.", "Mr."
    NameSuffix,
    Nickname,
    Company,          // the employer, or a company's own name
    Department,       // the employer's second name line, or a company's
    JobTitle,
    Birthday,
    BirthYear,
    BirthMonth,
    BirthDay,
    Notes,
    Groups,
    Email,
    Phone,
    Web,
    Label,            // the label of the detail of the same group ("E-mail 1 - Label")
    AssistantName,    // the assistant reached under the number of the same group
    Street,
    Street2,
    Street3,
    Town,
    Postcode,
    Region,
    Country,
    PoBox,
    FormattedAddress, // the whole address as one text, read when its parts are empty
};

// What one column holds. Columns of one address, or a detail with its label
// or assistant, share a group; a number, e-mail or web column of group 0 is a
// detail of its own. kinds: TYPE words of the detail or address; "pref"
// marks the preferred one.
struct FieldChoice {
    Target target = Target::Ignore;
    int group = 0;
    QStringList kinds;
    bool operator==(const FieldChoice&) const = default;
};

// The groups of addresses the mapping window offers, and the bases of the
// numbered groups of a file: Google's "E-mail 2" is group kEmailGroups + 2.
inline constexpr int kHomeAddress = 1, kWorkAddress = 2, kOtherAddress = 3;
inline constexpr int kEmailGroups = 100, kPhoneGroups = 200, kWebGroups = 300, kAddressGroups = 400,
                     kAssistantGroups = 500;

// The choices the mapping window offers for any column, in its order.
const QList<FieldChoice>& fieldChoices();

// The choice as the mapping window names it ("Address, work: town",
// "E-mail 2: label").
QString choiceCaption(const FieldChoice& choice, const exchange::TextSource& texts = {});

// Every caption's catalogue key, for the language file.
const QList<exchange::MessageKey>& fieldKeys();

// Whether the target is a part of a postal address.
bool isAddressPart(Target target);

} // namespace pellori::exchange
