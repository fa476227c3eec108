#include "options/StandardChoices.h"

#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace pellori {

const QList<StandardChoiceList>& standardChoiceLists()
{
    const auto persons = [](const char* name) {
        return CaptionText{.name = QLatin1String(name), .builtIn = QStringLiteral("persons"), .key = QStringLiteral("persons")};
    };
    const auto companies = [](const char* name) {
        return CaptionText{.name = QLatin1String(name), .builtIn = QStringLiteral("companies"), .key = QStringLiteral("companies")};
    };
    static const QList<StandardChoiceList> lists{
        {.queryName = QStringLiteral("query_addresstype"),
         .selectSql = QStringLiteral("select * from addresstype order by at_name"),
         .nameField = QStringLiteral("AT_NAME"),
         .keyField = QStringLiteral("AT_ID"),
         .heading = {.name = QStringLiteral("Label8"), .builtIn = QStringLiteral("Standard addresstype for"),
                     .key = QStringLiteral("standardaddresstypefor")},
         .choices = {{.boxName = QStringLiteral("addresstypeperson"), .label = persons("Label2"),
                      .iniKey = QStringLiteral("addresstype")},
                     {.boxName = QStringLiteral("addresstypecompany"), .label = companies("Label3"),
                      .iniKey = QStringLiteral("addresstypecompany")}}},
        {.queryName = QStringLiteral("query_communicationtype"),
         .selectSql = QStringLiteral("select * from communicationtype order by ct_name"),
         .nameField = QStringLiteral("CT_NAME"),
         .keyField = QStringLiteral("CT_ID"),
         .heading = {.name = QStringLiteral("Label10"), .builtIn = QStringLiteral("standard communicationtype for"),
                     .key = QStringLiteral("standardcommunicationtypefor")},
         .choices = {{.boxName = QStringLiteral("communicationtypeperson"), .label = persons("Label1"),
                      .iniKey = QStringLiteral("communicationtype")},
                     {.boxName = QStringLiteral("communicationtypecomany"), .label = companies("Label4"),
                      .iniKey = QStringLiteral("communicationtypecompany")}}},
        {.queryName = QStringLiteral("query_internettype"),
         .selectSql = QStringLiteral("select * from internettype order by it_name"),
         .nameField = QStringLiteral("IT_NAME"),
         .keyField = QStringLiteral("IT_ID"),
         .heading = {.name = QStringLiteral("Label9"), .builtIn = QStringLiteral("Standard internettype for"),
                     .key = QStringLiteral("standardinternettypefor")},
         .choices = {{.boxName = QStringLiteral("internettypeperson"), .label = persons("Label5"),
                      .iniKey = QStringLiteral("internettype")},
                     {.boxName = QStringLiteral("internettypecompany"), .label = companies("Label7"),
                      .iniKey = QStringLiteral("internettypecompany")}}},
        {.queryName = QStringLiteral("query_groups"),
         .selectSql = QStringLiteral("select * from groupt order by g_name"),
         .nameField = QStringLiteral("G_NAME"),
         .keyField = QStringLiteral("G_ID"),
         .heading = {.name = QStringLiteral("Label6"), .builtIn = QStringLiteral("Group representing DOCTORS"),
                     .key = QStringLiteral("grouprepresentingdoctors")},
         .choices = {{.boxName = QStringLiteral("grouprepresentative"), .iniKey = QStringLiteral("doctors")}}},
    };
    return lists;
}

StandardKeys standardKeys(const StandardValues& v)
{
    return {QString::number(v.addressType),       QString::number(v.addressTypeCompany),
            QString::number(v.communicationType), QString::number(v.communicationTypeCompany),
            QString::number(v.internetType),      QString::number(v.internetTypeCompany),
            v.doctors};
}

void storeStandardKeys(const QString& configPath, const StandardKeys& keys, StandardValues& values)
{
    // Converted first, so that a key that is not a number writes nothing; the
    // values change only once the whole set is in the file.
    StandardValues stored = values;
    stored.addressType = StrToInt(keys[0]);
    stored.addressTypeCompany = StrToInt(keys[1]);
    stored.communicationType = StrToInt(keys[2]);
    stored.communicationTypeCompany = StrToInt(keys[3]);
    stored.internetType = StrToInt(keys[4]);
    stored.internetTypeCompany = StrToInt(keys[5]);
    stored.doctors = keys[6];
    IniFile ini(configPath);
    WriteStandardValues(ini, stored);
    values = stored;
}

QString missingChoiceMessage(const QString& label)
{
    return QStringLiteral("You must choose a value for ") + QChar(0xAB) + label + QChar(0xBB) + QLatin1Char('.');
}

} // namespace pellori
