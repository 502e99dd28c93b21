#pragma once

// Ends a start-up benchmark process the moment its window has painted once:
// the first paint event posts the end, which runs as soon as the paint has been
// flushed to the screen and before anything the window itself posted while it
// painted. Tearing the window down is not part of starting up.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

namespace tarvo::bench {

class EndAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_posted) {
            m_posted = true;
            QMetaObject::invokeMethod(
                this,
                [] {
                    std::fflush(nullptr);
                    ::_exit(0);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_posted = false;
};

// Shows `window` and never returns; a window that has not painted within ten
// seconds ends the process with status 3.
[[noreturn]] inline void showUntilFirstPaint(QApplication& application, QWidget& window)
{
    EndAfterFirstPaint end;
    window.installEventFilter(&end);
    QTimer::singleShot(10000, [] { ::_exit(3); });
    window.show();
    application.exec();
    ::_exit(4);
}

} // namespace tarvo::bench
