#pragma once

#include <QWidget>

#include <string>

class QVBoxLayout;

namespace tarvo::gui {

// The third page, "書き方のヘルプ / インターネット": the about panel, the links to
// the site's author pages with the studio banner, and the help text of
// "tarvo.dat" on the right. The site links open their pages in the browser;
// the two links to the studio's home page ask first.
class HelpPage : public QWidget {
    Q_OBJECT

public:
    explicit HelpPage(QWidget* parent = nullptr);

private:
    void open(const std::string& control);
    void askThenOpen(const std::string& control);
    QVBoxLayout* buildLinkColumn();
    QVBoxLayout* buildHelpColumn();
};

} // namespace tarvo::gui
