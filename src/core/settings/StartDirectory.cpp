#include "core/settings/StartDirectory.h"

#include "core/files/Folders.h"
#include "core/files/NativePath.h"

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

} // namespace tarvo
