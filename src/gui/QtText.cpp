#include "gui/QtText.h"

#include "core/text/Cp932.h"

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

// Straight between UTF-16 and CP932: megabyte memos pass through here, and a
// UTF-8 copy on the way would be a pass of its own.
QString fromCp932(std::string_view cp932)
{
    QString text(static_cast<qsizetype>(cp932.size()), Qt::Uninitialized);
    text.truncate(static_cast<qsizetype>(utf16FromCp932(cp932, reinterpret_cast<char16_t*>(text.data()))));
    return text;
}

std::string toCp932(const QString& text)
{
    return cp932FromUtf16(utf16View(text));
}

QString withYenSigns(QString shownText)
{
    return shownText.replace(QLatin1Char('\\'), QChar(0x00A5));
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
