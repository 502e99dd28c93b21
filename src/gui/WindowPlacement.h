#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tarvo::gui {

// Where a window designed to open at `designed` goes within a screen's
// available area: at `designed` when its whole frame fits there; otherwise
// moved left and up just enough, but never past the area's top left corner.
QPoint placedWithin(const QRect& availableArea, const QSize& frame, const QPoint& designed);

// The available area (without panels and docks) of the screen that holds
// `point`, or of the primary screen; empty without any screen.
QRect availableAreaAt(const QPoint& point);

} // namespace tarvo::gui
