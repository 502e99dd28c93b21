#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// Makes `folder` the process's current directory. On failure raises
// RuntimeError::ioError with the system's code and the current directory stays.
void enterFolder(const std::filesystem::path& folder);

// The native names of the folder's visible sub-folders (a link to a folder
// counts), in no particular order; none when the folder cannot be read.
std::vector<std::string> subFolderNames(const std::filesystem::path& folder);

// The native names (nativeBytes()) of the folder's visible regular files (a
// link to one counts) for which `wanted` holds, asked before the file is
// examined, in no particular order. Raises RuntimeError::ioError with the
// system's code when the folder cannot be listed.
std::vector<std::string> regularFileNames(
    const std::filesystem::path& folder, const std::function<bool(std::string_view)>& wanted);

// The process's current directory; raises RuntimeError::ioError with the
// system's code when it cannot be known (it was removed, say).
std::filesystem::path currentFolder();

} // namespace tarvo
