#include "exchange/csv/CsvPresets.h"

#include <QHash>
#include <QRegularExpression>

namespace pellori::exchange {

namespace {

using enum Target;

FieldChoice is(Target t, int group = 0) { return FieldChoice{.target = t, .group = group}; }
FieldChoice phone(QStringList kinds, int group = 0)
{
    return FieldChoice{.target = Phone, .group = group, .kinds = std::move(kinds)};
}
FieldChoice email(QStringList kinds = {}) { return FieldChoice{.target = Email, .kinds = std::move(kinds)}; }
FieldChoice web(QStringList kinds = {}) { return FieldChoice{.target = Web, .kinds = std::move(kinds)}; }
FieldChoice home(Target t) { return FieldChoice{.target = t, .group = kHomeAddress, .kinds = {"home"}}; }
FieldChoice work(Target t) { return FieldChoice{.target = t, .group = kWorkAddress, .kinds = {"work"}}; }
FieldChoice other(Target t) { return FieldChoice{.target = t, .group = kOtherAddress}; }

// The assistant's number and name, as Pellori keeps them: one row.
const int kAssistant = kAssistantGroups + 1;

// Outlook's columns. Its export writes names and addresses in a fixed
// order, then the rest in the alphabetical order of the language; only
// the place of a repeated name matters here.
const QList<PresetColumn> kOutlookEnglish = {
    {"Title", is(Prefix)}, {"First Name", is(FirstName)}, {"Middle Name", is(MiddleName)},
    {"Last Name", is(FamilyName)}, {"Suffix", is(NameSuffix)}, {"Company", is(Company)},
    {"Department", is(Department)}, {"Job Title", is(JobTitle)},
    {"Business Street", work(Street)}, {"Business Street 2", work(Street2)}, {"Business Street 3", work(Street3)},
    {"Business City", work(Town)}, {"Business State", work(Region)}, {"Business Postal Code", work(Postcode)},
    {"Business Country/Region", work(Country)}, {"Business Country", work(Country)},
    {"Home Street", home(Street)}, {"Home Street 2", home(Street2)}, {"Home Street 3", home(Street3)},
    {"Home City", home(Town)}, {"Home State", home(Region)}, {"Home Postal Code", home(Postcode)},
    {"Home Country/Region", home(Country)}, {"Home Country", home(Country)},
    {"Other Street", other(Street)}, {"Other Street 2", other(Street2)}, {"Other Street 3", other(Street3)},
    {"Other City", other(Town)}, {"Other State", other(Region)}, {"Other Postal Code", other(Postcode)},
    {"Other Country/Region", other(Country)}, {"Other Country", other(Country)},
    {"Assistant's Phone", phone({"work"}, kAssistant)}, {"Business Fax", phone({"fax", "work"})},
    {"Business Phone", phone({"work"})}, {"Business Phone 2", phone({"work"})}, {"Callback", phone({})},
    {"Car Phone", phone({"car"})}, {"Company Main Phone", phone({"work"})}, {"Home Fax", phone({"fax"})},
    {"Home Phone", phone({"home"})}, {"Home Phone 2", phone({"home"})}, {"ISDN", phone({"isdn"})},
    {"Mobile Phone", phone({"cell"})}, {"Other Fax", phone({"fax"})}, {"Other Phone", phone({})},
    {"Pager", phone({"pager"})}, {"Primary Phone", phone({"pref"})}, {"Radio Phone", phone({"cell"})},
    {"TTY/TDD Phone", phone({"textphone"})}, {"Telex", phone({})},
    {"Account", is(Other)}, {"Anniversary", is(Other)}, {"Assistant's Name", is(AssistantName, kAssistant)},
    {"Billing Information", is(Other)}, {"Birthday", is(Birthday)},
    {"Business Address PO Box", work(PoBox)}, {"Categories", is(Groups)}, {"Children", is(Other)},
    {"Directory Server", is(Other)}, {"E-mail Address", email()}, {"E-mail Type", is(Redundant)},
    {"E-mail Display Name", is(Redundant)}, {"E-mail 2 Address", email()}, {"E-mail 2 Type", is(Redundant)},
    {"E-mail 2 Display Name", is(Redundant)}, {"E-mail 3 Address", email()}, {"E-mail 3 Type", is(Redundant)},
    {"E-mail 3 Display Name", is(Redundant)}, {"Gender", is(Other)}, {"Government ID Number", is(Other)},
    {"Hobby", is(Other)}, {"Home Address PO Box", home(PoBox)}, {"Initials", is(Redundant)},
    {"Internet Free Busy", is(Other)}, {"Keywords", is(Other)}, {"Language", is(Other)}, {"Location", is(Other)},
    {"Manager's Name", is(Other)}, {"Mileage", is(Other)}, {"Notes", is(Notes)}, {"Office Location", is(Other)},
    {"Organizational ID Number", is(Other)}, {"Other Address PO Box", other(PoBox)}, {"Priority", is(Other)},
    {"Private", is(Other)}, {"Profession", is(Other)}, {"Referred By", is(Other)}, {"Sensitivity", is(Other)},
    {"Spouse", is(Other)}, {"User 1", is(Other)}, {"User 2", is(Other)}, {"User 3", is(Other)},
    {"User 4", is(Other)}, {"Web Page", web()},
};

const QList<PresetColumn> kOutlookGerman = {
    {"Anrede", is(Prefix)}, {"Vorname", is(FirstName)}, {"Weitere Vornamen", is(MiddleName)},
    {"Nachname", is(FamilyName)}, {"Suffix", is(NameSuffix)}, {"Firma", is(Company)},
    {"Abteilung", is(Department)}, {"Position", is(JobTitle)},
    {"Straße geschäftlich", work(Street)}, {"Straße geschäftlich 2", work(Street2)},
    {"Straße geschäftlich 3", work(Street3)}, {"Ort geschäftlich", work(Town)},
    {"Region geschäftlich", work(Region)}, {"Postleitzahl geschäftlich", work(Postcode)},
    {"Land/Region geschäftlich", work(Country)}, {"Land geschäftlich", work(Country)},
    {"Straße privat", home(Street)}, {"Straße privat 2", home(Street2)}, {"Straße privat 3", home(Street3)},
    {"Ort privat", home(Town)}, {"Bundesland/Kanton privat", home(Region)}, {"Region privat", home(Region)},
    {"Postleitzahl privat", home(Postcode)}, {"Land/Region privat", home(Country)}, {"Land privat", home(Country)},
    {"Weitere Straße", other(Street)}, {"Weitere Straße 2", other(Street2)}, {"Weitere Straße 3", other(Street3)},
    {"Weiterer Ort", other(Town)}, {"Weiteres/r Bundesland/Kanton", other(Region)},
    {"Weitere Postleitzahl", other(Postcode)}, {"Weiteres/e Land/Region", other(Country)},
    {"Weiteres Land", other(Country)},
    {"Telefon Assistent", phone({"work"}, kAssistant)}, {"Fax geschäftlich", phone({"fax", "work"})},
    {"Telefon geschäftlich", phone({"work"})}, {"Telefon geschäftlich 2", phone({"work"})},
    {"Rückmeldung", phone({})}, {"Autotelefon", phone({"car"})}, {"Telefon Firma", phone({"work"})},
    {"Fax privat", phone({"fax"})}, {"Telefon privat", phone({"home"})}, {"Telefon privat 2", phone({"home"})},
    {"ISDN", phone({"isdn"})}, {"Mobiltelefon", phone({"cell"})}, {"Weiteres Fax", phone({"fax"})},
    {"Weiteres Telefon", phone({})}, {"Pager", phone({"pager"})}, {"Haupttelefon", phone({"pref"})},
    {"Mobiltelefon 2", phone({"cell"})}, {"Telefon für Hörbehinderte", phone({"textphone"})},
    {"Telex", phone({})},
    {"Abrechnungsinformation", is(Other)}, {"Benutzer 1", is(Other)}, {"Benutzer 2", is(Other)},
    {"Benutzer 3", is(Other)}, {"Benutzer 4", is(Other)}, {"Beruf", is(Other)}, {"Büro", is(Other)},
    {"E-Mail-Adresse", email()}, {"E-Mail-Typ", is(Redundant)}, {"E-Mail: Angezeigter Name", is(Redundant)},
    {"E-Mail 2: Adresse", email()}, {"E-Mail 2: Typ", is(Redundant)},
    {"E-Mail 2: Angezeigter Name", is(Redundant)}, {"E-Mail 3: Adresse", email()}, {"E-Mail 3: Typ", is(Redundant)},
    {"E-Mail 3: Angezeigter Name", is(Redundant)}, {"Empfohlen von", is(Other)}, {"Geburtstag", is(Birthday)},
    {"Geschlecht", is(Other)}, {"Hobby", is(Other)}, {"Initialen", is(Redundant)},
    {"Internet-Frei/Gebucht", is(Other)}, {"Jahrestag", is(Other)}, {"Kategorien", is(Groups)},
    {"Kinder", is(Other)}, {"Konto", is(Other)}, {"Name Assistent", is(AssistantName, kAssistant)},
    {"Name des/der Vorgesetzten", is(Other)}, {"Notizen", is(Notes)}, {"Organisationsnr.", is(Other)},
    {"Ort", is(Other)}, {"Partner", is(Other)}, {"Postfach geschäftlich", work(PoBox)},
    {"Postfach privat", home(PoBox)}, {"Priorität", is(Other)}, {"Privat", is(Other)},
    {"Regierungsnr.", is(Other)}, {"Reisekilometer", is(Other)}, {"Sprache", is(Other)},
    {"Stichwörter", is(Other)}, {"Vertraulichkeit", is(Other)}, {"Verzeichnisserver", is(Other)},
    {"Webseite", web()}, {"Weiteres Postfach", other(PoBox)},
};

const QList<PresetColumn> kOutlookFrench = {
    {"Titre", is(Prefix)}, {"Prénom", is(FirstName)}, {"Deuxième prénom", is(MiddleName)}, {"Nom", is(FamilyName)},
    {"Suffixe", is(NameSuffix)}, {"Surnom", is(Nickname)}, {"Société", is(Company)}, {"Service", is(Department)},
    {"Titre", is(JobTitle)}, {"Fonction", is(JobTitle)},
    {"Rue (bureau)", work(Street)}, {"Rue (bureau) 2", work(Street2)}, {"Rue (bureau) 3", work(Street3)},
    {"Ville (bureau)", work(Town)}, {"Dép/Région (bureau)", work(Region)}, {"Code postal (bureau)", work(Postcode)},
    {"Pays/Région (bureau)", work(Country)}, {"Pays (bureau)", work(Country)},
    {"Rue (domicile)", home(Street)}, {"Rue (domicile) 2", home(Street2)}, {"Rue (domicile) 3", home(Street3)},
    {"Ville (domicile)", home(Town)}, {"Dép/Région (domicile)", home(Region)},
    {"Code postal (domicile)", home(Postcode)}, {"Pays/Région (domicile)", home(Country)},
    {"Pays (domicile)", home(Country)},
    {"Rue (autre)", other(Street)}, {"Rue (autre) 2", other(Street2)}, {"Rue (autre) 3", other(Street3)},
    {"Ville (autre)", other(Town)}, {"Dép/Région (autre)", other(Region)}, {"Code postal (autre)", other(Postcode)},
    {"Pays/Région (autre)", other(Country)}, {"Pays (autre)", other(Country)},
    {"Téléphone de l'assistant(e)", phone({"work"}, kAssistant)}, {"Télécopie (bureau)", phone({"fax", "work"})},
    {"Téléphone (bureau)", phone({"work"})}, {"Téléphone 2 (bureau)", phone({"work"})}, {"Rappel", phone({})},
    {"Téléphone (voiture)", phone({"car"})}, {"Téléphone société", phone({"work"})},
    {"Télécopie (domicile)", phone({"fax"})}, {"Téléphone (domicile)", phone({"home"})},
    {"Téléphone 2 (domicile)", phone({"home"})}, {"RNIS", phone({"isdn"})}, {"Tél. mobile", phone({"cell"})},
    {"Télécopie (autre)", phone({"fax"})}, {"Téléphone (autre)", phone({})},
    {"Récepteur de radiomessagerie", phone({"pager"})}, {"Téléphone principal", phone({"pref"})},
    {"Radiotéléphone", phone({"cell"})}, {"Radio téléphone", phone({"cell"})},
    {"Téléphone TDD/TTY", phone({"textphone"})}, {"Télex", phone({})},
    {"Adresse de messagerie", email()}, {"Type de messagerie", is(Redundant)},
    {"Nom complet de l'adresse de messagerie", is(Redundant)}, {"Adresse de messagerie 2", email()},
    {"Type de messagerie 2", is(Redundant)}, {"Nom complet de l'adresse de messagerie 2", is(Redundant)},
    {"Adresse de messagerie 3", email()}, {"Type de messagerie 3", is(Redundant)},
    {"Nom complet de l'adresse de messagerie 3", is(Redundant)},
    {"Adresse de courrier", email()}, {"Type de courrier", is(Redundant)},
    {"Nom complet de l'adresse de courrier", is(Redundant)}, {"Adresse de courrier 2", email()},
    {"Type de courrier 2", is(Redundant)}, {"Nom complet de l'adresse de courrier 2", is(Redundant)},
    {"Adresse de courrier 3", email()}, {"Type de courrier 3", is(Redundant)},
    {"Nom complet de l'adresse de courrier 3", is(Redundant)},
    {"Anniversaire", is(Birthday)}, {"Anniversaire de mariage ou fête", is(Other)},
    {"Autre boîte postale", other(PoBox)}, {"B.P. professionnelle", work(PoBox)},
    {"Boîte postale du domicile", home(PoBox)}, {"Bureau", is(Other)}, {"Catégories", is(Groups)},
    {"Compte", is(Other)}, {"Conjoint(e)", is(Other)}, {"Critère de diffusion", is(Other)},
    {"Disponibilité Internet", is(Other)}, {"Emplacement", is(Other)}, {"Enfants", is(Other)},
    {"Informations facturation", is(Other)}, {"Initiales", is(Redundant)}, {"Kilométrage", is(Other)},
    {"Langue", is(Other)}, {"Mots clés", is(Other)}, {"Nom de l'assistant(e)", is(AssistantName, kAssistant)},
    {"Notes", is(Notes)}, {"Numéro d'identification d'administration publique", is(Other)},
    {"Numéro d'identification de l'organisation", is(Other)}, {"Page web", is(Web)},
    {"Passe-temps", is(Other)}, {"Priorité", is(Other)}, {"Privé", is(Other)}, {"Profession", is(Other)},
    {"Recommandé par", is(Other)}, {"Responsable", is(Other)}, {"Serveur d'annuaire", is(Other)},
    {"Sexe", is(Other)}, {"Utilisateur 1", is(Other)}, {"Utilisateur 2", is(Other)},
    {"Utilisateur 3", is(Other)}, {"Utilisateur 4", is(Other)},
};

// Google Contacts: today's export, then the older one's names.
const QList<PresetColumn> kGoogle = {
    {"First Name", is(FirstName)}, {"Middle Name", is(MiddleName)}, {"Last Name", is(FamilyName)},
    {"Phonetic First Name", is(Other)}, {"Phonetic Middle Name", is(Other)}, {"Phonetic Last Name", is(Other)},
    {"Name Prefix", is(Prefix)}, {"Name Suffix", is(NameSuffix)}, {"Nickname", is(Nickname)},
    {"File As", is(Redundant)}, {"Organization Name", is(Company)}, {"Organization Title", is(JobTitle)},
    {"Organization Department", is(Department)}, {"Birthday", is(Birthday)}, {"Notes", is(Notes)},
    {"Photo", is(Other)}, {"Labels", is(Groups)},
    {"E-mail # - Label", is(Label, kEmailGroups)}, {"E-mail # - Value", is(Email, kEmailGroups)},
    {"Phone # - Label", is(Label, kPhoneGroups)}, {"Phone # - Value", is(Phone, kPhoneGroups)},
    {"Address # - Label", is(Label, kAddressGroups)}, {"Address # - Formatted", is(FormattedAddress, kAddressGroups)},
    {"Address # - Street", is(Street, kAddressGroups)}, {"Address # - City", is(Town, kAddressGroups)},
    {"Address # - PO Box", is(PoBox, kAddressGroups)}, {"Address # - Region", is(Region, kAddressGroups)},
    {"Address # - Postal Code", is(Postcode, kAddressGroups)}, {"Address # - Country", is(Country, kAddressGroups)},
    {"Address # - Extended Address", is(Street2, kAddressGroups)},
    {"Website # - Label", is(Label, kWebGroups)}, {"Website # - Value", is(Web, kWebGroups)},
    {"Organization # - Name", is(Company)}, {"Organization # - Title", is(JobTitle)},
    {"Organization # - Department", is(Department)},
    // The export before 2020.
    {"Name", is(FullName)}, {"Given Name", is(FirstName)}, {"Additional Name", is(MiddleName)},
    {"Family Name", is(FamilyName)}, {"Group Membership", is(Groups)},
    {"E-mail # - Type", is(Label, kEmailGroups)}, {"Phone # - Type", is(Label, kPhoneGroups)},
    {"Address # - Type", is(Label, kAddressGroups)}, {"Website # - Type", is(Label, kWebGroups)},
    {"Initials", is(Redundant)}, {"Short Name", is(Other)}, {"Maiden Name", is(Other)}, {"Gender", is(Other)},
    {"Yomi Name", is(Other)}, {"Given Name Yomi", is(Other)}, {"Additional Name Yomi", is(Other)},
    {"Family Name Yomi", is(Other)}, {"Location", is(Other)}, {"Billing Information", is(Other)},
    {"Directory Server", is(Other)}, {"Mileage", is(Other)}, {"Occupation", is(Other)}, {"Hobby", is(Other)},
    {"Sensitivity", is(Other)}, {"Priority", is(Other)}, {"Subject", is(Other)}, {"Language", is(Other)},
};

// Thunderbird writes the same 37 columns in every language.
QList<PresetColumn> thunderbird(const QStringList& h)
{
    const QList<FieldChoice> choices = {
        is(FirstName), is(FamilyName), is(FullName), is(Nickname), email(), email(), is(Other),
        phone({"work"}), phone({"home"}), phone({"fax"}), phone({"pager"}), phone({"cell"}),
        home(Street), home(Street2), home(Town), home(Region), home(Postcode), home(Country),
        work(Street), work(Street2), work(Town), work(Region), work(Postcode), work(Country),
        is(JobTitle), is(Department), is(Company), web({"work"}), web(), is(BirthYear), is(BirthMonth),
        is(BirthDay), is(Other), is(Other), is(Other), is(Other), is(Notes),
    };
    QList<PresetColumn> out;
    for (qsizetype i = 0; i < choices.size() && i < h.size(); ++i)
        out << PresetColumn{.header = h[i], .choice = choices[i]};
    return out;
}

const QStringList kThunderbirdEnglish = {
    "First Name", "Last Name", "Display Name", "Nickname", "Primary Email", "Secondary Email", "Screen Name",
    "Work Phone", "Home Phone", "Fax Number", "Pager Number", "Mobile Number", "Home Address", "Home Address 2",
    "Home City", "Home State", "Home ZipCode", "Home Country", "Work Address", "Work Address 2", "Work City",
    "Work State", "Work ZipCode", "Work Country", "Job Title", "Department", "Organization", "Web Page 1",
    "Web Page 2", "Birth Year", "Birth Month", "Birth Day", "Custom 1", "Custom 2", "Custom 3", "Custom 4", "Notes"};
// Its German, French and Spanish screen names, and the Italian that has none of its own.
const QStringList kThunderbirdGerman = {
    "Vorname", "Nachname", "Anzeigename", "Spitzname", "Primäre E-Mail-Adresse", "Sekundäre E-Mail-Adresse",
    "Anzeigename", "Tel. dienstlich", "Tel. privat", "Fax-Nummer", "Pager-Nummer", "Mobil-Tel.-Nr.",
    "Privat: Adresse", "Privat: Adresse 2", "Privat: Ort", "Privat: Bundesland", "Privat: PLZ", "Privat: Land",
    "Dienstlich: Adresse", "Dienstlich: Adresse 2", "Dienstlich: Ort", "Dienstlich: Bundesland",
    "Dienstlich: PLZ", "Dienstlich: Land", "Arbeitstitel", "Abteilung", "Organisation", "Webseite 1",
    "Webseite 2", "Geburtsjahr", "Geburtsmonat", "Geburtstag", "Benutzerdef. 1", "Benutzerdef. 2",
    "Benutzerdef. 3", "Benutzerdef. 4", "Notizen"};
const QStringList kThunderbirdFrench = {
    "Prénom", "Nom de famille", "Nom à afficher", "Surnom", "Première adresse électronique",
    "Deuxième adresse électronique", "Nom de l'écran", "Tél. professionnel", "Tél. personnel", "Fax", "Pager",
    "Portable", "Adresse privée", "Adresse privée 2", "Ville", "Pays/État", "Code postal", "Région",
    "Adresse professionnelle", "Adresse professionnelle 2", "Ville", "Pays/État", "Code postal", "Région",
    "Profession", "Service", "Société", "Site Web 1", "Site Web 2", "Année de naissance", "Mois", "Jour",
    "Divers 1", "Divers 2", "Divers 3", "Divers 4", "Notes"};
const QStringList kThunderbirdSpanish = {
    "Nombre", "Apellidos", "Nombre mostrado", "Apodo", "Dirección de correo electrónico principal",
    "Dirección de correo electrónico secundaria", "Nombre en pantalla", "Teléfono (Trabajo)",
    "Teléfono particular", "Fax", "Buscapersonas", "Teléfono móvil", "Dirección personal",
    "Dirección personal 2", "Ciudad donde vive", "Provincia", "Código postal", "País de residencia",
    "Dirección de trabajo", "Dirección de trabajo 2", "Ciudad (Trabajo)", "Provincia (Trabajo)",
    "Código postal (Trabajo)", "País (Trabajo)", "Puesto", "Departamento", "Organización", "Página web 1",
    "Página web 2", "Año de nacimiento", "Mes de nacimiento", "Día de nacimiento", "Personalizado 1",
    "Personalizado 2", "Personalizado 3", "Personalizado 4", "Notas"};
const QStringList kThunderbirdItalian = {
    "Nome", "Cognome", "Nome visualizzato", "Soprannome", "E-mail primaria", "E-mail secondaria", "Screen Name",
    "Telefono lavoro", "Telefono casa", "Numero fax", "Numero cercapersone", "Numero cellulare",
    "Indirizzo di casa", "Indirizzo di casa 2", "Città di residenza", "Provincia di residenza",
    "CAP di residenza", "Nazione di residenza", "Indirizzo di lavoro", "Indirizzo di lavoro 2", "Città di lavoro",
    "Provincia di lavoro", "CAP di lavoro", "Nazione di lavoro", "Qualifica", "Reparto", "Organizzazione",
    "Pagina web 1", "Pagina web 2", "Anno di nascita", "Mese di nascita", "Giorno di nascita",
    "Personalizzato 1", "Personalizzato 2", "Personalizzato 3", "Personalizzato 4", "Note"};

// Outlook's defaults for the columns Pellori has no place for.
const QStringList kOutlookEmpty = {"Normal", "Unspecified", "False", "0/0/00", "0.0.00", "00.00.00", "Keine Angabe",
                                   "Aus", "Niedrig", "Normale", "Non spécifié", "Faux", "Normale", "Non spécifiée"};

QList<Preset> makePresets()
{
    return {
        {.program = Program::Outlook, .language = "English", .encoding = Encoding::Windows1252,
         .dateOrder = DateOrder::MonthDayYear, .columns = kOutlookEnglish, .emptyValues = kOutlookEmpty},
        {.program = Program::Outlook, .language = "Deutsch", .encoding = Encoding::Windows1252,
         .dateOrder = DateOrder::DayMonthYear, .columns = kOutlookGerman, .emptyValues = kOutlookEmpty},
        {.program = Program::Outlook, .language = "Français", .encoding = Encoding::Windows1252,
         .dateOrder = DateOrder::DayMonthYear, .columns = kOutlookFrench, .emptyValues = kOutlookEmpty},
        {.program = Program::Google, .language = "English", .encoding = Encoding::Utf8,
         .dateOrder = DateOrder::YearMonthDay, .columns = kGoogle, .valueSeparator = QStringLiteral(" ::: ")},
        {.program = Program::Thunderbird, .language = "English", .encoding = Encoding::Utf8,
         .dateOrder = DateOrder::YearMonthDay, .columns = thunderbird(kThunderbirdEnglish)},
        {.program = Program::Thunderbird, .language = "Deutsch", .encoding = Encoding::Utf8,
         .dateOrder = DateOrder::YearMonthDay, .columns = thunderbird(kThunderbirdGerman)},
        {.program = Program::Thunderbird, .language = "Français", .encoding = Encoding::Utf8,
         .dateOrder = DateOrder::YearMonthDay, .columns = thunderbird(kThunderbirdFrench)},
        {.program = Program::Thunderbird, .language = "Español", .encoding = Encoding::Utf8,
         .dateOrder = DateOrder::YearMonthDay, .columns = thunderbird(kThunderbirdSpanish)},
        {.program = Program::Thunderbird, .language = "Italiano", .encoding = Encoding::Utf8,
         .dateOrder = DateOrder::YearMonthDay, .columns = thunderbird(kThunderbirdItalian)},
    };
}

// A preset's columns as compared: the exact names by their normal form
// (each with its choices in order), and the numbered ones as patterns.
struct Compiled {
    QHash<QString, QList<FieldChoice>> exact;
    QList<std::pair<QRegularExpression, FieldChoice>> numbered;
};

const Compiled& compiled(int index)
{
    static const QList<Compiled> all = [] {
        QList<Compiled> out;
        for (const Preset& p : presets()) {
            Compiled c;
            for (const PresetColumn& col : p.columns) {
                const QString& header = col.header;
                if (header.contains(u'#')) {
                    QStringList parts = normalHeader(header).split(u'#');
                    for (QString& part : parts)
                        part = QRegularExpression::escape(part);
                    c.numbered << std::pair{QRegularExpression(u'^' + parts.join(QLatin1String("(\\d+)")) + u'$'),
                                            col.choice};
                } else {
                    c.exact[normalHeader(header)] << col.choice;
                }
            }
            out << c;
        }
        return out;
    }();
    return all[index];
}

} // namespace

const QList<Preset>& presets()
{
    static const QList<Preset> list = makePresets();
    return list;
}

QString presetName(const Preset& p)
{
    const char* program = p.program == Program::Outlook  ? "Outlook"
                          : p.program == Program::Google ? "Google Contacts"
                                                         : "Thunderbird";
    return QStringLiteral("%1 (%2)").arg(QLatin1String(program), QString::fromUtf8(p.language));
}

QString normalHeader(const QString& header)
{
    QString h = header.simplified().toCaseFolded();
    h.replace(u'\u2019', u'\'');
    return h;
}

QList<FieldChoice> applyPreset(const Preset& preset, const QStringList& headers, int* matched)
{
    const Compiled& c = compiled(int(&preset - presets().data()));
    QHash<QString, int> seen;   // how often a name came before
    QList<FieldChoice> out;
    int found = 0;
    for (const QString& h : headers) {
        const QString name = normalHeader(h);
        FieldChoice choice{.target = name.isEmpty() ? Target::Ignore : Target::Other};
        if (const auto it = c.exact.constFind(name); it != c.exact.cend()) {
            const int n = seen[name]++;
            choice = it->value(std::min<qsizetype>(n, it->size() - 1));
            ++found;
        } else {
            for (const auto& [pattern, numberedChoice] : c.numbered)
                if (const auto m = pattern.match(name); m.hasMatch()) {
                    choice = numberedChoice;
                    choice.group += std::min(m.captured(1).toInt(), 99);
                    ++found;
                    break;
                }
        }
        out << choice;
    }
    if (matched)
        *matched = found;
    return out;
}

int recognisePreset(const QStringList& headers)
{
    int best = -1, bestMatched = 0;
    int named = 0;
    for (const QString& h : headers)
        named += !h.trimmed().isEmpty();
    for (int i = 0; i < presets().size(); ++i) {
        int matched = 0;
        applyPreset(presets()[i], headers, &matched);
        if (matched > bestMatched) {
            best = i;
            bestMatched = matched;
        }
    }
    return bestMatched >= 4 && bestMatched * 2 >= named ? best : -1;
}

} // namespace pellori::exchange
