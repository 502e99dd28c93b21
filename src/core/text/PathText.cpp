#include "core/text/PathText.h"

#include "core/text/Utf8.h"

#include <type_traits>

namespace tarvo {

namespace {

constexpr bool kWidePaths = !std::is_same_v<std::filesystem::path::value_type, char>;

} // namespace

std::string nativeBytes(const std::filesystem::path& path)
{
    if constexpr (kWidePaths) {
        const std::u8string utf8 = path.u8string();
        return std::string(utf8.begin(), utf8.end());
    } else {
        return path.string();
    }
}

std::filesystem::path pathFromNativeBytes(std::string_view bytes)
{
    if constexpr (kWidePaths)
        return std::filesystem::path(std::u8string(bytes.begin(), bytes.end()));
    else
        return std::filesystem::path(std::string(bytes));
}

std::string displayText(const std::filesystem::path& path)
{
    return utf8ForDisplay(nativeBytes(path));
}

} // namespace tarvo
