#include "app/Program.h"

#include "app/TerminationSignals.h"
#include "app/f_main.h"
#include "printing/birthdays/BirthdayCommands.h"
#include "services/CommandGuard.h"

#include <QApplication>

namespace pellori {

int runProgram(const QString& programDir)
{
    quitOnTerminationSignals();
    Tf_mainForm mainForm(programDir);
    // The event loop has not run yet, so nothing else would see the signal now.
    if (terminationSignalled())
        return 0;
    // A termination requested during start-up or later takes effect in the event loop.
    QObject::connect(&mainForm, &Tf_mainForm::terminateRequested, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    if (mainForm.terminationRequested())
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    mainForm.show();
    // Once the window shows: the upcoming birthdays, when one falls today or
    // tomorrow, if the start-up reached the list.
    QMetaObject::invokeMethod(
        &mainForm,
        [&mainForm] {
            if (mainForm.contacts().isOpen())
                guarded([&mainForm] { showUpcomingBirthdaysAtStart(mainForm, &mainForm); });
        },
        Qt::QueuedConnection);
    return QApplication::exec();
}

} // namespace pellori
