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

// True when `path` is the folder `root` or lies in it, names compared as the
// system compares them: in any letter case where names ignore it (drive
// letters and folder names on Windows), byte for byte elsewhere.
bool folderHolds(const std::filesystem::path& root, const std::filesystem::path& path);

// True when the user may list the folder and enter it. Windows grants or
// refuses a drive as a whole: what can be asked for its attributes can be listed.
bool userCanRead(const std::filesystem::path& folder);

} // namespace tarvo
