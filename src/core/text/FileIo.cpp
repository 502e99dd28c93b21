#include "text/FileIo.h"

#include "text/NativePath.h"
#include "text/RuntimeError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo {

namespace {

std::function<int(WriteStep)>& faultHook()
{
    static std::function<int(WriteStep)> hook;
    return hook;
}

bool injectedFault(WriteStep step)
{
    const auto& hook = faultHook();
    if (!hook)
        return false;
    const int error = hook(step);
    if (error != 0)
        errno = error;
    return error != 0;
}

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

// Permission bits do not stop the superuser, so the writer honours read-only
// marks itself: a read-only folder or target is never written into.
bool targetMayBeReplaced(const std::filesystem::path& target, mode_t& mode)
{
    struct stat status {};
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    if (::stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || hasNoWriteBits(status))
        return false;
    mode = defaultFileMode();
    if (::lstat(target.c_str(), &status) != 0)
        return errno == ENOENT;
    if (!S_ISREG(status.st_mode) || hasNoWriteBits(status))
        return false;
    mode = status.st_mode & 07777;
    return true;
}

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

bool writeThroughTemporary(const std::filesystem::path& target, std::string_view bytes, mode_t mode)
{
    std::string temporary = (target.has_parent_path() ? target.parent_path() / "" : std::filesystem::path()).string()
        + "." + target.filename().string() + ".tmp-XXXXXX";
    if (injectedFault(WriteStep::CreateTemporary))
        return false;
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0
        && !injectedFault(WriteStep::Flush) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (written && closed && !injectedFault(WriteStep::Rename)
        && ::rename(temporary.c_str(), target.c_str()) == 0)
        return true;
    ::unlink(temporary.c_str());
    return false;
}

} // namespace

std::string readWholeFile(std::string_view cp932Name)
{
    const std::filesystem::path path = nativePathFromCp932(cp932Name);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        throw RuntimeError::cannotOpen(cp932Name);
    }
    std::string content;
    content.reserve(static_cast<size_t>(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            throw RuntimeError::cannotOpen(cp932Name);
        }
        content.append(buffer, static_cast<size_t>(count));
    }
    ::close(fd);
    return content;
}

bool regularFileExists(std::string_view cp932Name)
{
    struct stat status {};
    return ::stat(nativePathFromCp932(cp932Name).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

void writeFileAtomically(std::string_view cp932Name, std::string_view bytes)
{
    const std::filesystem::path target = nativePathFromCp932(cp932Name);
    mode_t mode = 0;
    if (target.filename().empty() || !targetMayBeReplaced(target, mode)
        || !writeThroughTemporary(target, bytes, mode))
        throw RuntimeError::cannotCreate(cp932Name);
}

void setWriteFaultHookForTesting(std::function<int(WriteStep)> hook)
{
    faultHook() = std::move(hook);
}

} // namespace tarvo
