#include "settings/uBase64Codec.h"

#include <QtTest>

using namespace pellori;

class TestBase64 : public QObject {
    Q_OBJECT

private slots:
    void encode_data();
    void encode();
    void decode_data();
    void decode();
    void allByteValuesRoundTrip();
    void everyTailRoundTrips();
};

void TestBase64::encode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("encoded");

    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("one byte") << QByteArray("a") << QByteArray("YQ==");
    QTest::newRow("two bytes") << QByteArray("ab") << QByteArray("YWI=");
    QTest::newRow("three bytes") << QByteArray("abc") << QByteArray("YWJj");
    QTest::newRow("four bytes") << QByteArray("abcd") << QByteArray("YWJjZA==");
    QTest::newRow("six bytes") << QByteArray("foobar") << QByteArray("Zm9vYmFy");
    QTest::newRow("last two alphabet characters") << QByteArray("\xFB\xFF") << QByteArray("+/8=");
    QTest::newRow("high bytes") << QByteArray("\xFF\xFE\xFD") << QByteArray("//79");
    QTest::newRow("zero bytes") << QByteArray(4, '\0') << QByteArray("AAAAAA==");
}

void TestBase64::encode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, encoded);
    QCOMPARE(EncodeBase64Text(bytes), encoded);
    QCOMPARE(EncodedLength(int(bytes.size())), int(encoded.size()));
}

void TestBase64::decode_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("decoded");

    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("full group") << QByteArray("YWJj") << QByteArray("abc");
    QTest::newRow("one pad") << QByteArray("YWI=") << QByteArray("ab");
    QTest::newRow("two pads") << QByteArray("YQ==") << QByteArray("a");
    QTest::newRow("several groups") << QByteArray("Zm9vYmFyYQ==") << QByteArray("foobara");
    QTest::newRow("pad third ends decoding") << QByteArray("YW=j") << QByteArray("a");
    QTest::newRow("pad third in later group") << QByteArray("YWJjYQ=A") << QByteArray("abca");
    QTest::newRow("length not multiple of 4") << QByteArray("YWJ") << QByteArray();
    QTest::newRow("one character too many") << QByteArray("YWJjY") << QByteArray();
    QTest::newRow("pad second") << QByteArray("Y=Jj") << QByteArray();
    QTest::newRow("pad first") << QByteArray("=WJj") << QByteArray();
    QTest::newRow("only pads") << QByteArray("====") << QByteArray();
    QTest::newRow("pad in non-final group") << QByteArray("YQ==YWJj") << QByteArray();
    QTest::newRow("invalid in non-final group") << QByteArray("YW.jYWJj") << QByteArray();
    QTest::newRow("invalid third") << QByteArray("YW.=") << QByteArray();
    QTest::newRow("invalid fourth") << QByteArray("YWJ.") << QByteArray();
    QTest::newRow("url-safe alphabet") << QByteArray("-_8=") << QByteArray();
    QTest::newRow("line break") << QByteArray("YWJj\nYWJj") << QByteArray();
    QTest::newRow("blank") << QByteArray("YW j") << QByteArray();
    QTest::newRow("high byte") << QByteArray("YW\xE9j") << QByteArray();
    QTest::newRow("nul byte") << QByteArray("YW\0j", 4) << QByteArray();
}

void TestBase64::decode()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, decoded);
    QCOMPARE(DecodeBase64Text(text), decoded);
    // A valid text decodes to exactly the length computed up front.
    if (!decoded.isEmpty())
        QCOMPARE(DecodedLength(text), int(decoded.size()));
}

void TestBase64::allByteValuesRoundTrip()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes += char(b);
    const QByteArray encoded = EncodeBase64Text(bytes);
    QCOMPARE(encoded, bytes.toBase64());
    QCOMPARE(DecodeBase64Text(encoded), bytes);
    QCOMPARE(DecodedLength(encoded), 256);
}

// One- and two-byte tails take their own paths: try every value in them.
void TestBase64::everyTailRoundTrips()
{
    for (int b = 0; b < 256; ++b) {
        const QByteArray one(1, char(b));
        const QByteArray two = QByteArray("\x80") + char(b);
        const QByteArray three = QByteArray("\x7F\x01") + char(b);
        for (const QByteArray& bytes : {one, two, three}) {
            const QByteArray encoded = EncodeBase64Text(bytes);
            QCOMPARE(encoded, bytes.toBase64());
            QCOMPARE(DecodeBase64Text(encoded), bytes);
        }
    }
}

QTEST_GUILESS_MAIN(TestBase64)
#include "tst_base64.moc"
