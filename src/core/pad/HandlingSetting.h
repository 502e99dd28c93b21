#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

// The Handling a setting of an import chooses. A number is easily mistyped and
// a mistyped number stored as text would never match an item, so a setting
// names an item by its number or its exact text; a text that is no item is
// taken only when given as text on purpose.

// The item (UTF-8) that the value names by its number, 1 to 10, or by its
// exact text; an empty value leaves Handling empty. Nothing when the value
// names no item.
std::optional<std::string> handlingItemOf(std::string_view utf8Value);

// The items with their numbers, "1 フリーウェア / 2 … / 10 その他" (UTF-8).
std::string numberedHandlingItems();

} // namespace tarvo
