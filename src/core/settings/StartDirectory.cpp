#include "core/settings/StartDirectory.h"

#include "core/files/Folders.h"
#include "core/files/NativePath.h"

#include <cstdlib>

namespace tarvo {

std::filesystem::path currentDirectory()
{
    return currentFolder();
}

std::filesystem::path startDirectoryFrom(const std::filesystem::path& directory)
{
    auto form = directory.native();
    // A run of separators at the end still yields exactly one.
    while (!form.empty() && form.back() == kPathSeparator)
        form.pop_back();
    form += kPathSeparator;
    return form;
}

std::optional<std::filesystem::path> saveFolderFromLauncher()
{
#ifdef _WIN32
    const std::wstring name(std::begin(kSaveFolderVariable), std::end(kSaveFolderVariable) - 1);
    const wchar_t* value = _wgetenv(name.c_str());
#else
    const char* value = std::getenv(kSaveFolderVariable);
#endif
    if (!value || !*value)
        return std::nullopt;
    return std::filesystem::path(value);
}

} // namespace tarvo
