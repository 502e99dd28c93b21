#include "HelpPage.h"

#include "AboutPanel.h"
#include "ClickableLabel.h"
#include "Cp932PlainTextEdit.h"
#include "FormParts.h"
#include "MessageBox.h"
#include "QtText.h"
#include "UrlOpener.h"
#include "WidgetImages.h"

#include "guidance/Guidance.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace tarvo::gui {

namespace {

constexpr int kBannerWidth = 88;
constexpr int kBannerHeight = 31;
constexpr int kBevel = 1;

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

// The studio's banner, 88 x 31, inside a raised bevel of its own.
ClickableLabel* banner()
{
    auto* image = new ClickableLabel;
    image->setObjectName(QStringLiteral("Image1"));
    image->setFrameStyle(QFrame::Panel | QFrame::Raised);
    image->setLineWidth(kBevel);
    image->setFixedSize(kBannerWidth + 2 * kBevel, kBannerHeight + 2 * kBevel);
    image->setAlignment(Qt::AlignCenter);
    image->setPixmap(widgetImage(QStringLiteral("banner.png")));
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
    auto* about = new AboutPanel;
    connect(about, &AboutPanel::homePageClicked, this, [this] { askThenOpen("Label73"); });
    column->addWidget(about);
    column->addSpacing(4);
    column->addWidget(new QLabel(QStringLiteral("*** 便利なタルヴォリンクス ***")));
    for (const WebLink& link : webLinks()) {
        if (link.endpoint == LinkEndpoint::HomePage)
            continue;
        ClickableLabel* label = linkLabel(link.control, QString::fromStdString(link.url()));
        connect(label, &ClickableLabel::clicked, this, [this, control = link.control] { open(control); });
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
    ClickableLabel* image = banner();
    connect(image, &ClickableLabel::clicked, this, [this] { askThenOpen("Image1"); });
    column->addWidget(image);
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

// Label77, Label90 ... Label94: the address opens at once.
void HelpPage::open(const std::string& control)
{
    if (const WebLink* link = webLinkFor(control))
        UrlOpener::open(QString::fromStdString(link->url()));
}

// Label73 and Image1: the home page opens only after "はい(&Y)".
void HelpPage::askThenOpen(const std::string& control)
{
    const WebLink* link = webLinkFor(control);
    if (link && MessageBox::question(window(), fromCp932(link->question)) == MessageBox::Answer::Yes)
        UrlOpener::open(QString::fromStdString(link->url()));
}

} // namespace tarvo::gui
