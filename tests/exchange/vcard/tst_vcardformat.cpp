// The vCard reader and writer on their own: line structure, escaping,
// quoted-printable and character sets, refused files, folding, and the
// writer's output as an independent parser (python3-vobject) reads it.
#include "exchange/ContactText.h"
#include "exchange/FileWriting.h"
#include "exchange/vcard/CardMapping.h"
#include "exchange/vcard/VCardReader.h"
#include "exchange/vcard/VCardWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

using namespace pellori;
using namespace pellori::vcard;
using exchange::ReadErrorKind;

Q_DECLARE_METATYPE(ReadErrorKind)

namespace {

QByteArray card(const QByteArray& body, const QByteArray& version = "3.0")
{
    return "BEGIN:VCARD\r\nVERSION:" + version + "\r\n" + body + "END:VCARD\r\n";
}

} // namespace

class TestVCardFormat : public QObject {
    Q_OBJECT

private slots:
    void readsProperty_data();
    void readsProperty();
    void refusesMalformedFile_data();
    void refusesMalformedFile();
    void readsWhatItCanAndNotesTheRest_data();
    void readsWhatItCanAndNotesTheRest();
    void fullDiskLeavesOldFileWhole();
    void readsManyCards();
    void foldsAtOctetsWithoutSplittingCharacters_data();
    void foldsAtOctetsWithoutSplittingCharacters();
    void writerOutputReadsBack_data();
    void writerOutputReadsBack();
    void independentParserReadsExport();
};

void TestVCardFormat::readsProperty_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("types");
    QTest::addColumn<QString>("components");   // joined with "|"

    QTest::newRow("folded with blank") << card("NOTE:abc\r\n def\r\n") << "" << "" << "abcdef";
    QTest::newRow("folded with tab, LF ends") << QByteArray("BEGIN:VCARD\nVERSION:3.0\nNOTE:abc\n\tdef\nEND:VCARD\n")
                                              << "" << "" << "abcdef";
    QTest::newRow("fold inside a UTF-8 sequence") << card("NOTE:M\xC3\r\n \xBC" "ller\r\n") << "" << "" << "Müller";
    QTest::newRow("escapes") << card("NOTE:a\\,b\\;c\\nd\\\\e\\Nf\r\n") << "" << "" << "a,b;c\nd\\e\nf";
    QTest::newRow("escaped separator in a component") << card("N:M\\;x;Hans;;;\r\n") << "" << "" << "M;x|Hans|||";
    QTest::newRow("colon escaped by Apple") << card("URL:http\\://example.org\r\n") << "" << "" << "http://example.org";
    QTest::newRow("group, lower case") << card("item1.tel;type=CELL:0171\r\n") << "item1" << "cell" << "0171";
    QTest::newRow("repeated TYPE") << card("TEL;TYPE=WORK;TYPE=FAX:1\r\n") << "" << "work,fax" << "1";
    QTest::newRow("quoted TYPE list") << card("TEL;TYPE=\"work,voice\":1\r\n", "4.0") << "" << "work,voice" << "1";
    QTest::newRow("2.1 bare types") << card("TEL;WORK;VOICE:1\r\n", "2.1") << "" << "work,voice" << "1";
    QTest::newRow("colon inside a quoted parameter") << card("TEL;X-A=\"a:b\":1\r\n") << "" << "" << "1";
    QTest::newRow("quoted-printable Latin-1, soft break")
        << card("NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=ISO-8859-1:Gr=FC=DFe =\r\naus K=F6ln\r\n", "2.1") << "" << ""
        << "Grüße aus Köln";
    QTest::newRow("2.1 bare QUOTED-PRINTABLE, line break")
        << card("NOTE;QUOTED-PRINTABLE:a=0D=0Ab\r\n", "2.1") << "" << "" << "a\nb";
    QTest::newRow("quoted-printable UTF-8 without charset")
        << card("N;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;Hans\r\n", "2.1") << "" << "" << "Müller|Hans";
    QTest::newRow("quoted-printable Windows-1252 without charset")
        << card("N;ENCODING=QUOTED-PRINTABLE:M=FCller=80\r\n", "2.1") << "" << "" << "Müller€";
    QTest::newRow("Latin-1 file") << card("N:M\xFCller;J\xF6rg\r\n") << "" << "" << "Müller|Jörg";
    QTest::newRow("Windows-1252 in a Latin-1 file") << card("NOTE:\x84Hallo\x93 \x80 \xE9\r\n") << "" << ""
                                                    << "„Hallo“ € é";
    QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + card("N:M\xC3\xBCller\r\n") << "" << "" << "Müller";
    QTest::newRow("UTF-8 labelled Latin-1") << card("N;CHARSET=ISO-8859-1:M\xC3\xBCller\r\n", "2.1") << "" << ""
                                            << "Müller";
    QTest::newRow("Latin-1 labelled UTF-8") << card("N;CHARSET=UTF-8:M\xFCller\r\n", "2.1") << "" << ""
                                            << "Müller";
    QTest::newRow("ISO-8859-15") << card("NOTE;CHARSET=ISO-8859-15:\xA4\xBC\r\n", "2.1") << "" << "" << "€Œ";
    QTest::newRow("RFC 6868 carets in 4.0") << card("NOTE;X-A=\"^'x^'\":v\r\n", "4.0") << "" << "" << "v";

    const QString utf16Text = QString::fromUtf8(card("N:Łukasz\r\n"));
    QByteArray utf16("\xFF\xFE");
    for (const QChar c : utf16Text)
        utf16 += char(c.unicode() & 0xFF), utf16 += char(c.unicode() >> 8);
    QTest::newRow("UTF-16 with BOM") << utf16 << "" << "" << "Łukasz";
}

