#include "exchange/csv/CsvContacts.h"

#include "exchange/Latin1Text.h"
#include "exchange/TypeTable.h"

#include <QHash>
#include <QMap>
#include <QRegularExpression>

namespace pellori::exchange {


// --- the source -----------------------------------------------------------

CsvSource::CsvSource(QByteArray bytes) : m_bytes(std::move(bytes)), m_encoding(detectEncoding(m_bytes))
{
    m_separator = detectSeparator(decodeText(m_bytes.left(64 * 1024), m_encoding));
    reread();
}

void CsvSource::setEncoding(Encoding encoding)
{
    m_encoding = encoding;
    reread();
}

void CsvSource::setSeparator(QChar separator)
{
    m_separator = separator;
    reread();
}

void CsvSource::reread() { m_read = readCsv(decodeText(m_bytes, m_encoding), m_separator); }

QStringList CsvSource::headers(const CsvMapping& mapping) const
{
    QStringList out;
    for (int c = 0; c < table().columnCount(); ++c) {
        const QString name = mapping.header ? table().field(0, c).toString().simplified() : QString();
        out << (name.isEmpty() ? QStringLiteral("%1").arg(c + 1) : name);
    }
    return out;
}

CsvMapping CsvSource::mappingFor(int preset) const
{
    CsvMapping m;
    m.preset = preset;
    if (preset >= 0 && preset < presets().size()) {
        const Preset& p = presets()[preset];
        m.header = true;
        m.columns = applyPreset(p, table().row(0));
        m.dateOrder = p.dateOrder;
        m.valueSeparator = p.valueSeparator;
        m.emptyValues = p.emptyValues;
    } else {
        const CsvGuess g = guessColumns(table());
        m.header = g.header;
        m.columns = g.columns;
    }
    // A birthday column shows the order of its dates.
    QList<QStringView> dates;
    for (int c = 0; c < m.columns.size(); ++c)
        if (m.columns[c].target == Target::Birthday)
            for (int r = m.header ? 1 : 0; r < table().rowCount(); ++r)
                dates << table().field(r, c);
    m.dateOrder = dateOrderOf(dates, m.dateOrder);
    return m;
}

CsvMapping CsvSource::detectMapping() const
{
    return mappingFor(table().rowCount() > 0 ? recognisePreset(table().row(0)) : -1);
}

// --- dates ----------------------------------------------------------------

bool isNoDate(QStringView text)
{
    // Outlook writes an empty date as zeros in the locale's order.
    const QStringView t = text.trimmed();
    return std::all_of(t.begin(), t.end(), [](QChar c) { return c == u'0' || c == u'/' || c == u'.' || c == u'-'; });
}

std::optional<CsvDate> parseCsvDate(QStringView text, DateOrder order)
{
    QStringView t = text.trimmed();
    if (const qsizetype blank = t.indexOf(u' '); blank > 0)   // "12/10/1815 00:00:00"
        t = t.left(blank);
    if (const qsizetype tee = t.indexOf(u'T'); tee > 0)
        t = t.left(tee);
    int year = 0, month = 0, day = 0;
    static const QRegularExpression iso(QStringLiteral("^(\\d{4}|-)-(\\d{1,2})-(\\d{1,2})$"));
    static const QRegularExpression noYear(QStringLiteral("^--(\\d{2})-?(\\d{2})$"));
    static const QRegularExpression numbers(QStringLiteral("^(\\d{1,4})[./-](\\d{1,2})[./-](\\d{1,4})$"));
    if (const auto m = noYear.match(t); m.hasMatch()) {
        month = m.capturedView(1).toInt();
        day = m.capturedView(2).toInt();
    } else if (const auto i = iso.match(t); i.hasMatch()) {
        year = i.capturedView(1) == u"-" ? 0 : i.capturedView(1).toInt();
        month = i.capturedView(2).toInt();
        day = i.capturedView(3).toInt();
    } else if (const auto n = numbers.match(t); n.hasMatch()) {
        const int a = n.capturedView(1).toInt(), b = n.capturedView(2).toInt(), c = n.capturedView(3).toInt();
        if (n.capturedView(1).size() == 4) {
            year = a;
            month = b;
            day = c;
        } else {
            year = c;
            if (n.capturedView(3).size() <= 2)   // two digits: the century that makes it past
                year += year + 2000 > QDate::currentDate().year() ? 1900 : 2000;
            month = order == DateOrder::MonthDayYear ? a : b;
            day = order == DateOrder::MonthDayYear ? b : a;
        }
    } else {
        return std::nullopt;
    }
    const bool hasYear = year != 0 && year != kYearUnknown;
    const QDate date(hasYear ? year : kYearUnknown, month, day);
    if (!date.isValid())
        return std::nullopt;
    return CsvDate{.date = date, .hasYear = hasYear};
}

// --- rows to contacts -------------------------------------------------------

namespace {

// Columns of one line: breaks inside a value (and the unit separator that
// joins the values of a repeated LDIF attribute) become ", ".
QString oneLine(QStringView text)
{
    if (!text.contains(u'\n') && !text.contains(u'\x1F'))
        return text.trimmed().toString();
    return joinNonEmpty(text.toString().replace(u'\x1F', u'\n').split(u'\n'), QStringLiteral(", "));
}

// Google's own labels, which name no type of the user's.
bool programLabel(const QString& label)
{
    static const QStringList known = {"home", "work", "mobile", "main", "home fax", "work fax", "other fax",
                                      "pager", "other", "google voice", "custom", "homepage", "blog", "profile",
                                      "ftp", "isdn", "car", "callback", "radio", "telex", "tty", "assistant",
                                      "company main", "work mobile", "work pager", "mms"};
    return known.contains(label.toCaseFolded());
}

// The label's words as TYPE words: "Work Fax" says work and fax.
QStringList labelWords(const QString& label)
{
    if (label.isEmpty())
        return {};
    static const QRegularExpression separators(QStringLiteral("[\\s/,]+"));
    return label.toLower().split(separators, Qt::SkipEmptyParts);
}

struct Label {
    QString text;
    bool preferred = false;
};

// Google marks the primary entry's label with "* ".
Label readLabel(QString text)
{
    text = text.trimmed();
    Label l;
    if (text.startsWith(QLatin1String("* "))) {
        l.preferred = true;
        text = text.mid(2).trimmed();
    } else if (text == u"*") {
        l.preferred = true;
        text.clear();
    }
    l.text = text;
    return l;
}

// Google's own groups that every contact is in, or that mark a contact.
bool systemGroup(const QString& name)
{
    static const QStringList names = {"mycontacts", "my contacts", "starred"};
    return names.contains(name.toCaseFolded());
}

} // namespace

class ContactRows::Reader {
public:
    Reader(const CsvMapping& mapping, const QStringList& headers) : m_mapping(mapping), m_headers(headers) {}

