// From cards to the rows an import stores, against the lookup lists the
// schema seeds: the shapes of the main producers, every case that cannot be
// stored as written, the choice of types, numbers split into prefix and
// number, Latin-1 forms, and an export read back giving the same rows.
#include "exchange/ContactText.h"
#include "exchange/ImportPlan.h"
#include "exchange/Latin1Text.h"
#include "exchange/TypeTable.h"
#include "exchange/vcard/CardMapping.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace pellori::exchange;

Q_DECLARE_METATYPE(NoteKind)
Q_DECLARE_METATYPE(Field)
Q_DECLARE_METATYPE(DetailKind)
Q_DECLARE_METATYPE(PostcodePolicy)

namespace {

// The lookup rows data/schema.sql seeds, keys in insertion order from 1.
Lookups seededLookups()
{
    QFile file(QStringLiteral(PELLORI_SCHEMA_SQL));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", PELLORI_SCHEMA_SQL);
    const QString sql = QString::fromLatin1(file.readAll());
    Lookups l;
    const QList<std::pair<QString, QList<NamedKey>*>> tables = {
        {"addresstype", &l.addressTypes}, {"communicationtype", &l.communicationTypes},
        {"internettype", &l.internetTypes}, {"groupt", &l.groups}, {"salutation", &l.salutations},
        {"title", &l.titles}};
    for (const auto& [table, list] : tables) {
        const QRegularExpression insert("INSERT INTO " + table + R"( \([^)]*\) VALUES \(NULL, '([^']*)')");
        for (auto it = insert.globalMatch(sql); it.hasNext();)
            *list << NamedKey{.id = int(list->size() + 1), .name = it.next().captured(1)};
    }
    return l;
}

const Lookups& seeded()
{
    static const Lookups l = seededLookups();
    return l;
}

QString nameOf(const QList<NamedKey>& list, int id)
{
    for (const NamedKey& k : list)
        if (k.id == id)
            return k.name;
    return QStringLiteral("#%1?").arg(id);
}

QString nameOf(const KeyRef& key, const QList<NamedKey>& existing, const QStringList& created)
{
    return key.existing ? nameOf(existing, *key.existing) : created.value(key.created);
}

// The planned rows as names again, as an export would read them.
QList<Contact> resolve(const ImportPlan& plan, const Lookups& l)
{
    QList<Contact> out;
    for (const PlannedContact& p : plan.contacts) {
        Contact c{.kind = p.O_TYPE == "C" ? ContactKind::Company : ContactKind::Person, .name1 = p.O_NAME1,
                  .name2 = p.O_NAME2, .salutation = p.P_SID ? nameOf(l.salutations, *p.P_SID) : QString(),
                  .title = nameOf(p.P_TID, l.titles, plan.newTitles), .nickname = p.P_NICKNAME,
                  .birthday = p.P_BIRTHDAY, .alive = p.P_ALIVE != "-", .additional = p.O_ADDITIONAL};
        if (p.P_CID.created >= 0) {
            c.employer1 = plan.contacts[p.P_CID.created].O_NAME1;
            c.employer2 = plan.contacts[p.P_CID.created].O_NAME2;
        } else if (p.P_CID.existing) {
            for (const CompanyKey& k : l.companies)
                if (k.id == *p.P_CID.existing)
                    c.employer1 = k.name1, c.employer2 = k.name2;
        }
        for (const PlannedNumber& n : p.numbers)
            c.numbers << ContactNumber{.type = nameOf(l.communicationTypes, n.C_CTID), .prefix = n.C_PREFIX,
                                       .number = n.C_NUMBER, .assistant = n.C_ASSISTENT, .preferred = n.C_PREF == "@"};
        for (const PlannedInternet& i : p.internet)
            c.internet << ContactInternet{.type = nameOf(l.internetTypes, i.I_ITID), .address = i.I_NAME,
                                          .preferred = i.I_PREF == "@"};
        for (const PlannedAddress& a : p.addresses)
            c.addresses << ContactAddress{.type = nameOf(l.addressTypes, a.A_ATID), .street = a.A_STREET,
                                          .town = a.A_TOWN, .postcode = QString::number(a.A_POSTCODE),
                                          .country = a.A_COUNTRY, .preferred = a.A_PREF == "@"};
        for (const KeyRef& g : p.groups)
            c.groups << nameOf(g, l.groups, plan.newGroups);
        out << c;
    }
    return out;
}

QStringList describe(const Contact& c)
{
    const auto flag = [](bool set) { return set ? "@" : "-"; };
    QString head = (c.kind == ContactKind::Company ? "C " : "P ") + c.name1 + " | " + c.name2;
    const std::pair<const char*, QString> extras[] = {
        {"sal", c.salutation}, {"title", c.title}, {"nick", c.nickname},
        {"born", c.birthday.toString(Qt::ISODate)}, {"works at", (c.employer1 + " " + c.employer2).trimmed()},
        {"note", QString(c.additional).replace('\n', "\\n")}};
    for (const auto& [label, value] : extras)
        if (!value.isEmpty())
            head += QString(" | ") + label + " " + value;
    if (!c.alive)
        head += " | dead";
    QStringList lines{head};
    for (const ContactNumber& n : c.numbers)
        lines << QString("  tel %1 %2 %3|%4").arg(n.type, flag(n.preferred), n.prefix, n.number) +
                     (n.assistant.isEmpty() ? "" : " (" + n.assistant + ")");
    for (const ContactInternet& i : c.internet)
        lines << QString("  net %1 %2 %3").arg(i.type, flag(i.preferred), i.address);
    for (const ContactAddress& a : c.addresses)
        lines << QString("  adr %1 %2 %3 %4 / %5 / %6").arg(a.type, flag(a.preferred), a.postcode, a.town, a.street,
                                                              a.country);
    for (const QString& g : c.groups)
        lines << "  group " + g;
    return lines;
}

QStringList digest(const ImportPlan& plan, const Lookups& l)
{
    QStringList lines;
    for (const Contact& c : resolve(plan, l))
        lines += describe(c);
    for (const CardReport& r : plan.cards)
        for (const Note& n : r.notes)
            lines << QString("! %1: %2").arg(r.line).arg(noteText(n));
    return lines;
}

ImportPlan planFile(const QByteArray& file, const Lookups& l = seeded(), ImportOptions options = {})
{
    const ContactsRead read = readContacts(file);
    if (read.error)
        qFatal("%s", qPrintable(readErrorText(*read.error)));
    return planImport(read.contacts, l, options);
}

QByteArray card(const QByteArray& body, const QByteArray& version = "3.0")
{
    return "BEGIN:VCARD\r\nVERSION:" + version + "\r\n" + body + "END:VCARD\r\n";
}

} // namespace

