#pragma once

#include <QValidator>

class QLineEdit;

namespace tarvo::gui {

// The validator of every one-line text control but the fee field. A one-line
// value never holds a line break (it would split its backup row), so line breaks
// that arrive with pasted or dropped text are dropped; an edit that brings in a
// character CP932 cannot hold is refused, and the control keeps its text.
class Cp932Validator : public QValidator {
    Q_OBJECT

public:
    explicit Cp932Validator(QObject* parent = nullptr);

    State validate(QString& input, int& position) const override;

    // The character of the edit the last validation refused, once: empty when
    // it accepted or the character was taken already.
    QString takeRefusedCharacter();

    // Installs a validator on the edit and shows the refusal message, once the
    // edit has been undone, for every edit of the author it refused.
    static void installOn(QLineEdit* edit);

private:
    mutable QString m_refused;
};

} // namespace tarvo::gui
