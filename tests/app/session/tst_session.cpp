// The session's start-up steps on a program folder without a window: one read
// of the configuration file feeds the version test, the login and the standard
// values, and a value that is not a number stops exactly where it stands.
#include "app/session/PelloriSession.h"
#include "settings/AppError.h"
#include "settings/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace pellori;

class TestSession : public QObject {
    Q_OBJECT
private slots:
    void startUpStepsReadOneFile();
    void anExposedConfigurationIsReported_data();
    void anExposedConfigurationIsReported();
};

void TestSession::startUpStepsReadOneFile()
{
    QTemporaryDir dir;
    PelloriSession missing(dir.path());
    const IniSnapshot none = missing.readConfiguration();
    QCOMPARE(missing.configPath(), dir.filePath("Pellori.ini"));
    QVERIFY(missing.versionMessage(none).has_value());
    missing.setUpConnection(none);
    const QStringList configured{"user_name=", "password=", "lc_ctype="};
    QCOMPARE(missing.connection().params, PelloriSession::builtInLogin() + configured);
    QCOMPARE(missing.connection().databaseName(), dir.filePath("PELLORI.QVX"));
    missing.readStandardValues(none);
    QCOMPARE(missing.standardValues().internetTypeCompany, 1);
    QCOMPARE(missing.standardValues().administratorMode, QString("0"));

    QFile f(dir.filePath("Pellori.ini"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Pellori]\r\nVersion= \"1.0\" \r\n[StandardValues]\r\naddresstype=02\r\ncommunicationtype=x\r\n"
            "internettype=5\r\nadministratormode=0\r\n");
    f.close();
    PelloriSession s(dir.path());
    const IniSnapshot ini = s.readConfiguration();
    QVERIFY(!s.versionMessage(ini).has_value());
    QVERIFY_THROWS_EXCEPTION(AppError, s.readStandardValues(ini));
    QCOMPARE(s.standardValues().addressType, 2);
    QCOMPARE(s.standardValues().communicationType, 0);   // the failing key and those after it keep 0
    QCOMPARE(s.standardValues().internetType, 0);
    QCOMPARE(s.standardValues().administratorMode, QString());
}

void TestSession::anExposedConfigurationIsReported_data()
{
    // Only where it holds a server's password, and never changed.
    QTest::addColumn<QByteArray>("server");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("reported");
    QTest::newRow("server, owner only") << QByteArray("officepc") << 0600 << false;
    QTest::newRow("server, readable by all") << QByteArray("officepc") << 0644 << true;
    QTest::newRow("server, readable by the group") << QByteArray("officepc") << 0640 << true;
    QTest::newRow("no server, readable by all") << QByteArray() << 0644 << false;
}

void TestSession::anExposedConfigurationIsReported()
{
    QFETCH(QByteArray, server);
    QFETCH(int, mode);
    QFETCH(bool, reported);
    QTemporaryDir dir;
    const QString path = dir.filePath("Pellori.ini");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[Pellori]\r\nVersion=1.0\r\n[Database]\r\nserver=" + server + "\r\n");
    f.close();
    // Qt's permission bits: one hexadecimal digit each for owner, user, group and others.
    const int owner = (mode >> 6) & 7, group = (mode >> 3) & 7, others = mode & 7;
    const auto permissions = QFileDevice::Permissions(owner << 12 | owner << 8 | group << 4 | others);
    QVERIFY(QFile::setPermissions(path, permissions));
    PelloriSession s(dir.path());
    const std::optional<QString> message = s.exposedConfigurationMessage(s.readConfiguration());
    QCOMPARE(message.has_value(), reported);
    if (message)
        QVERIFY2(message->contains("chmod 600 \"" + path + '"'), qPrintable(*message));
    QCOMPARE(QFile::permissions(path), permissions);
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