class TestVCardImport : public QObject {
    Q_OBJECT

private slots:
    void readsProducerShapes_data();
    void readsProducerShapes();
    void phoneExportWithManyCards();
    void saysWhatCannotBeStored_data();
    void saysWhatCannotBeStored();
    void choosesTypeByTypeValues_data();
    void choosesTypeByTypeValues();
    void splitsPrefixAndNumber_data();
    void splitsPrefixAndNumber();
    void writesLatin1Forms_data();
    void writesLatin1Forms();
    void exportReadBackGivesSameRows();
    void numberReadsBackAsItsRow_data();
    void numberReadsBackAsItsRow();
    void groupCardsMakeGroups_data();
    void groupCardsMakeGroups();
    void matchingTableKnowsSeededNames();
};

void TestVCardImport::readsProducerShapes_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected");

    // An Android phone: vCard 2.1, bare TYPE words, UTF-8 in quoted-printable.
    QTest::newRow("phone, 2.1 quoted-printable UTF-8")
        << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\n"
                      "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;Anna;;;\r\n"
                      "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Anna M=C3=BCller\r\n"
                      "TEL;CELL;PREF:+49 151 2233445\r\nTEL;HOME:089 2602233\r\n"
                      "EMAIL;HOME:anna.mueller@example.de\r\nORG:Neue Firma\r\n"
                      "PHOTO;ENCODING=BASE64;JPEG:/9j/4AAQ\r\n AAAA\r\n\r\n"
                      "END:VCARD\r\n")
        << QStringList{"C Neue Firma | ",
                       "P Müller | Anna | sal Herr | works at Neue Firma",
                       "  tel Mobil @ +49 151|2233445",
                       "  tel Telefon - 089|2602233",
                       "  net E-Mail - anna.mueller@example.de",
                       "! 1: Not stored: PHOTO."};
    // A mail client: Thunderbird's vCard 4.0 and Evolution's 3.0 with TYPE lists.
    QTest::newRow("mail client, TYPE parameters")
        << card("FN:Hans Meier\r\nN:Meier;Hans;;Herr;\r\nNICKNAME:Hansi\r\nBDAY;VALUE=DATE:19620114\r\n"
                "EMAIL;PREF=1:hans.meier@example.de\r\nEMAIL;TYPE=work:h.meier@mueller-elektro.de\r\n"
                "TEL;TYPE=home;VALUE=TEXT:0221 7391122\r\nTEL;TYPE=cell;VALUE=TEXT:0172 5566778\r\n"
                "TEL;VALUE=uri;TYPE=\"work,voice\":tel:+1-201-555-0123\r\n"
                "ADR;TYPE=home:;;Neusser Straße 215;Köln;;50733;Deutschland\r\n"
                "ORG:Müller Elektrotechnik;GmbH\r\nCATEGORIES:Kollegen,Elektriker\r\n"
                "URL;VALUE=URL:https://hansmeier.example\r\nUID:urn:uuid:1\r\n",
                "4.0") +
               card("FN:3D Druck GmbH\r\nN:;;;;\r\nORG:3D Druck;GmbH\r\n"
                    "TEL;TYPE=WORK,VOICE:0351 4862910\r\nTEL;TYPE=WORK,FAX:0351/4862919\r\n"
                    "EMAIL;TYPE=INTERNET,WORK,PREF:info@3d-druck-dresden.de\r\n"
                    "ADR;TYPE=WORK,POSTAL,PARCEL:;;Prager Straße 12;Dresden;Sachsen;01069;Deutschland\r\n"
                    "NOTE:Prototypen\\nund Kleinserien\r\n")
        << QStringList{"C 3D Druck | GmbH | note Prototypen\\nund Kleinserien",
                       "  tel Telefon geschäftlich - 0351|4862910",
                       "  tel Fax geschäftlich - 0351|4862919",
                       "  net E-Mail geschäftlich @ info@3d-druck-dresden.de",
                       "  adr Geschäftlich - 1069 Dresden / Prager Straße 12 / Deutschland",
                       "P Meier | Hans | sal Herr | nick Hansi | born 1962-01-14 | works at Müller Elektrotechnik GmbH",
                       "  tel Telefon - 0221|7391122",
                       "  tel Mobil - 0172|5566778",
                       "  tel Telefon geschäftlich - +1 201|555 0123",
                       "  net E-Mail @ hans.meier@example.de",
                       "  net E-Mail geschäftlich - h.meier@mueller-elektro.de",
                       "  net Homepage - https://hansmeier.example",
                       "  adr Privat - 50733 Köln / Neusser Straße 215 / Deutschland",
                       "  group Kollegen",
                       "  group Elektriker",
                       "! 18: Region \"Sachsen\" has no place in Pellori, not stored.",
                       "! 18: Postcode \"01069\" begins with 0: stored as the number 1069."};
    // An old organiser: vCard 2.1 in quoted-printable Latin-1, soft line breaks.
    QTest::newRow("2.1 quoted-printable Latin-1")
        << QByteArray("BEGIN:VCARD\r\nVERSION:2.1\r\n"
                      "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:=DCbersold;Ruth;;Frau Prof. Dr.\r\n"
                      "FN;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Ruth =DCbersold\r\n"
                      "NOTE;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Schweizer Verwandtschaft=0D=0A=\r\n"
                      "Gr=FC=DFe an alle\r\n"
                      "TEL;HOME;VOICE:+41 31 3114455\r\n"
                      "ADR;HOME;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:;;Kramgasse 52;Bern;;3011;Schweiz\r\n"
                      "EMAIL;PREF;INTERNET:ruth.aebersold@example.ch\r\n"
                      "LABEL;HOME;ENCODING=QUOTED-PRINTABLE:Kramgasse 52=0D=0A3011 Bern\r\n"
                      "X-MS-OL-DEFAULT-POSTAL-ADDRESS:1\r\nEND:VCARD\r\n")
        << QStringList{"P Übersold | Ruth | sal Frau | title Prof. Dr. | note Schweizer Verwandtschaft\\nGrüße an alle",
                       "  tel Telefon - +41 31|3114455",
                       "  net E-Mail @ ruth.aebersold@example.ch",
                       "  adr Privat - 3011 Bern / Kramgasse 52 / Schweiz"};
    // RFC 2426's own sample, and Android's and KDE's cards alike: a full name
    // and an organisation, no N. A person who works there.
    QTest::newRow("full name and organisation, no N")
        << card("FN:Frank Dawson\r\nORG:Lotus Development Corporation\r\n"
                "TEL;TYPE=VOICE,MSG,WORK:+1-919-676-9515\r\n")
           + card("FN:Lotus Development Corporation\r\nORG:Lotus Development Corporation\r\n")
        << QStringList{"C Lotus Development Corporation | ",
                       "P Dawson | Frank | sal Herr | works at Lotus Development Corporation",
                       "  tel Telefon geschäftlich - +1 919|6769515"};
    // Apple writes lists in N: additional names, prefixes.
    QTest::newRow("lists in the name") << card("N:Doe;John;Richter,James;Mr.,Dr.;\r\nFN:Mr. John Doe\r\n")
                                       << QStringList{"P Doe | John Richter James | sal Herr | title Dr."};
}