void TestVCardFormat::readsProperty()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, group);
    QFETCH(QString, types);
    QFETCH(QString, components);
    const ReadResult read = readCards(file);
    QVERIFY2(read.ok(), qPrintable(exchange::readErrorText(*read.error)));
    QCOMPARE(read.cards.size(), 1);
    QCOMPARE(read.cards[0].properties.size(), 1);
    const Property& p = read.cards[0].properties[0];
    QCOMPARE(p.group, group);
    QCOMPARE(p.types().join(u','), types);
    QCOMPARE(p.components().join(u'|'), components);
    if (QByteArray(QTest::currentDataTag()).contains("carets"))
        QCOMPARE(p.parameter("X-A"), QStringList{"\"x\""});
}

void TestVCardFormat::refusesMalformedFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<ReadErrorKind>("kind");
    QTest::addColumn<int>("line");

    QTest::newRow("empty") << QByteArray() << ReadErrorKind::NoCard << 0;
    QTest::newRow("only blank lines") << QByteArray("\r\n\r\n") << ReadErrorKind::NoCard << 0;
    QTest::newRow("not a vCard") << QByteArray("\x89PNG\r\n\x1A\n") << ReadErrorKind::BeginExpected << 1;
    QTest::newRow("text after a card") << card("FN:A\r\n") + "FN:B\r\n" << ReadErrorKind::BeginExpected << 5;
    QTest::newRow("card inside a card") << "BEGIN:VCARD\r\nVERSION:3.0\r\n" + card("FN:A\r\n")
                                        << ReadErrorKind::NestedBegin << 3;
    QTest::newRow("no end") << card("FN:A\r\n") + "BEGIN:VCARD\r\nFN:B\r\n" << ReadErrorKind::NoEnd << 5;
    QTest::newRow("the last card breaks off after a nested one")
        << card("N:A\r\n") + "BEGIN:VCARD\r\n" + card("N:B\r\n") << ReadErrorKind::NestedBegin << 6;
}

void TestVCardFormat::refusesMalformedFile()
{
    QFETCH(QByteArray, file);
    QFETCH(ReadErrorKind, kind);
    QFETCH(int, line);
    const ReadResult read = readCards(file);
    QVERIFY(!read.ok());
    QVERIFY(read.cards.isEmpty());
    QCOMPARE(read.error->kind, kind);
    QCOMPARE(read.error->line, line);
    const QString message = exchange::readErrorText(*read.error);
    QVERIFY2(line == 0 || message.startsWith(QStringLiteral("Line %1: ").arg(line)), qPrintable(message));
    // The caller gets nothing to import either.
    QVERIFY(exchange::readContacts(file).contacts.isEmpty());
}

