#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tarvo {

// Whole-file access by CP932 name, relative names resolving against the current
// directory. Failures raise RuntimeError with the name exactly as passed.

// Raises "ファイル %s は開けません" when the file cannot be read (missing, a folder,
// no access).
std::string readWholeFile(std::string_view cp932Name);

// True only for an existing regular file; a folder of that name counts as absent.
bool regularFileExists(std::string_view cp932Name);

// Writes a temporary file beside the target, flushes it to disk and renames it
// over the target, so that the target holds either its earlier bytes or all of the
// new ones. Raises "ファイル %s を作成できません" and leaves no temporary file when
// the folder is missing or read-only, the target is read-only or not a regular
// file, or any write, flush or rename fails.
void writeFileAtomically(std::string_view cp932Name, std::string_view bytes);

// The steps of an atomic write at which a test may inject a failure.
enum class WriteStep { CreateTemporary, Write, Flush, Rename };

// Test seam: when set, the hook is asked before each step and a non-zero result
// fails that step as if the system had returned that errno (ENOSPC for a full
// disk, for example). Pass an empty function to remove it.
void setWriteFaultHookForTesting(std::function<int(WriteStep)> hook);

} // namespace tarvo
