// From CSV files as Outlook, Google Contacts, Thunderbird and spreadsheets
// write them to contacts: the preset the header names, dates in the file's
// order, labels, several values in one cell, groups, and the notes of what
// has no place; then the two export shapes read back.
#include "exchange/csv/CsvContacts.h"
#include "exchange/csv/CsvWriter.h"

#include <QtTest>

using namespace pellori::exchange;
using namespace pellori::exchange;

namespace {

// A contact in one line: kind and names, then every non-empty part.
QString describe(const Contact& c)
{
    QStringList parts{(c.kind == ContactKind::Person ? QStringLiteral("P ") : QStringLiteral("C ")) + c.name1 + u'/' +
                      c.name2};
    const auto add = [&](const char* label, const QString& v) {
        if (!v.isEmpty())
            parts << QLatin1String(label) + u'=' + v;
    };
    add("title", c.title);
    add("nick", c.nickname);
    add("born", c.birthday.isValid() ? c.birthday.toString(Qt::ISODate) : QString());
    add("works", joinNonEmpty({c.employer1, c.employer2}, QStringLiteral("/")));
    for (const ContactNumber& n : c.numbers)
        add("tel", (n.preferred ? QStringLiteral("*") : QString()) + joinNonEmpty({n.type, n.typeWords.join(u',')}, QStringLiteral(":")) +
                       u' ' + n.prefix + u'|' + n.number + (n.assistant.isEmpty() ? QString() : u'(' + n.assistant + u')'));
    for (const ContactInternet& i : c.internet)
        add(i.kind == InternetKind::Email ? "mail" : "web",
            (i.preferred ? QStringLiteral("*") : QString()) + joinNonEmpty({i.type, i.typeWords.join(u',')}, QStringLiteral(":")) +
                u' ' + i.address);
    for (const ContactAddress& a : c.addresses)
        add("adr", joinNonEmpty({a.type, a.typeWords.join(u',')}, QStringLiteral(":")) + u' ' +
                       QStringList{a.street, a.postcode, a.town, a.country}.join(u'|'));
    add("groups", c.groups.join(u','));
    add("notes", QString(c.additional).replace(u'\n', u'/'));
    return parts.join(QLatin1String("; "));
}

QString noteKinds(const QList<Note>& notes)
{
    QStringList kinds;
    for (const Note& n : notes)
        kinds << QString::number(int(n.kind)) + (n.value.isEmpty() ? QString() : u'[' + n.value + u']');
    return kinds.join(u' ');
}

} // namespace

class TestCsvContacts : public QObject {
    Q_OBJECT
private slots:
    void readsEachProgramsExport_data();
    void readsEachProgramsExport();
    void readsDatesInTheFilesOrder_data();
    void readsDatesInTheFilesOrder();
    void exportReadsBack_data();
    void exportReadsBack();
};

