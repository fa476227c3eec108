#include "settings/AppError.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace pellori;

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void strToInt_data();
    void strToInt();
    void readDefaults();
    void readStopsAtFirstBadValue();
    void writeThenRead();
    void startUpReadsOneLoad();
    void requiredVersion();

private:
    QTemporaryDir m_dir;
};

void TestSettings::strToInt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("plain") << "12" << true << 12;
    QTest::newRow("leading spaces") << "  42" << true << 42;
    QTest::newRow("plus") << "+7" << true << 7;
    QTest::newRow("minus") << "-5" << true << -5;
    QTest::newRow("leading zeros") << "007" << true << 7;
    QTest::newRow("max") << "2147483647" << true << 2147483647;
    QTest::newRow("min") << "-2147483648" << true << int(-2147483647 - 1);
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("blanks only") << "  " << false << 0;
    QTest::newRow("sign only") << "-" << false << 0;
    QTest::newRow("trailing space") << "1 " << false << 0;
    QTest::newRow("decimal point") << "1.0" << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("digits then letter") << "1a" << false << 0;
    QTest::newRow("above max") << "2147483648" << false << 0;
    QTest::newRow("below min") << "-2147483649" << false << 0;
    QTest::newRow("far too long") << "99999999999999999999999" << false << 0;
}

void TestSettings::strToInt()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    try {
        QCOMPARE(StrToInt(text), value);
        QVERIFY(valid);
    } catch (const AppError& error) {
        QVERIFY(!valid);
        QCOMPARE(error.message(), "'" + text + "' is not a valid integer value");
    }
}

void TestSettings::readDefaults()
{
    const IniSnapshot ini = IniSnapshot::load(m_dir.filePath("missing.ini"), StartUpIniKeys());
    StandardValues values;
    ReadStandardValues(ini, values);
    ReadAdministratorMode(ini, values);
    QCOMPARE(values.addressType, 1);
    QCOMPARE(values.internetTypeCompany, 1);
    QCOMPARE(values.doctors, QString("1"));
    QCOMPARE(values.administratorMode, QString("0"));
}

void TestSettings::readStopsAtFirstBadValue()
{
    const QString path = m_dir.filePath("bad.ini");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[StandardValues]\naddresstype=2\naddresstypecompany= 3\ncommunicationtype=x1\n"
               "communicationtypecompany=5\ndoctors=abc\nadministratormode=\n");
    file.close();

    StandardValues values;
    const IniSnapshot ini = IniSnapshot::load(path, StartUpIniKeys());
    QVERIFY_THROWS_EXCEPTION(AppError, ReadStandardValues(ini, values));
    QCOMPARE(values.addressType, 2);
    QCOMPARE(values.addressTypeCompany, 3);
    QCOMPARE(values.communicationType, 0);
    QCOMPARE(values.communicationTypeCompany, 0);
    QCOMPARE(values.doctors, QString());

    ReadAdministratorMode(ini, values);
    QCOMPARE(values.administratorMode, QString(""));
}

void TestSettings::writeThenRead()
{
    const QString path = m_dir.filePath("Pellori.ini");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Pellori]\r\nVersion=1.0\r\n[StandardValues]\r\nadministratormode=1\r\ndoctors=1\r\n");
    file.close();

    IniFile ini(path);
    const StandardValues written{3, 4, 5, 6, -7, 8, "12", "ignored"};
    WriteStandardValues(ini, written);
    StandardValues read;
    const IniSnapshot snapshot = IniSnapshot::load(path, StartUpIniKeys());
    ReadStandardValues(snapshot, read);
    ReadAdministratorMode(snapshot, read);
    QCOMPARE(read.addressType, 3);
    QCOMPARE(read.addressTypeCompany, 4);
    QCOMPARE(read.communicationType, 5);
    QCOMPARE(read.communicationTypeCompany, 6);
    QCOMPARE(read.internetType, -7);
    QCOMPARE(read.internetTypeCompany, 8);
    QCOMPARE(read.doctors, QString("12"));
    QCOMPARE(read.administratorMode, QString("1"));
    QCOMPARE(snapshot.readString("Pellori", "Version"), QString("1.0"));
}

void TestSettings::startUpReadsOneLoad()
{
    const QString path = m_dir.filePath("once.ini");
    auto write = [&](const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write("[pellori]\nversion=1.0\n[database]\nDBUSERNAME=u\n[mainwindow]\nleft=5\n"
          "[standardvalues]\ninternettypecompany=9\ndoctors=\"3\"\nadministratormode=1\n");
    const IniSnapshot ini = IniSnapshot::load(path, StartUpIniKeys());
    // What the file says later is not seen: the start-up works from the one load.
    write("[StandardValues]\ninternettypecompany=1\n");

    StandardValues values;
    ReadStandardValues(ini, values);
    ReadAdministratorMode(ini, values);
    QCOMPARE(values.internetTypeCompany, 9);
    QCOMPARE(values.addressType, 1);
    QCOMPARE(values.doctors, QString("3"));
    QCOMPARE(values.administratorMode, QString("1"));
    QCOMPARE(ini.readString("Pellori", "Version"), QString("1.0"));
    QCOMPARE(ini.readString("Database", "dbusername"), QString("u"));
    QCOMPARE(ini.readString("Database", "dbpassword", "none"), QString("none"));
    QCOMPARE(ini.readString("MainWindow", "Left"), QString("5"));
}

void TestSettings::requiredVersion()
{
    QVERIFY(IsRequiredIniVersion("1.0"));
    for (const char* other : {"", "1", "1.00", "1,0", " 1.0", "1.0 ", "1.1"})
        QVERIFY2(!IsRequiredIniVersion(other), other);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
