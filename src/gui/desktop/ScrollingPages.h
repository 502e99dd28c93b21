#pragma once

#include <QObject>
#include <QSize>

class QScrollArea;
class QTabWidget;
class QWidget;

namespace tarvo::gui {

// The pages of a tab control, each in a scroll area of its own, for a window
// that a screen holds only smaller than designed: each page keeps the size it
// was designed at and scrolls both ways, and the focused control is always
// scrolled into view, however the focus came to it. Until start() the pages
// stay as they are, at no cost.
class ScrollingPages : public QObject {
public:
    explicit ScrollingPages(QTabWidget* pages);

    // Puts every page into a scroll area; a page keeps at least the size the
    // pages have now.
    void start();
    bool started() const { return m_started; }

    // What to put into the tab control for a page made later: the page itself
    // until start(), its scroll area after.
    QWidget* forTab(QWidget* page);

private:
    QScrollArea* scrolled(QWidget* page);
    void showFocused(QWidget* focused);

    QTabWidget* m_pages;
    QSize m_designedPageSize;
    bool m_started = false;
};

} // namespace tarvo::gui
