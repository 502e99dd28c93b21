#pragma once

#include <QPixmap>
#include <QString>

namespace tarvo::gui {

// The pictures made for this program, by file name under resources/
// ("banner.png", "desktop.png", "folder-open.png"...).
QPixmap widgetImage(const QString& fileName);

} // namespace tarvo::gui
