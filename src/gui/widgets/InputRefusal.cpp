#include "gui/widgets/InputRefusal.h"

#include "gui/MessageBox.h"

#include "core/text/Cp932.h"

#include <QWidget>

namespace tarvo::gui {

QString refusalMessage(const QString& character)
{
    return QString::fromStdString(unrepresentableMessage(character.toStdString()));
}

void showRefusal(QWidget* control, const QString& character)
{
    MessageBox::message(control ? control->window() : nullptr, refusalMessage(character));
}

} // namespace tarvo::gui
