#include "gui/widgets/OsBoxStyle.h"

#include <QStyleOptionButton>

#include <algorithm>

namespace tarvo::gui {

int OsBoxStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_CheckBoxLabelSpacing)
        return kCaptionSpacing;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize OsBoxStyle::sizeFromContents(
    ContentsType type, const QStyleOption* option, const QSize& contents, const QWidget* widget) const
{
    if (type != CT_CheckBox)
        return QProxyStyle::sizeFromContents(type, option, contents, widget);
    return { contents.width() + pixelMetric(PM_IndicatorWidth, option, widget) + kCaptionSpacing,
        std::max(contents.height(), pixelMetric(PM_IndicatorHeight, option, widget)) };
}

QRect OsBoxStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    switch (element) {
    case SE_CheckBoxContents:
        return QProxyStyle::subElementRect(element, option, widget).translated(1, 0);
    case SE_CheckBoxFocusRect:
        return QProxyStyle::subElementRect(element, option, widget).translated(1, 0).intersected(option->rect);
    case SE_CheckBoxClickRect:
        return subElementRect(SE_CheckBoxIndicator, option, widget)
            | subElementRect(SE_CheckBoxFocusRect, option, widget);
    default:
        return QProxyStyle::subElementRect(element, option, widget);
    }
}

void OsBoxStyle::drawControl(
    ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    const auto* box = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != CE_CheckBox || !box) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionButton part = *box;
    part.rect = subElementRect(SE_CheckBoxIndicator, box, widget);
    drawPrimitive(PE_IndicatorCheckBox, &part, painter, widget);
    part.rect = subElementRect(SE_CheckBoxContents, box, widget);
    drawControl(CE_CheckBoxLabel, &part, painter, widget);
    if (box->state & State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(*box);
        focus.rect = subElementRect(SE_CheckBoxFocusRect, box, widget);
        drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
    }
}

} // namespace tarvo::gui
