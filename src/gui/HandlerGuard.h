#pragma once

#include <functional>

class QWidget;

namespace tarvo::gui {

// Runs one event handler. A run-time failure of the system ends it at the point
// of failure and shows the application error box; whatever the handler changed
// before stays changed and the application goes on. Returns false after a failure.
bool runGuarded(QWidget* parent, const std::function<void()>& handler);

} // namespace tarvo::gui
