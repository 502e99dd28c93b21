#include "gui/pages/AboutPanel.h"

#include "gui/FormNames.h"
#include "gui/desktop/Colours.h"
#include "gui/desktop/Fonts.h"
#include "gui/widgets/ClickableLabel.h"

#include "core/guidance/AboutTexts.h"
#include "core/guidance/WebLinks.h"

#include <QLabel>
#include <QPainter>
#include <qdrawutil.h>

namespace tarvo::gui {

namespace {

constexpr QSize kPanelSize(417, 169);

// The sixteen-colour palette names of the design.
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kGreen(0x00, 0x80, 0x00);
const QColor kMaroon(0x80, 0x00, 0x00);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kBlack(0x00, 0x00, 0x00);
const QColor kBevelShadow(0x80, 0x80, 0x80);
// The face the panel was drawn on; it brings it along where the palette is dark.
const QColor kButtonFace(0xD4, 0xD0, 0xC8);

QFont italic(QFont font)
{
    font.setItalic(true);
    return font;
}

QFont bold(QFont font)
{
    font.setBold(true);
    return font;
}

QFont homePageFont()
{
    QFont font = bold(pixelFont(kProportionalGothic, kLargerTextSize));
    font.setUnderline(true);
    return font;
}

} // namespace

AboutPanel::AboutPanel(QWidget* parent)
    : QFrame(parent)
    , m_homePage(new ClickableLabel(this))
{
    setObjectName(QString::fromLatin1(form::aboutPanel));
    setFixedSize(kPanelSize);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);

    m_homePage->setObjectName(QString::fromLatin1(form::link(LinkId::HomePageInAbout)));
    m_homePage->setText(QString::fromStdString(homePageCaption()));
    m_homePage->setAccessibleRole(QAccessible::Link);
    m_homePage->setFont(homePageFont());
    showFaceBehindLink();
    showInColour(m_homePage, kNavy);
    m_homePage->setCursor(Qt::PointingHandCursor);
    m_homePage->setContentsMargins(0, 0, 0, 0);
    m_homePage->setGeometry(QRect(kHomePageAt, m_homePage->sizeHint()));
    connect(m_homePage, &ClickableLabel::clicked, this, &AboutPanel::homePageClicked);
}

QList<AboutPanel::DrawnText> AboutPanel::drawnTexts()
{
    const AboutTexts& texts = aboutTexts();
    return {
        { QString::fromStdString(texts.title), italic(pixelFont(kCentury, 32)), kYellow, { 5, 5 }, kBlack, { 5, 8 } },
        { QString::fromStdString(texts.subtitle), pixelFont(kProportionalGothic, 15), kGreen, { 65, 48 }, kBlack,
            { 64, 48 } },
        { QString::fromStdString(texts.mailLine), bold(pixelFont(kProportionalGothic, kLargerTextSize)), kMaroon,
            { 104, 78 }, std::nullopt, {} },
        { QString::fromStdString(texts.newestVersion), pixelFont(kProportionalGothic, kLargerTextSize), kNavy,
            { 128, 110 }, std::nullopt, {} },
        { QString::fromStdString(texts.studio), italic(pixelFont(kCentury, 19)), kNavy, { 142, 128 }, kWhite,
            { 144, 128 } },
        { QString::fromStdString(texts.presentedBy), pixelFont(kProportionalGothic, kTextSize), kGreen, { 231, 152 },
            kBlack, { 232, 152 } },
    };
}

bool AboutPanel::drawsOwnFace() const
{
    return isDark(palette());
}

// The link's colour is chosen against what the panel shows behind it.
void AboutPanel::showFaceBehindLink()
{
    const QColor face = drawsOwnFace() ? kButtonFace : palette().color(QPalette::Window);
    QPalette behind = m_homePage->palette();
    behind.setColor(QPalette::Window, face);
    behind.setColor(QPalette::Button, face);
    m_homePage->setPalette(behind);
}

void AboutPanel::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        showFaceBehindLink();
}

void AboutPanel::paintEvent(QPaintEvent* event)
{
    if (drawsOwnFace()) {
        const QPalette light(kButtonFace);
        QPainter face(this);
        qDrawShadePanel(&face, rect(), light, false, lineWidth(), &light.window());
    } else {
        QFrame::paintEvent(event);
    }
    QPainter painter(this);
    drawBevel(painter);
    for (const DrawnText& drawn : drawnTexts()) {
        if (drawn.shadow)
            drawText(painter, drawn.text, drawn.font, *drawn.shadow, drawn.shadowAt);
        drawText(painter, drawn.text, drawn.font, drawn.front, drawn.frontAt);
    }
}

void AboutPanel::drawBevel(QPainter& painter)
{
    // A lowered box: dark on the top and left edges, light on the bottom and right.
    const QRect box = kFrame;
    painter.setPen(kBevelShadow);
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topLeft(), box.bottomLeft());
    painter.setPen(kWhite);
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomRight());
}

void AboutPanel::drawText(QPainter& painter, const QString& text, const QFont& font, const QColor& colour, QPoint at)
{
    painter.setFont(font);
    painter.setPen(colour);
    const QRect room(at, QSize(kPanelSize.width() - at.x(), kPanelSize.height() - at.y()));
    painter.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

} // namespace tarvo::gui
