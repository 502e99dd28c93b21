#include "pad/BackupLoad.h"

#include "backup/BackupFolder.h"
#include "backup/BackupList.h"
#include "text/Cp932.h"

namespace tarvo {

LoadedBackup loadBackupFile(const std::filesystem::path& file, RegistrationEntry& entry)
{
    LoadedBackup loaded;
    const Cp932NameOfFile name = softwareNameOfBackupFile(file.filename().native());
    if (!name.cp932) {
        loaded.refusal = unrepresentableMessage(name.unrepresentable);
        return loaded;
    }
    entry.softwareName = *name.cp932;
    if (!entry.softwareName.empty())
        loaded.report = restoreBackupFile(file, entry);
    return loaded;
}

} // namespace tarvo
