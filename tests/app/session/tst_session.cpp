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

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
