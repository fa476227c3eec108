// What the main window's error handler shows, and when the program then ends.
#include "MainMessages.h"
#include "app/MainErrorText.h"
#include "data/DbError.h"
#include "settings/Language.h"

#include <firebird/Interface.h>

#include <QTest>
#include <stdexcept>

using namespace pellori;
using pellori::test::employeesMessage;
using pellori::test::loginMessage;

class TestMainErrorText : public QObject {
    Q_OBJECT
private slots:
    void errorMessages_data();
    void errorMessages();
};

void TestMainErrorText::errorMessages_data()
{
    QTest::addColumn<int>("kind");   // 0 database error, 1 program error, 2 other std::exception
    QTest::addColumn<QString>("text");
    QTest::addColumn<long>("code");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("terminates");

    const QString fk = QStringLiteral("violation of FOREIGN KEY constraint \"FK5_PERSON\" on table \"PERSON\"");
    QTest::newRow("employees") << 0 << fk << 335544466L << employeesMessage() << false;
    QTest::newRow("login by code")
        << 0
        << QStringLiteral("Your user name and password are not defined. Ask your database administrator to set up "
                          "a Firebird login.")
        << long(isc_login) << loginMessage() << true;
    QTest::newRow("login by text") << 0 << QStringLiteral("Firebird Login refused") << 0L << loginMessage() << true;
    QTest::newRow("both texts") << 0 << fk + QStringLiteral(" Firebird Login") << long(isc_login)
                                << employeesMessage() << false;
    QTest::newRow("login text in lower case")
        << 0 << QStringLiteral("firebird login refused") << 335544344L << QStringLiteral("firebird login refused")
        << false;
    QTest::newRow("other database error") << 0 << QStringLiteral("arithmetic exception") << 335544321L
                                          << QStringLiteral("arithmetic exception") << false;
    const QString concurrent = QStringLiteral("Database Error:\n\r\n\rAnother user is changing this contact just now, "
                                              "or has just changed it. Nothing was changed here; please try again.");
    for (const long code : {335544345L, 335544336L, 335544451L})
        QTest::addRow("concurrent change %ld", code) << 0 << QStringLiteral("lock conflict on no wait transaction")
                                                     << code << concurrent << false;
    // A shared book's reader changing, a user without a role reading: which text, by the refused access.
    const QString prefix = QStringLiteral("Database Error:\n\r\n\r");
    const TLang lang;
    for (const char* access : {"UPDATE", "INSERT", "DELETE", "USAGE", "SELECT", "EXECUTE"}) {
        const bool read = qstrcmp(access, "SELECT") == 0 || qstrcmp(access, "EXECUTE") == 0;
        QTest::addRow("no permission for %s", access)
            << 0 << QStringLiteral("no permission for %1 access to TABLE OBJECT").arg(QLatin1String(access))
            << DbError::kNoPermission
            << prefix + ReplaceReturn(lang.text(read ? QStringLiteral("shared_noreadaccess") : QStringLiteral("shared_readonly")))
            << false;
    }
    QTest::newRow("program error naming the constraint")
        << 1 << QStringLiteral("FK5_PERSON Firebird Login") << 0L << QStringLiteral("FK5_PERSON Firebird Login")
        << false;
    QTest::newRow("standard exception") << 2 << QStringLiteral("bad things") << 0L << QStringLiteral("bad things")
                                        << false;
}

void TestMainErrorText::errorMessages()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(long, code);
    QFETCH(QString, shown);
    QFETCH(bool, terminates);
    const TLang builtIn;
    MainErrorReport report;
    if (kind == 0)
        report = mainWindowErrorReport(DbError(text, code), builtIn);
    else if (kind == 1)
        report = mainWindowErrorReport(AppError(text), builtIn);
    else
        report = mainWindowErrorReport(std::runtime_error(text.toStdString()), builtIn);
    QCOMPARE(report.text, shown);
    QCOMPARE(report.endsProgram, terminates);
}

QTEST_GUILESS_MAIN(TestMainErrorText)
#include "tst_mainerrortext.moc"
