#include "core/files/FileIo.h"

#include "core/errors/RuntimeError.h"
#include "core/files/FileDescriptor.h"
#include "core/files/NamedTemporaries.h"
#include "core/files/WriteFaults.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tarvo {

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        if (injectedFault(WriteStep::Write))
            return false;
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

namespace {

namespace fs = std::filesystem;

// As the system counts: a longer chain of links is a loop.
constexpr int kMostLinksFollowed = 40;

bool hasNoWriteBits(const struct stat& status)
{
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

mode_t defaultFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

fs::path folderOf(const fs::path& file)
{
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// The name a write lands on: every link followed to its end, which need not
// exist yet. False for a loop or a link that cannot be read.
bool followLinks(fs::path& file)
{
    for (int followed = 0; followed < kMostLinksFollowed; ++followed) {
        struct stat status { };
        if (::lstat(file.c_str(), &status) != 0)
            return errno == ENOENT;
        if (!S_ISLNK(status.st_mode))
            return true;
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(file.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<size_t>(length) >= target.size())
            return false;
        target.resize(static_cast<size_t>(length));
        const fs::path next(target);
        file = next.is_absolute() || !file.has_parent_path() ? next : file.parent_path() / next;
    }
    return false;
}

// Permission bits do not stop the superuser, so for it the writer honours
// read-only marks itself. Anyone else writes only what the system lets them
// write: the rename beside a file would otherwise replace another user's file.
bool mayWrite(const fs::path& path, const struct stat& status, int access)
{
    if (::geteuid() == 0)
        return !hasNoWriteBits(status);
    return ::faccessat(AT_FDCWD, path.c_str(), access, AT_EACCESS) == 0;
}

bool targetMayBeReplaced(const fs::path& target, mode_t& mode)
{
    const fs::path folder = folderOf(target);
    struct stat status { };
    if (::stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || !mayWrite(folder, status, W_OK | X_OK))
        return false;
    mode = defaultFileMode();
    if (::lstat(target.c_str(), &status) != 0)
        return errno == ENOENT;
    if (!S_ISREG(status.st_mode) || !mayWrite(target, status, W_OK))
        return false;
    mode = status.st_mode & 07777;
    return true;
}

bool writeAndFlush(int fd, std::string_view bytes, mode_t mode)
{
    return writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && !injectedFault(WriteStep::Flush) && ::fsync(fd) == 0;
}

bool writeThroughNamedTemporary(const fs::path& target, std::string_view bytes, mode_t mode)
{
    std::string temporary;
    FileDescriptor file(createNamedTemporary(temporary, target));
    if (!file.valid())
        return false;
    const bool written = writeAndFlush(file.get(), bytes, mode);
    // The lock belongs to the open file, which this copy keeps open past the
    // close whose result counts, until the temporary has the target's name.
    const FileDescriptor lockKeeper(::dup(file.get()));
    const bool closed = file.close();
    if (written && closed && lockKeeper.valid() && !injectedFault(WriteStep::Rename)
        && !injectedFault(WriteStep::TemporaryNamed) && ::rename(temporary.c_str(), target.c_str()) == 0)
        return true;
    ::unlink(temporary.c_str());
    return false;
}

enum class Linked { Done, Failed, Unsupported };

// Gives the complete unnamed file its name. A file that does not exist yet is
// created by the link itself; an existing one is replaced by a rename, so a name
// of its own exists only for that instant.
Linked linkUnnamedFile(int fd, const fs::path& target)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return Linked::Done;
    if (errno != EEXIST)
        return errno == ENOENT ? Linked::Unsupported : Linked::Failed;
    thread_local std::mt19937 random { std::random_device {}() };
    std::uniform_int_distribution<std::size_t> pick(0, kTemporaryCharacters.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temporary = temporaryPrefix(target);
        for (std::size_t i = 0; i < kTemporaryUniqueLength; ++i)
            temporary += kTemporaryCharacters[pick(random)];
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST)
                continue;
            return Linked::Failed;
        }
        if (!injectedFault(WriteStep::TemporaryNamed) && ::rename(temporary.c_str(), target.c_str()) == 0)
            return Linked::Done;
        ::unlink(temporary.c_str());
        return Linked::Failed;
    }
    return Linked::Failed;
}

enum class Written { Done, Failed, Unsupported };

Written writeThroughUnnamedTemporary(const fs::path& target, std::string_view bytes, mode_t mode)
{
    if (!unnamedTemporariesAllowed())
        return Written::Unsupported;
    FileDescriptor file(::open(folderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
    if (!file.valid())
        return errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL ? Written::Unsupported : Written::Failed;
    if (!holdAsTemporary(file.get(), LOCK_EX) || !writeAndFlush(file.get(), bytes, mode)
        || injectedFault(WriteStep::Rename))
        return Written::Failed;
    switch (linkUnnamedFile(file.get(), target)) {
    case Linked::Done:
        return file.close() ? Written::Done : Written::Failed;
    case Linked::Unsupported:
        return Written::Unsupported;
    case Linked::Failed:
        break;
    }
    return Written::Failed;
}

bool writeThroughTemporary(const fs::path& target, std::string_view bytes, mode_t mode)
{
    if (injectedFault(WriteStep::CreateTemporary))
        return false;
    switch (writeThroughUnnamedTemporary(target, bytes, mode)) {
    case Written::Done:
        return true;
    case Written::Failed:
        return false;
    case Written::Unsupported:
        break;
    }
    return writeThroughNamedTemporary(target, bytes, mode);
}

} // namespace

std::string readWholeFile(const fs::path& file)
{
    // Not blocking: opening a named pipe for reading would wait for a writer.
    FileDescriptor input(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status { };
    if (!input.valid() || ::fstat(input.get(), &status) != 0 || !S_ISREG(status.st_mode))
        throw RuntimeError::cannotOpen(file);
    // Read straight into the text, sized as the file is now; a file that grows
    // meanwhile is read to its end all the same.
    std::string content(static_cast<size_t>(status.st_size) + 1, '\0');
    size_t filled = 0;
    for (;;) {
        if (filled == content.size())
            content.resize(2 * content.size());
        const ssize_t count = ::read(input.get(), content.data() + filled, content.size() - filled);
        if (count == 0)
            break;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            throw RuntimeError::cannotOpen(file);
        }
        filled += static_cast<size_t>(count);
    }
    content.resize(filled);
    return content;
}

bool regularFileExists(const fs::path& file)
{
    struct stat status { };
    return ::stat(file.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

void writeFileAtomically(const fs::path& file, std::string_view bytes)
{
    fs::path target = file;
    mode_t mode = 0;
    if (target.filename().empty() || !followLinks(target) || !targetMayBeReplaced(target, mode))
        throw RuntimeError::cannotCreate(file);
    removeLeftTemporaries(target);
    if (!writeThroughTemporary(target, bytes, mode))
        throw RuntimeError::cannotCreate(file);
}

} // namespace tarvo
