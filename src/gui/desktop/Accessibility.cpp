#include "gui/desktop/Accessibility.h"

#include "gui/widgets/AccessibleClickable.h"
#include "gui/widgets/ClickableLabel.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace tarvo::gui {

namespace {

// Marks a plain container that assistive technology sees as a group.
constexpr char kGroup[] = "tarvoAccessibleGroup";
// Marks the widget that assistive technology sees as the application's window.
constexpr char kWindow[] = "tarvoAccessibleWindow";

// Qt names a combo box on Linux by its current text, so a reader would call
// the machine field "汎用". Here it is named as every other field is, by its
// accessible name or its caption; its text is its value. Its children are Qt's
// own: the list that drops down, then the edit of an editable one.
class AccessibleComboBox : public QAccessibleWidget {
public:
    explicit AccessibleComboBox(QComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return combo()->currentText();
        const QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty())
            return combo()->currentText();
        return text;
    }

    int childCount() const override { return combo()->isEditable() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(combo()->view());
        if (index == 1 && combo()->isEditable())
            return QAccessible::queryAccessibleInterface(combo()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child->object() == combo()->view())
            return 0;
        if (combo()->isEditable() && child->object() == combo()->lineEdit())
            return 1;
        return -1;
    }

    QStringList actionNames() const override
    {
        return QStringList { showMenuAction(), pressAction() } + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (combo()->view()->isVisible())
            combo()->hidePopup();
        else
            combo()->showPopup();
    }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String(ClickableLabel::staticMetaObject.className()))
        return new AccessibleClickable(static_cast<ClickableLabel*>(object));
    if (className == QLatin1String(QComboBox::staticMetaObject.className()))
        return new AccessibleComboBox(static_cast<QComboBox*>(object));
    if (className == QLatin1String(QWidget::staticMetaObject.className()) && object->property(kGroup).toBool())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    // A plain widget at the top would be announced as a pane.
    if (object->isWidgetType() && object->property(kWindow).toBool())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void nameAsGroup(QWidget* container, const QString& name)
{
    container->setProperty(kGroup, true);
    container->setAccessibleName(name);
}

void markAsWindow(QWidget* window)
{
    window->setProperty(kWindow, true);
}

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace tarvo::gui
