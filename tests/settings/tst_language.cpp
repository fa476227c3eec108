#include "settings/IniFile.h"
#include "settings/Language.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace pellori;

namespace {

void writeLang(const QString& directory, const QByteArray& contents)
{
    QFile file(QDir(directory).filePath("Pellori.lang"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

// A file with every key in its own section, each text naming its key.
QByteArray fullFile()
{
    QByteArray contents = "[Pellori]\r\nVersion=1.0\r\n";
    QByteArray section;
    for (const LangKey& entry : TLang::keys()) {
        if (section != entry.section) {
            section = entry.section;
            contents += "[" + section + "]\r\n";
        }
        contents += QByteArray(entry.key) + "=T " + entry.key + "\r\n";
    }
    return contents;
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void keyTable();
    void noFileKeepsBuiltIns();
    void version_data();
    void version();
    void versionOnlyGivesEmptyTexts();
    void everyKeyFromItsSection();
    void keyInWrongSectionReadsEmpty();
    void laterKeysKeepBuiltInsTheFileLacks_data();
    void laterKeysKeepBuiltInsTheFileLacks();
    void agreesWithKeyByKeyReads();
    void directorySpelling_data();
    void directorySpelling();
    void replaceReturn();
    void iniVersionMessage_data();
    void iniVersionMessage();
};

void TestLanguage::keyTable()
{
    QSet<QString> keys;
    QMap<QString, int> perSection;
    QStringList sectionOrder;
    for (const LangKey& entry : TLang::keys()) {
        keys.insert(entry.key);
        if (!perSection.contains(entry.section))
            sectionOrder << entry.section;
        else   // a file holds each section once: its keys stand together
            QCOMPARE(sectionOrder.last(), QString(entry.section));
        ++perSection[entry.section];
        QVERIFY2(qstrlen(entry.builtIn) > 0, entry.key);
    }
    QCOMPARE(keys.size(), TLang::keys().size());
    // The first edition's eight sections first, in their order; the program's own after them.
    QCOMPARE(sectionOrder.mid(0, 8), QStringList({"f_Main", "common", "f_add_company", "f_add_person", "f_compy",
                                                  "f_person", "f_birth", "f_standardvalues"}));
    const QList<int> counts = {30, 34, 3, 5, 1, 6, 12, 7};
    for (int i = 0; i < counts.size(); ++i)
        QCOMPARE(perSection.value(sectionOrder[i]), counts[i]);
    // Our own sections' keys carry their name, so that none can shadow an older key.
    const QStringList own = sectionOrder.mid(8);
    QVERIFY(own.contains("vcard") && own.contains("shared"));
    for (const LangKey& entry : TLang::keys())
        for (const QString& section : own)
            QCOMPARE(QLatin1String(entry.section) == section, QString::fromLatin1(entry.key).startsWith(section + '_'));
}

void TestLanguage::noFileKeepsBuiltIns()
{
    QTemporaryDir dir;
    TLang lang;
    lang.LoadLanguageFile(dir.path());
    QVERIFY(!lang.Loaded);
    QCOMPARE(lang.text("system"), QString("&System"));
    QCOMPARE(lang.text("month12"), QString("December"));
    QCOMPARE(lang.text("fillincurrent"),
             "You have to choose a correct value for " + QString(QChar(0xAB)) + "current" + QChar(0xBB) + ".");
    QVERIFY(lang.text("questdeleteentry").startsWith("The selected item you want to delete contains %RETURN%sub"));
    QCOMPARE(lang.text("persons", "&Persons"), QString("&Persons"));
    QCOMPARE(lang.value("system"), QString());
    QCOMPARE(lang.text("nosuchkey"), QString());
}

void TestLanguage::version_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("loaded");

    QTest::newRow("1.0") << QByteArray("[Pellori]\nVersion=1.0\n") << true;
    QTest::newRow("names in other case") << QByteArray("[pellori]\r\nVERSION=1.0\r\n") << true;
    QTest::newRow("blanks and quotes dropped") << QByteArray("[Pellori]\nVersion = \"1.0\" \n") << true;
    QTest::newRow("1.00") << QByteArray("[Pellori]\nVersion=1.00\n") << false;
    QTest::newRow("1,0") << QByteArray("[Pellori]\nVersion=1,0\n") << false;
    QTest::newRow("1") << QByteArray("[Pellori]\nVersion=1\n") << false;
    QTest::newRow("empty") << QByteArray("[Pellori]\nVersion=\n") << false;
    QTest::newRow("no version key") << QByteArray("[Pellori]\n[f_Main]\nsystem=x\n") << false;
    QTest::newRow("version in another section") << QByteArray("[common]\nVersion=1.0\n") << false;
    QTest::newRow("version before any section") << QByteArray("Version=1.0\n[Pellori]\n") << false;
    QTest::newRow("empty file") << QByteArray() << false;
}

void TestLanguage::version()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, loaded);
    QTemporaryDir dir;
    writeLang(dir.path(), contents + "[f_Main]\nsystem=Catalogue\n");
    TLang lang;
    lang.LoadLanguageFile(dir.path());
    QCOMPARE(lang.Loaded, loaded);
    QCOMPARE(lang.text("system"), loaded ? QString("Catalogue") : QString("&System"));
}

void TestLanguage::versionOnlyGivesEmptyTexts()
{
    QTemporaryDir dir;
    writeLang(dir.path(), "[Pellori]\r\nVersion=1.0\r\n");
    TLang lang;
    lang.LoadLanguageFile(dir.path());
    QVERIFY(lang.Loaded);
    // Keys added after the first edition's eight sections keep their built-in texts.
    const QStringList firstEdition = {"f_Main", "common", "f_add_company", "f_add_person",
                                      "f_compy", "f_person", "f_birth", "f_standardvalues"};
    for (const LangKey& entry : TLang::keys()) {
        const bool kept = !firstEdition.contains(entry.section);
        QCOMPARE(lang.text(entry.key), kept ? QString::fromLatin1(entry.builtIn) : QString());
        QCOMPARE(lang.text(entry.key, "x"), kept ? QString("x") : QString());
    }
}

void TestLanguage::everyKeyFromItsSection()
{
    QTemporaryDir dir;
    writeLang(dir.path(), fullFile() + "[f_Main]\nmenufaq=\xC4rzte %RETURN%\xAB\xBB\n");
    TLang lang;
    lang.LoadLanguageFile(dir.path());
    QVERIFY(lang.Loaded);
    for (const LangKey& entry : TLang::keys())
        QCOMPARE(lang.text(entry.key), "T " + QString(entry.key));
    QCOMPARE(lang.text("persons", "&Persons"), QString("T persons"));

    // A loaded file replaces a failed one completely, and a later failure unloads it again.
    writeLang(dir.path(), "[Pellori]\nVersion=1.0\n[f_Main]\nmenufaq=\xC4rzte %RETURN%\xAB\xBB\n");
    lang.LoadLanguageFile(dir.path());
    QCOMPARE(lang.value("menufaq"), QString::fromLatin1("\xC4rzte %RETURN%\xAB\xBB"));
    QCOMPARE(lang.value("system"), QString());
    QVERIFY(QFile::remove(QDir(dir.path()).filePath("Pellori.lang")));
    lang.LoadLanguageFile(dir.path());
    QVERIFY(!lang.Loaded);
    QCOMPARE(lang.text("menufaq"), QString("FAQ-Online"));
}

void TestLanguage::keyInWrongSectionReadsEmpty()
{
    QTemporaryDir dir;
    writeLang(dir.path(), "[Pellori]\nVersion=1.0\n[common]\nsystem=wrong place\nhelp=Hilfe\n[f_Main]\nhelp=wrong place\n");
    TLang lang;
    lang.LoadLanguageFile(dir.path());
    QVERIFY(lang.Loaded);
    QCOMPARE(lang.text("system"), QString());
    QCOMPARE(lang.text("help"), QString("Hilfe"));
}

void TestLanguage::laterKeysKeepBuiltInsTheFileLacks_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shown");
    QTest::newRow("later key missing") << "vcard_importitem" << "&Import vCard...";
    QTest::newRow("later section missing") << "shared_concurrentchange" << TLang().text("shared_concurrentchange");
    QTest::newRow("later key given") << "vcard_exportitem" << "Exportieren";
    QTest::newRow("later key given empty") << "vcard_importcaption" << "";
    QTest::newRow("first-edition key missing") << "help" << "";
}