    CardContact read(int line, const QList<QStringView>& cells)
    {
        m_cells = &cells;
        m_out = CardContact{};
        m_out.line = line;
        m_others.clear();
        singleValues();
        names();
        dates();
        details();
        addresses();
        groupsAndNotes();
        if (!m_others.isEmpty())
            m_out.notes << Note{.kind = NoteKind::PropertiesNotStored, .value = m_others.join(QLatin1String(", "))};
        if (!m_out.hasName)
            m_out.notes.prepend(Note{.kind = NoteKind::NoName});
        return m_out;
    }

private:
    QStringView cell(int column) const { return m_cells->value(column); }

    // The value of a target that a row holds once: the first non-empty
    // column's; another column of it with another value is listed as not stored.
    QString first(Target t) const { return m_single.value(int(t)); }

    void singleValues()
    {
        m_single.clear();
        for (int c = 0; c < m_mapping.columns.size(); ++c) {
            const FieldChoice& choice = m_mapping.columns[c];
            const Target t = choice.target;
            if (t == Target::Ignore || t == Target::Redundant || t == Target::Other || t == Target::Notes ||
                t == Target::Groups || t == Target::Label || t == Target::AssistantName || t == Target::Email ||
                t == Target::Phone || t == Target::Web || isAddressPart(t))
                continue;
            const QString v = oneLine(cell(c));
            if (v.isEmpty())
                continue;
            const auto it = m_single.constFind(int(t));
            if (it == m_single.cend())
                m_single.insert(int(t), v);
            else if (it->compare(v, Qt::CaseInsensitive) != 0)
                m_others << m_headers.value(c) + QLatin1String(" \"") + v + u'"';
        }
    }

    void noColumn(Field field, const QString& value)
    {
        if (!value.isEmpty())
            m_out.notes << Note{.kind = NoteKind::NoColumn, .field = field, .value = value};
    }

