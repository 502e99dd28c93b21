#include "widgets/ClickablePanel.h"

#include "Fonts.h"

namespace tarvo::gui {

namespace {

constexpr int kHelpPanelSize = 12;
constexpr int kTealPanelWidth = 31;
constexpr int kTealPanelHeight = 15;

} // namespace

ClickablePanel::ClickablePanel(const QString& objectName, const QString& caption, Style style, QWidget* parent)
    : ClickableLabel(parent)
{
    setObjectName(objectName);
    setText(caption);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setMargin(0);
    if (style == Style::Help) {
        setFixedSize(kHelpPanelSize, kHelpPanelSize);
        setFont(pixelFont(kProportionalGothic, 10));
        setCursor(Qt::WhatsThisCursor);
        return;
    }
    setFixedSize(kTealPanelWidth, kTealPanelHeight);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0x00, 0x80, 0x80));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setCursor(Qt::PointingHandCursor);
}

} // namespace tarvo::gui
