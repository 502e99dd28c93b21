#pragma once

#include <QWidget>

class QVBoxLayout;

namespace tarvo::gui {

// The third page, "書き方のヘルプ / インターネット": the about panel, the links to
// the site's author pages with the studio banner, and the help text of
// "tarvo.dat" on the right.
class HelpPage : public QWidget {
    Q_OBJECT

public:
    explicit HelpPage(QWidget* parent = nullptr);

private:
    QVBoxLayout* buildLinkColumn();
    QVBoxLayout* buildHelpColumn();
};

} // namespace tarvo::gui
