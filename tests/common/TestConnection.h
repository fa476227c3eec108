#pragma once
// The data-layer tests' attachment to a test database: the embedded engine
// takes the user name as given and checks no password.
#include "data/Connection.h"

namespace pellori::test {

inline void attachTo(Connection& c, const QString& path)
{
    c.setDatabaseName(path);
    c.params = QStringList{"user_name=SYSDBA", "password=x", "lc_ctype=ISO8859_1"};
}

} // namespace pellori::test
