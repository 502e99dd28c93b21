#include "Accessibility.h"

#include "MainWindow.h"
#include "widgets/ClickableLabel.h"

#include <QAccessibleWidget>

namespace tarvo::gui {

namespace {

// A label that acts as a button or a link: its role and a press action. The
// name is the widget's accessible name, or its text.
class AccessibleClickable : public QAccessibleWidget {
public:
    explicit AccessibleClickable(ClickableLabel* label)
        : QAccessibleWidget(label, label->accessibleRole())
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    // Read when asked: the interface may be made before the page sets the role.
    QAccessible::Role role() const override { return label()->accessibleRole(); }

    QString text(QAccessible::Text kind) const override
    {
        const QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            return label()->text();
        return text;
    }

    QStringList actionNames() const override { return { pressAction() }; }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit label()->clicked();
    }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String(ClickableLabel::staticMetaObject.className()))
        return new AccessibleClickable(static_cast<ClickableLabel*>(object));
    // A plain widget at the top would be announced as a pane.
    if (className == QLatin1String(MainWindow::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace tarvo::gui
