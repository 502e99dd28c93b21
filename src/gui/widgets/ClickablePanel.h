#pragma once

#include "widgets/ClickableLabel.h"

namespace tarvo::gui {

// The small raised panels that serve as buttons: the "?" help panels and the
// teal "size" and "load" panels.
class ClickablePanel : public ClickableLabel {
    Q_OBJECT

public:
    enum class Style {
        Help, // 12 x 12, "?", help cursor
        Teal, // white caption on teal, hand cursor
    };

    ClickablePanel(const QString& objectName, const QString& caption, Style style, QWidget* parent = nullptr);
};

} // namespace tarvo::gui
