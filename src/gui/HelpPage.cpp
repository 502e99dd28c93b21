#include "HelpPage.h"

#include "ClickableLabel.h"
#include "Cp932PlainTextEdit.h"
#include "FormParts.h"
#include "QtText.h"

#include "guidance/Guidance.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace tarvo::gui {

namespace {

constexpr int kAboutWidth = 417;
constexpr int kAboutHeight = 169;
const QPoint kHomePageLinkAt(128, 94);
constexpr int kBannerWidth = 88;
constexpr int kBannerHeight = 31;

// Bold, underlined navy text: how every link of the page looks.
ClickableLabel* linkLabel(const std::string& control, const QString& caption)
{
    auto* link = new ClickableLabel;
    link->setObjectName(QString::fromStdString(control));
    link->setText(caption);
    QFont font = link->font();
    font.setBold(true);
    font.setUnderline(true);
    link->setFont(font);
    QPalette navy = link->palette();
    navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    link->setPalette(navy);
    return link;
}

QFrame* aboutPanel()
{
    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setFixedSize(kAboutWidth, kAboutHeight);
    ClickableLabel* homePage = linkLabel("Label73", fromCp932(homePageCaption()));
    homePage->setParent(panel);
    homePage->setCursor(Qt::PointingHandCursor);
    homePage->adjustSize();
    homePage->move(kHomePageLinkAt);
    return panel;
}

ClickableLabel* banner()
{
    auto* image = new ClickableLabel;
    image->setObjectName(QStringLiteral("Image1"));
    image->setFrameStyle(QFrame::Panel | QFrame::Raised);
    image->setFixedSize(kBannerWidth, kBannerHeight);
    image->setCursor(Qt::PointingHandCursor);
    return image;
}

} // namespace

HelpPage::HelpPage(QWidget* parent)
    : QWidget(parent)
{
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(6, 4, 6, 4);
    columns->setSpacing(10);
    columns->addLayout(buildLinkColumn(), 0);
    columns->addLayout(buildHelpColumn(), 1);
}

QVBoxLayout* HelpPage::buildLinkColumn()
{
    auto* column = new QVBoxLayout;
    column->setSpacing(1);
    column->addWidget(aboutPanel());
    column->addSpacing(4);
    column->addWidget(new QLabel(QStringLiteral("*** 便利なタルヴォリンクス ***")));
    for (const WebLink& link : webLinks()) {
        if (link.endpoint == LinkEndpoint::HomePage)
            continue;
        ClickableLabel* label = linkLabel(link.control, QString::fromStdString(link.url()));
        auto* leadIn = new QLabel(fromCp932(link.leadIn));
        if (link.control == "Label77") {
            // The only site link on the line of its lead-in, and the only one
            // with the hand cursor.
            label->setCursor(Qt::PointingHandCursor);
            auto* row = new QHBoxLayout;
            row->setSpacing(6);
            row->addWidget(leadIn);
            row->addWidget(label);
            row->addStretch(1);
            column->addLayout(row);
            continue;
        }
        column->addWidget(leadIn);
        column->addWidget(label);
    }
    column->addStretch(1);
    column->addWidget(banner());
    return column;
}

QVBoxLayout* HelpPage::buildHelpColumn()
{
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    column->addWidget(new QLabel(QStringLiteral("●より詳しい書き方を確かめたい方はこちらをお読み下さい。●")));
    Cp932PlainTextEdit* help = makeMemo(QStringLiteral("Memo9"));
    help->setReadOnly(true);
    column->addWidget(help, 1);
    return column;
}

} // namespace tarvo::gui
