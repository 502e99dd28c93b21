#pragma once

#include <filesystem>
#include <optional>

namespace tarvo {

// The process's current directory as the system reports it, its bytes as they
// are: the root with its separator, any other folder without a trailing one.
// Raises the I/O error when the directory has gone.
std::filesystem::path currentDirectory();

// The directory with exactly one trailing separator, the form in which the
// backup folder hangs off it. The separator "/" is never part of a multi-byte
// character, in UTF-8 as in Shift-JIS, so the bytes can be tested one by one.
std::filesystem::path startDirectoryFrom(const std::filesystem::path& directory);

// The installed launcher starts the program in a hidden per-user folder, and
// names in this variable the folder the text file is first saved into (the
// user's documents). Started otherwise, the text goes to the start folder.
inline constexpr char kSaveFolderVariable[] = "TARVO_REGISTRATION_SAVE_FOLDER";

// The folder the variable names, when it is set and not empty.
std::optional<std::filesystem::path> saveFolderFromLauncher();

} // namespace tarvo
