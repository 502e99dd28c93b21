#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace tarvo::gui {

// The window's edge: widgets show Unicode, the domain holds CP932 bytes.
QString fromCp932(std::string_view cp932);
std::string toCp932(const QString& text);

// The first character of `text` that CP932 cannot hold (an unpaired surrogate
// included), or an empty string.
QString firstUnrepresentable(const QString& text);

} // namespace tarvo::gui
