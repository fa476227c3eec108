// Conversions on the way into the database, without one: whole numbers held to
// their column's range, four-digit years, and text the character set can store.
#include "data/FieldValue.h"
#include "settings/AppError.h"

#include <QLocale>
#include <QTest>

using namespace pellori;

namespace {

// The error text of a call, or an empty text when it did not throw.
template <typename F>
QString refusal(F&& f)
{
    try {
        f();
    } catch (const AppError& e) {
        return e.message();
    }
    return QString();
}

} // namespace

class TestFieldValue : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void integersKeepToTheirRange_data();
    void integersKeepToTheirRange();
    void datesHaveFourDigitYears_data();
    void datesHaveFourDigitYears();
    void textOutsideTheCharacterSetIsRefused_data();
    void textOutsideTheCharacterSetIsRefused();
    void cutNeverSplitsAUtf8Sequence();
};

void TestFieldValue::integersKeepToTheirRange_data()
{
    QTest::addColumn<QVariant>("input");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qlonglong>("expected");
    QTest::newRow("16 max") << QVariant(32767) << 16 << 0 << true << 32767LL;
    QTest::newRow("16 over") << QVariant(32768) << 16 << 0 << false << 0LL;
    QTest::newRow("16 min") << QVariant(-32768) << 16 << 0 << true << -32768LL;
    QTest::newRow("32 wraps to 2") << QVariant(4294967298LL) << 32 << 0 << false << 0LL;
    QTest::newRow("32 text over") << QVariant("4294967396") << 32 << 0 << false << 0LL;
    QTest::newRow("32 text blanks") << QVariant("  42 ") << 32 << 0 << true << 42LL;
    QTest::newRow("32 text junk") << QVariant("4x") << 32 << 0 << false << 0LL;
    QTest::newRow("integral double") << QVariant(2.0) << 32 << 0 << true << 2LL;
    QTest::newRow("fraction") << QVariant(2.5) << 32 << 0 << false << 0LL;
    QTest::newRow("64 max") << QVariant("9223372036854775807") << 64 << 0 << true << 9223372036854775807LL;
    QTest::newRow("64 over") << QVariant("9223372036854775808") << 64 << 0 << false << 0LL;
    QTest::newRow("unsigned over") << QVariant(quint64(1) << 63) << 64 << 0 << false << 0LL;
    QTest::newRow("scaled") << QVariant("12.34") << 64 << -2 << true << 1234LL;
}

void TestFieldValue::integersKeepToTheirRange()
{
    QFETCH(QVariant, input);
    QFETCH(int, bits);
    QFETCH(int, scale);
    QFETCH(bool, ok);
    QFETCH(qlonglong, expected);
    qint64 got = 0;
    const QString error = refusal([&] { got = value::toInteger(input, bits, "F", scale); });
    if (ok) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(qlonglong(got), expected);
    } else {
        QCOMPARE(error, QString("'%1' is not a valid integer value for field 'F'").arg(input.toString()));
    }
}

void TestFieldValue::datesHaveFourDigitYears_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("expected");   // invalid: refused
    QTest::newRow("de 1925") << "de_DE" << "01.02.1925" << QDate(1925, 2, 1);
    QTest::newRow("de short digits") << "de_DE" << "1.2.1925" << QDate(1925, 2, 1);
    QTest::newRow("de two-digit year") << "de_DE" << "01.02.25" << QDate();
    QTest::newRow("us 1925") << "en_US" << "2/1/1925" << QDate(1925, 2, 1);
    QTest::newRow("iso") << "en_US" << "1925-02-01" << QDate(1925, 2, 1);
    QTest::newRow("no date") << "de_DE" << "31.02.1925" << QDate();
}

void TestFieldValue::datesHaveFourDigitYears()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QDate, expected);
    QLocale::setDefault(QLocale(locale));
    QDate got;
    const QString error = refusal([&] { got = value::toDate(typed); });
    if (expected.isValid()) {
        QCOMPARE(got, expected);
        // What is shown reads back as the same day.
        QCOMPARE(value::toDate(value::formatDate(got)), got);
        QVERIFY(value::formatDate(got).contains("1925"));
    } else {
        QCOMPARE(error, QString("'%1' is not a valid date").arg(typed));
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestFieldValue::textOutsideTheCharacterSetIsRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("latin1At");   // -1: storable
    QTest::newRow("euro") << QString("Preis 5 \u20AC") << 8;
    QTest::newRow("dagger") << QString("\u2020 Meier") << 0;
    QTest::newRow("A macron") << QString("\u0100") << 0;
    QTest::newRow("quotes") << QString("\u201EJa\u201C") << 0;
    QTest::newRow("every Latin-1 byte") << QString::fromLatin1("\x80\x9f\xa0\xab\xbb\xc4\xd6\xdc\xdf\xff") << -1;
}

void TestFieldValue::textOutsideTheCharacterSetIsRefused()
{
    QFETCH(QString, text);
    QFETCH(int, latin1At);
    QCOMPARE(int(value::firstUnstorable(text, TextEncoding::Latin1)), latin1At);
    QCOMPARE(int(value::firstUnstorable(text, TextEncoding::Utf8)), -1);
    const QString error = refusal([&] { value::encode(text, TextEncoding::Latin1, "O_NAME1"); });
    if (latin1At < 0) {
        QVERIFY(error.isEmpty());
        QCOMPARE(value::decode(value::encode(text, TextEncoding::Latin1, "X"), TextEncoding::Latin1), text);
    } else {
        QVERIFY2(error.contains("'O_NAME1'") && error.contains(text.at(latin1At)), qPrintable(error));
    }
}

void TestFieldValue::cutNeverSplitsAUtf8Sequence()
{
    const QByteArray bytes = QString("ab\u00E4\u20AC").toUtf8();   // 1+1+2+3 bytes
    QCOMPARE(value::cutBytes(bytes, 3, TextEncoding::Utf8), QByteArray("ab"));
    QCOMPARE(value::cutBytes(bytes, 4, TextEncoding::Utf8), QString("ab\u00E4").toUtf8());
    QCOMPARE(value::cutBytes(bytes, 3, TextEncoding::Latin1).size(), 3);
}

QTEST_GUILESS_MAIN(TestFieldValue)
#include "tst_fieldvalue.moc"
