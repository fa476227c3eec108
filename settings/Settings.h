#pragma once
// Settings read from Pellori.ini into memory, and the conversions they need.
#include <QString>

namespace pellori {

class IniFile;

inline constexpr const char* kRequiredIniVersion = "1.0";

// Decimal integer with optional sign in 32-bit range; leading spaces are allowed.
// Anything else throws AppError("'<text>' is not a valid integer value").
int StrToInt(const QString& text);

struct StandardValues {
    int addressType = 0, addressTypeCompany = 0, communicationType = 0, communicationTypeCompany = 0,
        internetType = 0, internetTypeCompany = 0;
    QString doctors, administratorMode;
};

// Section StandardValues: the six type keys (default "1", converted), then doctors
// (default "1", kept as text). Throws at the first non-integer; the values after
// it keep what they held.
void ReadStandardValues(const IniFile& ini, StandardValues& values);
// administratormode, default "0", kept as text.
void ReadAdministratorMode(const IniFile& ini, StandardValues& values);
// The six type keys and doctors, as the standard values dialog confirms them.
void WriteStandardValues(IniFile& ini, const StandardValues& values);

// Both files carry a layout version that must match exactly.
bool IsRequiredIniVersion(const QString& version);

} // namespace pellori
