#include "core/files/Folders.h"

#include "core/errors/IoError.h"
#include "core/errors/RuntimeError.h"
#include "core/files/FileDescriptor.h"

#include <cerrno>
#include <climits>
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
    FolderListing directory(folder.c_str());
    if (!directory.valid())
        return names;
    while (const dirent* item = directory.next()) {
        const std::string_view name = item->d_name;
        // A leading "." marks a hidden folder, and "." and ".." themselves.
        struct stat status { };
        if (name.front() == '.' || ::stat((folder / name).c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
            continue;
        names.emplace_back(name);
    }
    return names;
}

std::vector<std::string> regularFileNames(
    const std::filesystem::path& folder, const std::function<bool(std::string_view)>& wanted)
{
    FolderListing directory(folder.c_str());
    if (!directory.valid())
        throw RuntimeError::ioError(ioErrorCodeFromErrno(errno));
    std::vector<std::string> names;
    while (const dirent* item = directory.next()) {
        const std::string_view name = item->d_name;
        // On this platform a leading "." marks a hidden file.
        struct stat status { };
        if (name.front() == '.' || !wanted(name) || ::stat((folder / item->d_name).c_str(), &status) != 0
            || !S_ISREG(status.st_mode))
            continue;
        names.emplace_back(name);
    }
    return names;
}

std::filesystem::path currentFolder()
{
    std::string buffer(PATH_MAX, '\0');
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            throw RuntimeError::ioError(ioErrorCodeFromErrno(errno));
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(buffer.find('\0'));
    return buffer;
}

bool folderHolds(const std::filesystem::path& root, const std::filesystem::path& path)
{
    const std::string& rootText = root.native();
    const std::string& text = path.native();
    return rootText == "/" || text == rootText || (text.starts_with(rootText) && text[rootText.size()] == '/');
}

bool userCanRead(const std::filesystem::path& folder)
{
    return ::access(folder.c_str(), R_OK | X_OK) == 0;
}

} // namespace tarvo