void TestVCardFormat::readsWhatItCanAndNotesTheRest_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("cards");   // per card: its properties "NAME=text" joined by " | "
    QTest::addColumn<QStringList>("notes");   // "line: kind value"

    const QStringList none;
    QTest::newRow("no colon, after a folded line")
        << card("NOTE:a\r\n b\r\nJUNK\r\nFN:X\r\n") << QStringList{"NOTE=ab | FN=X"} << QStringList{"5: LineNotRead JUNK"};
    QTest::newRow("blank in a name") << card("TE L:1\r\n") << QStringList{"TE L=1"} << none;
    QTest::newRow("bad group") << card("it em.TEL:1\r\n") << QStringList{"TEL=1"} << none;
    QTest::newRow("open quote") << card("TEL;TYPE=\"work:1\r\n") << QStringList{"TEL=1"} << none;
    QTest::newRow("name of an instant messenger")
        << card("X-messaging/xmpp-All:a@b.example\r\n") << QStringList{"X-MESSAGING/XMPP-ALL=a@b.example"} << none;
    QTest::newRow("version") << card("FN:A\r\n", "5.0") << QStringList{"FN=A"} << QStringList{"2: UnknownVersion 5.0"};
    QTest::newRow("unknown character set, UTF-8 bytes")
        << card("FN;CHARSET=KLINGON:M\xC3\xBCller\r\n") << QStringList{"FN=Müller"}
        << QStringList{"3: UnknownCharset KLINGON UTF-8"};
    QTest::newRow("unknown character set, other bytes")
        << card("FN;CHARSET=KLINGON:M\xFCller\r\n") << QStringList{"FN=Müller"}
        << QStringList{"3: UnknownCharset KLINGON Windows-1252"};
    QTest::newRow("Shift_JIS") << card("N;CHARSET=SHIFT_JIS:\x88\xC0\x93\xA1;;;;\r\n", "2.1")
                               << QStringList{"N=安藤;;;;"} << none;
    QTest::newRow("Windows-1251, quoted-printable")
        << card("N;CHARSET=WINDOWS-1251;ENCODING=QUOTED-PRINTABLE:=C8=E2=E0=ED=EE=E2;=C8=E2=E0=ED\r\n", "2.1")
        << QStringList{"N=Иванов;Иван"} << none;
    QTest::newRow("comment lines, and one a soft break carries on")
        << card("# before\r\nNOTE;ENCODING=QUOTED-PRINTABLE:a=\r\n#b\r\n# after\r\n", "2.1")
        << QStringList{"NOTE=a#b"} << QStringList{"3: CommentLine # before", "6: CommentLine # after"};
    QTest::newRow("address line carried on after a backslash")
        << card("ADR;HOME:;;Hermann v. Brevern\\\r\n9999999\\\r\nPackstation 999;Hamburg;;99999;\r\nN:X\r\n", "2.1")
        << QStringList{"ADR=;;Hermann v. Brevern\n9999999\nPackstation 999;Hamburg;;99999; | N=X"} << none;
    QTest::newRow("cards inside a card")
        << "BEGIN:VCARD\r\nN:parent\r\n" + card("N:nest1\r\n") + card("N:nest2\r\n") + "TEL:1\r\nEND:VCARD\r\n"
        << QStringList{"N=parent | TEL=1", "N=nest1", "N=nest2"} << QStringList{"3: NestedCard", "7: NestedCard"};
    QTest::newRow("two exports joined, each with a byte order mark")
        << "\xEF\xBB\xBF" + card("N:A\r\n") + "\xEF\xBB\xBF" + card("N:B\r\n") << QStringList{"N=A", "N=B"} << none;
    QTest::newRow("BEGIN and END in a group, lower case")
        << QByteArray("home.begin:vcard\r\nn:Berger;Meister\r\nEND:vCard\r\n") << QStringList{"N=Berger;Meister"}
        << none;
}

