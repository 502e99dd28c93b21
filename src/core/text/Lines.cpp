#include "core/text/Lines.h"

namespace tarvo {

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    forEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines)
{
    size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + kCrLf.size();
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += kCrLf;
    }
    return text;
}

} // namespace tarvo
