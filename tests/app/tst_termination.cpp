// SIGTERM while the database is open: the program's own handler ends the event
// loop, and the open transaction is still there to be committed, instead of the
// client library shutting the engine down under the program. A signal during a
// start-up message ends the program before its event loop.
#include "ProgramDir.h"
#include "TestConnection.h"
#include "TestDb.h"
#include "app/Program.h"
#include "app/TerminationSignals.h"
#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/DbTransaction.h"
#include "data/SqlStatement.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <csignal>

using namespace pellori;

class TestTermination : public QObject {
    Q_OBJECT
private slots:
    // First: the others leave the signal received.
    void signalDuringStartUpMessageEndsTheProgram();
    void signalEndsEventLoopAndKeepsTheWork_data();
    void signalEndsEventLoopAndKeepsTheWork();
};

void TestTermination::signalDuringStartUpMessageEndsTheProgram()
{
    test::ProgramDir dir;
    // A server on a closed port: start-up shows why it cannot reach the book.
    dir.write(QStringLiteral("Pellori.ini"), test::iniText("server=127.0.0.1/1\r\ndatabase=/nowhere.qvx\r\n"));
    QString message;
    QTimer signalWhileShown;
    connect(&signalWhileShown, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && message.isEmpty()) {
            message = box->text();
            ::raise(SIGTERM);
        }
    });
    signalWhileShown.start(10);
    // Should the signal be lost, this ends the message and the event loop after it.
    bool lost = false;
    QTimer watchdog;
    connect(&watchdog, &QTimer::timeout, [&lost] {
        lost = true;
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        QCoreApplication::quit();
    });
    watchdog.start(15000);
    QCOMPARE(runProgram(dir.path()), 0);
    QVERIFY2(!message.isEmpty(), "no start-up message was shown");
    QVERIFY2(!lost, qPrintable(message));
    QVERIFY(terminationSignalled());
}

void TestTermination::signalEndsEventLoopAndKeepsTheWork_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestTermination::signalEndsEventLoopAndKeepsTheWork()
{
    QFETCH(int, signal);
    quitOnTerminationSignals();
    test::TestDb db;
    const QString name = QStringLiteral("Nach Signal %1").arg(signal);
    {
        Connection c;
        test::attachTo(c, db.path());
        DbTransaction tr(c, DbTransaction::readCommitted());
        SqlStatement insert(tr, "insert into groupt (g_name) values (:name)");
        insert.setParam("name", name);
        insert.execute();

        bool timedOut = false;
        QTimer::singleShot(0, [signal] { ::raise(signal); });
        QTimer::singleShot(20000, [&timedOut] {
            timedOut = true;
            QCoreApplication::quit();
        });
        QCoreApplication::exec();
        QVERIFY2(!timedOut, "the signal did not end the event loop");

        QueryDataSet q(tr);
        q.setSelectSql("select count(*) as n from groupt where g_name = :name");
        q.setParam("name", name);
        q.open();
        QCOMPARE(q.value("N").toInt(), 1);
    }   // released: the transaction commits
    QCOMPARE(db.value(QStringLiteral("select count(*) as n from groupt where g_name = '%1';").arg(name), "N"),
             QStringLiteral("1"));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TestTermination test;
    // The test framework's crash handler would otherwise take the signals.
    QStringList args = app.arguments();
    args << QStringLiteral("-nocrashhandler");
    return QTest::qExec(&test, args);
}
#include "tst_termination.moc"