void TestVCardFormat::readsWhatItCanAndNotesTheRest()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, cards);
    QFETCH(QStringList, notes);
    const ReadResult read = readCards(file);
    QVERIFY2(read.ok(), qPrintable(exchange::readErrorText(*read.error)));
    QStringList gotCards, gotNotes;
    for (const Card& c : read.cards) {
        QStringList props;
        for (const Property& p : c.properties)
            props << p.name + u'=' + p.text();
        gotCards << props.join(" | ");
        for (const exchange::Note& n : c.notes) {
            static const char* kinds[] = {"LineNotRead", "CommentLine", "UnknownCharset", "UnknownVersion", "NestedCard"};
            const int k = int(n.kind) - int(exchange::NoteKind::LineNotRead);
            gotNotes << QString("%1: %2 %3 %4").arg(n.line).arg(kinds[k], n.value, n.detail).trimmed();
            QVERIFY(exchange::noteText(n).startsWith("Line ") || n.kind == exchange::NoteKind::UnknownVersion);
        }
    }
    QCOMPARE(gotCards, cards);
    QCOMPARE(gotNotes, notes);
}

void TestVCardFormat::fullDiskLeavesOldFileWhole()
{
    // A tiny file system of its own, in a mount namespace of a child process:
    // a full disk that no privilege gets round.
    const QString unshare = QStandardPaths::findExecutable("unshare");
    if (qEnvironmentVariableIsSet("PELLORI_SAVE_INTO")) {
        const exchange::SaveResult r = exchange::saveFile(qEnvironmentVariable("PELLORI_SAVE_INTO"), QByteArray(10000, 'x'));
        std::printf("saved: %d %d %s\n", r.ok, r.diskFull, qPrintable(r.reason));
        std::exit(0);
    }
    QTemporaryDir dir;
    const QString script = QStringLiteral(
        "mount -t tmpfs -o size=64k tmpfs \"$1\" || exit 3\n"
        "head -c 61440 /dev/zero > \"$1/fill\"; printf old > \"$1/out.vcf\"\n"
        "PELLORI_SAVE_INTO=\"$1/out.vcf\" \"$2\" fullDiskLeavesOldFileWhole\n"
        "echo \"[$(cat \"$1/out.vcf\")]\"; ls -A \"$1\"");
    QProcess child;
    child.start(unshare, {"-Urm", "sh", "-c", script, "sh", dir.path(), QCoreApplication::applicationFilePath()});
    QVERIFY(child.waitForFinished(60000));
    if (unshare.isEmpty() || child.exitCode() == 3)
        QSKIP("no mount namespace for a small file system here");
    QStringList out = QString::fromLocal8Bit(child.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    while (!out.isEmpty() && !out.first().startsWith("saved: "))
        out.removeFirst();
    QVERIFY2(out.size() >= 3, qPrintable(out.join('|')));
    QCOMPARE(out[0].left(11), QString("saved: 0 1 "));   // failed, for want of room
    QCOMPARE(out[1], QString("[old]"));
    QCOMPARE(out.mid(2), (QStringList{"fill", "out.vcf"}));   // and nothing beside it
}

void TestVCardFormat::readsManyCards()
{
    QByteArray file;
    for (int i = 0; i < 300; ++i)
        file += card("FN:Person " + QByteArray::number(i) + "\r\n") + "\r\n";
    const ReadResult read = readCards(file);
    QVERIFY(read.ok());
    QCOMPARE(read.cards.size(), 300);
    QCOMPARE(read.cards[299].first("FN")->text(), QStringLiteral("Person 299"));
    QCOMPARE(read.cards[299].line, 299 * 5 + 1);
}

void TestVCardFormat::foldsAtOctetsWithoutSplittingCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII") << QString(300, u'x');
    QTest::newRow("two-octet") << QString("a") + QString(200, u'ü');
    QTest::newRow("three-octet") << QString("ab") + QString(100, QChar(0x20AC));
    QTest::newRow("four-octet") << QString("abc") + QString::fromUtf8("\xF0\x9F\x98\x80").repeated(60);
    QTest::newRow("escapes near the fold") << QString("a;b,c\\d\n").repeated(40);
}

