#pragma once

#include <QString>

namespace pellori {

// Every yes/no column holds one character: "@" for yes (current, alive) and
// "-" for no. True exactly for those two values; nothing is trimmed, so the
// editors can reject anything else before a row is written.
bool IsValidFlag(const QString& value);

} // namespace pellori