void TestVCardImport::readsProducerShapes()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    Lookups l = seeded();
    l.companies = {{.id = 6, .name1 = "Müller Elektrotechnik", .name2 = "GmbH"}};
    const ImportPlan plan = planFile(file, l);
    QCOMPARE(digest(plan, l).join("\n"), expected.join("\n"));
    QCOMPARE(plan.cards.size(), int(file.count("BEGIN:VCARD")));
}

void TestVCardImport::phoneExportWithManyCards()
{
    // The shape of an iPhone export: 3.0, grouped labels, one file for the whole book.
    QByteArray file;
    for (int i = 0; i < 400; ++i)
        file += card("N:Name " + QByteArray::number(i) + ";Vor;;;\r\nFN:Vor Name\r\n"
                     "item1.TEL;type=pref:+49 170 " + QByteArray::number(1000000 + i) + "\r\n"
                     "item1.X-ABLabel:_$!<Mobile>!$_\r\n"
                     "item2.TEL:0221 " + QByteArray::number(2000000 + i) + "\r\nitem2.X-ABLabel:Mobil geschäftlich\r\n"
                     "item3.ADR;type=HOME:;;Weg " + QByteArray::number(i) + ";Köln;;50667;\r\n"
                     "item3.X-ABADR:de\r\nX-ABUID:" + QByteArray::number(i) + "\r\n");
    const ImportPlan plan = planFile(file);
    QCOMPARE(plan.contacts.size(), 400);
    QCOMPARE(describe(resolve(plan, seeded()).at(399)),
             (QStringList{"P Name 399 | Vor | sal Herr", "  tel Mobil @ +49 170|1000399",
                          "  tel Mobil geschäftlich - 0221|2000399", "  adr Privat - 50667 Köln / Weg 399 / "}));
    QVERIFY(plan.cards[0].notes.isEmpty());
    QCOMPARE(plan.contactOfCard(0), 0);
}

