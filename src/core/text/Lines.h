#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tarvo {

inline constexpr std::string_view kCrLf = "\r\n";

// Position of the first CR or LF at or after `from`, or the text's size. Lines
// fields may hold megabytes, so the search looks at 16 bytes at a time where the
// processor allows it (string_view::find_first_of calls memchr once per byte).
inline size_t findLineBreak(std::string_view text, size_t from)
{
    const char* p = text.data() + from;
    const char* const end = text.data() + text.size();
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const unsigned found = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf))));
        if (found != 0)
            return static_cast<size_t>(p - text.data()) + static_cast<size_t>(std::countr_zero(found));
    }
#endif
    while (p != end && *p != '\r' && *p != '\n')
        ++p;
    return static_cast<size_t>(p - text.data());
}

// Length of the line break at `at`: 2 for CR LF, 1 for a lone CR or LF.
inline size_t lineBreakLength(std::string_view text, size_t at)
{
    return text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
}

// Calls `visit(std::string_view line)` for every line of `text`. CR LF, a lone CR
// and a lone LF each end a line; a final line break adds no line, and an empty
// text has no lines. Lines are never cut, whatever their length.
template <typename Visitor> void forEachLine(std::string_view text, Visitor&& visit)
{
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = findLineBreak(text, start);
        visit(text.substr(start, end - start));
        if (end == text.size())
            return;
        start = end + lineBreakLength(text, end);
    }
}

std::vector<std::string> splitLines(std::string_view text);

// Every line followed by CR LF, the last one included.
std::string joinLines(const std::vector<std::string>& lines);

} // namespace tarvo
