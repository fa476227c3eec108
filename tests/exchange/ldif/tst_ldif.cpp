// LDIF as Thunderbird writes it: entries, base64 and folded values,
// comments, the lines that are no LDIF (refused, naming the line), the
// mozillaAbPersonAlpha attributes as contacts, lists as groups, and the
// export read back.
#include "exchange/ldif/LdifContacts.h"

#include <QtTest>

using namespace pellori::exchange;
using namespace pellori::exchange;

class TestLdif : public QObject {
    Q_OBJECT
private slots:
    void readsEntries_data();
    void readsEntries();
    void refusesLinesThatAreNoLdif_data();
    void refusesLinesThatAreNoLdif();
    void thunderbirdExportBecomesContactsAndGroups();
    void exportReadsBack();
};

void TestLdif::readsEntries_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("entries");   // "line:dn{name=value|...}" per entry
    QTest::newRow("version, comment, base64, folded, CR LF, no last line end")
        << QByteArray("version: 1\r\n# exported\r\n#  folded comment\r\n\r\ndn: cn=A B,mail=a@x\r\n"
                      "cn: A B\r\ndescription:: aGVyZSdzIHNvbWUgdW5pY29kZSB0ZXh04oCm\r\nmozillaHomeStreet: Lange \r\n"
                      " Strasse 1\r\n\r\ndn:: Y249w4RybWVs\r\nsn: \xC3\x84rmel")
        << "5:cn=A B,mail=a@x{cn=A B|description=here's some unicode text…|mozillaHomeStreet=Lange Strasse 1} "
           "11:cn=Ärmel{sn=Ärmel}";
    QTest::newRow("several blank lines, a value with a colon, options")
        << QByteArray("\n\ndn: cn=x\ncn;lang-de: x\nmozillaWorkUrl: http://x.example:8080/\n\n\n")
        << "3:cn=x{cn;lang-de=x|mozillaWorkUrl=http://x.example:8080/}";
}

void TestLdif::readsEntries()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, entries);
    const LdifRead read = readLdif(file);
    QVERIFY(!read.error);
    QStringList shown;
    for (const LdifEntry& e : read.entries) {
        QStringList attrs;
        for (const LdifAttribute& a : e.attributes)
            attrs << a.name + u'=' + a.value;
        shown << QString::number(e.line) + u':' + e.dn + u'{' + attrs.join(u'|') + u'}';
    }
    QCOMPARE(shown.join(u' '), entries);
}

void TestLdif::refusesLinesThatAreNoLdif_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("line");
    QTest::newRow("a change record's separator") << QByteArray("dn: cn=x\nchangetype: modify\nreplace: cn\n-\n")
                                                 << int(LdifErrorKind::NotAttribute) << 4;
    QTest::newRow("pasted text") << QByteArray("dn: cn=x\ncn: x\n\nHello there\n") << int(LdifErrorKind::NotAttribute) << 4;
    QTest::newRow("continuation with nothing to continue") << QByteArray("\n continued\n")
                                                           << int(LdifErrorKind::NotAttribute) << 2;
    QTest::newRow("base64 that is none") << QByteArray("dn: cn=x\ncn:: not base64!\n") << int(LdifErrorKind::BadBase64) << 2;
    QTest::newRow("binary") << QByteArray("dn: cn=x\ncn: a\0b\n", 18) << int(LdifErrorKind::Binary) << 2;
    QTest::newRow("empty") << QByteArray("# nothing\n\n") << int(LdifErrorKind::Empty) << 0;
}

void TestLdif::refusesLinesThatAreNoLdif()
{
    QFETCH(QByteArray, file);
    QFETCH(int, kind);
    QFETCH(int, line);
    const LdifRead read = readLdif(file);
    QVERIFY(read.error);
    QCOMPARE(int(read.error->kind), kind);
    QCOMPARE(read.error->line, line);
    QVERIFY(read.entries.isEmpty());
}

