#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tarvo {

// Makes `folder` the process's current directory. On failure raises
// RuntimeError::ioError with the system's code and the current directory stays.
void enterFolder(const std::filesystem::path& folder);

// The native names of the folder's visible sub-folders (a link to a folder
// counts), in no particular order; none when the folder cannot be read.
std::vector<std::string> subFolderNames(const std::filesystem::path& folder);

} // namespace tarvo
