// Times what the start-up reads from its two text files: every start-up key of
// a Pellori.ini of many lines, and the load of a large Pellori.lang of short
// lines. Prints the median of the runs and the peak memory of the process.
// Usage: bench_settings [ini-lines] [lang-megabytes] [runs]
#include "BenchCommon.h"
#include "settings/IniFile.h"
#include "settings/Language.h"
#include "settings/Settings.h"
#include "settings/uBase64Codec.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

using namespace pellori;

namespace {

using pellori::bench::median;
using pellori::bench::timeMs;

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

// The real sections at both ends, the filler in between, so that every key is
// found only past it.
QByteArray bigIni(int lines)
{
    QByteArray ini = "[Pellori]\r\nVersion=1.0\r\n[Database]\r\ndbusername=SYSDBA\r\ndbpassword=bWFzdGVya2V5\r\n"
                     "lc_ctype=ISO8859_1\r\n[History]\r\n";
    for (int i = 0; i < lines; ++i)
        ini += "entry" + QByteArray::number(i) + "=some remembered text " + QByteArray::number(i * 7) + "\r\n";
    ini += "[MainWindow]\r\nWindowsState=wsNormal\r\nLeft=10\r\nTop=20\r\nHeight=400\r\nWidth=600\r\n"
           "[StandardValues]\r\naddresstype=1\r\naddresstypecompany=2\r\ncommunicationtype=3\r\n"
           "communicationtypecompany=4\r\ninternettype=5\r\ninternettypecompany=6\r\ndoctors=7\r\n"
           "administratormode=0\r\n";
    return ini;
}

// Short filler lines inside every text section, ahead of the section's own keys.
// Written piece by piece so that making the file does not raise the peak memory.
void writeBigLang(const QString& path, qint64 megabytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    QList<QByteArray> sections;
    for (const LangKey& entry : TLang::keys()) {
        if (sections.isEmpty() || sections.last() != entry.section)
            sections << entry.section;
    }
    const qint64 perSection = megabytes * 1024 * 1024 / sections.size();
    file.write("[Pellori]\r\nVersion=1.0\r\n");
    // Entries, blank lines, comments and stray words, none of them a catalogue key.
    static const char* const kFiller[] = {"a=1\r\n", "\r\n", "b\r\n", ";c\r\n", "dd=e\r\n", "\r\n"};
    size_t filler = 0;
    for (const QByteArray& section : sections) {
        file.write("[" + section + "]\r\n");
        QByteArray chunk;
        for (qint64 written = 0; written < perSection;) {
            chunk += kFiller[filler++ % std::size(kFiller)];
            if (chunk.size() >= 1 << 20 || written + chunk.size() >= perSection) {
                written += file.write(chunk);
                chunk.clear();
            }
        }
        for (const LangKey& entry : TLang::keys()) {
            if (section == entry.section)
                file.write(QByteArray(entry.key) + "=text of " + entry.key + "\r\n");
        }
    }
}

// What the main window's start-up reads from Pellori.ini.
int startUpReads(const QString& path)
{
    const IniSnapshot ini = IniSnapshot::load(path, StartUpIniKeys());
    int found = 0;
    found += IsRequiredIniVersion(ini.readString("Pellori", "Version"));
    found += !DecodeBase64Text(ini.readString("Database", "dbpassword").toLatin1()).isEmpty();
    found += !ini.readString("Database", "dbusername").isEmpty();
    found += !ini.readString("Database", "lc_ctype").isEmpty();
    if (ini.readString("MainWindow", "WindowsState") == QLatin1String("wsNormal")) {
        for (const char* key : {"Left", "Top", "Height", "Width"})
            found += StrToInt(ini.readString("MainWindow", key)) != 0;
    }
    StandardValues values;
    ReadStandardValues(ini, values);
    ReadAdministratorMode(ini, values);
    return found + values.internetTypeCompany;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int iniLines = argc > 1 ? atoi(argv[1]) : 100000;
    const int langMegabytes = argc > 2 ? atoi(argv[2]) : 50;
    const int runs = argc > 3 ? atoi(argv[3]) : 5;
    QTemporaryDir dir;

    const QString ini = dir.filePath("Pellori.ini");
    writeFile(ini, bigIni(iniLines));
    std::vector<double> iniTimes;
    for (int i = 0; i < runs; ++i) {
        int found = 0;
        iniTimes.push_back(timeMs([&] { found = startUpReads(ini); }));
        if (found != 14) {
            std::fprintf(stderr, "start-up reads found %d of 14 values\n", found);
            return 1;
        }
    }
    std::printf("Pellori.ini of %d lines, start-up reads: %.1f ms (peak memory %ld MB)\n", iniLines,
                median(iniTimes), peakMegabytes());

    writeBigLang(dir.filePath("Pellori.lang"), langMegabytes);
    std::vector<double> langTimes;
    for (int i = 0; i < runs; ++i) {
        TLang lang;
        langTimes.push_back(timeMs([&] { lang.LoadLanguageFile(dir.path()); }));
        if (!lang.Loaded || lang.value("encode") != QLatin1String("text of encode")) {
            std::fprintf(stderr, "language file not loaded\n");
            return 1;
        }
    }
    std::printf("Pellori.lang of %d MB, load: %.1f ms (peak memory %ld MB)\n", langMegabytes, median(langTimes),
                peakMegabytes());
    return 0;
}
