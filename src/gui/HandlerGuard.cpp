#include "HandlerGuard.h"

#include "MessageBox.h"
#include "QtText.h"

#include "errors/RuntimeError.h"

namespace tarvo::gui {

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
    MessageBox::error(parent, QString::fromStdString(errorBoxText(failure.message())));
}

} // namespace tarvo::gui
