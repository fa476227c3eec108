#include "settings/AppError.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

using namespace pellori;

namespace {

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Every section and key spelt in the file, by a plain reading of its lines.
QList<std::pair<QString, QString>> entriesOf(const QByteArray& contents)
{
    QList<std::pair<QString, QString>> entries;
    QString section;
    for (QByteArray line : contents.split('\n')) {
        line = line.trimmed();
        if (line.startsWith('['))
            section = QString::fromLatin1(line.mid(1, line.indexOf(']') - 1)).trimmed();
        else if (line.contains('='))
            entries.append({section, QString::fromLatin1(line.left(line.indexOf('='))).trimmed()});
    }
    return entries;
}

QString readIn(const QByteArray& contents, const QString& section, const QString& key)
{
    return IniSnapshot::parse(contents, {{section, key}}).readString(section, key, "<default>");
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void readString_data();
    void readString();
    void namesMatchAsQStringCompares();
    void snapshotRefusesKeysNotAskedFor();
    void readMissingOrUnreadable();
    void writeString_data();
    void writeString();
    void writeRefusesUnstorable_data();
    void writeRefusesUnstorable();
    void writeCreatesFile();
    void writeKeepsOthersOutOfANewFile_data();
    void writeKeepsOthersOutOfANewFile();
    void latin1RoundTrip();
    void writeFailureLeavesFileAlone_data();
    void writeFailureLeavesFileAlone();
    void writeIntoReadOnlyFolder();

private:
    QTemporaryDir m_dir;
};

void TestIniFile::readString_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QString def = "<default>";
    QTest::newRow("names ignore case") << QByteArray("[Database]\r\nDbUserName=sysdba\r\n") << "DATABASE" << "dbusername" << "sysdba";
    QTest::newRow("blanks trimmed") << QByteArray("[s]\n \tk \t= \t va lue \t \n") << "s" << "k" << "va lue";
    QTest::newRow("double quotes dropped") << QByteArray("[s]\nk = \" a b \" \n") << "s" << "k" << " a b ";
    QTest::newRow("single quotes dropped") << QByteArray("[s]\nk='1.0'\n") << "s" << "k" << "1.0";
    QTest::newRow("only one pair dropped") << QByteArray("[s]\nk=\"\"x\"\"\n") << "s" << "k" << "\"x\"";
    QTest::newRow("mixed quotes kept") << QByteArray("[s]\nk=\"x'\n") << "s" << "k" << "\"x'";
    QTest::newRow("lone quote kept") << QByteArray("[s]\nk=\"\n") << "s" << "k" << "\"";
    QTest::newRow("quote inside kept") << QByteArray("[s]\nk=a\"b\n") << "s" << "k" << "a\"b";
    QTest::newRow("value holds =") << QByteArray("[s]\nk=a=b\n") << "s" << "k" << "a=b";
    QTest::newRow("empty value is not default") << QByteArray("[s]\nk=\n") << "s" << "k" << "";
    QTest::newRow("missing key") << QByteArray("[s]\nother=1\n") << "s" << "k" << def;
    QTest::newRow("missing section") << QByteArray("[t]\nk=1\n") << "s" << "k" << def;
    QTest::newRow("key of another section") << QByteArray("[t]\nk=1\n[s]\nx=2\n") << "s" << "k" << def;
    QTest::newRow("first duplicate key wins") << QByteArray("[s]\nk=first\nK=second\n") << "s" << "k" << "first";
    QTest::newRow("first duplicate section wins") << QByteArray("[s]\na=1\n[t]\n[S]\nk=2\n") << "s" << "k" << def;
    QTest::newRow("lines before first section") << QByteArray("k=1\n[s]\nx=2\n") << "s" << "k" << def;
    QTest::newRow("no section matches prologue") << QByteArray("k=1\n[s]\n") << "" << "k" << def;
    QTest::newRow("CRLF") << QByteArray("[s]\r\nk=v\r\nx=y\r\n") << "s" << "k" << "v";
    QTest::newRow("LF") << QByteArray("[s]\nx=y\nk=v\n") << "s" << "k" << "v";
    QTest::newRow("no final line end") << QByteArray("[s]\r\nk=last") << "s" << "k" << "last";
    QTest::newRow("comment lines ignored") << QByteArray("; [s]\n[s]\n; note\nk=v\n") << "s" << "k" << "v";
    QTest::newRow("Latin-1 bytes kept") << QByteArray("[s]\nk=M\xFCller \xAB\x86\xBB\xFF\n") << "s" << "k"
                                        << QString::fromLatin1("M\xFCller \xAB\x86\xBB\xFF");
    QTest::newRow("Latin-1 names ignore case") << QByteArray("[\xC4rzte]\nk=v\n") << QString::fromLatin1("\xE4rzte") << "K" << "v";

