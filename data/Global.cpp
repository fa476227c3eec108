#include "data/Global.h"

namespace pellori {

bool IsValidFlag(const QString& value)
{
    return value == QLatin1String("@") || value == QLatin1String("-");
}

} // namespace pellori
