#include "exchange/Messages.h"

namespace pellori::exchange {

namespace {

struct ReadErrorText {
    ReadErrorKind kind;
    MessageKey text;
};

const ReadErrorText kReadErrors[] = {
    {.kind = ReadErrorKind::NoCard, .text = {"vcard_nocard", "The file holds no vCard."}},
    {.kind = ReadErrorKind::BeginExpected,
     .text = {"vcard_beginexpected", "Line %LINE%: \"BEGIN:VCARD\" expected, found \"%TEXT%\"."}},
    {.kind = ReadErrorKind::NestedBegin,
     .text = {"vcard_nestedbegin",
              "Line %LINE%: \"BEGIN:VCARD\" inside the card begun on line %OTHER%, which has no \"END:VCARD\"."}},
    {.kind = ReadErrorKind::NoEnd, .text = {"vcard_noend", "Line %LINE%: the card begun here has no \"END:VCARD\"."}},
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
    {.field = Field::Name, .text = {"vcard_field_name", "Name"}},
    {.field = Field::Address, .text = {"vcard_field_address", "Address"}},
    {.field = Field::FullName, .text = {"vcard_field_fullname", "Full name"}},
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
              "%FIELD% \"%VALUE%\": the contact already has one of type \"%DETAIL%\" and of every other type of "
              "its kind, not stored."}},
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
    {.kind = NoteKind::LineNotRead,
     .text = {"vcard_linenotread", "Line %LINE%: \"%VALUE%\" has no \":\" between name and value, not stored."}},
    {.kind = NoteKind::CommentLine, .text = {"vcard_commentline", "Line %LINE%: comment \"%VALUE%\", not stored."}},
    {.kind = NoteKind::UnknownCharset,
     .text = {"vcard_unknowncharset",
              "Line %LINE%: character set \"%VALUE%\" is unknown: read as %DETAIL%, which may be wrong."}},
    {.kind = NoteKind::UnknownVersion,
     .text = {"vcard_unknownversion",
              "vCard version \"%VALUE%\" is unknown: the card was read as far as it could be."}},
    {.kind = NoteKind::NestedCard,
     .text = {"vcard_nestedcard", "Line %LINE%: a card begins inside this card; it was read as a card of its own."}},
    {.kind = NoteKind::NamedByEmail,
     .text = {"vcard_namedbyemail", "The card has no name: filed under its e-mail address \"%VALUE%\"."}},
    {.kind = NoteKind::GroupCard,
     .text = {"vcard_groupcard",
              "A group, not a contact: contacts of this file added to the group \"%VALUE%\": %LENGTH%."}},
    {.kind = NoteKind::MemberNotFound,
     .text = {"vcard_membernotfound", "Member \"%VALUE%\" is no contact of this file: not added to the group."}},
    {.kind = NoteKind::PlaceCard,
     .text = {"vcard_placecard", "The card describes a place, not a person or company: not imported."}},
    {.kind = NoteKind::MoreComponents,
     .text = {"vcard_morecomponents", "%FIELD% has more parts than a vCard defines: \"%VALUE%\" not stored."}},
    {.kind = NoteKind::AddressFromLabel,
     .text = {"vcard_addressfromlabel",
              "Address \"%VALUE%\" is only given as a label: stored with the street \"%STORED%\" and the town "
              "\"%DETAIL%\"."}},
    {.kind = NoteKind::LabelNoType,
     .text = {"vcard_labelnotype",
              "%FIELD% \"%VALUE%\": the label \"%DETAIL%\" names no type of this book, stored as type \"%STORED%\"."}},
    {.kind = NoteKind::PostcodeLeadingZero,
     .text = {"vcard_postcodeleadingzero", "Postcode \"%VALUE%\" begins with 0: stored as the number %STORED%."}},
    {.kind = NoteKind::NameKept,
     .text = {"vcard_namekept", "%FIELD% \"%VALUE%\" differs from the book's \"%STORED%\", which stays."}},
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
                               .replace(QLatin1String("%LENGTH%"), QString::number(note.length))
                               .replace(QLatin1String("%LINE%"), QString::number(note.line));
            return fillPlaceholders(text, {{QStringLiteral("%VALUE%"), note.value},
                                           {QStringLiteral("%STORED%"), note.stored},
                                           {QStringLiteral("%DETAIL%"), note.detail}});
        }
    return QString();
}

} // namespace pellori::exchange
