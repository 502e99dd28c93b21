#include "core/files/NativePath.h"

#include "core/errors/IoError.h"
#include "core/text/Cp932.h"
#include "core/text/Cp932Characters.h"
#include "core/text/Utf8.h"

#include <array>
#include <type_traits>

namespace tarvo {

namespace {

constexpr bool kWidePaths = !std::is_same_v<std::filesystem::path::value_type, char>;

char asciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isDeviceName(std::string_view cp932Name)
{
    // The device is named by what comes before the first dot, blanks after it
    // not counting.
    std::string_view stem = cp932Name.substr(0, cp932Name.find('.'));
    while (!stem.empty() && stem.back() == ' ')
        stem.remove_suffix(1);
    std::string upper;
    for (const char c : stem)
        upper += asciiUpper(c);
    static constexpr std::array<std::string_view, 4> kDevices { "CON", "PRN", "AUX", "NUL" };
    for (const std::string_view device : kDevices) {
        if (upper == device)
            return true;
    }
    return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) && upper[3] >= '1'
        && upper[3] <= '9';
}

} // namespace

std::filesystem::path fileNameFromCp932(std::string_view cp932Name)
{
    return pathFromNativeBytes(utf8FromCp932(cp932Name));
}

bool windowsRefusesName(std::string_view cp932Name)
{
    if (cp932Name.empty())
        return false;
    // Neither byte can end a double-byte character.
    if (cp932Name.back() == '.' || cp932Name.back() == ' ')
        return true;
    for (std::size_t at = 0; at < cp932Name.size(); at += cp932CharacterLength(cp932Name, at)) {
        if (cp932CharacterLength(cp932Name, at) != 1)
            continue;
        const auto c = static_cast<unsigned char>(cp932Name[at]);
        if (c < 0x20 || std::string_view("<>:\"|?*").find(static_cast<char>(c)) != std::string_view::npos)
            return true;
    }
    return isDeviceName(cp932Name);
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
    return !kWidePaths || !windowsRefusesName(cp932Name);
}

std::optional<RuntimeError> fileNameFault(std::string_view cp932Name, const std::filesystem::path& file)
{
    if (!isOneFileName(cp932Name))
        return RuntimeError::cannotCreate(file);
    if (isHiddenFileName(cp932Name))
        return RuntimeError::ioError(ioCode::invalidName);
    return std::nullopt;
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