    void names()
    {
        Contact& c = m_out.contact;
        const QString full = first(Target::FullName), family = first(Target::FamilyName),
                      given = first(Target::FirstName), middle = first(Target::MiddleName),
                      company = first(Target::Company), department = first(Target::Department);
        const bool named = !family.isEmpty() || !given.isEmpty() || !middle.isEmpty();
        // A company's own row: no person's name, and a display name (if any)
        // that is the company's, with or without its department.
        const bool companyName = full.isEmpty() || full.compare(company, Qt::CaseInsensitive) == 0 ||
                                 full.compare(joinNonEmpty({company, department}), Qt::CaseInsensitive) == 0;
        if (!named && companyName && !company.isEmpty()) {
            c.kind = ContactKind::Company;
            c.name1 = company;
            c.name2 = department;
        } else {
            c.name1 = family;
            c.name2 = joinNonEmpty({given, middle});
            if (!named && !full.isEmpty()) {
                // "Doe, John" or "John Doe".
                if (const qsizetype comma = full.indexOf(u','); comma > 0) {
                    c.name1 = full.left(comma).trimmed();
                    c.name2 = full.mid(comma + 1).trimmed();
                } else {
                    QStringList words = full.split(u' ', Qt::SkipEmptyParts);
                    c.name1 = words.takeLast();
                    c.name2 = words.join(u' ');
                }
            }
            c.title = first(Target::Prefix);
            if (named && !full.isEmpty()) {
                // A display name that puts salutation and title before the
                // name ("Dr. Hans Meier") gives them, where no column does.
                const QString name = joinNonEmpty({given, middle, family});
                if (c.title.isEmpty() && full.endsWith(name, Qt::CaseInsensitive) && full.size() > name.size() &&
                    full.at(full.size() - name.size() - 1) == u' ')
                    c.title = full.left(full.size() - name.size()).trimmed();
                else
                    noteFullName(full, {family, given, middle, c.title, first(Target::NameSuffix)});
            }
            c.nickname = first(Target::Nickname);
            c.employer1 = company;
            c.employer2 = department;
            noColumn(Field::NameSuffix, first(Target::NameSuffix));
        }
        noColumn(Field::JobTitle, first(Target::JobTitle));
        if (toLatin1Text(c.name1).text.trimmed().isEmpty())
            std::swap(c.name1, c.name2);
        if (toLatin1Text(c.name1).text.trimmed().isEmpty() && c.kind == ContactKind::Person) {
            // Some exports keep contacts of an e-mail address alone.
            for (int col = 0; col < m_mapping.columns.size(); ++col)
                if (m_mapping.columns[col].target == Target::Email)
                    if (const QString mail = values(col).value(0); !mail.isEmpty()) {
                        c.name1 = mail;
                        c.name2.clear();
                        m_out.notes << Note{.kind = NoteKind::NamedByEmail, .value = mail};
                        break;
                    }
        }
        m_out.hasName = !toLatin1Text(c.name1).text.trimmed().isEmpty();
    }

    // A display name with words the name's parts do not hold is not stored.
    void noteFullName(const QString& full, const QStringList& parts)
    {
        const auto words = [](const QString& t) {
            QString s = t.toCaseFolded();
            for (QChar& ch : s)
                if (!ch.isLetterOrNumber())
                    ch = u' ';
            return s.split(u' ', Qt::SkipEmptyParts);
        };
        const QStringList known = words(parts.join(u' '));
        for (const QString& w : words(full))
            if (!known.contains(w)) {
                noColumn(Field::FullName, full);
                return;
            }
    }

    void dates()
    {
        const QString written = first(Target::Birthday);
        if (!written.isEmpty() && !isNoDate(written)) {
            birthday(written, parseCsvDate(written, m_mapping.dateOrder));
            return;
        }
        // Year, month and day in columns of their own (Thunderbird).
        const QString y = first(Target::BirthYear), m = first(Target::BirthMonth), d = first(Target::BirthDay);
        if (m.isEmpty() && d.isEmpty()) {
            if (!y.isEmpty())
                m_out.notes << Note{.kind = NoteKind::NotADate, .field = Field::Birthday, .value = y};
            return;
        }
        const QString shown = joinNonEmpty({y, m, d}, QStringLiteral("-"));
        bool okM = false, okD = false;
        const int month = m.toInt(&okM), day = d.toInt(&okD);
        std::optional<CsvDate> date;
        if (okM && okD) {
            const int year = y.toInt();
            const bool hasYear = year > 0 && year != kYearUnknown;
            if (const QDate dt(hasYear ? year : kYearUnknown, month, day); dt.isValid())
                date = CsvDate{.date = dt, .hasYear = hasYear};
        }
        birthday(shown, date);
    }

