#pragma once

#include <QPlainTextEdit>

namespace tarvo::gui {

// A multi-line text control that refuses an edit bringing in a character that
// CP932 cannot hold (typed, composed, pasted or dropped): the text stays as it
// was and a plain message box names the character.
class Cp932PlainTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit Cp932PlainTextEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    bool refuses(const QString& incoming);
};

} // namespace tarvo::gui
