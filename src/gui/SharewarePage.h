#pragma once

#include <QWidget>

class QVBoxLayout;

namespace tarvo::gui {

// The second page, "シェアウェアの場合": the shareware fields on the left, the fee
// notes, the calculator and the pointers to help on the right.
class SharewarePage : public QWidget {
    Q_OBJECT

public:
    explicit SharewarePage(QWidget* parent = nullptr);

private:
    QVBoxLayout* buildFieldColumn();
    QVBoxLayout* buildCalculatorColumn();
};

} // namespace tarvo::gui