    void birthday(const QString& written, const std::optional<CsvDate>& date)
    {
        if (!date) {
            m_out.notes << Note{.kind = NoteKind::NotADate, .field = Field::Birthday, .value = written};
            return;
        }
        if (m_out.contact.kind != ContactKind::Person) {
            m_others << fieldName(Field::Birthday) + QLatin1String(" \"") + written + u'"';
            return;
        }
        m_out.contact.birthday = date->date;
        if (!date->hasYear)
            m_out.notes << Note{.kind = NoteKind::BirthdayWithoutYear, .field = Field::Birthday, .value = written};
    }

    // The values of a cell: several where the file joins them (Google's " ::: ").
    QStringList values(int column) const
    {
        const QStringView v = cell(column).trimmed();
        if (v.isEmpty())
            return {};
        QStringList out;
        if (!m_mapping.valueSeparator.isEmpty()) {
            for (const QString& part : v.toString().split(m_mapping.valueSeparator))
                if (const QString p = oneLine(part); !p.isEmpty())
                    out << p;
        } else {
            out << oneLine(v);
        }
        return out;
    }

    // The label and assistant columns of a group.
    QString groupValue(Target t, int group) const
    {
        for (int c = 0; c < m_mapping.columns.size(); ++c)
            if (m_mapping.columns[c].target == t && m_mapping.columns[c].group == group)
                if (const QString v = oneLine(cell(c)); !v.isEmpty())
                    return v;
        return QString();
    }

    void details()
    {
        Contact& c = m_out.contact;
        for (int col = 0; col < m_mapping.columns.size(); ++col) {
            const FieldChoice& choice = m_mapping.columns[col];
            if (choice.target != Target::Email && choice.target != Target::Phone && choice.target != Target::Web)
                continue;
            const Label label = choice.group ? readLabel(groupValue(Target::Label, choice.group)) : Label();
            QStringList kinds = choice.kinds;
            const bool preferred = kinds.contains(QLatin1String("pref")) || label.preferred;
            kinds.removeAll(QLatin1String("pref"));
            kinds << labelWords(label.text);
            const bool own = !label.text.isEmpty() && !programLabel(label.text);
            for (const QString& v : values(col)) {
                if (choice.target == Target::Phone) {
                    const SplitNumber split = splitNumber(v);
                    if (split.prefix.isEmpty())
                        m_out.notes << Note{.kind = NoteKind::NoPrefix, .field = Field::Number, .value = v};
                    c.numbers << ContactNumber{.type = label.text, .typeWords = kinds, .ownLabel = own,
                                               .prefix = split.prefix, .number = split.number, .written = v,
                                               .assistant = groupValue(Target::AssistantName, choice.group),
                                               .preferred = preferred};
                } else {
                    QString address = v;
                    if (address.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
                        address = address.mid(7);
                    c.internet << ContactInternet{.type = label.text, .typeWords = kinds, .ownLabel = own,
                                                  .kind = choice.target == Target::Email ? InternetKind::Email
                                                                                         : InternetKind::Web,
                                                  .address = address, .preferred = preferred};
                }
            }
        }
        // An assistant without a number of the same group has no place.
        for (int col = 0; col < m_mapping.columns.size(); ++col) {
            const QString assistant = m_mapping.columns[col].target == Target::AssistantName ? oneLine(cell(col))
                                                                                              : QString();
            if (!assistant.isEmpty() && std::none_of(c.numbers.begin(), c.numbers.end(), [&](const ContactNumber& n) {
                    return n.assistant == assistant;
                }))
                m_others << m_headers.value(col) + QLatin1String(" \"") + assistant + u'"';
        }
    }

    void addresses()
    {
        QMap<int, QList<int>> groups;   // address group -> its columns, in group order
        for (int col = 0; col < m_mapping.columns.size(); ++col)
            if (isAddressPart(m_mapping.columns[col].target))
                groups[m_mapping.columns[col].group] << col;
        for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
            QMap<Target, QString> parts;
            QStringList kinds;
            for (const int col : *it) {
                const FieldChoice& choice = m_mapping.columns[col];
                kinds = choice.kinds;
                const Target t = choice.target;
                const QString v = t == Target::Street || t == Target::FormattedAddress ? cell(col).trimmed().toString()
                                                                                       : oneLine(cell(col));
                if (v.isEmpty())
                    continue;
                if (parts.value(t).isEmpty())
                    parts[t] = v;
                else if (parts.value(t) != v)
                    m_others << m_headers.value(col) + QLatin1String(" \"") + oneLine(v) + u'"';
            }
            address(it.key(), kinds, parts);
        }
    }

