#pragma once

#include "core/catalog/CategoryCatalog.h"

#include <filesystem>
#include <string_view>

namespace tarvo {

// "category.dat" in the current directory, read once at start-up; the program
// never writes it.
inline constexpr std::string_view kCategoryFileName = "category.dat";

// The catalogue file: its lines exactly as read, line ends CR LF, a lone CR or a
// lone LF. A line whose first byte is "#" names a top-level directory (the rest
// of the line), every other line is an entry of the top-level line above it;
// lines before the first top-level line belong to none.
CategoryCatalog readCatalog(std::string_view cp932FileBytes);

// Reads the file by its name relative to the current directory; raises
// "ファイル %s は開けません" with the name as passed.
CategoryCatalog loadCatalog(const std::filesystem::path& file);

} // namespace tarvo
