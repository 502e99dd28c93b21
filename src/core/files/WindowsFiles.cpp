#include "core/files/WindowsFiles.h"

#include "core/files/SystemRandom.h"
#include "core/files/WriteFaults.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo {

namespace {

namespace fs = std::filesystem;

// A lock held by an editor, a virus scanner or the indexer is usually let go
// within moments; longer than this and the write fails as any other.
constexpr int kAttemptsWhileShared = 10;
constexpr DWORD kWaitWhileSharedMs = 50;

// ".HASH.tmp-", HASH sixteen hex digits of the target's name.
std::wstring temporaryNamePrefix(const fs::path& target)
{
    const fs::path name = target.filename();
    std::uint64_t hash = 14695981039346656037ULL; // FNV-1a
    for (const wchar_t c : name.native()) {
        hash ^= static_cast<std::uint16_t>(c);
        hash *= 1099511628211ULL;
    }
    std::wstring prefix = L".";
    for (int shift = 60; shift >= 0; shift -= 4)
        prefix += L"0123456789abcdef"[(hash >> shift) & 0xf];
    return prefix += L".tmp-";
}

constexpr std::size_t kTemporaryUniqueLength = 6; // hex digits of three random bytes

bool isTemporaryOf(std::wstring_view name, std::wstring_view prefix)
{
    return name.size() == prefix.size() + kTemporaryUniqueLength && name.starts_with(prefix)
        && name.find_first_not_of(L"0123456789abcdef", prefix.size()) == std::wstring_view::npos;
}

bool isSharingError(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
}

} // namespace

fs::path folderOf(const fs::path& file)
{
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

HANDLE createTemporaryBeside(const fs::path& target, fs::path& temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned char random[3];
        if (!fillFromSystemRandom(random, sizeof random))
            return INVALID_HANDLE_VALUE;
        std::wstring suffix;
        static_assert(sizeof random * 2 == kTemporaryUniqueLength);
        for (const unsigned char byte : random) {
            suffix += L"0123456789abcdef"[byte >> 4];
            suffix += L"0123456789abcdef"[byte & 0xf];
        }
        temporary = folderOf(target) / (temporaryNamePrefix(target) + suffix);
        const HANDLE file
            = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}

void removeLeftTemporaries(const fs::path& target)
{
    const std::wstring prefix = temporaryNamePrefix(target);
    const fs::path folder = folderOf(target);
    WIN32_FIND_DATAW found {};
    const HANDLE search = ::FindFirstFileW((folder / (prefix + L"*")).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
    do {
        if ((found.dwFileAttributes & kNotAFile) == 0 && isTemporaryOf(found.cFileName, prefix))
            ::DeleteFileW((folder / found.cFileName).c_str());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

bool writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        if (injectedFault(WriteStep::Write))
            return false;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1U << 30));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr))
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

bool moveWhileShared(const fs::path& from, const fs::path& to, DWORD flags)
{
    for (int attempt = 1;; ++attempt) {
        if (::MoveFileExW(from.c_str(), to.c_str(), flags))
            return true;
        if (attempt == kAttemptsWhileShared || !isSharingError(::GetLastError()))
            return false;
        ::Sleep(kWaitWhileSharedMs);
    }
}

} // namespace tarvo
