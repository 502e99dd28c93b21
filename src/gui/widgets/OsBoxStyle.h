#pragma once

#include <QProxyStyle>

namespace tarvo::gui {

// The application's style with the OS boxes' narrow geometry: the caption
// starts kCaptionSpacing after the box, one pixel past the style's own place
// for it, and the box is only as large as box and caption. It is what a
// "spacing" style sheet made of them, without routing the window's widgets
// through Qt's style sheet machinery.
class OsBoxStyle : public QProxyStyle {
public:
    // Between a check box and its caption.
    static constexpr int kCaptionSpacing = 2;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    QSize sizeFromContents(
        ContentsType type, const QStyleOption* option, const QSize& contents, const QWidget* widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override;
    // The base style places the parts of a box by its own rectangles; these are
    // placed by the ones above.
    void drawControl(
        ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override;
};

} // namespace tarvo::gui
