#include "core/files/FileIo.h"

#include "core/errors/RuntimeError.h"
#include "core/files/WindowsFiles.h"
#include "core/files/WriteFaults.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace tarvo {

namespace {

namespace fs = std::filesystem;

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// A file on a disk that is not a folder: devices such as CON or NUL, pipes and
// folders are refused at once.
bool isRegularFile(HANDLE handle, BY_HANDLE_FILE_INFORMATION& information)
{
    return ::GetFileType(handle) == FILE_TYPE_DISK && ::GetFileInformationByHandle(handle, &information)
        && (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

enum class Target { Absent, Replaceable, Refused };

// What a replaced file passes on to its successor.
constexpr DWORD kKeptAttributes
    = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Windows ignores the read-only mark of a folder (Explorer sets it on the
// desktop), so only the file's own mark is honoured. A link is not written
// through: the file it names is not the one the user chose here.
Target targetState(const fs::path& target, DWORD& keptAttributes)
{
    const DWORD folder = ::GetFileAttributesW(folderOf(target).c_str());
    if (folder == INVALID_FILE_ATTRIBUTES || (folder & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return Target::Refused;
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return ::GetLastError() == ERROR_FILE_NOT_FOUND ? Target::Absent : Target::Refused;
    constexpr DWORD kNotWritable
        = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DEVICE;
    if ((attributes & kNotWritable) != 0 || !regularFileExists(target))
        return Target::Refused;
    keptAttributes = attributes & kKeptAttributes;
    return Target::Replaceable;
}

// A rename over the file, as on Linux. ReplaceFileW would also keep the owner
// and security, but wine's leaves an "rf*.tmp" file beside the target each
// time the target is held; the attributes that matter are carried over here.
bool giveTargetName(const fs::path& temporary, const fs::path& target, DWORD keptAttributes)
{
    if (keptAttributes != 0 && !::SetFileAttributesW(temporary.c_str(), keptAttributes))
        return false;
    return moveWhileShared(temporary, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

bool writeThroughTemporary(const fs::path& target, std::string_view bytes, DWORD keptAttributes)
{
    if (injectedFault(WriteStep::CreateTemporary))
        return false;
    fs::path temporary;
    Handle file(createTemporaryBeside(target, temporary));
    if (!file.valid())
        return false;
    const bool written
        = writeAll(file.get(), bytes) && !injectedFault(WriteStep::Flush) && ::FlushFileBuffers(file.get());
    const bool closed = file.close();
    // Here the temporary always holds a name of its own before it takes the file's.
    if (written && closed && !injectedFault(WriteStep::Rename) && !injectedFault(WriteStep::TemporaryNamed)
        && giveTargetName(temporary, target, keptAttributes))
        return true;
    ::DeleteFileW(temporary.c_str());
    return false;
}

} // namespace

std::string readWholeFile(const fs::path& file)
{
    Handle input(
        ::CreateFileW(file.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    BY_HANDLE_FILE_INFORMATION information {};
    if (!input.valid() || !isRegularFile(input.get(), information))
        throw RuntimeError::cannotOpen(file);
    // Sized as the file is now; a file that grows meanwhile is read to its end.
    const auto size = (static_cast<std::uint64_t>(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
    std::string content(static_cast<std::size_t>(size) + 1, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == content.size())
            content.resize(2 * content.size());
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - filled, 1U << 30));
        DWORD count = 0;
        if (!::ReadFile(input.get(), content.data() + filled, chunk, &count, nullptr))
            throw RuntimeError::cannotOpen(file);
        if (count == 0)
            break;
        filled += count;
    }
    content.resize(filled);
    return content;
}

bool regularFileExists(const fs::path& file)
{
    // Opened without access rights, which reads the kind of file even when
    // another process holds it.
    Handle handle(::CreateFileW(file.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    BY_HANDLE_FILE_INFORMATION information {};
    return handle.valid() && isRegularFile(handle.get(), information);
}

void writeFileAtomically(const fs::path& file, std::string_view bytes)
{
    DWORD keptAttributes = 0;
    const Target state = file.filename().empty() ? Target::Refused : targetState(file, keptAttributes);
    if (state == Target::Refused)
        throw RuntimeError::cannotCreate(file);
    removeLeftTemporaries(file);
    if (!writeThroughTemporary(file, bytes, keptAttributes))
        throw RuntimeError::cannotCreate(file);
}

} // namespace tarvo
