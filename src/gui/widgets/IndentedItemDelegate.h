#pragma once

#include <QStyledItemDelegate>

namespace tarvo::gui {

// Draws each entry of a list shifted right by its level (the item's
// kIndentLevelRole) times a fixed step, icon and text together.
class IndentedItemDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int kIndentLevelRole = Qt::UserRole + 1;

    explicit IndentedItemDelegate(int step, QObject* parent = nullptr);

    int indentOf(const QModelIndex& index) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_step;
};

} // namespace tarvo::gui
