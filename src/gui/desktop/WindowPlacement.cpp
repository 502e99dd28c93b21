#include "gui/desktop/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace tarvo::gui {

namespace {

constexpr int kFrameChecks = 60;
constexpr int kFrameCheckMs = 50;

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

FramePlacement::FramePlacement(QWidget* window, const QPoint& designed, Fitting fit)
    : QObject(window)
    , m_window(window)
    , m_designed(designed)
    , m_fit(std::move(fit))
{
}

void FramePlacement::start()
{
    m_started = true;
    placeFor(m_placedForFrame);
    follow(kFrameChecks);
}

void FramePlacement::placeAgain()
{
    if (m_started)
        placeFor(m_placedForFrame);
}

// The designed position, unless the frame would then reach past the screen's
// available area (a small screen, a panel).
void FramePlacement::placeFor(const QMargins& frame)
{
    const QRect area = availableAreaAt(m_designed);
    if (m_fit && !area.isEmpty())
        m_fit(area.size().shrunkBy(frame));
    const QPoint inside(frame.left(), frame.top());
    const QPoint placed = placedWithin(area, m_window->size().grownBy(frame), m_designed);
    if (m_window->geometry().topLeft() != placed + inside)
        m_window->setGeometry(QRect(placed + inside, m_window->size()));
}

// Without any frame, there is none to count.
void FramePlacement::follow(int checksLeft)
{
    const QWindow* handle = m_window->windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    if (frame != m_placedForFrame && frame.left() >= 0 && frame.top() >= 0 && frame.right() >= 0
        && frame.bottom() >= 0) {
        m_placedForFrame = frame;
        placeFor(frame);
    }
    if (checksLeft > 0)
        QTimer::singleShot(kFrameCheckMs, this, [this, checksLeft] { follow(checksLeft - 1); });
}

} // namespace tarvo::gui
