#include "exchange/csv/CsvGuess.h"

#include <QRegularExpression>

namespace pellori::exchange {

namespace {

using enum Target;

struct HeaderWords {
    QStringList phrases;   // in the normal form of words(): lower case, words joined by one blank
    FieldChoice choice;
};

// Most specific first: "job title" before "title", "e mail" before "mail".
const QList<HeaderWords>& headerTable()
{
    static const QList<HeaderWords> table = {
        {{"job title", "position", "function", "fonction", "beruf", "role", "puesto", "qualifica", "arbeitstitel",
          "occupation", "profession"},
         {.target = JobTitle}},
        {{"first name", "firstname", "given name", "givenname", "vorname", "prenom", "nombre", "nome", "forename"},
         {.target = FirstName}},
        {{"middle name", "additional name", "weitere vornamen", "zweiter vorname", "deuxieme prenom"},
         {.target = MiddleName}},
        {{"last name", "lastname", "surname", "family name", "familyname", "nachname", "familienname",
          "nom de famille", "apellidos", "apellido", "cognome"},
         {.target = FamilyName}},
        {{"nickname", "spitzname", "surnom", "apodo", "soprannome"}, {.target = Nickname}},
        {{"suffix", "name suffix", "suffixe", "namenszusatz"}, {.target = NameSuffix}},
        {{"title", "anrede", "salutation", "titel", "prefix", "name prefix", "titre", "tratamiento"},
         {.target = Prefix}},
        {{"department", "abteilung", "service", "departamento", "reparto"}, {.target = Department}},
        {{"company", "firma", "organization", "organisation", "organizacion", "organizzazione", "societe", "empresa",
          "unternehmen", "org"},
         {.target = Company}},
        {{"birthday", "birth date", "date of birth", "birthdate", "dob", "geburtstag", "geburtsdatum",
          "anniversaire", "date de naissance", "cumpleanos", "fecha de nacimiento", "compleanno"},
         {.target = Birthday}},
        {{"birth year", "geburtsjahr", "annee de naissance"}, {.target = BirthYear}},
        {{"birth month", "geburtsmonat"}, {.target = BirthMonth}},
        {{"birth day"}, {.target = BirthDay}},
        {{"notes", "note", "notizen", "notiz", "bemerkung", "bemerkungen", "anmerkungen", "comment", "comments",
          "remarks", "memo", "notas", "description", "beschreibung"},
         {.target = Notes}},
        {{"groups", "group", "gruppe", "gruppen", "categories", "category", "kategorien", "kategorie", "labels",
          "tags", "categories", "group membership", "groupe", "groupes"},
         {.target = Groups}},
        {{"mobile", "mobil", "handy", "cell", "cellular", "mobile phone", "mobiltelefon", "portable", "movil",
          "cellulare", "natel"},
         {.target = Phone, .kinds = {"cell"}}},
        {{"fax", "telefax", "telecopie"}, {.target = Phone, .kinds = {"fax"}}},
        {{"pager"}, {.target = Phone, .kinds = {"pager"}}},
        {{"e mail", "email", "mail", "e mail address", "email address", "mail address", "e mail adresse",
          "courriel", "correo", "adresse electronique"},
         {.target = Email}},
        {{"web", "website", "web page", "webpage", "homepage", "url", "webseite", "internet", "site web",
          "pagina web"},
         {.target = Web}},
        {{"phone", "telephone", "tel", "telefon", "telefonnummer", "phone number", "telefono", "numero",
          "rufnummer"},
         {.target = Phone}},
        {{"po box", "postfach", "post office box", "boite postale", "bp"}, {.target = PoBox}},
        {{"street", "strasse", "address", "adresse", "anschrift", "rue", "direccion", "indirizzo", "calle",
          "via"},
         {.target = Street}},
        {{"city", "town", "ort", "stadt", "wohnort", "ville", "ciudad", "citta", "locality", "place"},
         {.target = Town}},
        {{"zip", "zip code", "zipcode", "postcode", "postal code", "postalcode", "plz", "postleitzahl",
          "code postal", "cp", "cap", "codigo postal"},
         {.target = Postcode}},
        {{"state", "region", "province", "bundesland", "kanton", "provincia", "departement"},
         {.target = Region}},
        {{"country", "land", "pays", "pais", "nazione", "staat"}, {.target = Country}},
        // Last: "Company Name" is a company, "Display Name" a full name.
        {{"display name", "full name", "fullname", "anzeigename", "name", "nom", "nom a afficher", "contact",
          "kontakt"},
         {.target = FullName}},
    };
    return table;
}

const QStringList kWorkWords = {"work", "business", "office", "geschaftlich", "geschaeftlich", "dienstlich",
                                "buro", "bureau", "professionnel", "professionnelle", "trabajo", "lavoro",
                                "firma"};
const QStringList kHomeWords = {"home", "private", "privat", "personal", "domicile", "prive", "privee",
                                "particular", "casa", "residencia"};

// Lower case, accents dropped, everything but letters and digits a blank.
QString plainWords(const QString& text)
{
    QString t = text.normalized(QString::NormalizationForm_D).toCaseFolded();
    QString out;
    out.reserve(t.size());
    for (const QChar c : t) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        out += c == u'ß' ? QStringLiteral("ss") : (c.isLetterOrNumber() ? QString(c) : QStringLiteral(" "));
    }
    return out.simplified();
}

bool hasWord(const QString& words, const QString& phrase)
{
    return (u' ' + words + u' ').contains(u' ' + phrase + u' ');
}

const QRegularExpression& emailPattern()
{
    static const QRegularExpression re(QStringLiteral("^[^@\\s]+@[^@\\s]+\\.[^@\\s]+$"));
    return re;
}

bool looksLikePhone(QStringView v)
{
    int digits = 0;
    for (const QChar c : v) {
        if (c.isDigit())
            ++digits;
        else if (!QStringView(u"+-/() .").contains(c))
            return false;
    }
    return digits >= 6;
}

bool looksLikeDate(QStringView v)
{
    static const QRegularExpression re(
        QStringLiteral("^(\\d{1,2}[./-]\\d{1,2}[./-]\\d{2,4}|\\d{4}-\\d{2}-\\d{2}|--\\d{2}-?\\d{2})$"));
    return re.match(v).hasMatch();
}

bool looksLikeUrl(QStringView v)
{
    return v.startsWith(u"http://", Qt::CaseInsensitive) || v.startsWith(u"https://", Qt::CaseInsensitive) ||
           v.startsWith(u"www.", Qt::CaseInsensitive);
}

bool looksLikePostcode(QStringView v)
{
    static const QRegularExpression re(QStringLiteral("^\\d{4,5}$"));
    return re.match(v).hasMatch();
}

bool looksLikeData(QStringView v)
{
    v = v.trimmed();
    return emailPattern().match(v).hasMatch() || looksLikePhone(v) || looksLikeDate(v) || looksLikeUrl(v) ||
           looksLikePostcode(v);
}

// What the values of a column are, when all its non-empty values agree.
FieldChoice choiceFromValues(const CsvTable& table, int column, int firstRow)
{
    constexpr int kSample = 50;
    int seen = 0, emails = 0, urls = 0, phones = 0, dates = 0, postcodes = 0;
    for (int r = firstRow; r < table.rowCount() && seen < kSample; ++r) {
        const QStringView v = table.field(r, column).trimmed();
        if (v.isEmpty())
            continue;
        ++seen;
        emails += emailPattern().match(v).hasMatch();
        urls += looksLikeUrl(v);
        phones += looksLikePhone(v);
        dates += looksLikeDate(v);
        postcodes += looksLikePostcode(v);
    }
    if (seen == 0)
        return {.target = Other};
    if (emails == seen)
        return {.target = Email};
    if (urls == seen)
        return {.target = Web};
    if (dates == seen)
        return {.target = Birthday};
    // Numbers of four or five digits are postcodes only where no header says otherwise.
    if (postcodes == seen && firstRow == 0)
        return {.target = Postcode, .group = kOtherAddress};
    if (phones == seen)
        return {.target = Phone};
    return {.target = Other};
}

} // namespace

