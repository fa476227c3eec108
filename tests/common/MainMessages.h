#pragma once
// The main window's own texts for the two errors it recognises, as the user
// reads them (the built-in catalogue's).
#include <QString>

namespace pellori::test {

inline QString employeesMessage()
{
    return QStringLiteral("Database Error:\n\r\n\rThere exists at least one person which works at this firm you "
                          "want to delete.");
}

inline QString loginMessage()
{
    return QStringLiteral("Initialization Error:\r\n\r\nEither username or password of the database is wrong.\r\n\r\n"
                          "Please specify the correct username and password in PELLORI.INI.");
}

} // namespace pellori::test