void TestLdif::thunderbirdExportBecomesContactsAndGroups()
{
    const QByteArray file(
        "dn: cn=new list\nobjectclass: top\nobjectclass: groupOfNames\ncn: new list\n"
        "member: cn=contact number one,mail=contact1@invalid\nmember: cn=nobody,mail=no@invalid\n\n"
        "dn: cn=contact number one,mail=contact1@invalid\nobjectclass: top\nobjectclass: person\n"
        "objectclass: mozillaAbPersonAlpha\ngivenName: contact\nsn: one\ncn: contact number one\n"
        "mail: contact1@invalid\nmozillaSecondEmail: c1@second.invalid\nmodifytimestamp: 0\n"
        "telephoneNumber: 0221 1\nmobile: 0171 2\nmozillaHomeStreet: Weg 1\nmozillaHomeLocalityName: Bonn\n"
        "mozillaHomePostalCode: 53111\nstreet: Ring 2\nl: K\xC3\xB6ln\npostalCode: 50667\nc: Germany\n"
        "title: Chef\ncompany: Acme\nbirthmonth: 02\nbirthday: 29\nmozillaCustom1:: Y3VzdG9tDTE=\n"
        "jpegPhoto:: AAEC\n\n");
    const LdifRead read = readLdif(file);
    QVERIFY(!read.error);
    const QList<CardContact> cards = ldifContacts(read.entries);
    QCOMPARE(cards.size(), 2);
    QCOMPARE(int(cards[0].kind), int(CardKind::Group));
    QCOMPARE(cards[0].contact.name1, QStringLiteral("new list"));
    QCOMPARE(cards[0].members.size(), 2);
    QCOMPARE(cards[1].uid, cards[0].members[0]);   // the planner joins the member by it
    const Contact& c = cards[1].contact;
    QCOMPARE(c.name1 + u'/' + c.name2, QStringLiteral("one/contact"));
    QCOMPARE(c.employer1, QStringLiteral("Acme"));
    QCOMPARE(c.birthday, QDate(kYearUnknown, 2, 29));
    QCOMPARE(c.internet.size(), 2);
    QCOMPARE(c.numbers.size(), 2);
    QCOMPARE(c.numbers[0].typeWords, QStringList{"work"});
    QCOMPARE(c.addresses.size(), 2);
    QCOMPARE(c.addresses[1].town, QStringLiteral("Köln"));
    QStringList notes;
    for (const Note& n : cards[1].notes)
        notes << QString::number(int(n.kind)) + u'[' + n.value + u']';
    QCOMPARE(notes.join(u' '), QStringLiteral("8[contact number one] 8[Chef] 11[02-29] 9[mozillaCustom1 \"custom, 1\"] 9[jpegPhoto]"));
}

void TestLdif::exportReadsBack()
{
    Contact anna{.kind = ContactKind::Person, .name1 = "Öztürk, Jr.", .name2 = "Anna", .salutation = "Frau",
                 .nickname = "Anni", .birthday = QDate(1980, 12, 24), .employer1 = "Beta", .additional = "a\nb"};
    anna.numbers = {{.type = "Telefon geschäftlich", .prefix = "0221", .number = "1"},
                    {.type = "Telefon", .prefix = "0221", .number = "2"},
                    {.type = "Mobil", .prefix = "0171", .number = "3"},
                    {.type = "Fax", .prefix = "0221", .number = "4"},
                    {.type = "Mobil geschäftlich", .prefix = "0172", .number = "5"}};
    anna.internet = {{.type = "E-Mail", .address = "anna@x.example"}, {.type = "Homepage", .address = "http://a.example"}};
    anna.addresses = {{.type = "Privat", .street = "Weg 1", .town = "Bonn", .postcode = "53111"},
                      {.type = "Geschäftlich", .street = "Ring 2", .town = "Köln", .postcode = "50667", .country = "D"}};
    anna.groups = {"Freunde"};
    const Contact beta{.kind = ContactKind::Company, .name1 = "Beta", .name2 = "Vertrieb", .groups = {"Freunde"}};
    const CsvWritten written = writeLdif({anna, beta});
    QCOMPARE(written.leftOut.size(), 1);
    QCOMPARE(written.leftOut[0].items, (QStringList{"0172 5"}));

    const LdifRead read = readLdif(written.bytes);
    QVERIFY(!read.error);
    const QList<CardContact> cards = ldifContacts(read.entries);
    QCOMPARE(cards.size(), 3);   // the group first
    QCOMPARE(cards[0].members, (QStringList{cards[1].uid, cards[2].uid}));
    const Contact& back = cards[1].contact;
    QCOMPARE(back.name1, anna.name1);
    QCOMPARE(back.title, QStringLiteral("Frau"));   // from the display name, where Thunderbird shows it
    QCOMPARE(back.nickname, anna.nickname);
    QCOMPARE(back.birthday, anna.birthday);
    QCOMPARE(back.additional, anna.additional);
    QCOMPARE(back.numbers.size(), 4);
    QCOMPARE(back.addresses.size(), 2);
    QCOMPARE(back.addresses[1].country, QStringLiteral("D"));
    QCOMPARE(int(cards[2].contact.kind), int(ContactKind::Company));
    QCOMPARE(cards[2].contact.name2, beta.name2);
}

QTEST_APPLESS_MAIN(TestLdif)
#include "tst_ldif.moc"