void TestCsvContacts::readsEachProgramsExport_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("contact");   // the first row's contact
    QTest::addColumn<QString>("notes");     // its notes: kind[value]

    QTest::newRow("Outlook, English")
        << QByteArray("\"Title\",\"First Name\",\"Middle Name\",\"Last Name\",\"Company\",\"Department\",\"Job Title\","
                      "\"Business Street\",\"Business City\",\"Business Postal Code\",\"Business Country/Region\","
                      "\"Business Phone\",\"Mobile Phone\",\"Assistant's Phone\",\"Assistant's Name\",\"Birthday\","
                      "\"Categories\",\"E-mail Address\",\"E-mail Type\",\"E-mail Display Name\",\"Gender\",\"Notes\","
                      "\"Hobby\"\r\n"
                      "\"Dr.\",\"Hans\",\"Peter\",\"Meier\",\"Acme GmbH\",\"Sales\",\"Boss\",\"Hauptstr. 1\r\n2. OG\","
                      "\"K\xF6ln\",\"50667\",\"Germany\",\"+49 221 123456\",\"0171 2345678\",\"0221 99\",\"Eva\","
                      "\"3/15/1970\",\"Friends;Golf\",\"hans@acme.example\",\"SMTP\",\"Hans Meier (hans@acme.example)\","
                      "\"Unspecified\",\"Line 1\r\nLine 2\",\"Chess\"\r\n")
        << "Outlook (English)"
        << "P Meier/Hans Peter; title=Dr.; born=1970-03-15; works=Acme GmbH/Sales; tel=work +49 221|123456; "
           "tel=cell 0171|2345678; tel=work 0221|99(Eva); mail= hans@acme.example; "
           "adr=work Hauptstr. 1, 2. OG|50667|Köln|Germany; groups=Friends,Golf; notes=Line 1/Line 2"
        << "8[Boss] 9[Hobby \"Chess\"]";
    QTest::newRow("Outlook, German, Windows-1252, a birthday without year")
        << QByteArray("\"Anrede\",\"Vorname\",\"Nachname\",\"Firma\",\"Stra\xDF" "e privat\",\"Ort privat\","
                      "\"Postleitzahl privat\",\"Telefon privat\",\"Fax gesch\xE4" "ftlich\",\"Geburtstag\","
                      "\"Kategorien\",\"E-Mail-Adresse\",\"E-Mail 2: Adresse\",\"Priorit\xE4t\",\"Vertraulichkeit\"\r\n"
                      "\"Frau\",\"J\xFCrgen\",\"M\xFCller\",\"\",\"Hauptstra\xDF" "e 5\",\"M\xFCnchen\",\"80331\","
                      "\"089 123456\",\"089 654321\",\"24.12.1604\",\"Familie\",\"j@x.example\",\"jm@y.example\","
                      "\"Normal\",\"Normal\"\r\n")
        << "Outlook (Deutsch)"
        << "P Müller/Jürgen; title=Frau; born=1604-12-24; tel=home 089|123456; tel=fax,work 089|654321; "
           "mail= j@x.example; mail= jm@y.example; adr=home Hauptstraße 5|80331|München|; groups=Familie"
        << "11[24.12.1604]";
    QTest::newRow("Outlook, French: two columns named Titre")
        << QByteArray("Titre,Pr\xE9nom,Nom,Soci\xE9t\xE9 ,Titre,Ville (domicile),Code postal (domicile),"
                      "T\xE9l. mobile,Anniversaire\r\nM.,Luc,Durand,,Directeur,Lyon,69001,06 12 34 56 78,28/2/1980\r\n")
        << "Outlook (Français)" << "P Durand/Luc; title=M.; born=1980-02-28; tel=cell 06|12 34 56 78; adr=home |69001|Lyon|"
        << "8[Directeur]";
    QTest::newRow("Google: BOM, labels, several values in one cell, labels as groups")
        << QByteArray("\xEF\xBB\xBF" "First Name,Middle Name,Last Name,Name Prefix,Nickname,Organization Name,"
                      "Organization Title,Birthday,Notes,Labels,E-mail 1 - Label,E-mail 1 - Value,E-mail 2 - Label,"
                      "E-mail 2 - Value,Phone 1 - Label,Phone 1 - Value,Phone 2 - Label,Phone 2 - Value,"
                      "Address 1 - Label,Address 1 - Formatted,Address 1 - Street,Address 1 - City,"
                      "Address 1 - Postal Code,Address 1 - Country,Website 1 - Label,Website 1 - Value\n"
                      "Anna,,Schmidt,,Anni,Beta AG,,--03-07,\"Met at\nthe fair\",* myContacts ::: Freunde ::: Verein,"
                      "* Work,anna@beta.example ::: a.s@beta.example,Home,anna@home.example,Mobile,"
                      "+49 170 1234567 ::: +49 171 7654321,Grandma's,030 555,Home,\"Weg 2\n10115 Berlin\",Weg 2,"
                      "Berlin,10115,Deutschland,Blog,https://anna.example\n")
        << "Google Contacts (English)"
        << "P Schmidt/Anna; nick=Anni; born=1604-03-07; works=Beta AG; tel=Mobile:mobile +49 170|1234567; "
           "tel=Mobile:mobile +49 171|7654321; tel=Grandma's:grandma's 030|555; mail=*Work:work anna@beta.example; "
           "mail=*Work:work a.s@beta.example; mail=Home:home anna@home.example; web=Blog:blog https://anna.example; "
           "adr=Home:home Weg 2|10115|Berlin|Deutschland; groups=Freunde,Verein; notes=Met at/the fair"
        << "11[--03-07]";
    QTest::newRow("Google before 2020")
        << QByteArray("Name,Given Name,Additional Name,Family Name,Group Membership,E-mail 1 - Type,E-mail 1 - Value,"
                      "Phone 1 - Type,Phone 1 - Value\nBob Stone,Bob,,Stone,* My Contacts ::: Kollegen,* Other,"
                      "bob@stone.example,Work Fax,0221 444\n")
        << "Google Contacts (English)"
        << "P Stone/Bob; tel=Work Fax:work,fax 0221|444; mail=*Other:other bob@stone.example; groups=Kollegen" << "";
    QTest::newRow("Thunderbird, English, as its own test data shapes it")
        << QByteArray("First Name,Last Name,Display Name,Nickname,Primary Email,Secondary Email,Screen Name,"
                      "Work Phone,Home Phone,Fax Number,Pager Number,Mobile Number,Home Address,Home Address 2,"
                      "Home City,Home State,Home ZipCode,Home Country,Work Address,Work Address 2,Work City,Work State,"
                      "Work ZipCode,Work Country,Job Title,Department,Organization,Web Page 1,Web Page 2,Birth Year,"
                      "Birth Month,Birth Day,Custom 1,Custom 2,Custom 3,Custom 4,Notes\n"
                      "contact,two,contact number two,,contact2@invalid,,,,,,,,,,,,,,,,,,,,\"\"\"worker\"\"\",,,,,"
                      "1977,4,30,\"custom, 1\",,,,here's some unicode text\xE2\x80\xA6\n")
        << "Thunderbird (English)"
        << "P two/contact; born=1977-04-30; mail= contact2@invalid; notes=here's some unicode text…"
        << "8[contact number two] 8[\"worker\"] 9[Custom 1 \"custom, 1\"]";
    QTest::newRow("Thunderbird, German: 'Anzeigename' twice")
        << QByteArray("Vorname,Nachname,Anzeigename,Spitzname,Prim\xC3\xA4re E-Mail-Adresse,"
                      "Sekund\xC3\xA4re E-Mail-Adresse,Anzeigename,Tel. dienstlich,Tel. privat,Privat: Ort,"
                      "Privat: PLZ,Notizen\nEva,Klein,Eva Klein,,eva@klein.example,,evak,0211 1,0211 2,"
                      "D\xC3\xBCsseldorf,40210,\n")
        << "Thunderbird (Deutsch)"
        << "P Klein/Eva; tel=work 0211|1; tel=home 0211|2; mail= eva@klein.example; adr=home |40210|Düsseldorf|"
        << "9[Anzeigename \"evak\"]";
    QTest::newRow("Thunderbird, French: 'Ville' for home and work")
        << QByteArray("Pr\xC3\xA9nom,Nom de famille,Nom \xC3\xA0 afficher,Adresse priv\xC3\xA9" "e,Ville,"
                      "Code postal,Adresse professionnelle,Ville,Code postal,Soci\xC3\xA9t\xC3\xA9,Notes\n"
                      "Paul,Martin,,1 rue A,Paris,75001,2 rue B,Lille,59000,,\n")
        << "Thunderbird (Français)"
        << "P Martin/Paul; adr=home 1 rue A|75001|Paris|; adr=work 2 rue B|59000|Lille|" << "";
    QTest::newRow("any other file: guessed from header and values")
        << QByteArray("Name;Firma;E-Mail;Tel. gesch\xE4" "ftlich;Handy;Stra\xDF" "e;PLZ;Ort;Geburtstag;Kundennr\r\n"
                      "Weber, Lisa;;lisa@weber.example;0221 12;0170 34;Ring 3;50667;K\xF6ln;05.06.1990;4711\r\n")
        << "" << "P Weber/Lisa; born=1990-06-05; tel=work 0221|12; tel=cell 0170|34; mail= lisa@weber.example; adr= Ring 3|50667|Köln|"
        << "9[Kundennr \"4711\"]";
    QTest::newRow("a company alone, its department the second name line")
        << QByteArray("First Name,Last Name,Company,Department,Business Phone\n,,Acme GmbH,Vertrieb,0221 1\n")
        << "Outlook (English)" << "C Acme GmbH/Vertrieb; tel=work 0221|1" << "";
    QTest::newRow("no header: Thunderbird's test of a file without one")
        << QByteArray("John,Doe,john@doe.invalid\nJane,Doe,jane@doe.invalid\n") << ""
        << "P john@doe.invalid/; mail= john@doe.invalid" << "19[john@doe.invalid] 9[1 \"John\", 2 \"Doe\"]";
    QTest::newRow("a row of an e-mail address only")
        << QByteArray("First Name,Last Name,E-mail Address\n,,solo@x.example\n") << ""
        << "P solo@x.example/; mail= solo@x.example" << "19[solo@x.example]";
}

