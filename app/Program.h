#pragma once
// The program's run, from the main window's creation to the end of its event
// loop, apart from main() so that a test can run it as the program does.
#include <QString>
#include <QStringList>

namespace pellori {

// Takes SIGTERM, SIGINT and SIGHUP over, creates the main window (the whole
// start-up) and runs the event loop until the window closes or the program is
// asked to end. A signal that came during start-up (while a start-up message
// was shown, say) ends the program before the window is shown. Each file of
// filesToImport is imported in turn once the window is shown, as System >
// Import vCard... would. Needs the application object.
int runProgram(const QString& programDir, const QStringList& filesToImport = {});

} // namespace pellori
