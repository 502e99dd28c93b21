#include "core/files/NamedTemporaries.h"

#include "core/files/FileDescriptor.h"

#include <cerrno>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace tarvo {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryMark = ".tmp-";

fs::path folderOf(const fs::path& file)
{
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// ".HASH.tmp-": hidden, so the backup list never shows it, and 28 bytes with
// its unique part whatever the name's length, so any name the file system holds
// can also be written.
std::string temporaryNamePrefix(const fs::path& target)
{
    // FNV-1a, the same in every run, so a later write finds what an earlier left.
    const fs::path name = target.filename();
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : name.native()) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    std::string prefix = ".";
    for (int shift = 60; shift >= 0; shift -= 4)
        prefix += "0123456789abcdef"[(hash >> shift) & 0xf];
    return prefix += kTemporaryMark;
}

bool isTemporaryOf(std::string_view name, std::string_view prefix)
{
    return name.size() == prefix.size() + kTemporaryUniqueLength && name.starts_with(prefix)
        && name.find_first_not_of(kTemporaryCharacters, prefix.size()) == std::string_view::npos;
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

std::string temporaryPrefix(const fs::path& target)
{
    return (target.has_parent_path() ? target.parent_path() / "" : fs::path()).native() + temporaryNamePrefix(target);
}

bool holdAsTemporary(int fd, int how)
{
    while (::flock(fd, how) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

// A cleanup of another write may take a fresh temporary before it is locked,
// and then the next name is tried.
int createNamedTemporary(std::string& temporary, const fs::path& target)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryPrefix(target) + std::string(kTemporaryUniqueLength, 'X');
        FileDescriptor file(::mkstemp(temporary.data()));
        struct stat held { };
        struct stat named { };
        if (!file.valid() || !holdAsTemporary(file.get(), LOCK_EX) || ::fstat(file.get(), &held) != 0)
            return -1;
        if (::lstat(temporary.c_str(), &named) == 0 && sameFile(held, named))
            return file.release();
    }
    return -1;
}

void removeLeftTemporaries(const fs::path& target)
{
    FolderListing folder(folderOf(target).c_str());
    if (!folder.valid())
        return;
    const std::string prefix = temporaryNamePrefix(target);
    while (const dirent* item = folder.next()) {
        if (!isTemporaryOf(item->d_name, prefix))
            continue;
        FileDescriptor file(::openat(folder.fd(), item->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat held { };
        struct stat named { };
        if (file.valid() && ::fstat(file.get(), &held) == 0 && S_ISREG(held.st_mode)
            && holdAsTemporary(file.get(), LOCK_EX | LOCK_NB)
            && ::fstatat(folder.fd(), item->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(held, named))
            ::unlinkat(folder.fd(), item->d_name, 0);
    }
}

} // namespace tarvo