void TestCsvContacts::readsEachProgramsExport()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, preset);
    QFETCH(QString, contact);
    QFETCH(QString, notes);
    const CsvSource source(file);
    QVERIFY(!source.read().error);
    const CsvMapping mapping = source.detectMapping();
    QCOMPARE(mapping.preset >= 0 ? presetName(presets()[mapping.preset]) : QString(), preset);
    const QList<CardContact> cards = csvContacts(source.table(), mapping);
    QVERIFY(!cards.isEmpty());
    QCOMPARE(describe(cards.first().contact), contact);
    QCOMPARE(noteKinds(cards.first().notes), notes);
    QCOMPARE(cards.first().line, mapping.header ? 2 : 1);
}

void TestCsvContacts::readsDatesInTheFilesOrder_data()
{
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<int>("fallback");
    QTest::addColumn<QString>("first");   // the first date as read
    QTest::newRow("a day above 12 shows day first") << QStringList{"3/4/1970", "25/12/1980"}
                                                    << int(DateOrder::MonthDayYear) << "1970-04-03";
    QTest::newRow("a second number above 12 shows month first") << QStringList{"3/4/1970", "12/25/1980"}
                                                                << int(DateOrder::DayMonthYear) << "1970-03-04";
    QTest::newRow("dots are day first") << QStringList{"3.4.1970"} << int(DateOrder::MonthDayYear) << "1970-04-03";
    QTest::newRow("undecided: the program's order") << QStringList{"3/4/1970"} << int(DateOrder::MonthDayYear)
                                                    << "1970-03-04";
    QTest::newRow("two-digit year in the past") << QStringList{"1/2/65"} << int(DateOrder::DayMonthYear)
                                                << "1965-02-01";
    QTest::newRow("ISO with time") << QStringList{"1970-03-04T00:00:00"} << int(DateOrder::DayMonthYear)
                                   << "1970-03-04";
}

