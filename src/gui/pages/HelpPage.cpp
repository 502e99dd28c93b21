#include "gui/pages/HelpPage.h"

#include "gui/FormNames.h"
#include "gui/QtText.h"
#include "gui/desktop/Colours.h"
#include "gui/desktop/WidgetImages.h"
#include "gui/pages/AboutPanel.h"
#include "gui/pages/FormParts.h"
#include "gui/widgets/ClickableLabel.h"
#include "gui/widgets/Cp932PlainTextEdit.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace tarvo::gui {

namespace {

constexpr int kBannerWidth = 88;
constexpr int kBannerHeight = 31;
constexpr int kBevel = 1;

// The studio's banner, 88 x 31, inside a raised bevel of its own.
ClickableLabel* banner(QWidget* parent)
{
    auto* image = new ClickableLabel(parent);
    image->setObjectName(form::link(LinkId::HomePageBanner).qt());
    image->setFrameStyle(QFrame::Panel | QFrame::Raised);
    image->setLineWidth(kBevel);
    image->setFixedSize(kBannerWidth + 2 * kBevel, kBannerHeight + 2 * kBevel);
    image->setAlignment(Qt::AlignCenter);
    image->setPixmap(widgetImage(QStringLiteral("banner.png")));
    image->setCursor(Qt::PointingHandCursor);
    image->setAccessibleRole(QAccessible::Link);
    image->setAccessibleName(QStringLiteral("Velmo Studio のホームページ"));
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

// Bold, underlined navy text showing the address it opens: how every site link
// of the page looks.
ClickableLabel* HelpPage::siteLink(const WebLink& link)
{
    auto* label = new ClickableLabel(this);
    label->setObjectName(form::link(link.id).qt());
    QFont font = label->font();
    font.setBold(true);
    font.setUnderline(true);
    label->setFont(font);
    label->setText(QString::fromStdString(link.url()));
    showInColour(label, kNavy);
    if (link.handCursor)
        label->setCursor(Qt::PointingHandCursor);
    label->setAccessibleRole(QAccessible::Link);
    connect(label, &ClickableLabel::clicked, this, [this, id = link.id] { emit linkActivated(id); });
    m_ui.links[link.id] = label;
    return label;
}

QVBoxLayout* HelpPage::buildLinkColumn()
{
    auto* column = new QVBoxLayout;
    column->setSpacing(1);
    m_ui.aboutPanel = new AboutPanel(this);
    connect(
        m_ui.aboutPanel, &AboutPanel::homePageClicked, this, [this] { emit linkActivated(LinkId::HomePageInAbout); });
    column->addWidget(m_ui.aboutPanel);
    column->addSpacing(4);
    column->addWidget(new QLabel(QStringLiteral("*** 便利なタルヴォリンクス ***"), this));
    for (const WebLink& link : webLinks()) {
        if (link.endpoint == LinkEndpoint::HomePage)
            continue;
        auto* leadIn = new QLabel(QString::fromUtf8(link.leadIn.data(), qsizetype(link.leadIn.size())), this);
        ClickableLabel* label = siteLink(link);
        // Heard by what it is for; the address, which the label shows, is its
        // description.
        leadIn->setBuddy(label);
        label->setAccessibleName(leadIn->text());
        label->setAccessibleDescription(label->text());
        if (link.placement == LeadIn::OnTheLeft) {
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
    ClickableLabel* image = banner(this);
    connect(image, &ClickableLabel::clicked, this, [this] { emit linkActivated(LinkId::HomePageBanner); });
    m_ui.links[LinkId::HomePageBanner] = image;
    column->addWidget(image);
    return column;
}

QVBoxLayout* HelpPage::buildHelpColumn()
{
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    auto* caption = new QLabel(QStringLiteral("●より詳しい書き方を確かめたい方はこちらをお読み下さい。●"), this);
    column->addWidget(caption);
    m_ui.helpText = makeMemo(this, form::helpText);
    nameAfterCaption(caption, m_ui.helpText);
    m_ui.helpText->setReadOnly(true);
    column->addWidget(m_ui.helpText, 1);
    return column;
}

void HelpPage::showHelpText(std::string_view cp932Text)
{
    m_ui.helpText->setPlainText(withYenSigns(fromCp932(cp932Text)));
}

} // namespace tarvo::gui
