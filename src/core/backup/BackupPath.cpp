#include "backup/BackupStore.h"

#include "text/NativePath.h"

namespace tarvo {

namespace {

constexpr std::string_view kBackupFolderName = "data";
constexpr std::string_view kBackupExtension = ".bak";

} // namespace

std::string backupFolder(std::string_view cp932StartDirectory)
{
    std::string folder(cp932StartDirectory);
    folder += kBackupFolderName;
    folder += kPathSeparator;
    return folder;
}

std::string backupPath(std::string_view cp932StartDirectory, std::string_view cp932SoftwareName)
{
    std::string path = backupFolder(cp932StartDirectory);
    path += cp932SoftwareName;
    path += kBackupExtension;
    return path;
}

} // namespace tarvo
