// One address book on a Firebird server, shared by several programs: attaching
// through the configured server, a server that is not there, and two programs
// (each a process of its own) saving or deleting the same contact.
#include "LocalServer.h"
#include "ProgramDir.h"
#include "RecordingMessages.h"
#include "TestSession.h"
#include "app/f_main.h"
#include "data/Connection.h"
#include "data/DataSet.h"
#include "data/upgrades/Upgrades.h"
#include "editors/f_person.h"
#include "widgets/DBEdit.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QtTest>
#include <cstdio>

using namespace pellori;
using namespace pellori::test;

namespace {

const QString kChristine = QStringLiteral("Bauer, Christine");

// The folder's configuration names the server, and the server may use its book.
void configureServer(const ProgramDir& dir, const QByteArray& server = "127.0.0.1")
{
    {
        // Brought up to date as its administrator's script does, before the server opens it.
        Connection owner;
        owner.setDatabaseName(dir.database());
        owner.params = {QStringLiteral("user_name=SYSDBA"), QStringLiteral("lc_ctype=ISO8859_1")};
        upgrades::applyMissing(owner, upgrades::steps(), true);
    }
    LocalServer::share(dir.database());
    dir.write(QStringLiteral("Pellori.ini"),
              iniText("server=" + server + "\r\ndatabase=" + dir.database().toLocal8Bit() + "\r\n"));
    // It holds a server's password: as Pellori and its scripts make it, its owner's alone.
    QFile::setPermissions(dir.file(QStringLiteral("Pellori.ini")), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void retype(DBEdit* e, const QString& text)
{
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, text);
}

// Runs this program as the other user; what it printed when it failed.
QString runOther(const QStringList& args)
{
    QProcess other;
    other.setProcessChannelMode(QProcess::MergedChannels);
    other.start(QCoreApplication::applicationFilePath(), args);
    if (!other.waitForFinished(120000))
        return QStringLiteral("the other program did not finish");
    return other.exitCode() == 0 ? QString() : QString::fromLocal8Bit(other.readAll());
}

} // namespace

class tst_Server : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void attachesThroughTheServer();
    void aMissingServerOrBookIsReported_data();
    void aMissingServerOrBookIsReported();
    void theSecondSaveIsRefusedAndKeepsItsInput();
    void aDeleteIsSeenAfterTheNextReread();

private:
    LocalServer m_server;
    QString m_unavailable;   // why the tests through the server skip
};

void tst_Server::initTestCase()
{
    m_unavailable = m_server.start();
    if (m_unavailable.isEmpty()) {
        ProgramDir dir;
        LocalServer::share(dir.database());
        m_unavailable = m_server.acceptProgramLogin(dir.database());
    }
}

void tst_Server::attachesThroughTheServer()
{
    if (!m_unavailable.isEmpty())
        QSKIP(qPrintable(m_unavailable));
    ProgramDir dir;
    configureServer(dir, " 127.0.0.1/3050 ");
    RecordingMessages rec;
    Tf_mainForm w(dir.path());
    QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join('|')));
    QCOMPARE(w.connection().databaseName(), QStringLiteral("127.0.0.1/3050:") + dir.database());
    QVERIFY(w.contacts().locate(QStringLiteral("O_NAME"), kChristine));
    QueryDataSet protocol(w.mainTransaction());
    protocol.setSelectSql(QStringLiteral("select mon$remote_protocol from mon$attachments "
                                         "where mon$attachment_id = current_connection"));
    protocol.open();
    QCOMPARE(protocol.value(QStringLiteral("MON$REMOTE_PROTOCOL")).toString().trimmed(), QStringLiteral("TCPv4"));
}

void tst_Server::aMissingServerOrBookIsReported_data()
{
    QTest::addColumn<QByteArray>("server");
    QTest::addColumn<bool>("otherBook");
    QTest::addColumn<QString>("shown");
    QTest::newRow("nothing listens") << QByteArray("127.0.0.1/1") << false
                                     << QStringLiteral("Unable to complete network request");
    QTest::newRow("no such book") << QByteArray("127.0.0.1") << true << QStringLiteral("No such file");
}

