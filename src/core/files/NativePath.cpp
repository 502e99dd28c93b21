#include "core/files/NativePath.h"

#include "core/text/Cp932.h"
#include "core/text/Cp932Characters.h"
#include "core/text/Utf8.h"

namespace tarvo {

std::string displayText(const std::filesystem::path& path)
{
    return utf8ForDisplay(path.native());
}

std::filesystem::path fileNameFromCp932(std::string_view cp932Name)
{
    return std::filesystem::path(utf8FromCp932(cp932Name));
}

bool isHiddenFileName(std::string_view cp932Name)
{
    return cp932Name.starts_with('.');
}

bool isOneFileName(std::string_view cp932Name)
{
    for (std::size_t at = 0; at < cp932Name.size(); at += cp932CharacterLength(cp932Name, at)) {
        if (cp932CharacterLength(cp932Name, at) != 1)
            continue;
        const char c = cp932Name[at];
        if (c == '/' || c == '\\' || c == '\0')
            return false;
    }
    return true;
}

Cp932NameOfFile cp932NameOfFile(std::string_view nativeName)
{
    if (isValidUtf8(nativeName)) {
        const std::string utf8(nativeName);
        if (const auto refused = firstUnrepresentableCharacter(utf8))
            return { std::nullopt, utf8, *refused };
        return { cp932FromUtf8(utf8), utf8, {} };
    }
    if (isValidCp932(nativeName))
        return { std::string(nativeName), utf8FromCp932(nativeName), {} };
    const std::string shown = utf8ForDisplay(nativeName);
    return { std::nullopt, shown, firstUnrepresentableCharacter(shown).value_or(std::string()) };
}

} // namespace tarvo
