#include "gui/widgets/Cp932Validator.h"

#include "gui/QtText.h"
#include "gui/widgets/InputRefusal.h"

#include <QLineEdit>

#include <utility>

namespace tarvo::gui {

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

} // namespace

Cp932Validator::Cp932Validator(QObject* parent)
    : QValidator(parent)
{
}

QValidator::State Cp932Validator::validate(QString& input, int& position) const
{
    const qsizetype before = position;
    qsizetype removedBeforeCursor = 0;
    for (qsizetype at = input.size() - 1; at >= 0; --at) {
        if (isLineBreak(input.at(at))) {
            input.remove(at, 1);
            if (at < before)
                ++removedBeforeCursor;
        }
    }
    position = static_cast<int>(before - removedBeforeCursor);

    m_refused = firstUnrepresentable(input);
    return m_refused.isEmpty() ? Acceptable : Invalid;
}

QString Cp932Validator::takeRefusedCharacter()
{
    return std::exchange(m_refused, QString());
}

void Cp932Validator::installOn(QLineEdit* edit)
{
    auto* validator = new Cp932Validator(edit);
    edit->setValidator(validator);
    // The line edit reports other edits it turns away too (a cut at its length
    // limit), right before or without a validation; the character is taken at
    // once, so that a report names only what the validator refused just then.
    QObject::connect(edit, &QLineEdit::inputRejected, validator, [edit, validator] {
        const QString refused = validator->takeRefusedCharacter();
        if (refused.isEmpty())
            return;
        // Queued: the line edit undoes the refused edit only after it reported it.
        QMetaObject::invokeMethod(
            validator, [edit, refused] { showRefusal(edit, refused); }, Qt::QueuedConnection);
    });
}

} // namespace tarvo::gui
