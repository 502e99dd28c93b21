#include "gui/widgets/CaptionLabel.h"

#include <QStyle>

namespace tarvo::gui {

CaptionLabel::CaptionLabel(QWidget* parent)
    : QLabel(parent)
{
}

// A label that takes the focus lays its text out as a document.
bool CaptionLabel::isPlainText() const
{
    const bool plain = textFormat() == Qt::PlainText || (textFormat() == Qt::AutoText && !Qt::mightBeRichText(text()));
    return plain && focusPolicy() == Qt::NoFocus && pixmap().isNull() && !movie() && !text().contains(QLatin1Char('&'));
}

bool CaptionLabel::isSingleLine() const
{
    return isPlainText() && !wordWrap() && margin() == 0 && frameWidth() == 0 && !text().contains(QLatin1Char('\n'));
}

void CaptionLabel::forgetOutdatedMeasures() const
{
    Measured now { text(), font(), alignment(), wordWrap(), contentsMargins(), margin(), indent(), frameWidth(),
        minimumSize(), logicalDpiY() };
    if (now == m_measured)
        return;
    m_measured = std::move(now);
    m_lineSize = QSize();
    m_heightForWidth.clear();
}

// The size QLabel reckons for such a line, at its usual width of 2000 pixels.
QSize CaptionLabel::sizeHint() const
{
    ensurePolished();
    if (!isSingleLine())
        return QLabel::sizeHint();
    forgetOutdatedMeasures();
    if (!m_lineSize.isValid()) {
        const Qt::LayoutDirection direction = text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
        const int flags = (QStyle::visualAlignment(direction, alignment()) & ~(Qt::AlignVCenter | Qt::AlignHCenter))
            | Qt::TextExpandTabs;
        const QMargins margins = contentsMargins();
        const int marginWidth = margins.left() + margins.right();
        const QRect line = fontMetrics().boundingRect(0, 0, 2000 - marginWidth, 2000, flags, text());
        m_lineSize = (line.size() + QSize(marginWidth, margins.top() + margins.bottom())).expandedTo(minimumSize());
    }
    return m_lineSize;
}

QSize CaptionLabel::minimumSizeHint() const
{
    return isSingleLine() ? sizeHint() : QLabel::minimumSizeHint();
}

int CaptionLabel::heightForWidth(int width) const
{
    if (!isPlainText())
        return QLabel::heightForWidth(width);
    forgetOutdatedMeasures();
    const auto known = m_heightForWidth.find(width);
    if (known != m_heightForWidth.end())
        return known->second;
    // A layout asks a few widths; a label resized at will asks any.
    constexpr size_t kWidthsKept = 16;
    if (m_heightForWidth.size() >= kWidthsKept)
        m_heightForWidth.clear();
    const int height = QLabel::heightForWidth(width);
    m_heightForWidth.emplace(width, height);
    return height;
}

} // namespace tarvo::gui
