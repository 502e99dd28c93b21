#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

// Conversion between UTF-8 (what the window and the terminal speak) and code page
// 932 (what every document and data file of the system holds).

// Decoding never fails: every byte that does not start a valid CP932 character
// becomes U+FFFD.
std::string utf8FromCp932(std::string_view cp932);

// Encoding accepts the usual JIS variants of the same character (a wave dash
// U+301C becomes 0x8160). A character that CP932 cannot hold, or a byte that is
// not valid UTF-8, becomes "?"; callers that must not lose text ask
// firstUnrepresentableCharacter() first.
std::string cp932FromUtf8(std::string_view utf8);

// The same conversions for UTF-16 (what the window's widgets hold), in one pass
// without an intermediate UTF-8 copy. utf16FromCp932 writes at most
// cp932.size() units to `out` and returns how many it wrote. cp932FromUtf16 makes
// every character outside the BMP and every unpaired surrogate one "?" and, if
// asked, writes each line feed as CR LF.
std::size_t utf16FromCp932(std::string_view cp932, char16_t* out);
enum class LineFeeds { Keep, AsCrLf };
std::string cp932FromUtf16(std::u16string_view utf16, LineFeeds lineFeeds = LineFeeds::Keep);

// The first character (as UTF-8) of the text that CP932 cannot represent, if
// any; U+FFFD when that is a byte that is not valid UTF-8.
std::optional<std::string> firstUnrepresentableCharacter(std::string_view utf8);

inline bool isRepresentableInCp932(std::string_view utf8)
{
    return !firstUnrepresentableCharacter(utf8).has_value();
}

// True when every byte belongs to a CP932 character.
bool isValidCp932(std::string_view cp932);

// "「%s」はShift-JISで表せないため使えません。" (UTF-8): the refusal of a text that
// would lose `utf8Character` on its way into a document or a file name.
std::string unrepresentableMessage(std::string_view utf8Character);

} // namespace tarvo
