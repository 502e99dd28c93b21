#include "gui/widgets/PlainListBox.h"

namespace tarvo::gui {

PlainListBox::PlainListBox(QWidget* parent)
    : QListView(parent)
{
}

void PlainListBox::focusInEvent(QFocusEvent* event)
{
    // The item view moves its cursor to the first entry on keyboard focus.
    const bool hadCurrent = currentIndex().isValid();
    QListView::focusInEvent(event);
    if (!hadCurrent && currentIndex().isValid())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

} // namespace tarvo::gui