    const QByteArray exact(2047, 'x');
    QTest::newRow("2047 characters whole") << QByteArray("[s]\nk=" + exact + "\n") << "s" << "k" << QString::fromLatin1(exact);
    QTest::newRow("2048 characters cut") << QByteArray("[s]\nk=" + exact + "y\n") << "s" << "k" << QString::fromLatin1(exact);
    QTest::newRow("cut after quotes drop")
        << QByteArray("[s]\nk=\"" + exact + "yz\"\n") << "s" << "k" << QString::fromLatin1(exact);
}

void TestIniFile::readString()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    const QString path = m_dir.filePath("read.ini");
    writeBytes(path, contents);
    QCOMPARE(IniFile(path).readString(section, key, "<default>"), expected);
    // Asked among other keys, some of them in the same sections, the key reads the same.
    const QList<IniKey> keys = {{section, "x"}, {"t", key}, {section.toUpper(), key}, {"s", "other"}, {section, key}};
    const IniSnapshot snapshot = IniSnapshot::parse(contents, keys);
    QCOMPARE(snapshot.readString(section, key, "<default>"), expected);
    QCOMPARE(snapshot.readString(section.toLower(), key.toUpper(), "<default>"), expected);
}

void TestIniFile::namesMatchAsQStringCompares()
{
    // Every pair of single-character Latin-1 names, and a few wider capitals.
    QList<QChar> wanted;
    for (int c = 1; c < 256; ++c)
        wanted << QChar(c);
    wanted << QChar(0x178) << QChar(0x39C) << QChar(0x212A) << QChar(0x1E9E);
    for (int c = 1; c < 256; ++c) {
        if (c == '\n' || c == '\r' || c == ' ' || c == '\t' || c == '=' || c == '[' || c == ']')
            continue;
        const QByteArray file = "[" + QByteArray(1, char(c)) + "]\n" + QByteArray(1, char(c)) + "=v\n";
        for (const QChar w : wanted) {
            const bool same = QString(QChar(c)).compare(QString(w), Qt::CaseInsensitive) == 0;
            const QString name(w);
            QCOMPARE(IniSnapshot::parse(file, {{name, "z"}, {"a", name}, {name, name}}).readString(name, name, "-"),
                     same ? QString("v") : QString("-"));
        }
    }
}

void TestIniFile::snapshotRefusesKeysNotAskedFor()
{
    const IniSnapshot snapshot = IniSnapshot::parse("[s]\nk=1\nx=2\n", {{"s", "k"}});
    QCOMPARE(snapshot.readString("S", "K"), QString("1"));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, snapshot.readString("s", "x"));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, IniSnapshot::load(m_dir.filePath("missing.ini"), {}).readString("s", "k"));
}

void TestIniFile::readMissingOrUnreadable()
{
    QCOMPARE(IniFile(m_dir.filePath("missing.ini")).readString("s", "k", "d"), QString("d"));
    QCOMPARE(IniFile(m_dir.path()).readString("s", "k", "d"), QString("d"));
}

