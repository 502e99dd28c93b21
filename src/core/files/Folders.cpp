#include "core/files/Folders.h"

#include "core/errors/IoError.h"
#include "core/errors/RuntimeError.h"

#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo {

void enterFolder(const std::filesystem::path& folder)
{
    if (folder.empty())
        throw RuntimeError::ioError(ioCode::fileNotFound);
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
        struct stat status { };
        if (name.front() == '.' || ::stat((folder / name).c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
            continue;
        names.emplace_back(name);
    }
    ::closedir(directory);
    return names;
}

} // namespace tarvo
