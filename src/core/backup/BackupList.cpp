#include "backup/BackupStore.h"

#include "text/Cp932.h"
#include "text/Cp932Characters.h"
#include "text/NativePath.h"
#include "text/RuntimeError.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>

namespace tarvo {

namespace {

constexpr std::string_view kBackupExtension = ".bak";

// The run time's code for a folder that cannot be listed.
int ioErrorCode(int error)
{
    switch (error) {
    case ENOENT:
        return 2;
    case ENOTDIR:
    case ENAMETOOLONG:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
        return 5;
    default:
        return error;
    }
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool hasBackupExtension(std::string_view name)
{
    if (name.size() < kBackupExtension.size())
        return false;
    const std::string_view tail = name.substr(name.size() - kBackupExtension.size());
    return std::equal(
        tail.begin(), tail.end(), kBackupExtension.begin(), [](char a, char b) { return asciiLower(a) == b; });
}

// Letter case folded only in single-byte characters: the second byte of a
// double-byte character may have the code of a letter.
std::string caseFolded(std::string_view cp932Name)
{
    std::string folded(cp932Name);
    for (std::size_t at = 0; at < folded.size(); at += cp932CharacterLength(folded, at)) {
        if (cp932CharacterLength(folded, at) == 1)
            folded[at] = asciiLower(folded[at]);
    }
    return folded;
}

bool isRegularFile(const std::filesystem::path& folder, const char* name)
{
    struct stat status { };
    return ::stat((folder / name).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

void sortIgnoringCase(std::vector<std::string>& names)
{
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(names.size());
    for (auto& name : names)
        keyed.emplace_back(caseFolded(name), std::move(name));
    // Names equal but for case keep a fixed order by their bytes.
    std::sort(keyed.begin(), keyed.end());
    names.clear();
    for (auto& [key, name] : keyed)
        names.push_back(std::move(name));
}

} // namespace

std::vector<std::string> listBackupFiles(std::string_view cp932StartDirectory)
{
    const std::filesystem::path folder = nativePathFromCp932(backupFolder(cp932StartDirectory));
    DIR* directory = ::opendir(folder.c_str());
    if (!directory)
        throw RuntimeError::ioError(ioErrorCode(errno));
    std::vector<std::string> names;
    while (const dirent* item = ::readdir(directory)) {
        const std::string_view name = item->d_name;
        // On this platform a leading "." marks a hidden file.
        if (name.front() == '.' || !hasBackupExtension(name) || !isRegularFile(folder, item->d_name))
            continue;
        names.push_back(cp932FromNativePath(std::filesystem::path(name)));
    }
    ::closedir(directory);
    sortIgnoringCase(names);
    return names;
}

const std::string& noBackupsMessage()
{
    static const std::string message = cp932FromUtf8("バックアップデータがありません！");
    return message;
}

std::string dialogEntryFor(std::string_view cp932FileName)
{
    const std::size_t at = cp932FileName.find(kBackupExtension);
    return at == std::string_view::npos ? std::string() : std::string(cp932FileName.substr(0, at));
}

} // namespace tarvo
