#include "gui/desktop/WidgetImages.h"

#include <QFile>
#include <QGuiApplication>

// The resources live in a static library; nothing would pull their registration
// into the program unless it is named once.
static void registerWidgetImages()
{
    Q_INIT_RESOURCE(widgets);
}

namespace tarvo::gui {

QPixmap widgetImage(const QString& fileName)
{
    return widgetImage(fileName, qGuiApp->devicePixelRatio());
}

QPixmap widgetImage(const QString& fileName, qreal devicePixelRatio)
{
    static const bool registered = (registerWidgetImages(), true);
    Q_UNUSED(registered);
    const QString path = QStringLiteral(":/images/") + fileName;
    // Only QIcon looks for "@2x" files by itself; QPixmap loads the name it is
    // given. Any ratio above 1 takes the double size, as QIcon would.
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QString doubled = path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
    if (devicePixelRatio > 1 && dot > 0 && QFile::exists(doubled)) {
        QPixmap pixmap(doubled);
        pixmap.setDevicePixelRatio(2);
        return pixmap;
    }
    return QPixmap(path);
}

} // namespace tarvo::gui
