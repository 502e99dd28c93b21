#include "backup/BackupFolder.h"

#include "errors/RuntimeError.h"
#include "files/FileIo.h"
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

void writeBackup(
    const std::filesystem::path& startDirectory, std::string_view cp932SoftwareName, std::string_view backupText)
{
    const std::filesystem::path path = backupPath(startDirectory, cp932SoftwareName);
    if (!isOneFileName(cp932SoftwareName))
        throw RuntimeError::cannotCreate(path);
    writeFileAtomically(path, backupText);
}

Outcome saveBackup(
    const std::filesystem::path& startDirectory, std::string_view cp932SoftwareName, std::string_view backupText)
{
    try {
        writeBackup(startDirectory, cp932SoftwareName, backupText);
    } catch (const RuntimeError& failure) {
        return Outcome::failed(failure);
    }
    return Outcome::success();
}

RestoreReport restoreBackupFile(const std::filesystem::path& file, RegistrationEntry& entry)
{
    const std::string bytes = readWholeFile(file);
    return restoreBackup(bytes, entry);
}

} // namespace tarvo
