#include "gui/MessageBox.h"

#include "gui/ApplicationTitle.h"

#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include <deque>
#include <optional>

namespace tarvo::gui {

namespace {

struct TestHooks {
    QList<MessageBox::Record> records;
    std::deque<MessageBox::Answer> nextAnswers;
    std::optional<MessageBox::Answer> defaultAnswer;
    bool recording = false;

    std::optional<MessageBox::Answer> takeAnswer()
    {
        if (nextAnswers.empty())
            return defaultAnswer;
        const MessageBox::Answer answer = nextAnswers.front();
        nextAnswers.pop_front();
        return answer;
    }
};

TestHooks& hooks()
{
    static TestHooks testHooks;
    return testHooks;
}

const QString& okCaption()
{
    static const QString caption = QStringLiteral("OK");
    return caption;
}

const QString& yesCaption()
{
    static const QString caption = QStringLiteral("はい(&Y)");
    return caption;
}

const QString& noCaption()
{
    static const QString caption = QStringLiteral("いいえ(&N)");
    return caption;
}

// Qt centres a box over its parent; the system's boxes stand in the middle of
// the screen whatever window asked.
class ScreenCentredBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        if (const QScreen* target = screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(target->availableGeometry().center());
            move(frame.topLeft());
        }
    }
};

struct BoxStyle {
    MessageBox::Kind kind;
    QString title;
    QMessageBox::Icon icon;
    bool yesNo;
};

BoxStyle styleFor(MessageBox::Kind kind)
{
    const QString appTitle = QString::fromUtf8(kApplicationTitle);
    switch (kind) {
    case MessageBox::Kind::Message:
        return { kind, appTitle, QMessageBox::NoIcon, false };
    case MessageBox::Kind::Question:
        return { kind, appTitle, QMessageBox::NoIcon, true };
    case MessageBox::Kind::Confirmation:
        return { kind, QStringLiteral("確認"), QMessageBox::Question, true };
    case MessageBox::Kind::Error:
        break;
    }
    return { kind, appTitle, QMessageBox::Critical, false };
}

MessageBox::Answer showBox(
    const BoxStyle& style, QWidget* parent, const QString& text, MessageBox::Answer defaultAnswer)
{
    ScreenCentredBox box(parent);
    box.setWindowTitle(style.title);
    box.setIcon(style.icon);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setWindowModality(Qt::ApplicationModal);
    // The Windows order, Yes left of No, whatever the desktop's convention.
    box.setStyleSheet(QStringLiteral("QDialogButtonBox { button-layout: 0; }"));
    if (!style.yesNo) {
        QPushButton* ok = box.addButton(okCaption(), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return MessageBox::Answer::Ok;
    }
    QPushButton* yes = box.addButton(yesCaption(), QMessageBox::YesRole);
    QPushButton* no = box.addButton(noCaption(), QMessageBox::NoRole);
    box.setDefaultButton(defaultAnswer == MessageBox::Answer::No ? no : yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? MessageBox::Answer::Yes : MessageBox::Answer::No;
}

MessageBox::Answer ask(MessageBox::Kind kind, QWidget* parent, const QString& text,
    MessageBox::Answer defaultAnswer = MessageBox::Answer::Yes)
{
    const BoxStyle style = styleFor(kind);
    const QStringList buttons = style.yesNo ? QStringList { yesCaption(), noCaption() } : QStringList { okCaption() };
    if (hooks().recording)
        hooks().records.append({ kind, style.title, text, style.icon, buttons });
    if (const std::optional<MessageBox::Answer> answer = hooks().takeAnswer())
        return *answer;
    return showBox(style, parent, text, defaultAnswer);
}

} // namespace

void MessageBox::message(QWidget* parent, const QString& text)
{
    ask(Kind::Message, parent, text);
}

MessageBox::Answer MessageBox::question(QWidget* parent, const QString& text, Answer defaultAnswer)
{
    return ask(Kind::Question, parent, text, defaultAnswer) == Answer::Yes ? Answer::Yes : Answer::No;
}

MessageBox::Answer MessageBox::confirm(QWidget* parent, const QString& text)
{
    return ask(Kind::Confirmation, parent, text) == Answer::Yes ? Answer::Yes : Answer::No;
}

void MessageBox::error(QWidget* parent, const QString& text)
{
    ask(Kind::Error, parent, text);
}

void MessageBox::setNextAnswer(Answer answer)
{
    hooks().nextAnswers.push_back(answer);
}

void MessageBox::setDefaultAnswer(Answer answer)
{
    hooks().defaultAnswer = answer;
}

void MessageBox::clearNextAnswers()
{
    hooks().nextAnswers.clear();
    hooks().defaultAnswer.reset();
}

void MessageBox::setRecording(bool recording)
{
    hooks().recording = recording;
}

const QList<MessageBox::Record>& MessageBox::shown()
{
    return hooks().records;
}

void MessageBox::clearShown()
{
    hooks().records.clear();
}

} // namespace tarvo::gui
