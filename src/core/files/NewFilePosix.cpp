#include "core/files/NewFile.h"

#include "core/errors/RuntimeError.h"
#include "core/files/FileDescriptor.h"
#include "core/files/NamedTemporaries.h"
#include "core/files/WriteFaults.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo {

namespace {

namespace fs = std::filesystem;

enum class Linked { Done, Exists, Failed, Unsupported };

bool writeAndFlush(int fd, std::string_view bytes)
{
    return writeAll(fd, bytes) && !injectedFault(WriteStep::Flush) && ::fsync(fd) == 0;
}

Linked link(const char* from, const fs::path& target, int flags)
{
    if (injectedFault(WriteStep::Rename))
        return Linked::Failed;
    if (::linkat(AT_FDCWD, from, AT_FDCWD, target.c_str(), flags) == 0)
        return Linked::Done;
    return errno == EEXIST ? Linked::Exists : Linked::Failed;
}

fs::path folderOf(const fs::path& file)
{
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

mode_t defaultFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The superuser ignores permission bits, so a read-only folder is honoured here.
bool folderTakesFiles(const fs::path& folder)
{
    struct stat status { };
    return ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode)
        && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

Linked throughUnnamedFile(const fs::path& target, std::string_view bytes, mode_t mode)
{
    if (!unnamedTemporariesAllowed())
        return Linked::Unsupported;
    const FileDescriptor file(::open(folderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
    if (file.get() < 0)
        return errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL ? Linked::Unsupported : Linked::Failed;
    if (!writeAndFlush(file.get(), bytes))
        return Linked::Failed;
    const std::string self = "/proc/self/fd/" + std::to_string(file.get());
    const Linked linked = link(self.c_str(), target, AT_SYMLINK_FOLLOW);
    // No /proc: the file system may still take named files.
    return linked == Linked::Failed && errno == ENOENT && !fs::exists("/proc/self/fd") ? Linked::Unsupported : linked;
}

// Held, as the replacing writer holds its own, from its creation until it is
// gone, so that only what a killed write left is taken away by another.
Linked throughNamedFile(const fs::path& target, std::string_view bytes, mode_t mode)
{
    std::string temporary;
    const FileDescriptor file(createNamedTemporary(temporary, target));
    if (!file.valid())
        return Linked::Failed;
    Linked linked = Linked::Failed;
    if (::fchmod(file.get(), mode) == 0 && writeAndFlush(file.get(), bytes)
        && !injectedFault(WriteStep::TemporaryNamed))
        linked = link(temporary.c_str(), target, 0);
    ::unlink(temporary.c_str());
    return linked;
}

} // namespace

bool writeNewFile(const fs::path& file, std::string_view bytes)
{
    if (file.filename().empty() || !folderTakesFiles(folderOf(file)) || injectedFault(WriteStep::CreateTemporary))
        throw RuntimeError::cannotCreate(file);
    removeLeftTemporaries(file);
    const mode_t mode = defaultFileMode();
    Linked linked = throughUnnamedFile(file, bytes, mode);
    if (linked == Linked::Unsupported)
        linked = throughNamedFile(file, bytes, mode);
    if (linked == Linked::Failed || linked == Linked::Unsupported)
        throw RuntimeError::cannotCreate(file);
    return linked == Linked::Done;
}

} // namespace tarvo
