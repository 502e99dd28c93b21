#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace tarvo::gui {

// The window's edge: widgets show Unicode, the domain holds CP932 bytes.
QString fromCp932(std::string_view cp932);
std::string toCp932(const QString& text);

inline std::u16string_view utf16View(const QString& text)
{
    return { reinterpret_cast<const char16_t*>(text.constData()), static_cast<size_t>(text.size()) };
}

// Text written for Shift-JIS means the yen sign by the byte 0x5C, which only
// Japanese fonts draw as one; what the window only shows (never a text that
// goes back into a file) shows the sign it means.
QString withYenSigns(QString shownText);

// The first character of `text` that CP932 cannot hold (an unpaired surrogate
// included), or an empty string.
QString firstUnrepresentable(const QString& text);

} // namespace tarvo::gui
