#include "backup/BackupStore.h"

#include "files/NativePath.h"

namespace tarvo {

namespace {

constexpr std::string_view kBackupFolderName = "data";

} // namespace

std::filesystem::path backupFolder(const std::filesystem::path& startDirectory)
{
    std::filesystem::path folder = startDirectory;
    folder += kBackupFolderName;
    folder += kPathSeparator;
    return folder;
}

std::filesystem::path backupPath(const std::filesystem::path& startDirectory, std::string_view cp932SoftwareName)
{
    std::filesystem::path path = backupFolder(startDirectory);
    path += fileNameFromCp932(cp932SoftwareName);
    path += kBackupExtension;
    return path;
}

} // namespace tarvo
