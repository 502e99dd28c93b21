#pragma once

#include <QAccessibleWidget>

namespace tarvo::gui {

class ClickableLabel;

// A label that acts as a button or a link: its role and a press action. The
// name is the widget's accessible name, or its text; a label whose buddy it is
// (a link's lead-in) is its labelling relation, not its name.
class AccessibleClickable : public QAccessibleWidget {
public:
    explicit AccessibleClickable(ClickableLabel* label);

    // Read when asked: the interface may be made before the page sets the role.
    QAccessible::Role role() const override;
    QString text(QAccessible::Text kind) const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

private:
    ClickableLabel* label() const;
};

} // namespace tarvo::gui