void TestLanguage::laterKeysKeepBuiltInsTheFileLacks()
{
    QFETCH(QString, key);
    QFETCH(QString, shown);
    QTemporaryDir dir;
    writeLang(dir.path(), "[Pellori]\nVersion=1.0\n[f_Main]\nsystem=System\n[vcard]\nvcard_exportitem=Exportieren\n"
                          "vcard_importcaption=\n");
    TLang lang;
    lang.LoadLanguageFile(dir.path());
    QVERIFY(lang.Loaded);
    QCOMPARE(lang.text(key), shown);
}

void TestLanguage::agreesWithKeyByKeyReads()
{
    QTemporaryDir dir;
    // Names in other case, a section given twice, keys twice, keys of one section in
    // another, a key before any section, quotes and blanks.
    writeLang(dir.path(), "help=prologue\n[PELLORI]\nversion = '1.0'\n[COMMON]\nHELP=\"Hilfe\"\nhelp=second\n"
                          "system=not here\n[f_main]\n System = \t System \nexit=\r\n[common]\nclose=late\n"
                          "[f_Main]\nabout=late\n[f_birth]\nmonth01='Januar\"\nMONTH02=\"\"\n[f_birth]\nmonth03=x\n");
    TLang lang;
    lang.LoadLanguageFile(dir.path());
    QVERIFY(lang.Loaded);
    const IniFile file(QDir(dir.path()).filePath("Pellori.lang"));
    for (const LangKey& entry : TLang::keys())
        QCOMPARE(lang.value(entry.key), file.readString(entry.section, entry.key));
    QCOMPARE(lang.value("help"), QString("Hilfe"));
    QCOMPARE(lang.value("system"), QString("System"));
    QCOMPARE(lang.value("month01"), QString("'Januar\""));
    QCOMPARE(lang.value("month02"), QString());
    QCOMPARE(lang.value("close"), QString());
}

