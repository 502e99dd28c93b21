#pragma once

#include <QWidget>

class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QVBoxLayout;

namespace tarvo::gui {

// The second page, "シェアウェアの場合": the shareware fields on the left, the fee
// notes, the calculator and the pointers to help on the right. The fee field
// lets only half-width digits stand in it.
class SharewarePage : public QWidget {
    Q_OBJECT

public:
    explicit SharewarePage(QWidget* parent = nullptr);

private slots:
    void button3Click();
    void edit30Change(const QString& text);

private:
    QVBoxLayout* buildFieldColumn();
    QVBoxLayout* buildCalculatorColumn();
    QHBoxLayout* buildFeeRow();
    void calculateFees();

    QLineEdit* m_fee = nullptr;
    QPlainTextEdit* m_userStatement = nullptr;
    QPlainTextEdit* m_authorStatement = nullptr;
};

} // namespace tarvo::gui
