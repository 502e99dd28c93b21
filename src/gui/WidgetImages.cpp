#include "WidgetImages.h"

// The resources live in a static library; nothing would pull their registration
// into the program unless it is named once.
static void registerWidgetImages()
{
    Q_INIT_RESOURCE(widgets);
}

namespace tarvo::gui {

QPixmap widgetImage(const QString& fileName)
{
    static const bool registered = (registerWidgetImages(), true);
    Q_UNUSED(registered);
    return QPixmap(QStringLiteral(":/images/") + fileName);
}

} // namespace tarvo::gui
