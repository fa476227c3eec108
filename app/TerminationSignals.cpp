#include "app/TerminationSignals.h"

#include "data/Connection.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace pellori {
namespace {

int g_pipe[2] = {-1, -1};
bool g_signalled = false;

// Once a signal has come, a modal window (a start-up message, say) ends as it shows.
class ModalCloser : public QObject {
public:
    using QObject::QObject;

    static void closeOpenModals()
    {
        while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            if (!dialog->isVisible())
                break;
            dialog->reject();
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isModal())
                QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        return false;
    }
};

// Only async-signal-safe work here: the event loop does the rest.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
}

} // namespace

void quitOnTerminationSignals()
{
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier] {
        char buffer[16];
        while (::read(g_pipe[0], buffer, sizeof buffer) > 0) {
        }
        if (!g_signalled && qobject_cast<QApplication*>(QCoreApplication::instance())) {
            qApp->installEventFilter(new ModalCloser(notifier));
            ModalCloser::closeOpenModals();
        }
        g_signalled = true;
        // Ends the event loop when it runs; before it runs, main() asks terminationSignalled().
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
    Connection::leaveSignalsToProgram();
}

bool terminationSignalled() { return g_signalled; }

} // namespace pellori
