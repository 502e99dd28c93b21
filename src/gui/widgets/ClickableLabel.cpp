#include "gui/widgets/ClickableLabel.h"

#include "gui/desktop/Colours.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tarvo::gui {

ClickableLabel::ClickableLabel(QWidget* parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

// What a push button does with the keyboard: Space and Enter press it, once.
void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    const bool press = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!press || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        emit clicked();
}

void ClickableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Its own frame rather than the style's, which may draw a light fill with a
    // faint outline: a solid line that stands out from the face it lies on.
    QPainter painter(this);
    const QColor face = autoFillBackground() ? palette().color(backgroundRole()) : QColor();
    painter.setPen(focusFrameColour(palette(), face));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

} // namespace tarvo::gui