void TestVCardImport::saysWhatCannotBeStored_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<PostcodePolicy>("policy");
    QTest::addColumn<NoteKind>("kind");
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QString>("row");   // a line the digest holds; "!..." one it must not hold

    const auto in = PostcodePolicy::InFrontOfTown;
    const QByteArray n = "N:Meier;Hans;;;\r\n";
    QTest::newRow("UK postcode before the town")
        << n + "ADR:;;10 Downing Street;London;;SW1A 2AA;UK\r\n" << in << NoteKind::PostcodeInFrontOfTown
        << Field::Postcode << "SW1A 2AA" << "SW1A 2AA London" << "" << "  adr Privat - 0 SW1A 2AA London / 10 Downing Street / UK";
    QTest::newRow("Dutch postcode, address skipped")
        << n + "ADR;TYPE=work:;;Dam 1;Amsterdam;;1012 JS;NL\r\n" << PostcodePolicy::SkipAddress
        << NoteKind::PostcodeSkipped << Field::Postcode << "1012 JS" << "Dam 1, 1012 JS Amsterdam, NL" << ""
        << "!  adr Geschäftlich - 0 1012 JS Amsterdam / Dam 1 / NL";
    QTest::newRow("Canadian postcode")
        << n + "ADR:;;24 Sussex Drive;Ottawa;;K1M 1M4;\r\n" << in << NoteKind::PostcodeInFrontOfTown
        << Field::Postcode << "K1M 1M4" << "K1M 1M4 Ottawa" << "" << "  adr Privat - 0 K1M 1M4 Ottawa / 24 Sussex Drive / ";
    QTest::newRow("postcode beyond 64 bits")
        << n + "ADR:;;A;B;;99999999999999999999;\r\n" << in << NoteKind::PostcodeInFrontOfTown << Field::Postcode
        << "99999999999999999999" << "99999999999999999999 B" << "" << "";
    QTest::newRow("no postcode") << n + "ADR:;;Am Markt 1;Quedlinburg;;;\r\n" << in << NoteKind::PostcodeMissing
                                 << Field::Postcode << "Am Markt 1, Quedlinburg" << "" << ""
                                 << "  adr Privat - 0 Quedlinburg / Am Markt 1 / ";
    QTest::newRow("letter with a Latin-1 form") << QByteArray("N:Œuvre;Zoë;;;\r\n") << in
                                                << NoteKind::ReplacedCharacters << Field::FamilyName << "Œuvre"
                                                << "OEuvre" << "Œ" << "P OEuvre | Zoë | sal Herr";
    QTest::newRow("letters without one") << QByteArray("N:Wang;王小明;;;\r\n") << in << NoteKind::ReplacedCharacters
                                         << Field::FirstName << "王小明" << "???" << "王 小 明" << "P Wang | ??? | sal Herr";
    QTest::newRow("emoji in the note") << n + "NOTE:Hallo 😀 – bis bald\r\n" << in << NoteKind::ReplacedCharacters
                                       << Field::Additional << "Hallo 😀 – bis bald" << "Hallo ? - bis bald"
                                       << "😀 –" << "";
    QTest::newRow("second number of a type")
        << n + "TEL;TYPE=cell:0171 1111111\r\nTEL;TYPE=cell:0171 2222222\r\n" << in << NoteKind::TypeTaken
        << Field::Number << "0171 2222222" << "Mobil geschäftlich" << "Mobil"
        << "  tel Mobil geschäftlich - 0171|2222222";
    QTest::newRow("a moved number leaves a later one its own type")
        << n + "TEL;TYPE=home:1111 111\r\nTEL;TYPE=home:2222 222\r\nTEL;TYPE=work:3333 333\r\n" << in
        << NoteKind::NoFreeType << Field::Number << "2222 222" << "" << "Telefon"
        << "  tel Telefon geschäftlich - 3333|333";
    QTest::newRow("second e-mail of a type")
        << n + "EMAIL;TYPE=home:a@example.de\r\nEMAIL;TYPE=home:b@example.de\r\n" << in << NoteKind::TypeTaken
        << Field::Internet << "b@example.de" << "E-Mail geschäftlich" << "E-Mail"
        << "  net E-Mail geschäftlich - b@example.de";
    QTest::newRow("every type taken")
        << n + QByteArray("TEL;TYPE=cell:0171 1\r\n").repeated(7) << in << NoteKind::NoFreeType << Field::Number
        << "0171 1" << "" << "Mobil" << "";
    QTest::newRow("name too long")
        << QByteArray("N:") + QByteArray(70, 'x') + ";Hans;;;\r\n" << in << NoteKind::Cut << Field::FamilyName
        << QString(70, 'x') << QString(60, 'x') << "" << "";
    QTest::newRow("prefix too long") << n + "TEL:012345678901 2\r\n" << in << NoteKind::Cut << Field::Prefix
                                     << "012345678901" << "0123456789" << "" << "  tel Telefon - 0123456789|2";
    QTest::newRow("e-mail too long")
        << n + "EMAIL:" + QByteArray(95, 'a') + "@example.de\r\n" << in << NoteKind::Cut << Field::Internet
        << QString(95, 'a') + "@example.de" << QString(95, 'a') + "@exam" << "" << "";
    QTest::newRow("group name too long")
        << n + "CATEGORIES:" + QByteArray(55, 'g') + "\r\n" << in << NoteKind::Cut << Field::Group
        << QString(55, 'g') << QString(50, 'g') << "" << "  group " + QString(50, 'g');
    QTest::newRow("region") << n + "ADR:;;1 Main St;Springfield;IL;62701;USA\r\n" << in << NoteKind::NoColumn
                            << Field::Region << "IL" << "" << "" << "  adr Privat - 62701 Springfield / 1 Main St / USA";
    QTest::newRow("name suffix") << QByteArray("N:Meier;Hans;;;jun.\r\n") << in << NoteKind::NoColumn
                                 << Field::NameSuffix << "jun." << "" << "" << "P Meier | Hans | sal Herr";
    QTest::newRow("job title") << n + "TITLE:Elektromeister\r\n" << in << NoteKind::NoColumn << Field::JobTitle
                               << "Elektromeister" << "" << "" << "";
    QTest::newRow("birthday without year") << n + "BDAY:--0229\r\n" << in << NoteKind::BirthdayWithoutYear
                                           << Field::Birthday << "--0229" << "" << ""
                                           << "P Meier | Hans | sal Herr | born 1604-02-29";
    QTest::newRow("birthday not a date") << n + "BDAY;VALUE=text:circa 1800\r\n" << in << NoteKind::NotADate
                                         << Field::Birthday << "circa 1800" << "" << "" << "P Meier | Hans | sal Herr";
    QTest::newRow("properties without a place")
        << n + "PHOTO;VALUE=uri:http://x/p.jpg\r\nGEO:geo:1,2\r\nX-SKYPE:hm\r\nGEO:geo:3,4\r\n" << in
        << NoteKind::PropertiesNotStored << Field::None << "PHOTO, GEO, X-SKYPE" << "" << "" << "";
    QTest::newRow("number without prefix") << n + "TEL:5940\r\n" << in << NoteKind::NoPrefix << Field::Number
                                           << "5940" << "" << "" << "  tel Telefon - |5940";
    QTest::newRow("card without a name") << QByteArray("TEL:0221 1234567\r\n") << in << NoteKind::NoName
                                         << Field::None << "" << "" << "" << "!  tel Telefon - 0221|1234567";
    QTest::newRow("name of zero-width characters only")
        << QByteArray("N:\xE2\x80\x8B;\xE2\x80\x8C;;;\r\nTEL:0221 1234567\r\n") << in << NoteKind::NoName << Field::None
        << "" << "" << "" << "!  tel Telefon - 0221|1234567";
    QTest::newRow("only an e-mail address") << QByteArray("EMAIL:anna@example.de\r\n") << in << NoteKind::NamedByEmail
                                            << Field::None << "anna@example.de" << "" << ""
                                            << "P anna@example.de |  | sal Herr";
    QTest::newRow("a place") << QByteArray("KIND:location\r\nFN:Lager Nord\r\nN:Nord;Lager;;;\r\n") << in
                             << NoteKind::PlaceCard << Field::None << "" << "" << "" << "!P Nord | Lager | sal Herr";
    QTest::newRow("full name beyond the name")
        << QByteArray("N:Gump;Forrest;;;\r\nFN:Joe Due\r\n") << in << NoteKind::NoColumn << Field::FullName
        << "Joe Due" << "" << "" << "P Gump | Forrest | sal Herr";
    QTest::newRow("own label naming no type")
        << n + "item1.TEL:0221 1\r\nitem1.X-ABLabel:AssistantPhone\r\n" << in << NoteKind::LabelNoType
        << Field::Number << "0221 1" << "Telefon" << "AssistantPhone" << "  tel Telefon - 0221|1";
    QTest::newRow("own label of a web address")
        << n + "item5.URL:http\\://b.example\r\nitem5.X-ABLabel:BLOG\r\n" << in << NoteKind::LabelNoType
        << Field::Internet << "http://b.example" << "Homepage" << "BLOG" << "  net Homepage - http://b.example";
    QTest::newRow("sort string") << n + "SORT-STRING:Meier\r\n" << in << NoteKind::PropertiesNotStored << Field::None
                                 << "SORT-STRING" << "" << "" << "";
    QTest::newRow("postcode with a leading zero")
        << n + "ADR:;;Prager Straße 12;Dresden;;01069;\r\n" << in << NoteKind::PostcodeLeadingZero << Field::Postcode
        << "01069" << "1069" << "" << "  adr Privat - 1069 Dresden / Prager Straße 12 / ";
    QTest::newRow("main number beside home and work is no mobile")
        << n + "TEL;TYPE=home:1111 111\r\nTEL;TYPE=work:3333 333\r\nTEL;TYPE=MAIN:2222 222\r\n" << in
        << NoteKind::NoFreeType << Field::Number << "2222 222" << "" << "Telefon" << "!  tel Mobil - 2222|222";
    QTest::newRow("third fax is no voice line")
        << n + "TEL;TYPE=fax,work:0221 1\r\nTEL;TYPE=fax:0221 2\r\nTEL;TYPE=fax:0221 3\r\n" << in
        << NoteKind::NoFreeType << Field::Number << "0221 3" << "" << "Fax" << "!  tel Telefon - 0221|3";
    QTest::newRow("star code") << n + "TEL:*86\r\n" << in << NoteKind::NoPrefix << Field::Number << "*86" << ""
                               << "" << "  tel Telefon - |*86";
    QTest::newRow("hash code") << n + "TEL:#31#\r\n" << in << NoteKind::NoPrefix << Field::Number << "#31#" << ""
                               << "" << "  tel Telefon - |#31#";
    QTest::newRow("extension after a hash")
        << n + "TEL:+49221123456#12\r\n" << in << NoteKind::NoPrefix << Field::Number << "+49221123456#12" << ""
        << "" << "  tel Telefon - |+49221123456#12";
    QTest::newRow("conference number with pauses")
        << n + "TEL:+4930123456,,98765#\r\n" << in << NoteKind::NoPrefix << Field::Number << "+4930123456,,98765#"
        << "" << "" << "  tel Telefon - |+4930123456,,98765#";
    QTest::newRow("name of six parts") << QByteArray("N:Meier;Hans;;;;Sechster\r\n") << in << NoteKind::MoreComponents
                                       << Field::Name << "Sechster" << "" << "" << "P Meier | Hans | sal Herr";
    QTest::newRow("address of eight parts")
        << n + "ADR:;;Weg 1;Köln;;50667;DE;Achter\r\n" << in << NoteKind::MoreComponents << Field::Address << "Achter"
        << "" << "" << "  adr Privat - 50667 Köln / Weg 1 / DE";
    QTest::newRow("address only as a label")
        << n + "LABEL;TYPE=work:Kramgasse 52\\n3011 Bern\r\n" << in << NoteKind::AddressFromLabel << Field::Address
        << "Kramgasse 52, 3011 Bern" << "Kramgasse 52" << "3011 Bern" << "  adr Geschäftlich - 0 3011 Bern / Kramgasse 52 / ";
}

