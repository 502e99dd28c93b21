#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace tarvo {

// The steps of writing a new file at which a test may inject a failure.
enum class NewFileStep { CreateTemporary, Write, Flush, Link };

// Returns an errno to fail the step with, or 0 to let it run.
using NewFileFault = std::function<int(NewFileStep)>;

// Writes a file that must not exist yet, so that it appears whole or not at all
// and never replaces anything: the bytes go to an unnamed temporary file in the
// folder, are flushed to disk, and the file is then linked in under its name by
// a call that fails when the name exists (a link of any kind counts). Where the
// file system has no unnamed files, a named temporary is linked the same way and
// removed. Returns false, changing nothing, when the name exists. Raises
// "ファイル %s を作成できません" and leaves no temporary file when the folder is
// missing or read-only, or any step fails.
bool writeNewFile(const std::filesystem::path& file, std::string_view bytes, const NewFileFault& fault = {});

} // namespace tarvo
