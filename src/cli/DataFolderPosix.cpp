#include "cli/DataFolder.h"

#include <cstdlib>

namespace tarvo {

namespace fs = std::filesystem;

// As packaging/tarvo-registration.in decides it.
std::optional<fs::path> defaultDataFolder()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && fs::path(xdg).is_absolute())
        return fs::path(xdg) / "tarvo-registration" / "data";
    const char* home = std::getenv("HOME");
    if (home && fs::path(home).is_absolute())
        return fs::path(home) / ".local" / "share" / "tarvo-registration" / "data";
    return std::nullopt;
}

const std::string_view kNoDefaultDataFolder
    = "データフォルダが決まりません。XDG_DATA_HOME も HOME も絶対パスではありません。--data で指定して下さい";

} // namespace tarvo
