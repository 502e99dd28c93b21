#include "core/files/NewFile.h"

#include "core/errors/RuntimeError.h"
#include "core/files/WindowsFiles.h"
#include "core/files/WriteFaults.h"

namespace tarvo {

namespace {

namespace fs = std::filesystem;

enum class Linked { Done, Exists, Failed };

bool isFolder(const fs::path& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Without MOVEFILE_REPLACE_EXISTING the rename fails on any name that is
// taken, so the check and the write are one step.
Linked giveTargetName(const fs::path& temporary, const fs::path& target)
{
    if (injectedFault(WriteStep::Rename) || injectedFault(WriteStep::TemporaryNamed))
        return Linked::Failed;
    if (moveWhileShared(temporary, target, MOVEFILE_WRITE_THROUGH))
        return Linked::Done;
    const DWORD error = ::GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? Linked::Exists : Linked::Failed;
}

Linked throughTemporary(const fs::path& target, std::string_view bytes)
{
    fs::path temporary;
    Handle file(createTemporaryBeside(target, temporary));
    if (!file.valid())
        return Linked::Failed;
    const bool written
        = writeAll(file.get(), bytes) && !injectedFault(WriteStep::Flush) && ::FlushFileBuffers(file.get());
    const bool closed = file.close();
    const Linked linked = written && closed ? giveTargetName(temporary, target) : Linked::Failed;
    if (linked != Linked::Done)
        ::DeleteFileW(temporary.c_str());
    return linked;
}

} // namespace

bool writeNewFile(const fs::path& file, std::string_view bytes)
{
    if (file.filename().empty() || !isFolder(folderOf(file)) || injectedFault(WriteStep::CreateTemporary))
        throw RuntimeError::cannotCreate(file);
    removeLeftTemporaries(file);
    const Linked linked = throughTemporary(file, bytes);
    if (linked == Linked::Failed)
        throw RuntimeError::cannotCreate(file);
    return linked == Linked::Done;
}

} // namespace tarvo
