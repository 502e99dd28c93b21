#pragma once

#include "core/guidance/WebLinks.h"

#include <QWidget>

#include <map>
#include <string_view>

class QVBoxLayout;

namespace tarvo::gui {

class AboutPanel;
class ClickableLabel;
class Cp932PlainTextEdit;

// The third page, "書き方のヘルプ / インターネット": the about panel, the links to
// the site's author pages with the studio banner, and the help text of
// "tarvo.dat" on the right.
class HelpPage : public QWidget {
    Q_OBJECT

public:
    explicit HelpPage(QWidget* parent = nullptr);

    // The guide of "tarvo.dat" (CP932).
    void showHelpText(std::string_view cp932Text);

signals:
    // A link was clicked; the owner asks its question, if it has one, and opens it.
    void linkActivated(tarvo::LinkId id);

private:
    struct Controls {
        AboutPanel* aboutPanel = nullptr;
        // Every link of the page but the about panel's, by what it opens.
        std::map<LinkId, ClickableLabel*> links;
        Cp932PlainTextEdit* helpText = nullptr;
    };

    QVBoxLayout* buildLinkColumn();
    QVBoxLayout* buildHelpColumn();
    ClickableLabel* siteLink(const WebLink& link);

    Controls m_ui;
};

} // namespace tarvo::gui
