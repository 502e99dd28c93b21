#pragma once

#include "entry/RegistrationEntry.h"
#include "files/NativePath.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

inline constexpr std::string_view kBackupExtension = ".bak";

// StartDirectory + "data" + separator.
std::filesystem::path backupFolder(const std::filesystem::path& startDirectory);

// StartDirectory + "data" + separator + SoftwareName + ".bak", the name's
// characters unchanged.
std::filesystem::path backupPath(const std::filesystem::path& startDirectory, std::string_view cp932SoftwareName);

// Writes the backup lines built by the preview command atomically. The folder is
// never created. A SoftwareName holding "/" or "\" cannot be one file name and is
// refused. Raises "ファイル %s を作成できません" with the full path; an earlier file
// then stays as it was.
void writeBackup(
    const std::filesystem::path& startDirectory, std::string_view cp932SoftwareName, std::string_view backupText);

struct RestoreReport {
    // How often the fee filter showed its message while the fee was restored.
    int feeFilterMessages = 0;
};

// Restores the backup file's bytes into the entry by the fixed row order, setting
// the four follow-up visibilities and recomputing HandlingKind. SoftwareName is
// left alone. Raises "'%s' は整数ではありません" for a non-digit index byte; the
// fields before that point stay restored.
RestoreReport restoreBackup(std::string_view fileBytes, RegistrationEntry& entry);

// Reads the backup file and restores it. Raises "ファイル %s は開けません" with the
// full path when the file cannot be read.
RestoreReport restoreBackupFile(const std::filesystem::path& file, RegistrationEntry& entry);

// The SoftwareName a backup file stands for: the file name up to its first
// ".bak" (in exactly that letter case; nothing when there is none), read back
// into CP932 as cp932NameOfFile() does.
Cp932NameOfFile softwareNameOfBackupFile(std::string_view nativeFileName);

// One backup of the list, as the load dialog offers it.
struct ListedBackup {
    std::filesystem::path fileName; // as listed
    Cp932NameOfFile softwareName;
    // What Load reads: the folder, the name's own bytes, ".bak". For "x.bak.bak"
    // that is "x.bak", the file of the software name "x".
    std::filesystem::path file;
};

// The regular, non-hidden files of the backup folder whose names end in ".bak"
// (any letter case), sorted by name ignoring case. Raises the I/O error for the
// system's code (2 "ファイルが見つかりません" for a missing folder).
std::vector<ListedBackup> listBackups(const std::filesystem::path& startDirectory);

// "バックアップデータがありません！": the backup folder holds no backup.
const std::string& noBackupsMessage();

} // namespace tarvo
