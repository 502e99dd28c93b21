#include "gui/desktop/ScrollingPages.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

namespace tarvo::gui {

namespace {

// The whole extent of a control when the view holds it, else its start.
void scrollToShow(QScrollBar* bar, int start, int length, int viewLength)
{
    if (start < bar->value() || length > viewLength)
        bar->setValue(start);
    else if (start + length > bar->value() + viewLength)
        bar->setValue(start + length - viewLength);
}

} // namespace

ScrollingPages::ScrollingPages(QTabWidget* pages)
    : QObject(pages)
    , m_pages(pages)
{
}

void ScrollingPages::start()
{
    if (m_started)
        return;
    m_started = true;
    m_designedPageSize = m_pages->currentWidget()->size();
    // A control that loses its window while it moves into the scroll area
    // loses the focus with it.
    QWidget* focused = m_pages->window()->focusWidget();
    {
        const QSignalBlocker quiet(m_pages);
        const int shown = m_pages->currentIndex();
        for (int index = 0; index < m_pages->count(); ++index) {
            const QString caption = m_pages->tabText(index);
            QWidget* page = m_pages->widget(index);
            m_pages->removeTab(index);
            m_pages->insertTab(index, scrolled(page), caption);
        }
        m_pages->setCurrentIndex(shown);
    }
    if (focused)
        focused->setFocus(Qt::OtherFocusReason);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { showFocused(now); });
}

QWidget* ScrollingPages::forTab(QWidget* page)
{
    return m_started ? scrolled(page) : page;
}

QScrollArea* ScrollingPages::scrolled(QWidget* page)
{
    auto* area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    // The Tab order stays the pages' own.
    area->setFocusPolicy(Qt::NoFocus);
    // The window is never larger than designed, so neither is a view.
    page->resize(m_designedPageSize.expandedTo(page->minimumSizeHint()));
    area->setWidget(page);
    // The page is drawn on the tab control's own background, as without scrolling.
    page->setAutoFillBackground(false);
    return area;
}

void ScrollingPages::showFocused(QWidget* focused)
{
    for (QWidget* inside = focused; inside; inside = inside->parentWidget()) {
        auto* area = qobject_cast<QScrollArea*>(inside);
        if (!area || m_pages->indexOf(area) < 0)
            continue;
        const QRect shown(focused->mapTo(area->widget(), QPoint()), focused->size());
        scrollToShow(area->horizontalScrollBar(), shown.x(), shown.width(), area->viewport()->width());
        scrollToShow(area->verticalScrollBar(), shown.y(), shown.height(), area->viewport()->height());
        return;
    }
}

} // namespace tarvo::gui
