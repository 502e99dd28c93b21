#include "gui/widgets/AccessibleClickable.h"

#include "gui/widgets/ClickableLabel.h"

namespace tarvo::gui {

AccessibleClickable::AccessibleClickable(ClickableLabel* label)
    : QAccessibleWidget(label, label->accessibleRole())
{
    addControllingSignal(QStringLiteral("clicked()"));
}

QAccessible::Role AccessibleClickable::role() const
{
    return label()->accessibleRole();
}

QString AccessibleClickable::text(QAccessible::Text kind) const
{
    if (kind != QAccessible::Name)
        return QAccessibleWidget::text(kind);
    const QString name = label()->accessibleName();
    return name.isEmpty() ? label()->text() : name;
}

QStringList AccessibleClickable::actionNames() const
{
    return { pressAction() };
}

void AccessibleClickable::doAction(const QString& action)
{
    if (action == pressAction())
        emit label()->clicked();
}

ClickableLabel* AccessibleClickable::label() const
{
    return static_cast<ClickableLabel*>(widget());
}

} // namespace tarvo::gui
