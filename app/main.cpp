// Program entry: the main window's creation is the whole start-up; the event
// loop then runs until the main window closes.
#include "app/TerminationSignals.h"
#include "app/f_main.h"
#include "resources/Pictures.h"
#include "widgets/Vendor.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(pellori::vendor::applicationTitle());
    // The menu entry's name and icon, so desktops match the windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("pellori"));
    QApplication::setWindowIcon(pellori::pelloriIcon());
    pellori::quitOnTerminationSignals();

    pellori::Tf_mainForm mainForm(QCoreApplication::applicationDirPath());
    // A termination requested during start-up or later takes effect in the event loop.
    QObject::connect(&mainForm, &pellori::Tf_mainForm::terminateRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (mainForm.terminationRequested())
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    mainForm.show();
    return app.exec();
}
