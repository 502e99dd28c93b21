#pragma once

#include <QLabel>

namespace tarvo::gui {

// A label, picture or small panel that acts as a button: a left click released
// over it emits clicked().
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tarvo::gui