void TestIniFile::writeString_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    // A carriage return of the value itself must not pair with an added line feed.
    QTest::newRow("CR value before lone CR at end")
        << QByteArray("[y]\nk=abc\r\r") << "Database" << "dbpassword" << "x"
        << QByteArray("[y]\nk=abc\r\r\n[Database]\ndbpassword=x\n");
    QTest::newRow("quoted CR value before lone CR at end")
        << QByteArray("[y]\nk=\"1\"\r\r") << "y" << "x" << "2" << QByteArray("[y]\nk=\"1\"\r\r\nx=2\n");
    QTest::newRow("lone CR at end gets its line feed")
        << QByteArray("[y]\r\nk=1\r") << "z" << "k" << "2" << QByteArray("[y]\r\nk=1\r\n[z]\r\nk=2\r\n");
    QTest::newRow("replace before lone CR at end")
        << QByteArray("[y]\nk=1\r") << "y" << "k" << "2" << QByteArray("[y]\nk=2\r");
    // Values the reader would change are written in quotes.
    QTest::newRow("value ending in CR, LF file")
        << QByteArray("[a]\nk=1\nx=2\n") << "a" << "k" << "v\r" << QByteArray("[a]\nk=\"v\r\"\nx=2\n");
    QTest::newRow("value ending in CR, unterminated last line")
        << QByteArray("[a]\r\nk=1") << "a" << "k" << "v\r" << QByteArray("[a]\r\nk=\"v\r\"");
    QTest::newRow("CR inside value as it is")
        << QByteArray("[a]\n") << "a" << "k" << "\rv\rw" << QByteArray("[a]\nk=\rv\rw\n");
    QTest::newRow("quoted value keeps its quotes")
        << QByteArray("[a]\n") << "a" << "k" << "\"1\"" << QByteArray("[a]\nk=\"\"1\"\"\n");
    QTest::newRow("single-quoted value keeps its quotes")
        << QByteArray("[a]\n") << "a" << "k" << "'x'" << QByteArray("[a]\nk=\"'x'\"\n");
    QTest::newRow("blanks around value kept")
        << QByteArray("[a]\n") << "a" << "k" << " v\t" << QByteArray("[a]\nk=\" v\t\"\n");
    QTest::newRow("lone quote as it is") << QByteArray("[a]\n") << "a" << "k" << "\"" << QByteArray("[a]\nk=\"\n");
    QTest::newRow("2047 characters in quotes")
        << QByteArray("[a]\n") << "a" << "k" << " " + QString(2046, 'x')
        << QByteArray("[a]\nk=\" " + QByteArray(2046, 'x') + "\"\n");

    QTest::newRow("replace in place")
        << QByteArray("[a]\r\nx=1\r\nk=old\r\ny=2\r\n") << "a" << "k" << "new" << QByteArray("[a]\r\nx=1\r\nk=new\r\ny=2\r\n");
    QTest::newRow("replace keeps key spelling and layout")
        << QByteArray("[A]\nKey = \"old\"  \n") << "a" << "KEY" << "new" << QByteArray("[A]\nKey = new\n");
    QTest::newRow("replace only first duplicate")
        << QByteArray("[a]\nk=1\nk=2\n[a]\nk=3\n") << "a" << "k" << "9" << QByteArray("[a]\nk=9\nk=2\n[a]\nk=3\n");
    QTest::newRow("replace unterminated last line")
        << QByteArray("[a]\r\nk=1") << "a" << "k" << "2" << QByteArray("[a]\r\nk=2");
    QTest::newRow("same key elsewhere untouched")
        << QByteArray("k=0\n[b]\nk=1\n[a]\nx=1\n") << "a" << "k" << "v" << QByteArray("k=0\n[b]\nk=1\n[a]\nx=1\nk=v\n");
    QTest::newRow("append after last entry, before blank line")
        << QByteArray("[a]\r\nx=1\r\n\r\n; about b\r\n[b]\r\ny=2\r\n") << "a" << "k" << "v"
        << QByteArray("[a]\r\nx=1\r\nk=v\r\n\r\n; about b\r\n[b]\r\ny=2\r\n");
    QTest::newRow("append to empty section")
        << QByteArray("[a]\n[b]\n") << "a" << "k" << "v" << QByteArray("[a]\nk=v\n[b]\n");
    QTest::newRow("append to unterminated last section")
        << QByteArray("[a]\nx=1") << "a" << "k" << "v" << QByteArray("[a]\nx=1\nk=v\n");
    QTest::newRow("new section at end")
        << QByteArray("[a]\r\nx=1\r\n") << "b" << "k" << "v" << QByteArray("[a]\r\nx=1\r\n[b]\r\nk=v\r\n");
    QTest::newRow("new section after unterminated line")
        << QByteArray("[a]\nx=1") << "b" << "k" << "v" << QByteArray("[a]\nx=1\n[b]\nk=v\n");
    QTest::newRow("empty file") << QByteArray() << "s" << "k" << "v" << QByteArray("[s]\r\nk=v\r\n");
    QTest::newRow("other lines byte for byte")
        << QByteArray("top line\n\t[ a ]  trailing\n odd line\n  x  =  \"1\"  \n\xE9t\xE9=\xFC\n") << "a" << "x" << "2"
        << QByteArray("top line\n\t[ a ]  trailing\n odd line\n  x  =  2\n\xE9t\xE9=\xFC\n");
    QTest::newRow("Latin-1 value written as single bytes")
        << QByteArray("[a]\n") << "a" << "k" << QString::fromLatin1("M\xFCller \xAB\xBB") << QByteArray("[a]\nk=M\xFCller \xAB\xBB\n");
}

void TestIniFile::writeString()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);

    const QString path = m_dir.filePath("write.ini");
    writeBytes(path, before);
    IniFile ini(path);
    ini.writeString(section, key, value);
    QCOMPARE(readBytes(path), after);
    QCOMPARE(ini.readString(section, key), value);

    // Every other entry of the old file reads as before.
    for (const auto& [otherSection, otherKey] : entriesOf(before)) {
        if (otherSection.compare(section, Qt::CaseInsensitive) || otherKey.compare(key, Qt::CaseInsensitive))
            QCOMPARE(readIn(after, otherSection, otherKey), readIn(before, otherSection, otherKey));
    }
}

