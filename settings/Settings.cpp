#include "settings/Settings.h"

#include "settings/AppError.h"
#include "settings/IniFile.h"

#include <limits>

namespace pellori {

namespace {

const QString kSection = QStringLiteral("StandardValues");

const QList<IniKey> kStartUpKeys = {
    {"Pellori", "Version"},
    {"Database", "dbpassword"},
    {"Database", "dbusername"},
    {"Database", "lc_ctype"},
    {"Database", "server"},
    {"Database", "database"},
    {"Database", "role"},
    {"MainWindow", "WindowsState"},
    {"MainWindow", "Left"},
    {"MainWindow", "Top"},
    {"MainWindow", "Height"},
    {"MainWindow", "Width"},
    {"StandardValues", "addresstype"},
    {"StandardValues", "addresstypecompany"},
    {"StandardValues", "communicationtype"},
    {"StandardValues", "communicationtypecompany"},
    {"StandardValues", "internettype"},
    {"StandardValues", "internettypecompany"},
    {"StandardValues", "doctors"},
    {"StandardValues", "administratormode"},
};

} // namespace

const QList<IniKey>& StartUpIniKeys()
{
    return kStartUpKeys;
}

int StrToInt(const QString& text)
{
    const AppError invalid(QString("'%1' is not a valid integer value").arg(text));
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        throw invalid;
    // Accumulate as a magnitude; the negative range reaches one further.
    const qint64 limit = negative ? -qint64(std::numeric_limits<int>::min()) : std::numeric_limits<int>::max();
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            throw invalid;
        magnitude = magnitude * 10 + (c.unicode() - '0');
        if (magnitude > limit)
            throw invalid;
    }
    return int(negative ? -magnitude : magnitude);
}

void ReadStandardValues(const IniSnapshot& ini, StandardValues& values)
{
    const QString one = QStringLiteral("1");
    values.addressType = StrToInt(ini.readString(kSection, QStringLiteral("addresstype"), one));
    values.addressTypeCompany = StrToInt(ini.readString(kSection, QStringLiteral("addresstypecompany"), one));
    values.communicationType = StrToInt(ini.readString(kSection, QStringLiteral("communicationtype"), one));
    values.communicationTypeCompany =
        StrToInt(ini.readString(kSection, QStringLiteral("communicationtypecompany"), one));
    values.internetType = StrToInt(ini.readString(kSection, QStringLiteral("internettype"), one));
    values.internetTypeCompany = StrToInt(ini.readString(kSection, QStringLiteral("internettypecompany"), one));
    values.doctors = ini.readString(kSection, QStringLiteral("doctors"), one);
}

void ReadAdministratorMode(const IniSnapshot& ini, StandardValues& values)
{
    values.administratorMode = ini.readString(kSection, QStringLiteral("administratormode"), QStringLiteral("0"));
}

void WriteStandardValues(IniFile& ini, const StandardValues& values)
{
    ini.writeString(kSection, QStringLiteral("addresstype"), QString::number(values.addressType));
    ini.writeString(kSection, QStringLiteral("addresstypecompany"), QString::number(values.addressTypeCompany));
    ini.writeString(kSection, QStringLiteral("communicationtype"), QString::number(values.communicationType));
    ini.writeString(kSection, QStringLiteral("communicationtypecompany"),
                    QString::number(values.communicationTypeCompany));
    ini.writeString(kSection, QStringLiteral("internettype"), QString::number(values.internetType));
    ini.writeString(kSection, QStringLiteral("internettypecompany"), QString::number(values.internetTypeCompany));
    ini.writeString(kSection, QStringLiteral("doctors"), values.doctors);
}

bool IsRequiredIniVersion(const QString& version)
{
    return version == QLatin1String(kRequiredIniVersion);
}

} // namespace pellori
