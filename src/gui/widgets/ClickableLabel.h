#pragma once

#include <QAccessible>
#include <QLabel>

namespace tarvo::gui {

// A label, picture or small panel that acts as a button: a left click released
// over it, or Space or Enter while it has the focus, emits clicked(). It takes
// the focus from the keyboard only, so that a click leaves the focus where it
// was, and shows the focus with a frame that stands out from its face.
// Assistive technology sees it as what it does (a button or a link), not as a
// label.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    QAccessible::Role accessibleRole() const { return m_role; }
    void setAccessibleRole(QAccessible::Role role) { m_role = role; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QAccessible::Role m_role = QAccessible::Button;
};

} // namespace tarvo::gui
