#include "backup/BackupStore.h"

#include "files/FileIo.h"
#include "files/NativePath.h"
#include "errors/RuntimeError.h"

namespace tarvo {

void writeBackup(
    const std::filesystem::path& startDirectory, std::string_view cp932SoftwareName, std::string_view backupText)
{
    const std::filesystem::path path = backupPath(startDirectory, cp932SoftwareName);
    if (!isOneFileName(cp932SoftwareName))
        throw RuntimeError::cannotCreate(path);
    writeFileAtomically(path, backupText);
}

} // namespace tarvo
