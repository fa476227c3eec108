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

// Runs `run`, then reads the list again (and runs `then`, guarded), also when
// `run` ended in an error: a window opened in between may have changed the list.
void rereadAfter(DataSet& list, const std::function<void()>& run, const std::function<void()>& then = {});

// Connects a signal to a command that runs guarded.
template <typename Sender, typename Signal>
QMetaObject::Connection onSignal(Sender* sender, Signal signal, QObject* context, std::function<void()> command)
{
    return QObject::connect(sender, signal, context, [command = std::move(command)] { guarded(command); });
}
QMetaObject::Connection onTriggered(QAction* action, QObject* context, std::function<void()> command);
QMetaObject::Connection onClicked(QAbstractButton* button, QObject* context, std::function<void()> command);

} // namespace pellori
