#include "text/FolderChange.h"

#include "text/RuntimeError.h"

#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo {

namespace {

constexpr int kFileNotFound = 2;
constexpr int kInvalidName = 3;
constexpr int kTooManyOpenFiles = 4;
constexpr int kAccessDenied = 5;
constexpr int kDiskFull = 101;
constexpr int kNotReady = 21;

bool hasOwnMessage(int code)
{
    switch (code) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 100:
    case 101:
    case 106:
        return true;
    default:
        return false;
    }
}

} // namespace

int ioErrorCodeFromErrno(int error)
{
    switch (error) {
    case ENOENT:
        return kFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
    case EILSEQ:
        return kInvalidName;
    case EMFILE:
    case ENFILE:
        return kTooManyOpenFiles;
    case EACCES:
    case EPERM:
        return kAccessDenied;
    case ENOSPC:
        return kDiskFull;
    case EIO:
    case ENXIO:
    case ENODEV:
#ifdef ENOMEDIUM
    case ENOMEDIUM:
#endif
        return kNotReady;
    default:
        return hasOwnMessage(error) ? kNotReady : error;
    }
}

void enterFolder(const std::filesystem::path& folder)
{
    if (folder.empty())
        throw RuntimeError::ioError(kFileNotFound);
    if (::chdir(folder.c_str()) != 0)
        throw RuntimeError::ioError(ioErrorCodeFromErrno(errno));
}

std::vector<std::string> subFolderNames(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    DIR* directory = ::opendir(folder.c_str());
    if (!directory)
        return names;
    while (const dirent* item = ::readdir(directory)) {
        const std::string_view name = item->d_name;
        // A leading "." marks a hidden folder, and "." and ".." themselves.
        struct stat status {};
        if (name.front() == '.' || ::stat((folder / name).c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
            continue;
        names.emplace_back(name);
    }
    ::closedir(directory);
    return names;
}

} // namespace tarvo