void tst_Server::aMissingServerOrBookIsReported()
{
    // The client library's text, and the program goes on without a book.
    QFETCH(QByteArray, server);
    QFETCH(bool, otherBook);
    QFETCH(QString, shown);
    if (otherBook && !m_unavailable.isEmpty())
        QSKIP(qPrintable(m_unavailable));
    ProgramDir dir;
    configureServer(dir, server);
    if (otherBook)
        QVERIFY(QFile::remove(dir.database()));
    RecordingMessages rec;
    Tf_mainForm w(dir.path());
    QCOMPARE(rec.messages.size(), 1);
    QVERIFY2(rec.messages.first().contains(shown), qPrintable(rec.messages.first()));
    QVERIFY(!w.terminationRequested());
    QVERIFY(!w.connection().isConnected());
    QVERIFY(!w.contacts().isOpen());
}

void tst_Server::theSecondSaveIsRefusedAndKeepsItsInput()
{
    if (!m_unavailable.isEmpty())
        QSKIP(qPrintable(m_unavailable));
    ProgramDir dir;
    configureServer(dir);
    RecordingMessages rec;
    auto w = std::make_unique<Tf_mainForm>(dir.path());
    QVERIFY(w->contacts().locate(QStringLiteral("O_NAME"), kChristine));
    const QString key = w->contacts().value(QStringLiteral("O_ID")).toString();
    const QString names = QStringLiteral("select o_name2 || '/' || p_nickname from object join person on p_id = o_id "
                                         "where o_id = ") + key;
    {
        Tf_persons editor(*w, nullptr);
        editor.setContactKey(key.toInt());
        editor.show();
        // A name as well: the object row is refused with the person row, all or nothing.
        retype(editor.findChild<DBEdit*>(QStringLiteral("dbedit_firstname")), QStringLiteral("Tine"));
        auto* field = editor.findChild<DBEdit*>(QStringLiteral("dbedit_nickname"));
        retype(field, QStringLiteral("Tina"));
        // The other user opens her after us and saves first.
        const QString failed = runOther({QStringLiteral("--save-nickname"), dir.path(), key, QStringLiteral("Christel")});
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        editor.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        // The editor's handler, then the main window's: each names the other user.
        QCOMPARE(rec.messages.size(), 2);
        QVERIFY2(rec.messages.first().contains(QLatin1String("your input is still here")), qPrintable(rec.messages.first()));
        QVERIFY2(rec.messages.last().contains(QLatin1String("Another user")), qPrintable(rec.messages.last()));
        QVERIFY(editor.isVisible());
        QCOMPARE(field->text(), QStringLiteral("Tina"));
    }   // released: committing it writes nothing
    QCOMPARE(committedValues(LocalServer::remote(dir.database()), names), QStringList{"Christine/Christel"});
}

void tst_Server::aDeleteIsSeenAfterTheNextReread()
{
    if (!m_unavailable.isEmpty())
        QSKIP(qPrintable(m_unavailable));
    ProgramDir dir;
    configureServer(dir);
    RecordingMessages rec;
    Tf_mainForm w(dir.path());
    QVERIFY(w.contacts().locate(QStringLiteral("O_NAME"), kChristine));
    const QString failed = runOther({QStringLiteral("--delete"), dir.path(), kChristine});
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    w.findChild<QPushButton*>(QStringLiteral("btn_displayall"))->click();
    QVERIFY2(rec.messages.isEmpty(), qPrintable(rec.messages.join('|')));
    QVERIFY(w.contacts().rowCount() > 0);
    QVERIFY(!w.contacts().locate(QStringLiteral("O_NAME"), kChristine));
}

// The other user's program: saves a nickname, or deletes a contact, and ends.
static int otherUser(int argc, char** argv)
{
    QApplication app(argc, argv);
    RecordingMessages rec;
    Tf_mainForm w(QString::fromLocal8Bit(argv[2]));
    if (qstrcmp(argv[1], "--delete") == 0) {
        if (!w.contacts().locate(QStringLiteral("O_NAME"), QString::fromLocal8Bit(argv[3])))
            return 2;
        rec.answers << true;
        w.findChild<QAction*>(QStringLiteral("popup_deleteitem"))->trigger();
    } else {
        Tf_persons editor(w, nullptr);
        editor.setContactKey(QByteArray(argv[3]).toInt());
        editor.show();
        retype(editor.findChild<DBEdit*>(QStringLiteral("dbedit_nickname")), QString::fromLocal8Bit(argv[4]));
        editor.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    }
    std::fputs(qPrintable(rec.messages.join('\n')), stdout);
    return rec.messages.isEmpty() ? 0 : 3;
}

int main(int argc, char** argv)
{
    if ((argc == 4 && qstrcmp(argv[1], "--delete") == 0) || (argc == 5 && qstrcmp(argv[1], "--save-nickname") == 0))
        return otherUser(argc, argv);
    QApplication app(argc, argv);
    tst_Server tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_server.moc"
