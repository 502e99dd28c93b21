#pragma once

#include <cstdint>
#include <string_view>

namespace tarvo {

// The standard decimal conversion of the system: an optional "-", then one or more
// digits, nothing else (no blanks, no "+"), within the signed 32-bit range.
// Anything else raises RuntimeError::notAnInteger with the text.
std::int32_t toInt32(std::string_view cp932Text);

} // namespace tarvo
