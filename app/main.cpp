// Program entry: the application object, its names and icon; the main window's
// creation is the whole start-up, and the event loop then runs until the main
// window closes.
#include "app/Program.h"
#include "resources/Pictures.h"
#include "services/Vendor.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(pellori::vendor::applicationTitle());
    // The menu entry's name and icon, so desktops match the windows to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("pellori"));
    QApplication::setWindowIcon(pellori::pelloriIcon());
    return pellori::runProgram(QCoreApplication::applicationDirPath());
}
