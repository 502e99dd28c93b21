#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace tarvo {

// The window's data folder, where import-pad writes when not told otherwise:
// on Linux the installed launcher's ($XDG_DATA_HOME/tarvo-registration/data),
// on Windows the "data" folder beside the unpacked programs, which start in
// their own folder.
std::optional<std::filesystem::path> defaultDataFolder();

// Why there is none, as the error line says it (UTF-8).
extern const std::string_view kNoDefaultDataFolder;

} // namespace tarvo
