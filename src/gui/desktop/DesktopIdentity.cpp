#include "gui/desktop/DesktopIdentity.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

// The resources live in a static library; nothing would pull their registration
// into the program unless it is named once.
static void registerApplicationIcon()
{
    Q_INIT_RESOURCE(appicon);
}

namespace tarvo::gui {

void applyDesktopIdentity(QApplication& application)
{
    applyDesktopFileName();
    applyApplicationIcon(application);
}

void applyDesktopFileName()
{
    // Desktops match windows to their entry by this name (on Wayland it is the
    // app id); without it the taskbar shows neither the entry's name nor its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TARVO_APP_ID));
}

void applyApplicationIcon(QApplication& application)
{
    registerApplicationIcon();
    const QString appId = QStringLiteral(TARVO_APP_ID);
    QIcon builtIn;
    const QDir pictures(QStringLiteral(":/appicon"));
    for (const QString& name : pictures.entryList(QDir::Files))
        builtIn.addFile(pictures.filePath(name));
    application.setWindowIcon(QIcon::fromTheme(appId, builtIn));
}

} // namespace tarvo::gui