void TestVCardImport::saysWhatCannotBeStored()
{
    QFETCH(QByteArray, body);
    QFETCH(PostcodePolicy, policy);
    QFETCH(NoteKind, kind);
    QFETCH(Field, field);
    QFETCH(QString, value);
    QFETCH(QString, stored);
    QFETCH(QString, detail);
    QFETCH(QString, row);
    ImportOptions options;
    options.postcodes = policy;
    const ImportPlan plan = planFile(card(body), seeded(), options);
    QCOMPARE(plan.cards.size(), 1);
    const Note expected{.kind = kind, .field = field, .value = value, .stored = stored, .detail = detail,
                        .length = kind == NoteKind::Cut ? int(stored.size()) : 0};
    QVERIFY2(plan.cards[0].notes.contains(expected), qPrintable(digest(plan, seeded()).join('\n')));
    QCOMPARE(plan.cards[0].imported, kind != NoteKind::NoName && kind != NoteKind::PlaceCard);
    QCOMPARE(plan.postcodesNotNumbers, int(kind == NoteKind::PostcodeInFrontOfTown || kind == NoteKind::PostcodeSkipped));
    const QStringList lines = digest(plan, seeded());
    if (row.startsWith('!'))
        QVERIFY2(!lines.contains(row.mid(1)) && !lines.join('\n').contains(row.mid(1)), qPrintable(lines.join('\n')));
    else if (!row.isEmpty())
        QVERIFY2(lines.contains(row), qPrintable(lines.join('\n')));
    // The message names what it is about.
    QVERIFY(noteText(plan.cards[0].notes.first()).size() > 10);
    // Whatever is stored fits ISO-8859-1.
    for (const Contact& c : resolve(plan, seeded()))
        for (const QString& line : describe(c))
            QVERIFY2(toLatin1Text(line).outside.isEmpty(), qPrintable(line));
}

