#include "Cp932Validator.h"

#include "InputRefusal.h"
#include "QtText.h"

#include <QLineEdit>

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

    const QString refused = firstUnrepresentable(input);
    if (refused.isEmpty())
        return Acceptable;
    m_refused = refused;
    return Invalid;
}

void Cp932Validator::installOn(QLineEdit* edit)
{
    auto* validator = new Cp932Validator(edit);
    edit->setValidator(validator);
    // Queued: the line edit undoes the refused edit only after it reported it.
    QObject::connect(
        edit, &QLineEdit::inputRejected, validator,
        [edit, validator] { showRefusal(edit, validator->refusedCharacter()); }, Qt::QueuedConnection);
}

} // namespace tarvo::gui
