#include "gui/HandlerGuard.h"

#include "gui/MessageBox.h"

#include "core/Outcome.h"
#include "core/errors/RuntimeError.h"

namespace tarvo::gui {

namespace {

void showErrorBox(QWidget* parent, const std::string& utf8Message)
{
    MessageBox::error(parent, QString::fromStdString(errorBoxText(utf8Message)));
}

} // namespace

bool runGuarded(QWidget* parent, const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const RuntimeError& failure) {
        showRuntimeError(parent, failure);
        return false;
    }
}

void showRuntimeError(QWidget* parent, const RuntimeError& failure)
{
    showErrorBox(parent, failure.message());
}

void showOutcome(QWidget* parent, const Outcome& outcome)
{
    if (outcome.kind == Outcome::Kind::Failed)
        showErrorBox(parent, outcome.message);
    else if (!outcome.message.empty())
        MessageBox::message(parent, QString::fromStdString(outcome.message));
}

} // namespace tarvo::gui
