#pragma once

#include "entry/RegistrationEntry.h"
#include "format/BackupRecord.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tarvo {

struct LoadedBackup {
    // The window's message (UTF-8) when the file name cannot be a SoftwareName;
    // nothing was restored then.
    std::optional<std::string> refusal;
    RestoreReport report;
};

// The window's load of one backup file: the SoftwareName from the file name, a
// name CP932 cannot hold refused, an empty one restoring nothing, else the file
// restored into the entry. Showing the digits-only message once per filtered
// fee byte is the caller's part. Raises what restoreBackupFile raises.
LoadedBackup loadBackupFile(const std::filesystem::path& file, RegistrationEntry& entry);

} // namespace tarvo