void TestLanguage::directorySpelling_data()
{
    QTest::addColumn<bool>("trailingSeparator");
    QTest::newRow("with separator") << true;
    QTest::newRow("without separator") << false;
}

void TestLanguage::directorySpelling()
{
    QFETCH(bool, trailingSeparator);
    QTemporaryDir dir;
    writeLang(dir.path(), "[Pellori]\nVersion=1.0\n");
    TLang lang;
    lang.LoadLanguageFile(dir.path() + (trailingSeparator ? "/" : ""));
    QVERIFY(lang.Loaded);
}

void TestLanguage::replaceReturn()
{
    QCOMPARE(ReplaceReturn("a%RETURN%%RETURN%b%RETURN%"), QString("a\r\n\r\nb\r\n"));
    QCOMPARE(ReplaceReturn("a%return%b%RETURN"), QString("a%return%b%RETURN"));
}

void TestLanguage::iniVersionMessage_data()
{
    QTest::addColumn<QByteArray>("langFile");
    QTest::addColumn<QString>("found");
    QTest::addColumn<QString>("expected");

    const QString builtIn = "Your ini-File has version %1 and not the needed version 1.0.\r\n\r\nThe application will be closed.";
    QTest::newRow("built-in") << QByteArray() << "0.9" << builtIn.arg("0.9");
    QTest::newRow("built-in, version missing") << QByteArray() << "" << builtIn.arg("");
    QTest::newRow("catalogue, found twice")
        << QByteArray("[Pellori]\nVersion=1.0\n[f_Main]\ninifileversion=%HASVERSION%/%HASVERSION% <> %NEEDEDVERSION%%RETURN%x\n")
        << "2.0" << "2.0/2.0 <> 1.0\r\nx";
    QTest::newRow("catalogue, placeholders replaced in order")
        << QByteArray("[Pellori]\nVersion=1.0\n[f_Main]\ninifileversion=[%HASVERSION%]\n") << "%RETURN%%NEEDEDVERSION%"
        << "[%RETURN%1.0]";
    QTest::newRow("catalogue without the key")
        << QByteArray("[Pellori]\nVersion=1.0\n") << "2.0" << "";
}

void TestLanguage::iniVersionMessage()
{
    QFETCH(QByteArray, langFile);
    QFETCH(QString, found);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    if (!langFile.isEmpty())
        writeLang(dir.path(), langFile);
    TLang lang;
    lang.LoadLanguageFile(dir.path());
    QCOMPARE(IniVersionMessage(lang, found), expected);
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
