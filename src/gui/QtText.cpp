#include "QtText.h"

#include "text/Cp932.h"

namespace tarvo::gui {

QString fromCp932(std::string_view cp932)
{
    return QString::fromStdString(utf8FromCp932(cp932));
}

std::string toCp932(const QString& text)
{
    return cp932FromUtf8(text.toStdString());
}

QString firstUnrepresentable(const QString& text)
{
    const auto character = firstUnrepresentableCharacter(text.toStdString());
    return character ? QString::fromStdString(*character) : QString();
}

} // namespace tarvo::gui
