#include "FaultSupport.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sched.h>
#include <stdexcept>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvo::test {

namespace fs = std::filesystem;

namespace {

constexpr int kSkipped = 77;
constexpr unsigned kSecondsAllowed = 60;

void writeAll(int fd, const std::string& text)
{
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written <= 0)
            return;
        done += static_cast<std::size_t>(written);
    }
}

std::string readAll(int fd)
{
    std::string text;
    char buffer[4096];
    for (ssize_t count; (count = ::read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(count));
    return text;
}

bool writeProcFile(const char* path, const std::string& text)
{
    const int fd = ::open(path, O_WRONLY);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    return written;
}

// A private mount table: as the superuser directly, otherwise inside a user
// namespace where this process is the superuser.
std::string enterPrivateMountNamespace()
{
    if (::unshare(CLONE_NEWNS) != 0) {
        const uid_t uid = ::getuid();
        const gid_t gid = ::getgid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return std::string("unshare: ") + std::strerror(errno);
        writeProcFile("/proc/self/setgroups", "deny");
        if (!writeProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1")
            || !writeProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
            return "cannot map the user into the namespace";
    }
    // Nothing mounted here may reach the rest of the system.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return std::string("mount private: ") + std::strerror(errno);
    return {};
}

} // namespace

ChildOutcome runInChild(const std::function<std::string()>& body)
{
    int channel[2];
    if (::pipe(channel) != 0)
        throw std::runtime_error("pipe");
    const pid_t child = ::fork();
    if (child < 0)
        throw std::runtime_error("fork");
    if (child == 0) {
        ::close(channel[0]);
        // A body that blocks is ended by the system, and the test fails.
        ::alarm(kSecondsAllowed);
        std::string report;
        try {
            report = body();
        } catch (const std::exception& error) {
            report = std::string("unexpected exception: ") + error.what();
        }
        writeAll(channel[1], report);
        ::_exit(report.rfind("skip:", 0) == 0 ? kSkipped : 0);
    }
    ::close(channel[1]);
    ChildOutcome outcome;
    outcome.report = readAll(channel[0]);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status))
        outcome.report += "\nthe child ended abnormally";
    outcome.skipped = WIFEXITED(status) && WEXITSTATUS(status) == kSkipped;
    return outcome;
}

ChildOutcome runOnSmallTmpfs(const fs::path& mountPoint, std::size_t bytes, const std::function<std::string()>& body)
{
    return runInChild([&]() -> std::string {
        if (const std::string refused = enterPrivateMountNamespace(); !refused.empty())
            return "skip: no private mount table (" + refused + ")";
        const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
        if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0)
            return std::string("skip: cannot mount a tmpfs (") + std::strerror(errno) + ")";
        return body();
    });
}

void fillFileSystem(const fs::path& path, std::size_t leaveFree)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot create the filler " + path.string());
    const std::string block(4096, 'f');
    off_t size = 0;
    for (ssize_t written; (written = ::write(fd, block.data(), block.size())) > 0;)
        size += written;
    if (leaveFree > 0
        && ::ftruncate(fd, size > static_cast<off_t>(leaveFree) ? size - static_cast<off_t>(leaveFree) : 0) != 0) {
        ::close(fd);
        throw std::runtime_error("cannot shorten the filler");
    }
    ::close(fd);
}

} // namespace tarvo::test