    void address(int group, const QStringList& groupKinds, const QMap<Target, QString>& p)
    {
        const auto streetLines = [](const QString& s) {
            return joinNonEmpty(s.split(u'\n'), QStringLiteral(", "));
        };
        ContactAddress a{.street = joinNonEmpty({streetLines(p.value(Target::Street)), p.value(Target::Street2),
                                                 p.value(Target::Street3)},
                                                QStringLiteral(", ")),
                         .town = p.value(Target::Town),
                         .postcode = p.value(Target::Postcode),
                         .country = p.value(Target::Country)};
        const Label label = readLabel(groupValue(Target::Label, group));
        a.type = label.text;
        a.ownLabel = !label.text.isEmpty() && !programLabel(label.text);
        a.preferred = label.preferred;
        a.typeWords = groupKinds;
        a.typeWords << labelWords(label.text);
        const QString pobox = p.value(Target::PoBox);
        const bool parts = !a.street.isEmpty() || !a.town.isEmpty() || !a.postcode.isEmpty();
        if (!parts && !p.value(Target::FormattedAddress).isEmpty()) {
            // Only the whole address: its first line the street, the others the town.
            const QStringList lines = p.value(Target::FormattedAddress).split(u'\n', Qt::SkipEmptyParts);
            a.street = lines.value(0).trimmed();
            a.town = joinNonEmpty(lines.mid(1), QStringLiteral(", "));
            m_out.notes << Note{.kind = NoteKind::AddressFromLabel, .field = Field::Address,
                                .value = oneLine(p.value(Target::FormattedAddress)), .stored = a.street,
                                .detail = a.town};
        }
        if (a.street.isEmpty() && !pobox.isEmpty()) {
            a.street = pobox;
            a.typeWords << QLatin1String(kPostOfficeBoxWord);
        } else if (!pobox.isEmpty()) {
            noColumn(Field::PostOfficeBox, pobox);
        }
        noColumn(Field::Region, p.value(Target::Region));
        if (a.street.isEmpty() && a.town.isEmpty() && a.postcode.isEmpty()) {
            // A country alone is no address.
            if (!a.country.isEmpty())
                noColumn(Field::Country, a.country);
            return;
        }
        m_out.contact.addresses << a;
    }

    void groupsAndNotes()
    {
        Contact& c = m_out.contact;
        QStringList notes;
        for (int col = 0; col < m_mapping.columns.size(); ++col) {
            const Target t = m_mapping.columns[col].target;
            const QStringView v = cell(col).trimmed();
            if (v.isEmpty())
                continue;
            if (t == Target::Notes) {
                notes << v.toString();
            } else if (t == Target::Groups) {
                const QString sep = m_mapping.valueSeparator.isEmpty() ? QStringLiteral(";") : m_mapping.valueSeparator;
                for (QString g : v.toString().split(sep)) {
                    g = oneLine(g);
                    if (g.startsWith(QLatin1String("* "))) {
                        g = g.mid(2).trimmed();
                        if (systemGroup(g))
                            continue;
                    }
                    if (!g.isEmpty() && !c.groups.contains(g, Qt::CaseInsensitive))
                        c.groups << g;
                }
            } else if (t == Target::Other && !m_mapping.emptyValues.contains(v.toString())) {
                m_others << m_headers.value(col) + QLatin1String(" \"") + oneLine(v) + u'"';
            }
        }
        c.additional = notes.join(u'\n');
    }

    const CsvMapping m_mapping;
    const QStringList m_headers;
    const QList<QStringView>* m_cells = nullptr;
    CardContact m_out;
    QStringList m_others;
    QHash<int, QString> m_single;
};

ContactRows::ContactRows(const CsvMapping& mapping, const QStringList& headers)
    : m_reader(std::make_unique<Reader>(mapping, headers))
{
}

ContactRows::~ContactRows() = default;

CardContact ContactRows::read(int line, const QList<QStringView>& cells) { return m_reader->read(line, cells); }

QList<CardContact> csvContacts(const CsvTable& table, const CsvMapping& mapping)
{
    QStringList headers;
    for (int c = 0; c < table.columnCount(); ++c) {
        const QString name = mapping.header ? table.field(0, c).toString().simplified() : QString();
        headers << (name.isEmpty() ? QStringLiteral("%1").arg(c + 1) : name);
    }
    ContactRows rows(mapping, headers);
    QList<CardContact> out;
    out.reserve(table.rowCount());
    QList<QStringView> cells(table.columnCount());
    for (int r = mapping.header ? 1 : 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.columnCount(); ++c)
            cells[c] = table.field(r, c);
        out << rows.read(table.line(r), cells);
    }
    return out;
}

} // namespace pellori::exchange
