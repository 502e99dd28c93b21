#pragma once

#include "Outcome.h"
#include "format/BackupRecord.h"

#include <filesystem>
#include <string_view>

namespace tarvo {

// The backup folder "data" of the start directory, one file per SoftwareName.

inline constexpr std::string_view kBackupExtension = ".bak";

// StartDirectory + "data" + separator.
std::filesystem::path backupFolder(const std::filesystem::path& startDirectory);

// StartDirectory + "data" + separator + SoftwareName + ".bak", the name's
// characters unchanged.
std::filesystem::path backupPath(const std::filesystem::path& startDirectory, std::string_view cp932SoftwareName);

// Writes the backup record built by the preview command atomically. The folder
// is never created. A SoftwareName holding "/" or "\" cannot be one file name
// and is refused. Raises "ファイル %s を作成できません" with the full path; an
// earlier file then stays as it was.
void writeBackup(
    const std::filesystem::path& startDirectory, std::string_view cp932SoftwareName, std::string_view backupText);

// The preview command's backup written as writeBackup() does: success with
// nothing to say, or failed with its failure.
Outcome saveBackup(
    const std::filesystem::path& startDirectory, std::string_view cp932SoftwareName, std::string_view backupText);

// Reads the backup file and restores it. Raises "ファイル %s は開けません" with the
// full path when the file cannot be read.
RestoreReport restoreBackupFile(const std::filesystem::path& file, RegistrationEntry& entry);

} // namespace tarvo
