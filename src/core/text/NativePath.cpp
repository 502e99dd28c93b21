#include "text/NativePath.h"

#include "text/Cp932.h"

namespace tarvo {

std::filesystem::path nativePathFromCp932(std::string_view cp932Name)
{
    return std::filesystem::path(utf8FromCp932(cp932Name));
}

std::string cp932FromNativePath(const std::filesystem::path& path)
{
    return cp932FromUtf8(path.string());
}

} // namespace tarvo
