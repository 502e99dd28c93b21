#include "core/format/SettingsFile.h"

#include "core/text/Cp932Characters.h"
#include "core/text/Lines.h"

namespace tarvo {

std::string authorFromSettingsText(std::string_view cp932Text)
{
    std::string_view firstLine = cp932Text.substr(0, cp932Text.find_first_of("\r\n"));
    if (firstLine.empty())
        return {};
    // The writer puts "#" there; whatever stands there instead is dropped whole,
    // so a double-byte character never leaves its second byte behind.
    firstLine.remove_prefix(cp932CharacterLength(firstLine, 0));
    return std::string(firstLine);
}

std::string settingsTextFor(std::string_view cp932Author)
{
    std::string text = "#";
    text += cp932Author;
    text += kCrLf;
    return text;
}

} // namespace tarvo