void TestVCardImport::choosesTypeByTypeValues_data()
{
    QTest::addColumn<DetailKind>("kind");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<bool>("company");
    QTest::addColumn<QString>("expected");

    using enum DetailKind;
    QTest::newRow("tel home") << Number << QStringList{"HOME", "VOICE"} << false << "Telefon";
    QTest::newRow("tel work") << Number << QStringList{"work", "voice"} << false << "Telefon geschäftlich";
    QTest::newRow("tel cell") << Number << QStringList{"cell"} << false << "Mobil";
    QTest::newRow("tel cell work") << Number << QStringList{"work", "cell"} << false << "Mobil geschäftlich";
    QTest::newRow("tel fax home") << Number << QStringList{"fax", "home"} << false << "Fax";
    QTest::newRow("tel fax work") << Number << QStringList{"FAX", "WORK"} << false << "Fax geschäftlich";
    QTest::newRow("tel iphone") << Number << QStringList{"iPhone"} << false << "Mobil";
    QTest::newRow("tel unknown label, then TYPE") << Number << QStringList{"Ferienhaus", "cell"} << false << "Mobil";
    QTest::newRow("tel pager: no such type") << Number << QStringList{"pager"} << false << "Telefon";
    QTest::newRow("tel none, company standard") << Number << QStringList{} << true << "Telefon geschäftlich";
    QTest::newRow("email work") << Email << QStringList{"INTERNET", "WORK"} << false << "E-Mail geschäftlich";
    QTest::newRow("email none") << Email << QStringList{"internet"} << false << "E-Mail";
    QTest::newRow("email none, company standard") << Email << QStringList{} << true << "E-Mail geschäftlich";
    QTest::newRow("url") << Web << QStringList{} << false << "Homepage";
    QTest::newRow("url work") << Web << QStringList{"work"} << true << "Homepage";
    QTest::newRow("adr work") << Address << QStringList{"WORK", "POSTAL"} << false << "Geschäftlich";
    QTest::newRow("adr home postal") << Address << QStringList{"home", "postal"} << false << "Privat";
    QTest::newRow("adr post office box") << Address << QStringList{kPostOfficeBoxWord} << false << "Postfach";
    QTest::newRow("adr none, company standard") << Address << QStringList{"dom"} << true << "Geschäftlich";
}

void TestVCardImport::choosesTypeByTypeValues()
{
    QFETCH(DetailKind, kind);
    QFETCH(QStringList, words);
    QFETCH(bool, company);
    QFETCH(QString, expected);
    Contact c{.kind = company ? ContactKind::Company : ContactKind::Person, .name1 = "X"};
    if (kind == DetailKind::Number)
        c.numbers << ContactNumber{.typeWords = words, .prefix = "0221", .number = "1"};
    else if (kind == DetailKind::Address)
        c.addresses << ContactAddress{.typeWords = words, .street = "S", .town = "T", .postcode = "1"};
    else
        c.internet << ContactInternet{.typeWords = words, .kind = kind == DetailKind::Web ? InternetKind::Web
                                                                                           : InternetKind::Email,
                                      .address = "x@y"};
    ImportOptions options;
    options.standard = {.address = 1, .addressCompany = 2, .communication = 1, .communicationCompany = 2,
                        .internet = 1, .internetCompany = 2};
    const Contact back = resolve(planImport({CardContact{.contact = c}}, seeded(), options), seeded()).first();
    const QString type = kind == DetailKind::Number    ? back.numbers.value(0).type
                         : kind == DetailKind::Address ? back.addresses.value(0).type
                                                       : back.internet.value(0).type;
    QCOMPARE(type, expected);
}

