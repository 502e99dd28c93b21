#pragma once

#include "core/guidance/FieldHelp.h"

#include <QWidget>

#include <map>
#include <string>
#include <vector>

class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace tarvo::gui {

class ClickablePanel;
class Cp932PlainTextEdit;

// The second page, "シェアウェアの場合": the shareware fields on the left, the fee
// notes, the calculator and the pointers to help on the right. The fee field
// lets only half-width digits stand in it.
class SharewarePage : public QWidget {
    Q_OBJECT

public:
    explicit SharewarePage(QWidget* parent = nullptr);

    // Replaces both statements of the calculator (CP932 lines).
    void showStatements(const std::vector<std::string>& userLines, const std::vector<std::string>& authorLines);

signals:
    void feesRequested();
    // A byte of the fee field that is no half-width digit, one signal each; the
    // field is emptied after the first.
    void digitsOnlyRefused();
    void fieldHelpRequested(tarvo::HelpTopic topic);
    // The text of the shareware conditions changed, by the author or a program step.
    void memoTextChanged();

private slots:
    void filterFee(const QString& text);

private:
    // Only the page and the binding of the entry write into these.
    friend class EntryBinding;
    struct Controls {
        QLineEdit* sharewareFee = nullptr;
        Cp932PlainTextEdit* sharewareConditions = nullptr;
        QLineEdit* bankRemittance = nullptr;
        QLineEdit* postalRemittance = nullptr;
        QLineEdit* registeredProductNumber = nullptr;
        QLineEdit* niftyRemittance = nullptr;
        QLineEdit* otherRemittance = nullptr;
        QPushButton* calculateButton = nullptr;
        Cp932PlainTextEdit* userStatement = nullptr;
        Cp932PlainTextEdit* authorStatement = nullptr;
        std::map<HelpTopic, ClickablePanel*> helpPanels;
    };

    QVBoxLayout* buildFieldColumn();
    QVBoxLayout* buildCalculatorColumn();
    QHBoxLayout* buildFeeRow();
    ClickablePanel* helpPanel(HelpTopic topic);
    void putPanelsAfterTheirFields();

    Controls m_ui;
};

} // namespace tarvo::gui
