#include "gui/widgets/ClickablePanel.h"

#include "gui/desktop/Fonts.h"

#include <QFontMetricsF>
#include <QtMath>

namespace tarvo::gui {

namespace {

constexpr QSize kHelpPanelSize(12, 12);
constexpr QSize kTealPanelSize(31, 15);

} // namespace

ClickablePanel::ClickablePanel(const QString& objectName, const QString& caption, Style style, QWidget* parent)
    : ClickableLabel(parent)
    , m_designedSize(style == Style::Help ? kHelpPanelSize : kTealPanelSize)
{
    setObjectName(objectName);
    setText(caption);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setMargin(0);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    if (style == Style::Help) {
        setFont(pixelFont(kProportionalGothic, 10));
        setCursor(Qt::WhatsThisCursor);
        return;
    }
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0x00, 0x80, 0x80));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setCursor(Qt::PointingHandCursor);
}

// Asked again when the font changes: the panel's own, or the window's it takes on.
QSize ClickablePanel::sizeHint() const
{
    const QSizeF text = QFontMetricsF(font()).boundingRect(this->text()).size();
    const int frame = 2 * frameWidth();
    return m_designedSize.expandedTo(QSize(qCeil(text.width()) + frame, qCeil(text.height()) + frame));
}

} // namespace tarvo::gui
