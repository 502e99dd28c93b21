#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

inline constexpr std::string_view kCrLf = "\r\n";

// Calls `visit(std::string_view line)` for every line of `text`. CR LF, a lone CR
// and a lone LF each end a line; a final line break adds no line, and an empty
// text has no lines. Lines are never cut, whatever their length.
template <typename Visitor>
void forEachLine(std::string_view text, Visitor&& visit)
{
    size_t start = 0;
    const size_t size = text.size();
    while (start < size) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            visit(text.substr(start));
            return;
        }
        visit(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < size && text[end + 1] == '\n') ? 2 : 1);
    }
}

std::vector<std::string> splitLines(std::string_view text);

// Every line followed by CR LF, the last one included.
std::string joinLines(const std::vector<std::string>& lines);

} // namespace tarvo