void TestVCardImport::splitsPrefixAndNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("number");

    QTest::newRow("blank") << "0221 739 11 22" << "0221" << "739 11 22";
    QTest::newRow("slash") << "0221/7391122" << "0221" << "7391122";
    QTest::newRow("slash wins over an earlier blank") << "+49 221/739 11 22" << "+49 221" << "739 11 22";
    QTest::newRow("country and area code") << "+49 221 7391122" << "+49 221" << "7391122";
    QTest::newRow("country code alone") << "+49 2217391122" << "+49" << "2217391122";
    QTest::newRow("trunk zero in parentheses") << "+49 (0)221 7391122" << "+49 221" << "7391122";
    QTest::newRow("area code in parentheses") << "(0221) 7391122" << "0221" << "7391122";
    QTest::newRow("digits only, international") << "+492217391122" << "+49 221" << "7391122";
    QTest::newRow("digits only, one-digit country code") << "+12015550123" << "+1 201" << "5550123";
    QTest::newRow("digits only, three-digit country code") << "+3531661234" << "+353 166" << "1234";
    QTest::newRow("digits only, 00") << "0041313114455" << "0041 313" << "114455";
    QTest::newRow("digits only, national") << "0221-7391122" << "0221" << "7391122";
    QTest::newRow("digits only, no trunk") << "2015550123" << "201" << "5550123";
    QTest::newRow("short number") << "5940" << "" << "5940";
    QTest::newRow("letters") << "1-800-FLOWERS" << "" << "1-800-FLOWERS";
    QTest::newRow("words before a blank") << "businessfax 4" << "" << "businessfax 4";
    QTest::newRow("star code") << "*86" << "" << "*86";
    QTest::newRow("extension after a hash") << "+49221123456#12" << "" << "+49221123456#12";
    QTest::newRow("pauses and a hash") << "+4930123456,,98765#" << "" << "+4930123456,,98765#";
    QTest::newRow("extension after a blank") << "+49 221 123456#12" << "+49 221" << "123456#12";
}

void TestVCardImport::splitsPrefixAndNumber()
{
    QFETCH(QString, text);
    QFETCH(QString, prefix);
    QFETCH(QString, number);
    const SplitNumber split = splitNumber(text);
    QCOMPARE(split.prefix, prefix);
    QCOMPARE(split.number, number);
    // Written back, it splits the same way.
    QCOMPARE(splitNumber(joinNumber(prefix, number)), split);
}

void TestVCardImport::writesLatin1Forms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("latin1");
    QTest::addColumn<QStringList>("outside");

    QTest::newRow("Latin-1 as it is") << "Müßig à la française" << "Müßig à la française" << QStringList();
    QTest::newRow("decomposed umlaut") << QString("Mu\u0308ller") << "Müller" << QStringList();
    QTest::newRow("ligature") << "Œuvre, cœur" << "OEuvre, coeur" << QStringList{"Œ", "œ"};
    QTest::newRow("diacritics") << "Dvořák, Łódź" << "Dvorák, Lódz" << QStringList{"ř", "Ł", "ź"};
    QTest::newRow("two marks, one in Latin-1") << QString("\u01D8") << "ü" << QStringList{"\u01D8"};
    QTest::newRow("typography") << "„Zitat“ – 5 € …" << "\"Zitat\" - 5 EUR ..." << QStringList{"„", "“", "–", "€", "…"};
    QTest::newRow("compatibility forms") << "ﬁle™" << "file(TM)" << QStringList{"ﬁ", "™"};
    QTest::newRow("invisible") << QString("a\u200Bb") << "ab" << QStringList{"\u200B"};
    QTest::newRow("no form") << "Москва 王" << "?????? ?" << QStringList{"М", "о", "с", "к", "в", "а", "王"};
    QTest::newRow("outside the BMP") << "ok 😀😀" << "ok ??" << QStringList{"😀"};
}

void TestVCardImport::writesLatin1Forms()
{
    QFETCH(QString, text);
    QFETCH(QString, latin1);
    QFETCH(QStringList, outside);
    const Latin1Text result = toLatin1Text(text);
    QCOMPARE(result.text, latin1);
    QCOMPARE(result.outside, outside);
}

void TestVCardImport::exportReadBackGivesSameRows()
{
    // What a seeded book holds, in the order a plan lists it: companies first.
    const QList<Contact> book = {
        {.kind = ContactKind::Company, .name1 = "Müller Elektrotechnik", .name2 = "GmbH",
         .additional = "Notdienst rund um die Uhr\nauch sonntags; ganz sicher, \\ja",
         .numbers = {{.type = "Telefon geschäftlich", .prefix = "0221", .number = "9123450", .preferred = true},
                     {.type = "Mobil geschäftlich", .prefix = "0160", .number = "9988776", .assistant = "Notdienst"},
                     {.type = "Fax geschäftlich", .prefix = "+33 1", .number = "42650011"}},
         .internet = {{.type = "E-Mail geschäftlich", .address = "service@mueller-elektro.de", .preferred = true},
                      {.type = "Homepage", .address = "www.mueller-elektro.de"}},
         .addresses = {{.type = "Geschäftlich", .street = "Hohe Straße 88", .town = "Köln", .postcode = "50667",
                        .country = "Deutschland", .preferred = true},
                       {.type = "Postfach", .street = "Postfach 1144", .town = "Köln", .postcode = "50001",
                        .country = "Deutschland"}},
         .groups = {"Handwerker"}},
        {.kind = ContactKind::Company, .name1 = "Café Schönblick", .groups = {"Verein", "Freunde"}},
        {.kind = ContactKind::Person, .name1 = "Öztürk", .name2 = "Mehmet Ali", .salutation = "Herr",
         .title = "Dr. med.", .nickname = "Memo", .birthday = QDate(1971, 5, 30), .employer1 = "Müller Elektrotechnik",
         .employer2 = "GmbH",
         .numbers = {{.type = "Telefon", .prefix = "+41 31", .number = "3114455", .preferred = true},
                     {.type = "Mobil", .prefix = "0176", .number = "3344556", .preferred = true},
                     {.type = "Fax", .prefix = "0341", .number = "22 90 599"}},
         .internet = {{.type = "E-Mail", .address = "dr.oeztuerk@example.de", .preferred = true}},
         .addresses = {{.type = "Privat", .street = "Karl-Heine-Straße 80", .town = "Leipzig", .postcode = "4229",
                        .country = "Deutschland", .preferred = true},
                       {.type = "Ferienwohnung", .street = "Seestraße 3", .town = "Prien am Chiemsee",
                        .postcode = "83209"}},
         .groups = {"Ärzte"}},
        {.kind = ContactKind::Person, .name1 = "Übel", .name2 = "Gerhard", .salutation = "Familie",
         .birthday = QDate(kYearUnknown, 2, 29), .alive = false, .additional = "verstorben 2019"},
        {.kind = ContactKind::Person, .name1 = "Brennan", .salutation = "Frau", .title = "Prof. Dr."},
    };
    const ImportPlan plan = planFile(writeContacts(book));
    QVERIFY(plan.newGroups.isEmpty());
    QVERIFY(plan.newTitles.isEmpty());
    QCOMPARE(plan.contacts.size(), book.size());
    const QList<Contact> back = resolve(plan, seeded());
    for (qsizetype i = 0; i < book.size(); ++i)
        QCOMPARE(describe(back[i]), describe(book[i]));
    // Nothing to say but the year the date column needs.
    for (const CardReport& r : plan.cards)
        for (const Note& n : r.notes)
            QCOMPARE(n.kind, NoteKind::BirthdayWithoutYear);
}

