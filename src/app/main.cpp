#include "ApplicationTitle.h"
#include "DesktopIdentity.h"
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QString::fromUtf8(tarvo::gui::kApplicationTitle));
    tarvo::gui::applyDesktopIdentity(application);

    // Creating the main window runs its start-up sequence and creates the
    // hidden backup load dialog, which lives as long as the window.
    tarvo::gui::MainWindow mainWindow;
    mainWindow.show();
    return application.exec();
}
