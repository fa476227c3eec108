#include "exchange/Messages.h"

namespace pellori::interop {

namespace {

struct ReadErrorText {
    ReadErrorKind kind;
    MessageKey text;
};

const ReadErrorText kReadErrors[] = {
    {.kind = ReadErrorKind::NoCard, .text = {"vcard_nocard", "The file holds no vCard."}},
    {.kind = ReadErrorKind::BeginExpected,
     .text = {"vcard_beginexpected", "Line %LINE%: \"BEGIN:VCARD\" expected, found \"%TEXT%\"."}},
    {.kind = ReadErrorKind::NoColon,
     .text = {"vcard_nocolon", "Line %LINE%: \"%TEXT%\" has no \":\" between name and value."}},
    {.kind = ReadErrorKind::BadName, .text = {"vcard_badname", "Line %LINE%: \"%TEXT%\" is not a property name."}},
    {.kind = ReadErrorKind::OpenQuote,
     .text = {"vcard_openquote", "Line %LINE%: a quoted parameter value is not closed: \"%TEXT%\"."}},
    {.kind = ReadErrorKind::NestedBegin,
     .text = {"vcard_nestedbegin",
              "Line %LINE%: \"BEGIN:VCARD\" inside the card begun on line %OTHER%, which has no \"END:VCARD\"."}},
    {.kind = ReadErrorKind::NoEnd, .text = {"vcard_noend", "Line %LINE%: the card begun here has no \"END:VCARD\"."}},
    {.kind = ReadErrorKind::BadVersion,
     .text = {"vcard_badversion", "Line %LINE%: vCard version \"%TEXT%\" is not supported (2.1, 3.0 and 4.0 are)."}},
    {.kind = ReadErrorKind::UnknownCharset,
     .text = {"vcard_unknowncharset", "Line %LINE%: unknown character set \"%TEXT%\"."}},
};

struct FieldText {
    Field field;
    MessageKey text;
};

const FieldText kFields[] = {
    {.field = Field::None, .text = {"vcard_field_none", ""}},
    {.field = Field::FamilyName, .text = {"vcard_field_familyname", "Family name"}},
    {.field = Field::FirstName, .text = {"vcard_field_firstname", "First name"}},
    {.field = Field::CompanyName1, .text = {"vcard_field_companyname1", "Company name 1"}},
    {.field = Field::CompanyName2, .text = {"vcard_field_companyname2", "Company name 2"}},
    {.field = Field::Nickname, .text = {"vcard_field_nickname", "Nickname"}},
    {.field = Field::Title, .text = {"vcard_field_title", "Title"}},
    {.field = Field::Birthday, .text = {"vcard_field_birthday", "Birthday"}},
    {.field = Field::Employer, .text = {"vcard_field_employer", "Works at"}},
    {.field = Field::Group, .text = {"vcard_field_group", "Group"}},
    {.field = Field::Prefix, .text = {"vcard_field_prefix", "Prefix"}},
    {.field = Field::Number, .text = {"vcard_field_number", "Number"}},
    {.field = Field::Assistent, .text = {"vcard_field_assistent", "Assistent"}},
    {.field = Field::Internet, .text = {"vcard_field_internet", "Internet"}},
    {.field = Field::Street, .text = {"vcard_field_street", "Street"}},
    {.field = Field::Town, .text = {"vcard_field_town", "Town"}},
    {.field = Field::Postcode, .text = {"vcard_field_postcode", "Postcode"}},
    {.field = Field::Country, .text = {"vcard_field_country", "Country"}},
    {.field = Field::Region, .text = {"vcard_field_region", "Region"}},
    {.field = Field::PostOfficeBox, .text = {"vcard_field_pobox", "Post office box"}},
    {.field = Field::NameSuffix, .text = {"vcard_field_namesuffix", "Name suffix"}},
    {.field = Field::JobTitle, .text = {"vcard_field_jobtitle", "Job title"}},
    {.field = Field::Organization, .text = {"vcard_field_organization", "Organization"}},
    {.field = Field::Additional, .text = {"vcard_field_additional", "Additional"}},
};

struct NoteText {
    NoteKind kind;
    MessageKey text;
};

const NoteText kNotes[] = {
    {.kind = NoteKind::PostcodeInFrontOfTown,
     .text = {"vcard_postcodeintown",
              "Postcode \"%VALUE%\" is not a whole number: stored in front of the town, as \"%STORED%\"."}},
    {.kind = NoteKind::PostcodeSkipped,
     .text = {"vcard_postcodeskipped",
              "Postcode \"%VALUE%\" is not a whole number: the address \"%STORED%\" was not stored."}},
    {.kind = NoteKind::PostcodeMissing,
     .text = {"vcard_postcodemissing", "Address \"%VALUE%\" has no postcode: stored with postcode 0."}},
    {.kind = NoteKind::ReplacedCharacters,
     .text = {"vcard_replaced",
              "%FIELD% \"%VALUE%\": characters outside ISO-8859-1 (%DETAIL%), stored as \"%STORED%\"."}},
    {.kind = NoteKind::Cut,
     .text = {"vcard_cut", "%FIELD% \"%VALUE%\" is longer than %LENGTH% characters: cut to \"%STORED%\"."}},
    {.kind = NoteKind::TypeTaken,
     .text = {"vcard_typetaken",
              "%FIELD% \"%VALUE%\": the contact already has one of type \"%DETAIL%\", stored as type \"%STORED%\"."}},
    {.kind = NoteKind::NoFreeType,
     .text = {"vcard_nofreetype",
              "%FIELD% \"%VALUE%\": the contact already has one of type \"%DETAIL%\" and of every other type, "
              "not stored."}},
    {.kind = NoteKind::NoType,
     .text = {"vcard_notype", "%FIELD% \"%VALUE%\": the database has no type for it, not stored."}},
    {.kind = NoteKind::NoColumn, .text = {"vcard_nocolumn", "%FIELD% \"%VALUE%\" has no place in Pellori, not stored."}},
    {.kind = NoteKind::PropertiesNotStored, .text = {"vcard_propertiesnotstored", "Not stored: %VALUE%."}},
    {.kind = NoteKind::NoName, .text = {"vcard_noname", "The card has no name: not imported."}},
    {.kind = NoteKind::BirthdayWithoutYear,
     .text = {"vcard_birthdaywithoutyear", "Birthday \"%VALUE%\" has no year: stored in the year 1604."}},
    {.kind = NoteKind::NotADate, .text = {"vcard_notadate", "%FIELD% \"%VALUE%\" is not a date, not stored."}},
    {.kind = NoteKind::NoPrefix,
     .text = {"vcard_noprefix", "Number \"%VALUE%\" has no prefix to tell apart: stored without one."}},
};

} // namespace

QString messageText(const MessageKey& key, const TextSource& texts)
{
    return texts ? texts(key.key, key.builtIn) : QString::fromLatin1(key.builtIn);
}

const QList<MessageKey>& messageKeys()
{
    static const QList<MessageKey> keys = [] {
        QList<MessageKey> all;
        for (const auto& e : kReadErrors)
            all << e.text;
        for (const auto& f : kFields)
            if (f.field != Field::None)
                all << f.text;
        for (const auto& n : kNotes)
            all << n.text;
        return all;
    }();
    return keys;
}

QString readErrorText(const ReadError& error, const TextSource& texts)
{
    for (const auto& e : kReadErrors)
        if (e.kind == error.kind)
            return messageText(e.text, texts)
                .replace(QLatin1String("%LINE%"), QString::number(error.line))
                .replace(QLatin1String("%OTHER%"), QString::number(error.otherLine))
                .replace(QLatin1String("%TEXT%"), error.text);
    return QString();
}

QString fillPlaceholders(const QString& text, const QList<std::pair<QString, QString>>& values)
{
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& [placeholder, value] : values)
            if (QStringView(text).mid(i).startsWith(placeholder)) {
                out += value;
                i += placeholder.size();
                replaced = true;
                break;
            }
        if (!replaced)
            out += text.at(i++);
    }
    return out;
}

QString fieldName(Field field, const TextSource& texts)
{
    for (const auto& f : kFields)
        if (f.field == field)
            return messageText(f.text, texts);
    return QString();
}

QString noteText(const Note& note, const TextSource& texts)
{
    for (const auto& n : kNotes)
        if (n.kind == note.kind) {
            // Values last: a value may itself hold "%...%".
            QString text = messageText(n.text, texts)
                               .replace(QLatin1String("%FIELD%"), fieldName(note.field, texts))
                               .replace(QLatin1String("%LENGTH%"), QString::number(note.length));
            return fillPlaceholders(text, {{QStringLiteral("%VALUE%"), note.value},
                                           {QStringLiteral("%STORED%"), note.stored},
                                           {QStringLiteral("%DETAIL%"), note.detail}});
        }
    return QString();
}

} // namespace pellori::interop
