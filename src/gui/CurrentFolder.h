#pragma once

#include <QString>

#include <filesystem>

namespace tarvo::gui {

// The process's current directory is the folder the text file is saved into;
// these are the window's ways of reading and moving it. Folders are native
// paths, converted only to be shown.

// The current directory as the system reports it: "/" for the root, no
// trailing separator elsewhere, each byte that is not UTF-8 shown as U+FFFD.
// The text of the folder label Label8; the same reading as the start
// directory's, so the two never disagree. Raises the I/O error when the
// directory has gone.
QString currentFolderText();

// How a native path reads on screen, with the system's separators.
QString shownPath(const std::filesystem::path& path);
// Never a narrow text, as displayText().
template <typename Text> QString shownPath(const Text&) = delete;

// The native path of a folder the system names as text (a drive, the desktop):
// its bytes in the file system's encoding where paths are narrow, its
// characters with the system's separators where they are wide.
std::filesystem::path nativePath(const QString& systemText);

// The user's desktop folder (which need not exist); raises the "file not found"
// error when the desktop has no known place at all.
std::filesystem::path desktopFolderPath();

} // namespace tarvo::gui
