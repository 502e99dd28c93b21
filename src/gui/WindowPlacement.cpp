#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace tarvo::gui {

namespace {

int placedAlong(int areaStart, int areaLength, int frameLength, int designed)
{
    const int lastThatFits = areaStart + areaLength - frameLength;
    return std::max(areaStart, std::min(designed, lastThatFits));
}

} // namespace

QPoint placedWithin(const QRect& availableArea, const QSize& frame, const QPoint& designed)
{
    return { placedAlong(availableArea.x(), availableArea.width(), frame.width(), designed.x()),
        placedAlong(availableArea.y(), availableArea.height(), frame.height(), designed.y()) };
}

QRect availableAreaAt(const QPoint& point)
{
    QScreen* screen = QGuiApplication::screenAt(point);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace tarvo::gui
