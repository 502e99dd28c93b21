#include "guidance/Guidance.h"

#include "text/Cp932.h"
#include "text/Lines.h"

namespace tarvo {

std::string descriptionSizeMessage(std::string_view cp932Description)
{
    // Word wrap adds no characters, so the hard lines count the same as the lines
    // on screen; only the line breaks are left out.
    std::size_t bytes = 0;
    forEachLine(cp932Description, [&bytes](std::string_view line) { bytes += line.size(); });
    static const std::string suffix = cp932FromUtf8("バイト使用");
    return std::to_string(bytes) + suffix;
}

const std::string& descriptionSizeHint()
{
    static const std::string hint = cp932FromUtf8("この「内容説明」の総バイト数を計算します。");
    return hint;
}

} // namespace tarvo
