// The rules by which an import knows a card's contact and the duplicate
// finder two contacts of one person: pairs of facts and their verdict.
#include "cleanup/DuplicateFinder.h"
#include "cleanup/Folding.h"
#include "cleanup/MatchRules.h"

#include <QtTest>

using namespace pellori::cleanup;

namespace {

// "P Müller, Hans; mail a@b.de; tel 0351 123456; born 1970-05-01; uid X; town Dresden; works 7; key 3"
MatchFacts facts(const QString& text)
{
    MatchFacts f;
    const QStringList parts = text.split(u';');
    const QString head = parts.first().trimmed();
    f.kind = head.front().toLatin1();
    const QStringList names = head.mid(2).split(u',');
    f.name1 = names.value(0).trimmed();
    f.name2 = names.value(1).trimmed();
    for (const QString& p : parts.mid(1)) {
        const QString part = p.trimmed(), value = part.section(u' ', 1);
        if (part.startsWith(u"mail"))
            f.emails << value;
        else if (part.startsWith(u"tel"))
            f.numbers << value;
        else if (part.startsWith(u"born"))
            f.birthday = QDate::fromString(value, Qt::ISODate);
        else if (part.startsWith(u"uid"))
            f.uid = value;
        else if (part.startsWith(u"town"))
            f.towns << value;
        else if (part.startsWith(u"works"))
            f.employer = value.toInt();
        else if (part.startsWith(u"key"))
            f.key = value.toInt();
    }
    return f;
}

MatchKeys keys(const QString& text) { return MatchKeys::of(facts(text)); }

} // namespace

