// "Open with": the files named on the command line become absolute paths, and
// the program started with one imports it once its window is shown, with the
// summary as the import command shows it, or its message when the file cannot
// be imported.
#include "ProgramDir.h"
#include "RecordingMessages.h"
#include "app/CommandLine.h"
#include "app/Program.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

using namespace pellori;

class TestOpenWith : public QObject {
    Q_OBJECT
private slots:
    void filesToOpen_data();
    void filesToOpen();
    void startedWithAFileImportsIt_data();
    void startedWithAFileImportsIt();
};

void TestOpenWith::filesToOpen_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("none") << QStringList{"pellori"} << QStringList{};
    QTest::newRow("absolute") << QStringList{"pellori", "/a/b/../c.vcf"} << QStringList{"/a/c.vcf"};
    QTest::newRow("relative, from the working folder") << QStringList{"pellori", "x/y.vcf"}
                                                      << QStringList{"/home/u/x/y.vcf"};
    QTest::newRow("file address, escaped") << QStringList{"pellori", "file:///tmp/my%20cards%C3%A4.vcf"}
                                           << QStringList{"/tmp/my cards\u00e4.vcf"};
    QTest::newRow("several, an empty one passed over")
        << QStringList{"pellori", "", "/a.vcf", "b.vcf"} << QStringList{"/a.vcf", "/home/u/b.vcf"};
}

void TestOpenWith::filesToOpen()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, files);
    QCOMPARE(pellori::filesToOpen(arguments, "/home/u"), files);
}

void TestOpenWith::startedWithAFileImportsIt_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("windows");
    QTest::addColumn<QString>("message");   // its start
    QTest::addColumn<QString>("stored");
    QTest::newRow("a card") << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Offen;Mit;;;\r\nEND:VCARD\r\n")
                            << QStringList{"vCard import"} << QString() << "1";
    QTest::newRow("not a vCard") << QByteArray("Offen, Mit\r\n") << QStringList{}
                                 << "The file \"%1\" cannot be imported:" << "0";
}

void TestOpenWith::startedWithAFileImportsIt()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, windows);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    test::ProgramDir dir;
    dir.write("Pellori.ini", test::iniText());
    dir.write("to open.vcf", file);
    test::RecordingMessages rec;
    // Ends the program once the import has shown what it shows.
    QTimer done;
    connect(&done, &QTimer::timeout, [&rec] {
        if (!rec.modalTitles.isEmpty() || !rec.messages.isEmpty())
            QCoreApplication::quit();
    });
    done.start(10);
    QTimer::singleShot(60000, qApp, &QCoreApplication::quit);
    QCOMPARE(runProgram(dir.path(), {dir.file("to open.vcf")}), 0);
    QCOMPARE(rec.modalTitles, windows);
    QCOMPARE(rec.messages.join('|').section('\n', 0, 0).left(message.arg(dir.file("to open.vcf")).size()),
             message.arg(dir.file("to open.vcf")));
    QCOMPARE(dir.column("select count(*) as n from object where O_NAME1 = 'Offen';", "N"), QStringList{stored});
}

QTEST_MAIN(TestOpenWith)
#include "tst_openwith.moc"
