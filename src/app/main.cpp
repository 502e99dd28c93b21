#include "gui/ApplicationTitle.h"
#include "gui/MainWindow.h"
#include "gui/desktop/DesktopIdentity.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QString::fromUtf8(tarvo::gui::kApplicationTitle));
    tarvo::gui::applyDesktopFileName();

    // Creating the main window runs its start-up sequence; the pages it does
    // not show first and the backup load dialog follow its first paint.
    tarvo::gui::MainWindow mainWindow;
    QObject::connect(&mainWindow, &tarvo::gui::MainWindow::firstPainted, &application,
        [&application] { tarvo::gui::applyApplicationIcon(application); });
    mainWindow.show();
    return application.exec();
}
