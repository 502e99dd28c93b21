#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvo {

// File names and command-line arguments are bytes that are UTF-8 only by
// convention; these tell the two apart without trusting either.

// The length (1 to 4) of the well-formed UTF-8 character that starts at `at`, or
// 0 when the bytes there are not one: a stray continuation byte, a truncated
// sequence, an overlong form, a surrogate or a value beyond U+10FFFF.
std::size_t utf8CharacterLength(std::string_view text, std::size_t at);

bool isValidUtf8(std::string_view text);

// The text as a person can read it: every well-formed character kept, every
// byte that is not part of one shown as U+FFFD, one each.
std::string utf8ForDisplay(std::string_view bytes);

inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

} // namespace tarvo
