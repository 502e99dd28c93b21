#pragma once

#include <functional>

class QWidget;

namespace tarvo {
class RuntimeError;
struct Outcome;
} // namespace tarvo

namespace tarvo::gui {

// How an event handler ends, in the window.

// Runs one event handler. A run-time failure of the system ends it at the point
// of failure and shows the application error box; whatever the handler changed
// before stays changed and the application goes on. Returns false after a failure.
bool runGuarded(QWidget* parent, const std::function<void()>& handler);

// The application error box for a failure caught elsewhere (a widget that
// reports its failure by signal).
void showRuntimeError(QWidget* parent, const RuntimeError& failure);

// The box an outcome calls for: a plain message box for a success or a refusal
// (none for a success with nothing to say), the application error box for a
// failure.
void showOutcome(QWidget* parent, const Outcome& outcome);

} // namespace tarvo::gui
