#pragma once

#include <QString>

namespace tarvo::gui {

// The process's current directory is the folder the text file is saved into;
// these are the window's ways of reading and moving it.

// The current directory as the system reports it: "/" for the root, no
// trailing separator elsewhere. The text of the folder label Label8; the same
// reading as the start directory's, so the two never disagree. Raises the I/O
// error when the directory has gone.
QString currentFolderText();

// Makes `path` the current directory, or raises RuntimeError::ioError with the
// system's code and leaves the current directory where it was.
void enterFolderPath(const QString& path);

// The user's desktop folder (which need not exist); raises the "file not found"
// error when the desktop has no known place at all.
QString desktopFolderPath();

} // namespace tarvo::gui
