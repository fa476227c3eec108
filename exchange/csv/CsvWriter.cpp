#include "exchange/csv/CsvWriter.h"

#include "exchange/ContactText.h"
#include "exchange/ImportPlan.h"
#include "exchange/TypeTable.h"
#include "exchange/csv/FileEncoding.h"

#include <QHash>

namespace pellori::exchange {


namespace {

// Outlook's English export, column for column.
const QStringList kOutlookColumns = {
    "Title", "First Name", "Middle Name", "Last Name", "Suffix", "Company", "Department", "Job Title",
    "Business Street", "Business Street 2", "Business Street 3", "Business City", "Business State",
    "Business Postal Code", "Business Country/Region", "Home Street", "Home Street 2", "Home Street 3", "Home City",
    "Home State", "Home Postal Code", "Home Country/Region", "Other Street", "Other Street 2", "Other Street 3",
    "Other City", "Other State", "Other Postal Code", "Other Country/Region", "Assistant's Phone", "Business Fax",
    "Business Phone", "Business Phone 2", "Callback", "Car Phone", "Company Main Phone", "Home Fax", "Home Phone",
    "Home Phone 2", "ISDN", "Mobile Phone", "Other Fax", "Other Phone", "Pager", "Primary Phone", "Radio Phone",
    "TTY/TDD Phone", "Telex", "Account", "Anniversary", "Assistant's Name", "Billing Information", "Birthday",
    "Business Address PO Box", "Categories", "Children", "Directory Server", "E-mail Address", "E-mail Type",
    "E-mail Display Name", "E-mail 2 Address", "E-mail 2 Type", "E-mail 2 Display Name", "E-mail 3 Address",
    "E-mail 3 Type", "E-mail 3 Display Name", "Gender", "Government ID Number", "Hobby", "Home Address PO Box",
    "Initials", "Internet Free Busy", "Keywords", "Language", "Location", "Manager's Name", "Mileage", "Notes",
    "Office Location", "Organizational ID Number", "Other Address PO Box", "Priority", "Private", "Profession",
    "Referred By", "Sensitivity", "Spouse", "User 1", "User 2", "User 3", "User 4", "Web Page"};

// Where a number of a kind goes in Outlook's columns, in the order tried.
struct NumberSlots {
    QStringList words;     // the type table's words of the number's type
    QStringList columns;
};

const QList<NumberSlots> kOutlookNumbers = {
    {{"cell", "work"}, {"Mobile Phone", "Radio Phone"}},
    {{"fax", "work"}, {"Business Fax", "Other Fax"}},
    {{"cell"}, {"Mobile Phone", "Radio Phone"}},
    {{"fax"}, {"Home Fax", "Other Fax"}},
    {{"pager"}, {"Pager"}},
    {{"car"}, {"Car Phone"}},
    {{"isdn"}, {"ISDN"}},
    {{"textphone"}, {"TTY/TDD Phone"}},
    {{"work"}, {"Business Phone", "Business Phone 2", "Company Main Phone"}},
    {{"home"}, {"Home Phone", "Home Phone 2"}},
};
const QStringList kOtherNumbers = {"Other Phone", "Callback", "Telex"};

// Google's own labels for the type table's rows.
struct GoogleLabel {
    DetailKind kind;
    QStringList words;
    const char* label;
};

const GoogleLabel kGoogleLabels[] = {
    {DetailKind::Number, {"cell", "work"}, "Work Mobile"}, {DetailKind::Number, {"fax", "work"}, "Work Fax"},
    {DetailKind::Number, {"cell"}, "Mobile"},              {DetailKind::Number, {"fax"}, "Home Fax"},
    {DetailKind::Number, {"pager"}, "Pager"},              {DetailKind::Number, {"work"}, "Work"},
    {DetailKind::Number, {"home"}, "Home"},                {DetailKind::Email, {"work"}, "Work"},
    {DetailKind::Email, {"home"}, "Home"},                 {DetailKind::Web, {"work"}, "Work"},
    {DetailKind::Web, {}, "Homepage"},                     {DetailKind::Address, {"work"}, "Work"},
    {DetailKind::Address, {"home"}, "Home"},
};

QString birthdayText(const QDate& d, bool iso)
{
    if (!d.isValid())
        return QString();
    if (iso)
        return d.year() == kYearUnknown ? d.toString(QStringLiteral("--MM-dd")) : d.toString(Qt::ISODate);
    // Outlook keeps a birthday without year in the year 1604 too.
    return QStringLiteral("%1/%2/%3").arg(d.month()).arg(d.day()).arg(d.year());
}

QString postcodeText(const QString& postcode) { return postcode.trimmed() == u"0" ? QString() : postcode.trimmed(); }

bool isEmail(const ContactInternet& i)
{
    if (const TypeMatch* row = internetRowOf(i.type))
        return row->kind == DetailKind::Email;
    return i.address.contains(u'@') && !i.address.contains(QLatin1String("://"));
}

QString listNameOf(const Contact& c)
{
    return listName(c.kind == ContactKind::Person ? QStringLiteral("P") : QStringLiteral("C"), c.name1, c.name2);
}

QString numberText(const ContactNumber& n) { return joinNumber(n.prefix, n.number); }

QString addressText(const ContactAddress& a)
{
    return joinNonEmpty({a.street, joinNonEmpty({postcodeText(a.postcode), a.town}), a.country},
                        QStringLiteral(", "));
}

// One row by column name.
class Row {
public:
    explicit Row(const QStringList& columns) : m_columns(columns), m_values(columns.size()) {}
    bool isFree(const QString& column) const { return m_values.value(m_columns.indexOf(column)).isEmpty(); }
    void set(const QString& column, const QString& value)
    {
        if (const qsizetype i = m_columns.indexOf(column); i >= 0)
            m_values[i] = value;
    }
    const QStringList& values() const { return m_values; }

private:
    const QStringList& m_columns;
    QStringList m_values;
};

QString line(const QStringList& values, bool always, const QString& lineEnd)
{
    QStringList fields;
    fields.reserve(values.size());
    for (const QString& v : values) {
        QString t = v;
        t.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
        if (lineEnd != u"\n")
            t.replace(u'\n', lineEnd);
        fields << csvField(t, u',', always);
    }
    return fields.join(u',') + lineEnd;
}

CsvWritten writeOutlook(const QList<Contact>& contacts)
{
    CsvWritten out;
    const QString crlf = QStringLiteral("\r\n");
    QString text = line(kOutlookColumns, true, crlf);
    for (const Contact& c : contacts) {
        Row row(kOutlookColumns);
        QStringList left;
        const bool person = c.kind == ContactKind::Person;
        if (person) {
            row.set("Title", joinNonEmpty({c.salutation, c.title}));
            row.set("First Name", c.name2);
            row.set("Last Name", c.name1);
            row.set("Company", c.employer1);
            row.set("Department", c.employer2);
            row.set("Birthday", birthdayText(c.birthday, false));
            if (!c.nickname.isEmpty())
                left << c.nickname;
        } else {
            row.set("Company", c.name1);
            row.set("Department", c.name2);
        }
        row.set("Notes", c.additional);
        row.set("Categories", c.groups.join(u';'));
        int emails = 0;
        bool web = false;
        for (const ContactInternet& i : c.internet) {
            if (isEmail(i) && emails < 3) {
                const QString n = emails == 0 ? QStringLiteral("E-mail") : QStringLiteral("E-mail %1").arg(emails + 1);
                row.set(n + QLatin1String(" Address"), i.address);
                row.set(n + QLatin1String(" Type"), QStringLiteral("SMTP"));
                row.set(n + QLatin1String(" Display Name"),
                        QStringLiteral("%1 (%2)").arg(joinNonEmpty({c.name2, c.name1}), i.address));
                ++emails;
            } else if (!isEmail(i) && !web) {
                row.set("Web Page", i.address);
                web = true;
            } else {
                left << i.address;
            }
        }
        for (const ContactNumber& n : c.numbers) {
            QStringList columns;
            if (!n.assistant.isEmpty())
                columns << QStringLiteral("Assistant's Phone");
            const TypeMatch* type = typeRowOf(DetailKind::Number, n.type);
            for (const NumberSlots& places : kOutlookNumbers)
                if (type && places.words == type->words)
                    columns << places.columns;
            columns << kOtherNumbers;
            const auto free = std::find_if(columns.begin(), columns.end(), [&](const QString& col) { return row.isFree(col); });
            if (free == columns.end()) {
                left << numberText(n);
                continue;
            }
            row.set(*free, numberText(n));
            if (*free == u"Assistant's Phone")
                row.set("Assistant's Name", n.assistant);
            else if (!n.assistant.isEmpty())
                left << n.assistant;
        }
        for (const ContactAddress& a : c.addresses) {
            const TypeMatch* type = typeRowOf(DetailKind::Address, a.type);
            QStringList places;
            if (type && type->words == QStringList{"work"})
                places << QStringLiteral("Business");
            else if (type && type->words == QStringList{"home"})
                places << QStringLiteral("Home");
            places << QStringLiteral("Other");
            const auto free = std::find_if(places.begin(), places.end(),
                                           [&](const QString& s) { return row.isFree(s + QLatin1String(" City")) &&
                                                                          row.isFree(s + QLatin1String(" Street")); });
            if (free == places.end()) {
                left << addressText(a);
                continue;
            }
            row.set(*free + QLatin1String(" Street"), a.street);
            row.set(*free + QLatin1String(" City"), a.town);
            row.set(*free + QLatin1String(" Postal Code"), postcodeText(a.postcode));
            row.set(*free + QLatin1String(" Country/Region"), a.country);
        }
        if (person && !c.alive)
            left << QStringLiteral("\u2020");
        text += line(row.values(), true, crlf);
        if (!left.isEmpty())
            out.leftOut << LeftOut{.contact = listNameOf(c), .items = left};
    }
    out.bytes = encodeText(text, Encoding::Windows1252, false);
    return out;
}

QString googleLabel(DetailKind kind, const QString& type, bool preferred)
{
    const TypeMatch* row = kind == DetailKind::Email || kind == DetailKind::Web ? internetRowOf(type)
                                                                               : typeRowOf(kind, type);
    QString label = type;
    if (row && row->writeWords && !type.isEmpty() && row->names.first().compare(type, Qt::CaseInsensitive) == 0)
        for (const GoogleLabel& g : kGoogleLabels)
            if (g.kind == row->kind && g.words == row->words)
                label = QString::fromLatin1(g.label);
    return preferred ? QLatin1String("* ") + label : label;
}

CsvWritten writeGoogle(const QList<Contact>& contacts)
{
    CsvWritten out;
    qsizetype emails = 1, phones = 1, addresses = 1, webs = 1;
    for (const Contact& c : contacts) {
        const qsizetype e = std::count_if(c.internet.begin(), c.internet.end(), isEmail);
        emails = std::max(emails, e);
        webs = std::max(webs, c.internet.size() - e);
        phones = std::max(phones, c.numbers.size());
        addresses = std::max(addresses, c.addresses.size());
    }
    QStringList columns = {"First Name", "Middle Name", "Last Name", "Phonetic First Name", "Phonetic Middle Name",
                           "Phonetic Last Name", "Name Prefix", "Name Suffix", "Nickname", "File As",
                           "Organization Name", "Organization Title", "Organization Department", "Birthday", "Notes",
                           "Photo", "Labels"};
    for (qsizetype i = 1; i <= emails; ++i)
        columns << QStringLiteral("E-mail %1 - Label").arg(i) << QStringLiteral("E-mail %1 - Value").arg(i);
    for (qsizetype i = 1; i <= phones; ++i)
        columns << QStringLiteral("Phone %1 - Label").arg(i) << QStringLiteral("Phone %1 - Value").arg(i);
    for (qsizetype i = 1; i <= addresses; ++i)
        for (const char* part : {"Label", "Formatted", "Street", "City", "PO Box", "Region", "Postal Code", "Country",
                                 "Extended Address"})
            columns << QStringLiteral("Address %1 - %2").arg(i).arg(QLatin1String(part));
    for (qsizetype i = 1; i <= webs; ++i)
        columns << QStringLiteral("Website %1 - Label").arg(i) << QStringLiteral("Website %1 - Value").arg(i);

    const QString lf = QStringLiteral("\n");
    QString text = line(columns, false, lf);
    for (const Contact& c : contacts) {
        Row row(columns);
        QStringList left;
        if (c.kind == ContactKind::Person) {
            row.set("First Name", c.name2);
            row.set("Last Name", c.name1);
            row.set("Name Prefix", joinNonEmpty({c.salutation, c.title}));
            row.set("Nickname", c.nickname);
            row.set("Organization Name", c.employer1);
            row.set("Organization Department", c.employer2);
            row.set("Birthday", birthdayText(c.birthday, true));
            if (!c.alive)
                left << QStringLiteral("\u2020");
        } else {
            row.set("Organization Name", c.name1);
            row.set("Organization Department", c.name2);
        }
        row.set("File As", listNameOf(c));
        row.set("Notes", c.additional);
        row.set("Labels", (QStringList{QStringLiteral("* myContacts")} + c.groups).join(QLatin1String(" ::: ")));
        int e = 0, w = 0;
        for (const ContactInternet& i : c.internet) {
            const bool mail = isEmail(i);
            const QString n = mail ? QStringLiteral("E-mail %1").arg(++e) : QStringLiteral("Website %1").arg(++w);
            row.set(n + QLatin1String(" - Label"),
                    googleLabel(mail ? DetailKind::Email : DetailKind::Web, i.type, i.preferred));
            row.set(n + QLatin1String(" - Value"), i.address);
        }
        int p = 0;
        for (const ContactNumber& n : c.numbers) {
            const QString col = QStringLiteral("Phone %1").arg(++p);
            row.set(col + QLatin1String(" - Label"), googleLabel(DetailKind::Number, n.type, n.preferred));
            row.set(col + QLatin1String(" - Value"), numberText(n));
            if (!n.assistant.isEmpty())
                left << n.assistant;
        }
        int a = 0;
        for (const ContactAddress& ad : c.addresses) {
            const QString col = QStringLiteral("Address %1 - ").arg(++a);
            row.set(col + QLatin1String("Label"), googleLabel(DetailKind::Address, ad.type, ad.preferred));
            row.set(col + QLatin1String("Formatted"),
                    joinNonEmpty({ad.street, joinNonEmpty({postcodeText(ad.postcode), ad.town}), ad.country},
                                 QStringLiteral("\n")));
            row.set(col + QLatin1String("Street"), ad.street);
            row.set(col + QLatin1String("City"), ad.town);
            row.set(col + QLatin1String("Postal Code"), postcodeText(ad.postcode));
            row.set(col + QLatin1String("Country"), ad.country);
        }
        text += line(row.values(), false, lf);
        if (!left.isEmpty())
            out.leftOut << LeftOut{.contact = listNameOf(c), .items = left};
    }
    out.bytes = encodeText(text, Encoding::Utf8, true);
    return out;
}

} // namespace

QString csvField(const QString& value, QChar separator, bool always)
{
    const bool quote = always || value.contains(separator) || value.contains(u'"') || value.contains(u'\n') ||
                       value.contains(u'\r') || value.startsWith(u' ') || value.endsWith(u' ');
    if (!quote)
        return value;
    QString t = value;
    t.replace(u'"', QLatin1String("\"\""));
    return u'"' + t + u'"';
}

CsvWritten writeCsv(const QList<Contact>& contacts, CsvShape shape)
{
    return shape == CsvShape::Outlook ? writeOutlook(contacts) : writeGoogle(contacts);
}

} // namespace pellori::exchange
