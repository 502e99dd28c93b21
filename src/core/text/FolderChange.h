#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tarvo {

// The code of the system's own error list for an errno value: the codes with a
// message of their own (2, 3, 4, 5, 101) where the meaning matches, 21 (device
// not ready) for a medium that cannot be read, the errno itself otherwise. An
// errno that happens to equal a code with another meaning is reported as 21 too,
// so that no message names the wrong cause.
int ioErrorCodeFromErrno(int error);

// Makes `folder` the process's current directory. On failure raises
// RuntimeError::ioError with the mapped code and the current directory stays.
void enterFolder(const std::filesystem::path& folder);

// The native names of the folder's visible sub-folders (a link to a folder
// counts), in no particular order; none when the folder cannot be read.
std::vector<std::string> subFolderNames(const std::filesystem::path& folder);

} // namespace tarvo
