#pragma once
// What the main window's error handler shows for an error, and whether the
// program then ends: its own messages for a company that still has employees,
// for a refused login, for another user's change and for an access the user
// was not granted, the error's text for everything else.
#include <QString>
#include <exception>

namespace pellori {

class TLang;

struct MainErrorReport {
    QString text;
    bool endsProgram = false;
};

MainErrorReport mainWindowErrorReport(const std::exception& error, const TLang& lang);

} // namespace pellori