void TestCsvContacts::readsDatesInTheFilesOrder()
{
    QFETCH(QStringList, dates);
    QFETCH(int, fallback);
    QFETCH(QString, first);
    QList<QStringView> views;
    for (const QString& d : dates)
        views << d;
    const DateOrder order = dateOrderOf(views, DateOrder(fallback));
    const auto date = parseCsvDate(dates.first(), order);
    QVERIFY(date);
    QCOMPARE(date->date.toString(Qt::ISODate), first);
    QVERIFY(isNoDate(u"0/0/00") && isNoDate(u"0.0.00") && !isNoDate(u"1.1.00"));
}

void TestCsvContacts::exportReadsBack_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("left");   // what the shape could not hold
    QTest::newRow("Google keeps every detail and its type") << int(CsvShape::Google) << "Google Contacts (English)"
                                                            << "Meier, Hans: †";
    QTest::newRow("Outlook") << int(CsvShape::Outlook) << "Outlook (English)"
                             << "Meier, Hans: Hansi, www.b.example, †";
}

void TestCsvContacts::exportReadsBack()
{
    QFETCH(int, shape);
    QFETCH(QString, preset);
    QFETCH(QString, left);
    Contact hans{.kind = ContactKind::Person, .name1 = "Meier", .name2 = "Hans", .salutation = "Frau",
                 .title = "Dr.", .nickname = "Hansi", .birthday = QDate(1604, 2, 29), .alive = false,
                 .employer1 = "Acme, Inc.", .employer2 = "Sales", .additional = "Two\nlines, \"quoted\""};
    hans.numbers = {{.type = "Mobil geschäftlich", .prefix = "0171", .number = "123"},
                    {.type = "Fax", .prefix = "0221", .number = "4"},
                    {.type = "Telefon geschäftlich", .prefix = "0221", .number = "5", .preferred = true},
                    {.type = "Telefon geschäftlich", .prefix = "0221", .number = "6"},
                    {.type = "Telefon geschäftlich", .prefix = "0221", .number = "7"},
                    {.type = "Telefon geschäftlich", .prefix = "0221", .number = "5"}};
    hans.numbers.removeLast();
    hans.internet = {{.type = "E-Mail", .address = "h@a.example"},
                     {.type = "Homepage", .address = "www.a.example"},
                     {.type = "Homepage", .address = "www.b.example"}};
    hans.addresses = {{.type = "Ferienwohnung", .street = "Strand 1", .town = "Sylt", .postcode = "25980",
                       .country = "Deutschland"},
                      {.type = "Geschäftlich", .street = "Ring 2", .town = "Köln", .postcode = "50667"}};
    hans.groups = {"Freunde", "Verein"};
    const Contact acme{.kind = ContactKind::Company, .name1 = "Acme, Inc.", .name2 = "Sales"};

    const CsvWritten written = writeCsv({hans, acme}, CsvShape(shape));
    QStringList leftOut;
    for (const LeftOut& l : written.leftOut)
        leftOut << l.contact + QLatin1String(": ") + l.items.join(QLatin1String(", "));
    QCOMPARE(leftOut.join(QLatin1String("; ")), left);

    const CsvSource source(written.bytes);
    QVERIFY(!source.read().error);
    const CsvMapping mapping = source.detectMapping();
    QCOMPARE(presetName(presets()[mapping.preset]), preset);
    const QList<CardContact> cards = csvContacts(source.table(), mapping);
    QCOMPARE(cards.size(), 2);
    const Contact& back = cards[0].contact;
    QCOMPARE(back.name1, hans.name1);
    QCOMPARE(back.name2, hans.name2);
    QCOMPARE(back.title, QStringLiteral("Frau Dr."));
    QCOMPARE(back.birthday, hans.birthday);
    QCOMPARE(back.additional, hans.additional);
    QCOMPARE(back.groups, hans.groups);
    QCOMPARE(back.employer1, hans.employer1);
    QCOMPARE(back.addresses.size(), 2);
    QStringList towns{back.addresses[0].town, back.addresses[1].town};
    towns.sort();
    QCOMPARE(towns.join(u','), QStringLiteral("Köln,Sylt"));
    QCOMPARE(describe(cards[1].contact), describe(acme));
    if (CsvShape(shape) == CsvShape::Google) {
        // Every number with the type it had: the book's own names as labels.
        QStringList types;
        for (const ContactNumber& n : back.numbers)
            types << (n.type.isEmpty() ? n.typeWords.join(u',') : n.type) + u' ' + n.prefix + u'/' + n.number;
        QCOMPARE(types.join(QLatin1String("; ")),
                 QStringLiteral("Work Mobile 0171/123; Home Fax 0221/4; Work 0221/5; Work 0221/6; Work 0221/7"));
        QVERIFY(back.numbers[2].preferred);
        QCOMPARE(back.nickname, hans.nickname);
        QCOMPARE(back.addresses[0].type, QStringLiteral("Ferienwohnung"));
    }
}

QTEST_APPLESS_MAIN(TestCsvContacts)
#include "tst_csvcontacts.moc"
