#include "InputRefusal.h"

#include "MessageBox.h"

#include <QWidget>

namespace tarvo::gui {

QString refusalMessage(const QString& character)
{
    return QStringLiteral("「%1」はShift-JISで表せないため使えません。").arg(character);
}

void showRefusal(QWidget* control, const QString& character)
{
    MessageBox::message(control ? control->window() : nullptr, refusalMessage(character));
}

} // namespace tarvo::gui
