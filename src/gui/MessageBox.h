#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

namespace tarvo::gui {

// The four boxes of the system, all modal and centred on the screen:
// - message: application title, no icon, "OK";
// - question: application title, no icon, "はい(&Y)" (Enter) and "いいえ(&N)" (Esc);
// - confirmation: "確認", question icon, the same two buttons;
// - error: application title, error icon, "OK".
class MessageBox {
public:
    enum class Kind { Message, Question, Confirmation, Error };
    enum class Answer { Ok, Yes, No };

    struct Record {
        Kind kind;
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QStringList buttons; // captions in the order they stand
    };

    static void message(QWidget* parent, const QString& text);
    // Enter gives `defaultAnswer`: No where saying yes by habit would cost the author.
    static Answer question(QWidget* parent, const QString& text, Answer defaultAnswer = Answer::Yes);
    // Any answer but Yes (No, Esc, the close box) counts as No.
    static Answer confirm(QWidget* parent, const QString& text);
    // Shows the text as given; the full-stop rule is the caller's (see HandlerGuard).
    static void error(QWidget* parent, const QString& text);

    // Test hooks. A queued answer answers one more box, in order, without
    // showing it; a default answer then answers every further box. Clearing
    // drops both.
    static void setNextAnswer(Answer answer);
    static void setDefaultAnswer(Answer answer);
    static void clearNextAnswers();
    // While recording, every box asked for is kept, shown or answered by a hook,
    // oldest first. Off in the program, so that nothing piles up.
    static void setRecording(bool recording);
    static const QList<Record>& shown();
    static void clearShown();
};

} // namespace tarvo::gui
