#include "core/guidance/DescriptionSize.h"

#include "core/text/Lines.h"

namespace tarvo {

std::string descriptionSizeMessage(std::string_view cp932Description)
{
    // Word wrap adds no characters, so the hard lines count the same as the lines
    // on screen; only the line breaks are left out.
    std::size_t bytes = 0;
    forEachLine(cp932Description, [&bytes](std::string_view line) { bytes += line.size(); });
    return std::to_string(bytes) + "バイト使用";
}

} // namespace tarvo
