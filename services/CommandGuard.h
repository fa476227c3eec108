#pragma once
// Every menu, button and key command runs through guarded(): a silent abort ends
// it quietly; any other error goes to every registered error handler, the most
// recently registered (the newest window) first and the main window's last.
#include <QObject>
#include <exception>
#include <functional>

#include <QString>

class QAction;
class QAbstractButton;

namespace pellori {

class DataSet;

class ErrorHandlers {
public:
    using Handler = std::function<void(const std::exception&)>;
    // The handler is dropped when its owner is destroyed.
    static void add(QObject* owner, Handler handler);
    static void remove(QObject* owner);
    static void report(const std::exception& error);
    static int count();
};

// The text a user is shown for an error: the program's own message, or what() of any other.
QString errorMessage(const std::exception& error);

// Runs a command; returns true when it finished without an error or abort.
bool guarded(const std::function<void()>& command);

// Runs `window` (a command that shows a window), then `reread`, which brings
// what the window may have changed up to date: also when the window ended in
// an error, which then goes on to the caller. A failure of `reread` is
// reported on its own.
void rereadAfter(const std::function<void()>& window, const std::function<void()>& reread);
// The same for one list: closed and opened again, then `then`.
void rereadAfter(DataSet& list, const std::function<void()>& window, const std::function<void()>& then = {});

// Connects a signal to a command that runs guarded.
template <typename Sender, typename Signal>
QMetaObject::Connection onSignal(Sender* sender, Signal signal, QObject* context, std::function<void()> command)
{
    return QObject::connect(sender, signal, context, [command = std::move(command)] { guarded(command); });
}
QMetaObject::Connection onTriggered(QAction* action, QObject* context, std::function<void()> command);
QMetaObject::Connection onClicked(QAbstractButton* button, QObject* context, std::function<void()> command);

} // namespace pellori