void TestVCardFormat::foldsAtOctetsWithoutSplittingCharacters()
{
    QFETCH(QString, text);
    const QByteArray out = writeCards({Card{.properties = {Property::fromText("NOTE", text)}}});
    QVERIFY(out.endsWith("END:VCARD\r\n"));
    for (QByteArray line : out.split('\n').mid(0, out.count('\n'))) {
        QVERIFY(line.endsWith('\r'));
        line.chop(1);
        QVERIFY2(line.size() <= 75, line.constData());
        QCOMPARE(QString::fromUtf8(line).toUtf8(), line);   // whole characters only
    }
    const ReadResult read = readCards(out);
    QVERIFY(read.ok());
    QCOMPARE(read.cards[0].first("NOTE")->text(), text);
}

void TestVCardFormat::writerOutputReadsBack_data()
{
    QTest::addColumn<QStringList>("components");
    QTest::addColumn<QString>("parameter");
    QTest::newRow("plain") << QStringList{"Meier", "Hans"} << "Frau Lange";
    QTest::newRow("separators in values") << QStringList{"a;b", "c,d", "e\\f", "g\nh"} << "x;y,z:w";
    QTest::newRow("quotes and carets in a parameter") << QStringList{"\"q\""} << "say \"hi\" ^ \nnext";
    QTest::newRow("empty components") << QStringList{"", "", "Street", "", ""} << "";
}

void TestVCardFormat::writerOutputReadsBack()
{
    QFETCH(QStringList, components);
    QFETCH(QString, parameter);
    Property p = Property::fromComponents("ADR", components);
    if (!parameter.isEmpty())
        p.with("X-ASSISTANT", {parameter});
    const ReadResult read = readCards(writeCards({Card{.properties = {p}}}));
    QVERIFY(read.ok());
    const Property& back = read.cards[0].properties[0];
    QCOMPARE(read.cards[0].version, QStringLiteral("4.0"));
    QCOMPARE(back.components(), components);
    QCOMPARE(back.parameter("X-ASSISTANT"), parameter.isEmpty() ? QStringList() : QStringList{parameter});
}

void TestVCardFormat::independentParserReadsExport()
{
    using namespace pellori::exchange;
    Contact person{.kind = ContactKind::Person, .name1 = "Müller", .name2 = "Hans Peter", .salutation = "Herr",
                   .title = "Dr.", .nickname = "Hansi", .birthday = QDate(1962, 1, 14), .employer1 = "Müller & Söhne",
                   .employer2 = "GmbH", .additional = QString("Erste Zeile, mit Komma; und Semikolon\nZweite ")
                                                       .repeated(4),
                   .numbers = {{.type = "Mobil geschäftlich", .prefix = "0172", .number = "5566778",
                                .assistant = "Lange, Frau", .preferred = true},
                               {.type = "Ferienhaus", .prefix = "+41 31", .number = "3114455"},
                               {.type = "Fax", .prefix = "", .number = "0221 12345"}},
                   .internet = {{.type = "E-Mail", .address = "hans@example.de"},
                                {.type = "Homepage", .address = "https://example.de/a,b"}},
                   .addresses = {{.type = "Privat", .street = "Hohe Straße 88", .town = "Köln", .postcode = "50667",
                                  .country = "Deutschland", .preferred = true}},
                   .groups = {"Ärzte", "Freunde, alte"}};
    Contact company{.kind = ContactKind::Company, .name1 = "Élysée Optique", .name2 = "S.A.R.L.",
                    .birthday = QDate(kYearUnknown, 2, 29)};
    Contact noYear{.name1 = "Ohne", .birthday = QDate(kYearUnknown, 2, 29), .alive = false};

    QTemporaryDir dir;
    const QString path = dir.filePath("export.vcf");
    QVERIFY(saveFile(path, writeContacts({person, company, noYear})).ok);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"export.vcf"});   // nothing left beside it

    const char* script = R"PY(
