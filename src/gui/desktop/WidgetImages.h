#pragma once

#include <QPixmap>
#include <QString>

namespace tarvo::gui {

// The pictures made for this program, by file name under resources/
// ("banner.png", "desktop.png", "folder-open.png"...), drawn for the
// application's device pixel ratio.
QPixmap widgetImage(const QString& fileName);

// The same for a given device pixel ratio: above 1 the double-size drawing
// ("banner@2x.png"), at the same logical size.
QPixmap widgetImage(const QString& fileName, qreal devicePixelRatio);

} // namespace tarvo::gui
