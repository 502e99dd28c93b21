#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

namespace tarvo::gui {

// Where a window designed to open at `designed` goes within a screen's
// available area: at `designed` when its whole frame fits there; otherwise
// moved left and up just enough, but never past the area's top left corner.
QPoint placedWithin(const QRect& availableArea, const QSize& frame, const QPoint& designed);

// The available area (without panels and docks) of the screen that holds
// `point`, or of the primary screen; empty without any screen.
QRect availableAreaAt(const QPoint& point);

// Keeps a window at its designed position, or within the available area, by
// its client area, which every window manager takes as given. A window manager
// frames the window a moment after it shows, and may report passing frames
// before the last; the window follows each new frame for a few seconds. Before
// each placement the window is told the room its client area has in the
// available area, and may take another size.
class FramePlacement : public QObject {
public:
    using Fitting = std::function<void(const QSize& room)>;

    FramePlacement(QWidget* window, const QPoint& designed, Fitting fit = {});

    // At the window's first show.
    void start();
    // After the window changed its size; nothing before start().
    void placeAgain();

private:
    void placeFor(const QMargins& frame);
    void follow(int checksLeft);

    QWidget* m_window;
    QPoint m_designed;
    Fitting m_fit;
    bool m_started = false;
    // The window manager's frame the window was last placed for.
    QMargins m_placedForFrame;
};

} // namespace tarvo::gui
