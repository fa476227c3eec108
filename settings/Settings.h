#pragma once
// Settings read from Pellori.ini into memory, and the conversions they need.
#include <QList>
#include <QString>

namespace pellori {

class IniFile;
class IniSnapshot;
struct IniKey;

inline constexpr const char* kRequiredIniVersion = "1.0";
// The program's built-in database password, sent before the configured one.
inline constexpr const char* kBuiltInPassword = "*vemlox!";

// Decimal integer with optional sign in 32-bit range; leading spaces are allowed.
// Anything else throws AppError("'<text>' is not a valid integer value").
int StrToInt(const QString& text);

struct StandardValues {
    int addressType = 0, addressTypeCompany = 0, communicationType = 0, communicationTypeCompany = 0,
        internetType = 0, internetTypeCompany = 0;
    QString doctors, administratorMode;
};

// Every key the start-up reads from Pellori.ini (version, database, window
// placement, standard values), so that the file is parsed once:
//   const IniSnapshot ini = IniSnapshot::load(path, StartUpIniKeys());
const QList<IniKey>& StartUpIniKeys();

// Section StandardValues: the six type keys (default "1", converted), then doctors
// (default "1", kept as text). Throws at the first non-integer; the values after
// it keep what they held. The snapshot must hold StartUpIniKeys().
void ReadStandardValues(const IniSnapshot& ini, StandardValues& values);
// administratormode, default "0", kept as text.
void ReadAdministratorMode(const IniSnapshot& ini, StandardValues& values);
// The six type keys and doctors, as the standard values dialog confirms them.
void WriteStandardValues(IniFile& ini, const StandardValues& values);

// Both files carry a layout version that must match exactly.
bool IsRequiredIniVersion(const QString& version);

} // namespace pellori
