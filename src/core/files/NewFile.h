#pragma once

#include <filesystem>
#include <string_view>

namespace tarvo {

// Writes a file that must not exist yet, so that it appears whole or not at all
// and never replaces anything: the bytes go to an unnamed temporary file in the
// folder, are flushed to disk, and the file is then linked in under its name by
// a call that fails when the name exists (a link of any kind counts). Where the
// file system has no unnamed files, a named temporary is linked the same way and
// removed. First, as writeFileAtomically does, the temporaries that killed
// writes of the same name left (either writer's) are removed. Returns false,
// changing nothing else, when the name exists. Raises
// "ファイル %s を作成できません" and leaves no temporary file when the folder is
// missing or read-only, or any step fails. On Windows the temporary always has
// a name, and a rename that never replaces gives it the file's; Windows keeps
// no read-only mark for folders. The write-fault hook of FileIo.h is asked at
// each step, WriteStep::Rename standing for the step that gives the name.
bool writeNewFile(const std::filesystem::path& file, std::string_view bytes);

} // namespace tarvo