FieldChoice choiceFromHeader(const QString& header)
{
    const QString words = plainWords(header);
    if (words.isEmpty())
        return {.target = Ignore};
    for (const HeaderWords& row : headerTable())
        for (const QString& phrase : row.phrases)
            if (words == phrase || hasWord(words, phrase)) {
                FieldChoice c = row.choice;
                const bool work = std::any_of(kWorkWords.begin(), kWorkWords.end(),
                                              [&](const QString& w) { return hasWord(words, w); });
                const bool home = !work && std::any_of(kHomeWords.begin(), kHomeWords.end(),
                                                       [&](const QString& w) { return hasWord(words, w); });
                if (c.target == Street && words.endsWith(QLatin1String(" 2")))
                    c.target = Street2;
                else if (c.target == Street && words.endsWith(QLatin1String(" 3")))
                    c.target = Street3;
                if (isAddressPart(c.target)) {
                    c.group = work ? kWorkAddress : home ? kHomeAddress : kOtherAddress;
                    c.kinds = work ? QStringList{"work"} : home ? QStringList{"home"} : QStringList{};
                } else if (c.target == Email || c.target == Phone || c.target == Web) {
                    if (work)
                        c.kinds << QStringLiteral("work");
                    else if (home && c.target != Web)
                        c.kinds << QStringLiteral("home");
                }
                return c;
            }
    return {.target = Other};
}

CsvGuess guessColumns(const CsvTable& table)
{
    CsvGuess g;
    const QStringList first = table.row(0);
    // A first row holding an e-mail address, a number or a date is data.
    g.header = std::none_of(first.begin(), first.end(), [](const QString& v) { return looksLikeData(v); });
    const int firstRow = g.header ? 1 : 0;
    for (int c = 0; c < table.columnCount(); ++c) {
        FieldChoice choice = g.header ? choiceFromHeader(first[c]) : FieldChoice{.target = Other};
        if (choice.target == Other)
            choice = choiceFromValues(table, c, firstRow);
        g.columns << choice;
    }
    return g;
}

DateOrder dateOrderOf(const QList<QStringView>& values, DateOrder fallback)
{
    static const QRegularExpression re(QStringLiteral("^(\\d{1,2})([./-])(\\d{1,2})[./-]\\d{2,4}"));
    bool dots = false;
    for (const QStringView v : values) {
        const auto m = re.match(v.trimmed());
        if (!m.hasMatch())
            continue;
        if (m.capturedView(1).toInt() > 12)
            return DateOrder::DayMonthYear;
        if (m.capturedView(3).toInt() > 12)
            return DateOrder::MonthDayYear;
        dots = dots || m.capturedView(2) == u".";
    }
    return dots ? DateOrder::DayMonthYear : fallback;
}

} // namespace pellori::exchange
