#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tarvo {

// Whole-file access by native path, relative names resolving against the current
// directory. Failures raise RuntimeError naming the path as passed.

// Raises "ファイル %s は開けません" when the path is not a regular file that can be
// read (missing, a folder, no access, or a named pipe, socket or device, which
// are refused at once instead of being waited on).
std::string readWholeFile(const std::filesystem::path& file);

// True only for an existing regular file (a link to one counts); a folder or any
// other kind of file of that name counts as absent.
bool regularFileExists(const std::filesystem::path& file);

// Replaces the file so that it holds either its earlier bytes or all of the new
// ones: the bytes go to a temporary file beside it, are flushed to disk and only
// then take the file's name. Where the file system allows, the temporary file
// has no name until it is complete, so a killed process leaves nothing behind;
// a temporary that a killed save did leave beside the file (hidden, of a short
// fixed-length name) is removed by the next save of the same file, unless a
// running save still holds it. A symbolic link is written through: the file at
// its end is replaced and the link stays. Raises "ファイル %s を作成できません" and
// leaves no temporary file when the folder is missing or read-only, the file is
// read-only or not a regular file, or any write, flush or rename fails.
// Read-only means what the system says for the program's user, and for the
// superuser, whom the system lets write anything, a file or folder without any
// write bit.
void writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// The steps of an atomic write at which a test may inject a failure.
// TemporaryNamed comes only while the temporary holds a name of its own, right
// before it takes the file's.
enum class WriteStep { CreateTemporary, Write, Flush, Rename, TemporaryNamed };

// Test seam: when set, the hook is asked before each step and a non-zero result
// fails that step as if the system had returned that errno (ENOSPC for a full
// disk, for example). Pass an empty function to remove it.
void setWriteFaultHookForTesting(std::function<int(WriteStep)> hook);

// Test seam: false has the writers take the way they take on a file system
// without unnamed files (NTFS through ntfs-3g, for one), where every temporary
// has a name; true gives them back what the file system offers. Windows always
// names its temporaries.
void setUnnamedTemporariesForTesting(bool allowed);

} // namespace tarvo
