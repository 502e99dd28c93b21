#pragma once

#include <filesystem>
#include <string_view>
#include <utility>
#include <windows.h>

namespace tarvo {

// What the Windows writers share.

// An open handle, closed when it goes out of scope.
class Handle {
public:
    explicit Handle(HANDLE handle)
        : m_handle(handle)
    {
    }
    ~Handle()
    {
        if (valid())
            ::CloseHandle(m_handle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    HANDLE get() const { return m_handle; }
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    // A failed close may be the first report of a failed write.
    bool close() { return ::CloseHandle(std::exchange(m_handle, INVALID_HANDLE_VALUE)) != 0; }

private:
    HANDLE m_handle;
};

std::filesystem::path folderOf(const std::filesystem::path& file);

// Creates a new temporary file beside the target, ".HASH.tmp-XXXXXX": hidden,
// so the backup list never shows it, and of a short fixed length whatever the
// target's name, so any name the file system holds can be written. Returns
// INVALID_HANDLE_VALUE on failure.
HANDLE createTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& temporary);

// Removes the temporaries of this target that killed writes left. One that a
// running write holds open cannot be removed and stays; only in the moment
// between its close and its rename could it be taken, and that write then
// fails as any failed rename does, leaving the earlier file as it was.
void removeLeftTemporaries(const std::filesystem::path& target);

// Writes all bytes, asking the write-fault hook before each write.
bool writeAll(HANDLE file, std::string_view bytes);

// MoveFileExW with these flags, tried again for a short while when another
// program holds the file.
bool moveWhileShared(const std::filesystem::path& from, const std::filesystem::path& to, DWORD flags);

} // namespace tarvo
