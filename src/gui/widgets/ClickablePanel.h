#pragma once

#include "gui/widgets/ClickableLabel.h"

namespace tarvo::gui {

// The small raised panels that serve as buttons: the "?" help panels and the
// teal "size" and "load" panels. Each keeps its designed size, and grows where
// its caption needs more in the font it is drawn with (fonts whose lines are
// taller than the designed ones'); the layout around it follows.
class ClickablePanel : public ClickableLabel {
    Q_OBJECT

public:
    enum class Style {
        Help, // 12 x 12, "?", help cursor
        Teal, // 31 x 15, white caption on teal, hand cursor
    };

    ClickablePanel(const QString& objectName, const QString& caption, Style style, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    QSize m_designedSize;
};

} // namespace tarvo::gui
