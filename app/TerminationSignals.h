#pragma once

namespace pellori {

// SIGTERM, SIGINT and SIGHUP (a logout, a kill, Ctrl+C in a terminal) end the
// program the orderly way: the event loops return, open windows are released
// and their transactions commit, the main transaction last. This replaces the
// database client's own handlers, which would shut the embedded engine down
// under the running program and leave it without its connection.
// Needs the application object; call it once, before the main window is made.
void quitOnTerminationSignals();

// Whether such a signal has arrived. From then on every modal window, the ones
// open and the ones opened later, is closed as soon as it shows, so that start-up
// (which runs before the event loop) comes to its end; the program then does not
// enter its event loop.
bool terminationSignalled();

} // namespace pellori