void TestIniFile::writeRefusesUnstorable_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("LF in value") << "a" << "k" << "1\n[b]";
    QTest::newRow("LF in key") << "a" << "k\nx" << "1";
    QTest::newRow("LF in section") << "a\n" << "k" << "1";
    QTest::newRow("value beyond ISO-8859-1") << "a" << "k" << QString::fromUtf8("\u20AC");
    QTest::newRow("key beyond ISO-8859-1") << "a" << QString::fromUtf8("\u0152") << "1";
    QTest::newRow("value longer than 2047") << "a" << "k" << QString(2048, 'x');
    QTest::newRow("= in key") << "a" << "k=x" << "1";
    QTest::newRow("key opening a section") << "a" << "[b]" << "1";
    QTest::newRow("blank around key") << "a" << "k " << "1";
    QTest::newRow("] in section") << "a]b" << "k" << "1";
    QTest::newRow("blank around section") << "\ta" << "k" << "1";
}

void TestIniFile::writeRefusesUnstorable()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QString path = m_dir.filePath("refuse.ini");
    writeBytes(path, "[a]\nk=0\n");
    try {
        IniFile(path).writeString(section, key, value);
        QFAIL("write was not refused");
    } catch (const AppError& error) {
        QVERIFY2(error.message().contains(path), qPrintable(error.message()));
    }
    QCOMPARE(readBytes(path), QByteArray("[a]\nk=0\n"));
}

void TestIniFile::writeCreatesFile()
{
    const QString path = m_dir.filePath("created.ini");
    QFile::remove(path);
    IniFile ini(path);
    ini.writeString("MainWindow", "Left", "10");
    ini.writeString("MainWindow", "Top", "20");
    ini.writeString("MainWindow", "left", "30");
    QCOMPARE(readBytes(path), QByteArray("[MainWindow]\r\nLeft=30\r\nTop=20\r\n"));
}

void TestIniFile::writeKeepsOthersOutOfANewFile_data()
{
    // A file made here is its owner's alone; an existing one keeps what its owner chose.
    using P = QFileDevice;
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QFileDevice::Permissions>("before");
    QTest::addColumn<QFileDevice::Permissions>("after");
    const QFileDevice::Permissions ownerOnly = P::ReadOwner | P::WriteOwner | P::ReadUser | P::WriteUser;
    const QFileDevice::Permissions everyone = ownerOnly | P::ReadGroup | P::ReadOther;
    QTest::newRow("new") << false << QFileDevice::Permissions() << ownerOnly;
    QTest::newRow("existing, readable by all") << true << everyone << everyone;
}

void TestIniFile::writeKeepsOthersOutOfANewFile()
{
    QFETCH(bool, exists);
    QFETCH(QFileDevice::Permissions, before);
    QFETCH(QFileDevice::Permissions, after);
    QTemporaryDir dir;
    const QString path = dir.filePath("Pellori.ini");
    if (exists) {
        writeBytes(path, "[s]\nk=1\n");
        QVERIFY(QFile::setPermissions(path, before));
    }
    IniFile(path).writeString("s", "k", "2");
    QCOMPARE(QFile::permissions(path), after);
}

void TestIniFile::latin1RoundTrip()
{
    QString value;
    for (int c = 0x80; c <= 0xFF; ++c)
        value += QChar(c);
    const QString path = m_dir.filePath("latin1.ini");
    IniFile ini(path);
    ini.writeString("s", "k", value);
    QCOMPARE(ini.readString("s", "k"), value);
    QVERIFY(readBytes(path).contains(value.toLatin1()));
}

void TestIniFile::writeFailureLeavesFileAlone_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("folder does not exist") << m_dir.filePath("no/such/folder/Pellori.ini");
    QTest::newRow("path is a folder") << m_dir.filePath("folder.ini");
}

void TestIniFile::writeFailureLeavesFileAlone()
{
    QFETCH(QString, path);
    QVERIFY(QDir(m_dir.path()).mkpath("folder.ini"));
    writeBytes(m_dir.filePath("folder.ini/inside"), "[s]\nk=1\n");
    const QStringList entriesBefore = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden);

    IniFile ini(path);
    try {
        ini.writeString("s", "k", "2");
        QFAIL("write did not fail");
    } catch (const AppError& error) {
        QCOMPARE(error.message(), "Unable to write to " + path);
    }
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden), entriesBefore);
    QCOMPARE(readBytes(m_dir.filePath("folder.ini/inside")), QByteArray("[s]\nk=1\n"));
}

void TestIniFile::writeIntoReadOnlyFolder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Pellori.ini");
    writeBytes(path, "[s]\nk=1\n");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    auto restore = qScopeGuard([&] { QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
    {
        QFile probe(dir.filePath("probe"));
        if (probe.open(QIODevice::WriteOnly))
            QSKIP("folder permissions do not bind this user");
    }
    QVERIFY_THROWS_EXCEPTION(AppError, IniFile(path).writeString("s", "k", "2"));
    QCOMPARE(readBytes(path), QByteArray("[s]\nk=1\n"));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
