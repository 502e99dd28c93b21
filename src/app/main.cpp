#include "ApplicationTitle.h"
#include "MainWindow.h"

#include <QApplication>
#include <QDialog>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setApplicationName(QString::fromUtf8(tarvo::gui::kApplicationTitle));

    // Creating the main window runs its start-up sequence.
    tarvo::gui::MainWindow mainWindow;
    // The backup load dialog, hidden until the "load" panel shows it.
    auto* loadDialog = new QDialog(&mainWindow);
    loadDialog->setObjectName(QStringLiteral("TForm2"));

    mainWindow.show();
    return application.exec();
}
