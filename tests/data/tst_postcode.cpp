// The postcode of an address: the number a written postcode gives, and what
// every reader shows of the two columns.
#include "data/Postcode.h"

#include <QTest>

using namespace pellori;

class TestPostcode : public QObject {
    Q_OBJECT
private slots:
    void numberOfWritten_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<qint64>("number");
        QTest::newRow("leading zero") << "01069" << qint64(1069);
        QTest::newRow("blanks around") << " 75011 " << qint64(75011);
        QTest::newRow("British") << "SW1A 1AA" << qint64(0);
        QTest::newRow("Dutch") << "1234 AB" << qint64(0);
        QTest::newRow("Polish") << "00-950" << qint64(0);
        QTest::newRow("sixteen digits") << "1234567890123456" << qint64(1234567890123456);
        QTest::newRow("empty") << "" << qint64(0);
    }
    void numberOfWritten()
    {
        QFETCH(QString, written);
        QFETCH(qint64, number);
        QCOMPARE(postcode::numberOf(written), number);
    }

    void shownPostcode_data()
    {
        QTest::addColumn<QVariant>("written");
        QTest::addColumn<QVariant>("number");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("shown");
        const QVariant none;
        const auto n = [](qint64 x) { return QVariant(x); };
        QTest::newRow("as written") << QVariant("01069") << n(1069) << "Deutschland" << "01069";
        QTest::newRow("changed by a program that knows the number only")
            << QVariant("01069") << n(4109) << "Deutschland" << "04109";
        QTest::newRow("changed elsewhere, abroad") << QVariant("01069") << n(4109) << "France" << "4109";
        QTest::newRow("number set to 0 elsewhere: the text") << QVariant("01069") << n(0) << "" << "01069";
        QTest::newRow("British") << QVariant("SW1A 1AA") << n(0) << "United Kingdom" << "SW1A 1AA";
        QTest::newRow("British, number changed elsewhere") << QVariant("SW1A 1AA") << n(12345) << "" << "12345";
        QTest::newRow("Dutch") << QVariant("1234 AB") << n(0) << "Nederland" << "1234 AB";
        QTest::newRow("old row, German") << none << n(1069) << "Deutschland" << "01069";
        QTest::newRow("old row, DE") << none << n(4109) << " de " << "04109";
        QTest::newRow("old row, Austria") << none << n(801) << QStringLiteral("\u00D6sterreich") << "0801";
        QTest::newRow("old row, Switzerland") << none << n(3011) << "CH" << "3011";
        QTest::newRow("old row, Swiss short") << none << n(999) << "Schweiz" << "0999";
        QTest::newRow("old row, Ireland") << none << n(2) << "Ireland" << "2";
        QTest::newRow("old row, no country") << none << n(1069) << "" << "1069";
        QTest::newRow("old row, none stored") << none << n(0) << "Deutschland" << "0";
        QTest::newRow("blank text counts as none") << QVariant("  ") << n(75011) << "France" << "75011";
        QTest::newRow("nothing") << none << none << "" << "";
    }
    void shownPostcode()
    {
        QFETCH(QVariant, written);
        QFETCH(QVariant, number);
        QFETCH(QString, country);
        QFETCH(QString, shown);
        QCOMPARE(postcode::shown(written, number, country), shown);
    }
};

QTEST_GUILESS_MAIN(TestPostcode)
#include "tst_postcode.moc"
