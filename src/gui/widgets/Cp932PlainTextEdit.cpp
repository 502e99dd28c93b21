#include "gui/widgets/Cp932PlainTextEdit.h"

#include "gui/QtText.h"
#include "gui/widgets/InputRefusal.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace tarvo::gui {

Cp932PlainTextEdit::Cp932PlainTextEdit(QWidget* parent)
    : QPlainTextEdit(parent)
{
}

bool Cp932PlainTextEdit::refuses(const QString& incoming)
{
    if (isReadOnly())
        return false;
    const QString refused = firstUnrepresentable(incoming);
    if (refused.isEmpty())
        return false;
    showRefusal(this, refused);
    return true;
}

void Cp932PlainTextEdit::keyPressEvent(QKeyEvent* event)
{
    if (refuses(event->text())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void Cp932PlainTextEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (!refuses(event->commitString())) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    // Drop the commit but let the composition end as the input method says.
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    QPlainTextEdit::inputMethodEvent(&withoutCommit);
}

void Cp932PlainTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (source && source->hasText() && refuses(source->text()))
        return;
    QPlainTextEdit::insertFromMimeData(source);
}

} // namespace tarvo::gui
