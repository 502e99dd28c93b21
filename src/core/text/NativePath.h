#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvo {

// The system names files in CP932; the file system names them in its own encoding
// (UTF-8 on Linux). Conversion happens only where a file is named or listed.
std::filesystem::path nativePathFromCp932(std::string_view cp932Name);
std::string cp932FromNativePath(const std::filesystem::path& path);

// The one separator that ends a folder path of the platform.
inline constexpr char kPathSeparator = std::filesystem::path::preferred_separator;

} // namespace tarvo
