#pragma once

#include "files/NativePath.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace tarvo {

// "バックアップデータがありません！" (UTF-8): the backup folder holds no backup.
inline constexpr std::string_view kNoBackupsMessage = "バックアップデータがありません！";

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

} // namespace tarvo