void TestVCardImport::numberReadsBackAsItsRow_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("number");
    QTest::newRow("typed without prefix, with a blank") << "" << "0221 12345";
    QTest::newRow("typed without prefix, with a slash") << "" << "0221/12345";
    QTest::newRow("a slash in the prefix") << "0221/5" << "1";
    QTest::newRow("blanks in both") << "abc def" << "1 2";
    QTest::newRow("as the split gives it") << "+49 221" << "739 11 22";
    QTest::newRow("a star code") << "" << "*86";
}

void TestVCardImport::numberReadsBackAsItsRow()
{
    QFETCH(QString, prefix);
    QFETCH(QString, number);
    const Contact c{.name1 = "X", .numbers = {{.type = "Telefon", .prefix = prefix, .number = number}}};
    const ContactsRead read = readContacts(writeContacts({c}));
    QCOMPARE(read.contacts.size(), 1);
    const ContactNumber back = read.contacts[0].contact.numbers.value(0);
    QCOMPARE(back.prefix, prefix);
    QCOMPARE(back.number, number);
}

void TestVCardImport::groupCardsMakeGroups_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected");   // digest lines that must be there; "~..." text that must not

    const QByteArray members = card("UID:urn:uuid:a1\r\nN:Arzt;Anna;;;\r\nEMAIL:anna@praxis.example\r\n") +
                               card("UID:b2\r\nN:Bader;Bernd;;;\r\n");
    QTest::newRow("vCard 4.0 group by UID")
        << members + card("KIND:group\r\nFN:Doctors\r\nMEMBER:urn:uuid:a1\r\nMEMBER:urn:uuid:b2\r\n", "4.0")
        << QStringList{"  group Doctors", "! 12: A group, not a contact: contacts of this file added to the group "
                                          "\"Doctors\": 2.", "~P Doctors"};
    QTest::newRow("Apple's group, before its members")
        << card("X-ADDRESSBOOKSERVER-KIND:group\r\nN:Ärzte\r\nFN:Ärzte\r\n"
                "X-ADDRESSBOOKSERVER-MEMBER:urn:uuid:A1\r\n") + members
        << QStringList{"  group Ärzte", "! 1: A group, not a contact: contacts of this file added to the group "
                                        "\"Ärzte\": 1.", "~P Ärzte"};
    QTest::newRow("members by e-mail, and one not in the file")
        << members + card("KIND:group\r\nFN:Praxis\r\nMEMBER:mailto:anna@praxis.example\r\n"
                          "MEMBER:mailto:carl@praxis.example\r\n", "4.0")
        << QStringList{"  group Praxis",
                       "! 12: Member \"mailto:carl@praxis.example\" is no contact of this file: not added to the group."};
}

void TestVCardImport::groupCardsMakeGroups()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    const ImportPlan plan = planFile(file);
    QCOMPARE(plan.contacts.size(), 2);   // the two persons, no contact for the group
    const QStringList lines = digest(plan, seeded());
    for (const QString& e : expected)
        QVERIFY2(e.startsWith('~') ? !lines.join('\n').contains(e.mid(1)) : lines.contains(e),
                 qPrintable(e + "\n--\n" + lines.join('\n')));
}

void TestVCardImport::matchingTableKnowsSeededNames()
{
    // Every seeded type is written as TYPE values that read back as itself,
    // so an export of a seeded book needs no labels but for the types vCard
    // has no word for.
    const QStringList labelled = {"Ferienwohnung", "Postfach"};
    const QList<std::pair<DetailKind, QList<NamedKey>>> kinds = {{DetailKind::Number, seeded().communicationTypes},
                                                                 {DetailKind::Email, seeded().internetTypes},
                                                                 {DetailKind::Address, seeded().addressTypes}};
    for (const auto& [kind, types] : kinds)
        for (const NamedKey& t : types) {
            if (labelled.contains(t.name))
                continue;
            const TypeMatch* row = kind == DetailKind::Email ? internetRowOf(t.name) : typeRowOf(kind, t.name);
            QVERIFY2(row && row->writeWords, qPrintable(t.name));
            QCOMPARE(typeNamesFor(row->kind, row->words).value(0), t.name);
        }
}

QTEST_GUILESS_MAIN(TestVCardImport)
#include "tst_vcardimport.moc"
