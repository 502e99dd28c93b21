#pragma once

#include <cstddef>
#include <string_view>

namespace tarvo {

// Walking a CP932 byte string by whole characters. The second byte of a
// double-byte character may have the code of "\" or of an ASCII letter, so any
// test for such a character must step over double-byte characters whole.

inline bool isCp932LeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The byte length (1 or 2) of the character that starts at `at`; a lead byte at
// the very end of the text counts as a character of its own.
inline std::size_t cp932CharacterLength(std::string_view text, std::size_t at)
{
    return isCp932LeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

} // namespace tarvo
