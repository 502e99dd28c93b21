#include "QtText.h"

#include "text/Cp932.h"

namespace tarvo::gui {

namespace {

bool isLoneSurrogate(const QString& text, qsizetype at)
{
    const QChar c = text.at(at);
    if (c.isHighSurrogate())
        return at + 1 >= text.size() || !text.at(at + 1).isLowSurrogate();
    if (c.isLowSurrogate())
        return at == 0 || !text.at(at - 1).isHighSurrogate();
    return false;
}

QString firstUnrepresentableInValidText(const QString& text)
{
    const auto character = firstUnrepresentableCharacter(text.toStdString());
    return character ? QString::fromStdString(*character) : QString();
}

} // namespace

QString fromCp932(std::string_view cp932)
{
    return QString::fromStdString(utf8FromCp932(cp932));
}

std::string toCp932(const QString& text)
{
    return cp932FromUtf8(text.toStdString());
}

// A half of a surrogate pair (a key event may deliver one) would reach UTF-8 as
// "?", which CP932 holds, so it is caught here before the conversion hides it.
QString firstUnrepresentable(const QString& text)
{
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (isLoneSurrogate(text, at)) {
            const QString before = firstUnrepresentableInValidText(text.left(at));
            return before.isEmpty() ? QString(text.at(at)) : before;
        }
    }
    return firstUnrepresentableInValidText(text);
}

} // namespace tarvo::gui
