#include "exchange/csv/CsvFields.h"

namespace pellori::exchange {

using exchange::MessageKey;
using exchange::TextSource;
using exchange::fillPlaceholders;
using exchange::messageText;

namespace {

struct TargetText {
    Target target;
    MessageKey text;
};

const TargetText kTargets[] = {
    {Target::Ignore, {"csv_field_ignore", "(not imported)"}},
    {Target::Redundant, {"csv_field_redundant", "(repeats another column)"}},
    {Target::Other, {"csv_field_other", "(no place in Pellori: listed in the summary)"}},
    {Target::FullName, {"csv_field_fullname", "Full name"}},
    {Target::FamilyName, {"csv_field_familyname", "Family name"}},
    {Target::FirstName, {"csv_field_firstname", "First name"}},
    {Target::MiddleName, {"csv_field_middlename", "Middle name"}},
    {Target::Prefix, {"csv_field_prefix", "Salutation and title"}},
    {Target::NameSuffix, {"csv_field_namesuffix", "Name suffix"}},
    {Target::Nickname, {"csv_field_nickname", "Nickname"}},
    {Target::Company, {"csv_field_company", "Company"}},
    {Target::Department, {"csv_field_department", "Department (company name 2)"}},
    {Target::JobTitle, {"csv_field_jobtitle", "Job title"}},
    {Target::Birthday, {"csv_field_birthday", "Birthday"}},
    {Target::BirthYear, {"csv_field_birthyear", "Birthday: year"}},
    {Target::BirthMonth, {"csv_field_birthmonth", "Birthday: month"}},
    {Target::BirthDay, {"csv_field_birthdayofmonth", "Birthday: day"}},
    {Target::Notes, {"csv_field_notes", "Notes (Additional)"}},
    {Target::Groups, {"csv_field_groups", "Groups"}},
    {Target::Email, {"csv_field_email", "E-mail"}},
    {Target::Phone, {"csv_field_phone", "Telephone"}},
    {Target::Web, {"csv_field_web", "Web page"}},
    {Target::Label, {"csv_field_label", "label"}},
    {Target::AssistantName, {"csv_field_assistant", "Assistant's name"}},
    {Target::Street, {"csv_field_street", "street"}},
    {Target::Street2, {"csv_field_street2", "street 2"}},
    {Target::Street3, {"csv_field_street3", "street 3"}},
    {Target::Town, {"csv_field_town", "town"}},
    {Target::Postcode, {"csv_field_postcode", "postcode"}},
    {Target::Region, {"csv_field_region", "region"}},
    {Target::Country, {"csv_field_country", "country"}},
    {Target::PoBox, {"csv_field_pobox", "post office box"}},
    {Target::FormattedAddress, {"csv_field_formatted", "whole address"}},
};

struct KindText {
    const char* kind;
    MessageKey text;
};

const KindText kKinds[] = {
    {"cell", {"csv_kind_cell", "mobile"}},   {"fax", {"csv_kind_fax", "fax"}},
    {"pager", {"csv_kind_pager", "pager"}},  {"car", {"csv_kind_car", "car"}},
    {"isdn", {"csv_kind_isdn", "ISDN"}},     {"textphone", {"csv_kind_textphone", "text telephone"}},
    {"work", {"csv_kind_work", "work"}},     {"home", {"csv_kind_home", "home"}},
    {"pref", {"csv_kind_pref", "preferred"}},
};

const MessageKey kAddress{"csv_field_address", "Address"};
const MessageKey kWithKinds{"csv_caption_kinds", "%NAME% (%KINDS%)"};
const MessageKey kNumbered{"csv_caption_numbered", "%NAME% %NUMBER%"};
const MessageKey kPart{"csv_caption_part", "%NAME%: %PART%"};

QString targetText(Target t, const TextSource& texts)
{
    for (const TargetText& e : kTargets)
        if (e.target == t)
            return messageText(e.text, texts);
    return QString();
}

QString withKinds(const QString& name, const QStringList& kinds, const TextSource& texts)
{
    QStringList words;
    for (const KindText& k : kKinds)
        if (kinds.contains(QLatin1String(k.kind)))
            words << messageText(k.text, texts);
    if (words.isEmpty())
        return name;
    return fillPlaceholders(messageText(kWithKinds, texts),
                            {{QStringLiteral("%NAME%"), name}, {QStringLiteral("%KINDS%"), words.join(QLatin1String(", "))}});
}

QString numbered(const QString& name, int number, const TextSource& texts)
{
    return fillPlaceholders(messageText(kNumbered, texts),
                            {{QStringLiteral("%NAME%"), name}, {QStringLiteral("%NUMBER%"), QString::number(number)}});
}

QString part(const QString& whole, Target t, const TextSource& texts)
{
    return fillPlaceholders(messageText(kPart, texts),
                            {{QStringLiteral("%NAME%"), whole}, {QStringLiteral("%PART%"), targetText(t, texts)}});
}

// What a numbered group is called: "E-mail", "Telephone", "Web page", "Address".
QString groupName(int group, const TextSource& texts)
{
    switch (group / 100) {
    case 1: return targetText(Target::Email, texts);
    case 3: return targetText(Target::Web, texts);
    case 4: return messageText(kAddress, texts);
    default: return targetText(Target::Phone, texts);
    }
}

QList<FieldChoice> makeChoices()
{
    QList<FieldChoice> list;
    for (const Target t : {Target::Ignore, Target::Other, Target::FullName, Target::FamilyName, Target::FirstName,
                           Target::MiddleName, Target::Prefix, Target::NameSuffix, Target::Nickname, Target::Company,
                           Target::Department, Target::JobTitle, Target::Birthday, Target::BirthYear,
                           Target::BirthMonth, Target::BirthDay, Target::Notes, Target::Groups})
        list << FieldChoice{.target = t};
    const QList<QStringList> emails = {{"home"}, {"work"}};
    for (const QStringList& k : emails)
        list << FieldChoice{.target = Target::Email, .kinds = k};
    const QList<QStringList> phones = {{"home"}, {"work"}, {"cell"}, {"cell", "work"}, {"fax"}, {"fax", "work"},
                                       {"pager"}, {}};
    for (const QStringList& k : phones)
        list << FieldChoice{.target = Target::Phone, .kinds = k};
    list << FieldChoice{.target = Target::Web} << FieldChoice{.target = Target::Web, .kinds = {"work"}};
    const std::pair<int, QStringList> addresses[] = {
        {kHomeAddress, {"home"}}, {kWorkAddress, {"work"}}, {kOtherAddress, {}}};
    for (const auto& [group, kinds] : addresses)
        for (const Target t : {Target::Street, Target::Street2, Target::Town, Target::Postcode, Target::Region,
                               Target::Country, Target::PoBox})
            list << FieldChoice{.target = t, .group = group, .kinds = kinds};
    return list;
}

} // namespace

const QList<FieldChoice>& fieldChoices()
{
    static const QList<FieldChoice> list = makeChoices();
    return list;
}

bool isAddressPart(Target t)
{
    switch (t) {
    case Target::Street:
    case Target::Street2:
    case Target::Street3:
    case Target::Town:
    case Target::Postcode:
    case Target::Region:
    case Target::Country:
    case Target::PoBox:
    case Target::FormattedAddress: return true;
    default: return false;
    }
}

QString choiceCaption(const FieldChoice& c, const TextSource& texts)
{
    const bool numberedGroup = c.group > 100;
    const int number = c.group % 100;
    if (isAddressPart(c.target)) {
        QString whole = messageText(kAddress, texts);
        whole = c.group >= kAddressGroups ? numbered(whole, number, texts) : withKinds(whole, c.kinds, texts);
        return part(whole, c.target, texts);
    }
    switch (c.target) {
    case Target::Email:
    case Target::Phone:
    case Target::Web: {
        const QString name = withKinds(targetText(c.target, texts), c.kinds, texts);
        return numberedGroup ? numbered(name, number, texts) : name;
    }
    case Target::Label:
        return part(numbered(groupName(c.group, texts), number, texts), c.target, texts);
    default: return targetText(c.target, texts);
    }
}

const QList<MessageKey>& fieldKeys()
{
    static const QList<MessageKey> keys = [] {
        QList<MessageKey> all;
        for (const TargetText& t : kTargets)
            all << t.text;
        for (const KindText& k : kKinds)
            all << k.text;
        all << kAddress << kWithKinds << kNumbered << kPart;
        return all;
    }();
    return keys;
}

} // namespace pellori::exchange
