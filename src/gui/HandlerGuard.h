#pragma once

#include <functional>

class QWidget;

namespace tarvo {
class RuntimeError;
}

namespace tarvo::gui {

// Runs one event handler. A run-time failure of the system ends it at the point
// of failure and shows the application error box; whatever the handler changed
// before stays changed and the application goes on. Returns false after a failure.
bool runGuarded(QWidget* parent, const std::function<void()>& handler);

// The application error box for a failure caught elsewhere (a widget that
// reports its failure by signal).
void showRuntimeError(QWidget* parent, const RuntimeError& failure);

} // namespace tarvo::gui
