// Reading CSV files as address books write them: separators, quotes, line
// ends, byte order marks and code pages, and the files that are no table,
// refused with the line that shows it.
#include "exchange/csv/CsvReader.h"
#include "exchange/csv/FileEncoding.h"

#include <QtTest>

using namespace pellori::exchange;

Q_DECLARE_METATYPE(Encoding)

class TestCsvReader : public QObject {
    Q_OBJECT
private slots:
    void readsRealShapes_data();
    void readsRealShapes();
    void refusesWhatIsNoTable_data();
    void refusesWhatIsNoTable();
    void detectsAndDecodesEncodings_data();
    void detectsAndDecodesEncodings();
};

// Rows as "a|b" joined by " / ", with each row's line: "1:a|b / 3:c|d".
static QString shape(const CsvTable& t)
{
    QStringList rows;
    for (int r = 0; r < t.rowCount(); ++r)
        rows << QString::number(t.line(r)) + u':' + t.row(r).join(u'|');
    return rows.join(QLatin1String(" / "));
}

void TestCsvReader::readsRealShapes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("rows");
    QTest::newRow("rfc 4180 quoting") << "a,b,c\r\n\"x, y\",\"say \"\"hi\"\"\",\r\n" << "," << "1:a|b|c / 2:x, y|say \"hi\"|";
    QTest::newRow("line breaks inside a field count lines")
        << "n,notes\n1,\"two\r\nlines\"\n2,\"three\nmore\nlines\"\n3,x" << ","
        << "1:n|notes / 2:1|two\nlines / 4:2|three\nmore\nlines / 7:3|x";
    QTest::newRow("semicolon of a German spreadsheet") << "Name;Ort\nMüller, Hans;Köln\n" << ";"
                                                        << "1:Name|Ort / 2:Müller, Hans|Köln";
    QTest::newRow("tab, quoted tab inside") << "a\tb\n\"c\td\"\te" << "\t" << "1:a|b / 2:c\td|e";
    QTest::newRow("blank lines and a trailing Ctrl+Z") << "a,b\n\n1,2\n  \n3,4\n\x1A" << ","
                                                        << "1:a|b / 3:1|2 / 5:3|4";
    QTest::newRow("old Mac line ends") << "a,b\r1,2\r" << "," << "1:a|b / 2:1|2";
    QTest::newRow("text after a closing quote stays") << "a,b\n\"5\" disk\",x\n" << "," << "1:a|b / 2:5 disk\"|x";
    QTest::newRow("one column") << "Name\nAnna\nBen" << "," << "1:Name / 2:Anna / 3:Ben";
    QTest::newRow("a trailing comma on every line, as older Thunderbird wrote")
        << "First Name,Notes,\nAnna,x,\n" << "," << "1:First Name|Notes| / 2:Anna|x|";
}

void TestCsvReader::readsRealShapes()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(QString, rows);
    QCOMPARE(detectSeparator(text), separator.at(0));
    const CsvRead read = readCsv(text, separator.at(0));
    QVERIFY(!read.error);
    QCOMPARE(shape(read.table), rows);
}

void TestCsvReader::refusesWhatIsNoTable_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("line");
    QTest::newRow("empty") << "" << int(CsvErrorKind::Empty) << 0;
    QTest::newRow("only line ends and blanks") << "\r\n  \r\n" << int(CsvErrorKind::Empty) << 0;
    QTest::newRow("quote never closed: where it opens") << "a,b\n1,2\n3,\"open\n4,5\n" << int(CsvErrorKind::UnbalancedQuote) << 3;
    QTest::newRow("a row too short") << "a,b,c\n1,2,3\n4,5\n" << int(CsvErrorKind::RowLength) << 3;
    QTest::newRow("a row too long after a multi-line field")
        << "a,b\n\"x\ny\",2\n3,4,5\n" << int(CsvErrorKind::RowLength) << 4;
    QTest::newRow("binary") << QString("a,b\nc,d\x01\x02\n") << int(CsvErrorKind::Binary) << 2;
    QTest::newRow("NUL inside quotes") << QString::fromLatin1("a,b\n\"c\0d\",e\n", 12) << int(CsvErrorKind::Binary) << 2;
}

void TestCsvReader::refusesWhatIsNoTable()
{
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(int, line);
    const CsvRead read = readCsv(text, u',');
    QVERIFY(read.error);
    QCOMPARE(int(read.error->kind), kind);
    QCOMPARE(read.error->line, line);
    QCOMPARE(read.table.rowCount(), 0);
}

void TestCsvReader::detectsAndDecodesEncodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Encoding>("encoding");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTF-8 with BOM, as Google writes") << QByteArray("\xEF\xBB\xBFK\xC3\xB6ln") << Encoding::Utf8
                                                       << "Köln";
    QTest::newRow("UTF-8 without BOM") << QByteArray("K\xC3\xB6ln") << Encoding::Utf8 << "Köln";
    QTest::newRow("Windows-1252, as Outlook writes") << QByteArray("K\xF6ln \x80 \x84x\x93") << Encoding::Windows1252
                                                     << "Köln € „x“";
    QTest::newRow("UTF-16 LE with BOM") << QByteArray("\xFF\xFEK\0\xF6\0l\0n\0", 10) << Encoding::Utf16LE << "Köln";
    QTest::newRow("UTF-16 BE with BOM") << QByteArray("\xFE\xFF\0K\0\xF6\0l\0n", 10) << Encoding::Utf16BE << "Köln";
}

void TestCsvReader::detectsAndDecodesEncodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Encoding, encoding);
    QFETCH(QString, text);
    QCOMPARE(detectEncoding(bytes), encoding);
    QCOMPARE(decodeText(bytes, encoding), text);
    // What an export writes reads back the same.
    QCOMPARE(decodeText(encodeText(text, encoding, true), encoding), text);
}

QTEST_APPLESS_MAIN(TestCsvReader)
#include "tst_csvreader.moc"
