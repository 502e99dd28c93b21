// The program's start as src/app/main.cpp does it, up to the first paint of the
// main window. Run in a start folder (category.dat, tarvo.dat, ...).

#include "FirstPaint.h"
#include "gui/ApplicationTitle.h"
#include "gui/MainWindow.h"
#include "gui/desktop/DesktopIdentity.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QString::fromUtf8(tarvo::gui::kApplicationTitle));
    tarvo::gui::applyDesktopFileName();
    tarvo::gui::MainWindow mainWindow;
    QObject::connect(&mainWindow, &tarvo::gui::MainWindow::firstPainted, &application,
        [&application] { tarvo::gui::applyApplicationIcon(application); });
    tarvo::bench::showUntilFirstPaint(application, mainWindow);
}