import json, sys, vobject
raw = open(sys.argv[1], 'rb').read()
lines = raw.split(b'\r\n')
assert lines[-1] == b'' and all(b'\n' not in l and len(l) <= 75 for l in lines), 'line ends or lengths'
out = []
for c in vobject.readComponents(raw.decode('utf-8'), validate=True):
    n = c.n.value
    tels = [{'value': t.value, 'type': t.params.get('TYPE', []), 'pref': t.params.get('PREF', []),
             'assistant': t.params.get('X-ASSISTANT', []), 'group': t.group or '',
             'prefix': t.params.get('X-PELLORI-PREFIX', [])} for t in c.contents.get('tel', [])]
    labels = {l.group: l.value for l in c.contents.get('x-ablabel', [])}
    adr = [{'street': a.value.street, 'city': a.value.city, 'code': a.value.code, 'country': a.value.country}
           for a in c.contents.get('adr', [])]
    out.append({'version': c.version.value, 'fn': c.fn.value, 'family': n.family, 'given': n.given,
                'prefix': n.prefix, 'org': c.org.value if 'org' in c.contents else [],
                'kind': c.kind.value if 'kind' in c.contents else '',
                'note': c.note.value if 'note' in c.contents else '',
                'bday': c.bday.value if 'bday' in c.contents else '',
                'death': 'deathdate' in c.contents,
                'tels': tels, 'labels': labels, 'adr': adr,
                'emails': [e.value for e in c.contents.get('email', [])],
                'urls': [u.value for u in c.contents.get('url', [])],
                'categories': c.categories.value if 'categories' in c.contents else []})
print(json.dumps(out))
)PY";
    QProcess python;
    const QString interpreter = QFile::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
    python.start(interpreter, {"-c", script, path});
    QVERIFY(python.waitForFinished(60000));
    const QByteArray err = python.readAllStandardError();
    if (err.contains("No module named 'vobject'"))
        QFAIL("python3-vobject is missing: bash scripts/install-deps.sh --tests installs it");
    QVERIFY2(python.exitCode() == 0, err.constData());
    const QJsonArray cards = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    QCOMPARE(cards.size(), 3);

    const QJsonObject p = cards[0].toObject();
    QCOMPARE(p["version"].toString(), QStringLiteral("4.0"));
    QCOMPARE(p["fn"].toString(), QStringLiteral("Dr. Hans Peter Müller"));
    QCOMPARE(p["family"].toString(), QStringLiteral("Müller"));
    QCOMPARE(p["given"].toString(), QStringLiteral("Hans Peter"));
    QCOMPARE(p["prefix"].toString(), QStringLiteral("Herr Dr."));
    QCOMPARE(p["org"].toVariant().toStringList(), (QStringList{"Müller & Söhne", "GmbH"}));
    QCOMPARE(p["note"].toString(), person.additional);
    QCOMPARE(p["bday"].toString(), QStringLiteral("19620114"));
    const QJsonArray tels = p["tels"].toArray();
    QCOMPARE(tels.size(), 3);
    QCOMPARE(tels[0]["value"].toString(), QStringLiteral("0172 5566778"));
    QCOMPARE(tels[0]["type"].toVariant().toStringList(), (QStringList{"cell", "work"}));
    QCOMPARE(tels[0]["pref"].toVariant().toStringList(), QStringList{"1"});
    QCOMPARE(tels[0]["assistant"].toVariant().toStringList(), QStringList{"Lange, Frau"});
    QCOMPARE(p["labels"][tels[1]["group"].toString()].toString(), QStringLiteral("Ferienhaus"));
    QCOMPARE(tels[2]["prefix"].toVariant().toStringList(), QStringList{""});   // typed without one
    QCOMPARE(p["adr"][0]["street"].toString(), QStringLiteral("Hohe Straße 88"));
    QCOMPARE(p["adr"][0]["code"].toString(), QStringLiteral("50667"));
    QCOMPARE(p["emails"].toVariant().toStringList(), QStringList{"hans@example.de"});
    QCOMPARE(p["urls"].toVariant().toStringList(), QStringList{"https://example.de/a,b"});
    QCOMPARE(p["categories"].toVariant().toStringList(), (QStringList{"Ärzte", "Freunde, alte"}));

    const QJsonObject c = cards[1].toObject();
    QCOMPARE(c["kind"].toString(), QStringLiteral("org"));
    QCOMPARE(c["org"].toVariant().toStringList(), (QStringList{"Élysée Optique", "S.A.R.L."}));
    QCOMPARE(c["bday"].toString(), QString());   // no birthday for a company
    QCOMPARE(cards[2]["bday"].toString(), QStringLiteral("--0229"));
    QVERIFY(cards[2]["death"].toBool());
}

QTEST_GUILESS_MAIN(TestVCardFormat)
#include "tst_vcardformat.moc"
