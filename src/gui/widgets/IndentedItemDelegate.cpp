#include "gui/widgets/IndentedItemDelegate.h"

namespace tarvo::gui {

IndentedItemDelegate::IndentedItemDelegate(int step, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_step(step)
{
}

int IndentedItemDelegate::indentOf(const QModelIndex& index) const
{
    return index.data(kIndentLevelRole).toInt() * m_step;
}

void IndentedItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem shifted(option);
    shifted.rect.setLeft(option.rect.left() + indentOf(index));
    QStyledItemDelegate::paint(painter, shifted, index);
}

QSize IndentedItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return QStyledItemDelegate::sizeHint(option, index) + QSize(indentOf(index), 0);
}

} // namespace tarvo::gui
