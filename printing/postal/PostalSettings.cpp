#include "printing/postal/PostalSettings.h"

#include "settings/IniFile.h"

#include <QList>

namespace pellori::postal {

namespace {

const QString kSection = QStringLiteral("Postal");

struct Measure {
    const char* key;
    double LabelSheet::*field;
};
const Measure kMeasures[] = {
    {"labelwidth", &LabelSheet::labelWidthMm}, {"labelheight", &LabelSheet::labelHeightMm},
    {"labelleft", &LabelSheet::leftMm},        {"labeltop", &LabelSheet::topMm},
    {"labelgapx", &LabelSheet::gapXMm},        {"labelgapy", &LabelSheet::gapYMm},
};
struct Count {
    const char* key;
    int LabelSheet::*field;
};
const Count kCounts[] = {{"labelcolumns", &LabelSheet::columns}, {"labelrows", &LabelSheet::rows}};

const char* const kTexts[] = {"sender", "country", "labelsheet", "envelope"};

QList<IniKey> keys()
{
    QList<IniKey> k;
    for (const char* t : kTexts)
        k.append({kSection, QLatin1String(t)});
    for (const Measure& m : kMeasures)
        k.append({kSection, QLatin1String(m.key)});
    for (const Count& c : kCounts)
        k.append({kSection, QLatin1String(c.key)});
    return k;
}

QString number(double value) { return QString::number(value, 'g', 10); }

} // namespace

LabelSheet PostalSettings::labelSheet() const
{
    if (const LabelSheet* preset = labelPreset(sheet))
        return *preset;
    return custom;
}

PostalSettings readPostalSettings(const QString& iniPath)
{
    const IniSnapshot ini = IniSnapshot::load(iniPath, keys());
    PostalSettings s;
    const auto read = [&](const char* key, const QString& fallback) {
        return ini.readString(kSection, QLatin1String(key), fallback);
    };
    s.sender = read("sender", s.sender);
    s.country = read("country", s.country);
    s.sheet = read("labelsheet", s.sheet);
    s.envelope = read("envelope", s.envelope);
    for (const Measure& m : kMeasures) {
        bool ok = false;
        const double v = read(m.key, QString()).trimmed().toDouble(&ok);
        if (ok)
            s.custom.*m.field = v;
    }
    for (const Count& c : kCounts) {
        bool ok = false;
        const int v = read(c.key, QString()).trimmed().toInt(&ok);
        if (ok)
            s.custom.*c.field = v;
    }
    return s;
}

void writePostalSettings(const QString& iniPath, const PostalSettings& s)
{
    IniFile ini(iniPath);
    ini.writeString(kSection, QStringLiteral("sender"), s.sender);
    ini.writeString(kSection, QStringLiteral("country"), s.country);
    ini.writeString(kSection, QStringLiteral("labelsheet"), s.sheet);
    ini.writeString(kSection, QStringLiteral("envelope"), s.envelope);
    for (const Measure& m : kMeasures)
        ini.writeString(kSection, QLatin1String(m.key), number(s.custom.*m.field));
    for (const Count& c : kCounts)
        ini.writeString(kSection, QLatin1String(c.key), QString::number(s.custom.*c.field));
}

} // namespace pellori::postal
