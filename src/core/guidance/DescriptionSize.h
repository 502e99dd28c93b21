#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// The hint of the "size" panel (UTF-8).
inline constexpr std::string_view kDescriptionSizeHint = "この「内容説明」の総バイト数を計算します。";

// Sum of the CP932 byte lengths of the description's lines, line breaks not
// counted, followed by "バイト使用" (UTF-8).
std::string descriptionSizeMessage(std::string_view cp932Description);

} // namespace tarvo