class TestMatchRules : public QObject {
    Q_OBJECT
private slots:
    void folding_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("umlaut") << "words" << QString::fromUtf8("Müller-Lüdenscheidt") << "MULLER LUDENSCHEIDT";
        QTest::newRow("ue") << "words" << "mueller" << "MULLER";
        QTest::newRow("sharp s, accents") << "words" << QString::fromUtf8("Straße Élodie") << "STRASSE ELODIE";
        QTest::newRow("beyond latin-1") << "words" << QString::fromUtf8("Dvořák Œuvre") << "DVORAK OUVRE";
        QTest::newRow("+49") << "digits" << "+49 (351) 486-29 10" << "03514862910";
        QTest::newRow("0049") << "digits" << "0049 351 4862910" << "03514862910";
        QTest::newRow("other country") << "digits" << "+41 31 3224444" << "0041313224444";
        QTest::newRow("meier") << "sound" << "MEIER" << "67";
        QTest::newRow("meyer") << "sound" << "MEYER" << "67";
        QTest::newRow("muller") << "sound" << "MULLER" << "657";
        QTest::newRow("schmidt") << "sound" << "SCHMIDT" << "862";
        QTest::newRow("schmitt") << "sound" << "SCHMITT" << "862";
        QTest::newRow("christoph") << "sound" << "CHRISTOPH" << "47823";
        QTest::newRow("kristof") << "sound" << "KRISTOF" << "47823";
    }
    void folding()
    {
        QFETCH(QString, what);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString got = what == u"words" ? foldedWords(text).join(u' ')
                            : what == u"digits" ? numberDigits(text)
                                                : phoneticCode(text);
        QCOMPARE(got, expected);
    }

    void cardMatch_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("contact");
        QTest::addColumn<int>("expected");
        const auto row = [](const char* name, const char* card, const char* contact, CardMatch m) {
            QTest::newRow(name) << QString::fromUtf8(card) << QString::fromUtf8(contact) << int(m);
        };
        row("uid, another name", "P Meier, Anna; uid urn:uuid:abc", "P Schulz, Eva; uid urn:uuid:ABC", CardMatch::Uid);
        row("uid differs, name and mail", "P Meier, Anna; uid X; mail a@b.de", "P Meier, Anna; uid Y; mail a@b.de",
            CardMatch::NameAndEmail);
        row("Mueller and Müller, mail", "P Mueller, Hans; mail Hans@Example.org", "P Müller, Hans; mail hans@example.org",
            CardMatch::NameAndEmail);
        row("number written otherwise", "P Müller, Hans; tel +49 351 4862910", "P muller, hans; tel 0351/486 29 10",
            CardMatch::NameAndNumber);
        row("birthday", "P Müller, Hans; born 1970-05-01", "P Müller, Hans; born 1970-05-01", CardMatch::NameAndBirthday);
        row("name alone", "P Müller, Hans", "P Müller, Hans", CardMatch::None);
        row("other birthday", "P Müller, Hans; born 1970-05-01", "P Müller, Hans; born 1971-05-01", CardMatch::None);
        row("first name differs", "P Müller, Hans; mail h@b.de", "P Müller, Heinz; mail h@b.de", CardMatch::None);
        row("short number", "P Müller, Hans; tel 12345", "P Müller, Hans; tel 12345", CardMatch::None);
        row("company", "C ACME, GmbH; tel 0351 123456", "C Acme, GmbH; tel 0351123456", CardMatch::NameAndNumber);
        row("person and company", "P ACME, GmbH; tel 0351 123456", "C ACME, GmbH; tel 0351 123456", CardMatch::None);
    }
    void cardMatch()
    {
        QFETCH(QString, card);
        QFETCH(QString, contact);
        QFETCH(int, expected);
        QCOMPARE(int(matchCard(keys(card), keys(contact))), expected);
    }

    void duplicateReasons_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<uint>("expected");
        const auto row = [](const char* name, const char* a, const char* b, Reasons r) {
            QTest::newRow(name) << QString::fromUtf8(a) << QString::fromUtf8(b) << r;
        };
        row("same name", "P Müller, Hans; key 1", "P Mueller, Hans; key 2", SameName);
        row("same name and number", "P Müller, Hans; tel 0351 123456; key 1", "P Müller, Hans; tel +49 351 123456; key 2",
            SameName | SameNumber);
        row("same mail", "P Meier, Anna; mail a@b.de; key 1", "P Schulz, Anna; mail A@B.DE; key 2", SameEmail);
        row("similar name, same town", "P Meier, Hans; town Dresden; key 1", "P Meyer, H.; town dresden; key 2",
            SimilarNameSameTown);
        row("similar first names", "P Schmidt, Christoph; town Köln; key 1", "P Schmitt, Kristof; town Koeln; key 2",
            SimilarNameSameTown);
        row("similar name, other town", "P Meier, Hans; town Dresden; key 1", "P Meyer, Hans; town Leipzig; key 2", 0);
        row("other first name", "P Meier, Hans; town Dresden; key 1", "P Meyer, Anna; town Dresden; key 2", 0);
        row("colleagues share the office line", "P Meier, Anna; tel 0351 123456; works 9; key 1",
            "P Schulz, Eva; tel 0351 123456; works 9; key 2", 0);
        row("same number, other companies", "P Meier, Anna; tel 0351 123456; works 8; key 1",
            "P Schulz, Eva; tel 0351 123456; works 9; key 2", SameNumber);
        row("person and company", "P ACME, GmbH; key 1", "C ACME, GmbH; key 2", 0);
        row("itself", "P Müller, Hans; key 1", "P Müller, Hans; key 1", 0);
    }
    void duplicateReasons()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(uint, expected);
        QCOMPARE(pellori::cleanup::duplicateReasons(keys(a), keys(b)), expected);
        QCOMPARE(pellori::cleanup::duplicateReasons(keys(b), keys(a)), expected);
    }

    // Linked contacts form one group, the strongest group comes first, and a
    // line more contacts share than kSharedLimit links nobody.
    void groupsStrongestFirst()
    {
        QList<MatchKeys> book;
        for (const char* c : {"P Meier, Hans; town Dresden; key 1", "P Meyer, Hans; town Dresden; key 2",
                              "P Müller, Eva; key 3", "P Mueller, Eva; tel 0351 999999; key 4",
                              "P Schulz, Eva; tel 0351 999999; key 5", "P Lang, Udo; key 6"})
            book << keys(QString::fromUtf8(c));
        for (int i = 0; i <= kSharedLimit; ++i)
            book << keys(QStringLiteral("P Person%1, X; mail office@firma.de; key %2").arg(i).arg(10 + i));
        const QList<DuplicateGroup> groups = findDuplicates(book);
        QCOMPARE(groups.size(), 2);
        QCOMPARE(groups[0].keys, QList<int>({3, 4, 5}));
        QCOMPARE(groups[0].reasons, Reasons(SameName | SameNumber));
        QCOMPARE(groups[1].keys, QList<int>({1, 2}));
        QCOMPARE(groups[1].reasons, Reasons(SimilarNameSameTown));
    }
};

QTEST_GUILESS_MAIN(TestMatchRules)
#include "tst_matchrules.moc"
