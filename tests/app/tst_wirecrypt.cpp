// A server that requires an encrypted wire (WireCrypt = Required) still serves
// Pellori, also where the client library's own configuration would not
// encrypt: Pellori asks for encryption at every attach to a server. The server
// is one of the test's own on another loopback port; the shared one is never
// reconfigured.
#include "PrivateServer.h"
#include "RecordingMessages.h"
#include "TestDb.h"
#include "app/f_main.h"
#include "data/DataSet.h"
#include "data/DbError.h"
#include "settings/uBase64Codec.h"

#include <QApplication>
#include <QFile>
#include <QtTest>
#include <cstdio>

using namespace pellori;
using namespace pellori::test;

namespace {

const QString kUser = QStringLiteral("PELLORI_WIRE");
const QString kPassword = QStringLiteral("w1re-Test");

} // namespace

class tst_WireCrypt : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void aServerRequiringEncryptionServesPellori_data();
    void aServerRequiringEncryptionServesPellori();

private:
    PrivateServer m_server{{QStringLiteral("WireCrypt = Required")}, {{kUser, kPassword}}};
    QTemporaryDir m_files, m_client;
    QString m_book, m_clientConfig;
};

void tst_WireCrypt::initTestCase()
{
    if (const QString unavailable = m_server.start(); !unavailable.isEmpty())
        QSKIP(qPrintable(unavailable));
    m_book = freshDemoDatabase(m_files.path());
    // The client library's own choice, left alone, is an unencrypted wire.
    m_clientConfig = PrivateServer::clientConfiguration(m_client, {QStringLiteral("WireCrypt = Disabled")});
    QFile ini(m_files.filePath(QStringLiteral("Pellori.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Pellori]\r\nVersion=1.0\r\n[Database]\r\nserver=" + m_server.host().toLatin1() + "\r\ndatabase="
              + m_book.toLocal8Bit() + "\r\ndbusername=" + kUser.toLatin1()
              + "\r\ndbpassword=" + EncodeBase64Text(kPassword.toLatin1()) + "\r\nlc_ctype=ISO8859_1\r\n");
}

void tst_WireCrypt::aServerRequiringEncryptionServesPellori_data()
{
    QTest::addColumn<QString>("attach");
    QTest::addColumn<QString>("said");
    QTest::newRow("Pellori's own") << "--pellori" << "encrypted: TRUE";
    // Shows that the client library, left to itself, would not have encrypted.
    QTest::newRow("an attach that asks for nothing") << "--bare" << "Incompatible wire encryption levels";
}

void tst_WireCrypt::aServerRequiringEncryptionServesPellori()
{
    QFETCH(QString, attach);
    QFETCH(QString, said);
    QProcess client;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FIREBIRD"), m_clientConfig);
    client.setProcessEnvironment(env);
    client.setProcessChannelMode(QProcess::MergedChannels);
    client.start(QCoreApplication::applicationFilePath(), {attach, m_files.path(), m_server.remote(m_book)});
    QVERIFY(client.waitForFinished(120000));
    const QString output = QString::fromLocal8Bit(client.readAll());
    QVERIFY2(output.contains(said), qPrintable(output));
}

// The client: Pellori's main window on the folder, or a connection with the
// login alone; says what the server reported.
static int client(int argc, char** argv)
{
    QApplication app(argc, argv);
    RecordingMessages rec;
    if (qstrcmp(argv[1], "--pellori") == 0) {
        Tf_mainForm w(QString::fromLocal8Bit(argv[2]));
        std::fputs(qPrintable(rec.messages.join('\n')), stdout);
        if (!w.contacts().isOpen() || w.contacts().rowCount() == 0)
            return 1;
        QueryDataSet wire(w.mainTransaction());
        wire.setSelectSql(QStringLiteral("select rdb$get_context('SYSTEM', 'WIRE_ENCRYPTED') as e from rdb$database"));
        wire.open();
        std::printf("encrypted: %s\n", qPrintable(wire.value(QStringLiteral("E")).toString()));
        return 0;
    }
    Connection bare;
    bare.setDatabaseName(QString::fromLocal8Bit(argv[3]));
    bare.params = {"user_name=" + kUser, "password=" + kPassword, QStringLiteral("lc_ctype=ISO8859_1")};
    try {
        bare.open();
        std::puts("attached");
    } catch (const DbError& e) {
        std::puts(qPrintable(e.message()));
    }
    return 0;
}

int main(int argc, char** argv)
{
    if (argc == 4 && (qstrcmp(argv[1], "--pellori") == 0 || qstrcmp(argv[1], "--bare") == 0))
        return client(argc, argv);
    QApplication app(argc, argv);
    tst_WireCrypt tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_wirecrypt.moc"
