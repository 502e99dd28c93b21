#pragma once

#include "entry/RegistrationEntry.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// StartDirectory + "data" + separator.
std::string backupFolder(std::string_view cp932StartDirectory);

// StartDirectory + "data" + separator + SoftwareName + ".bak", the name verbatim.
std::string backupPath(std::string_view cp932StartDirectory, std::string_view cp932SoftwareName);

// Writes the backup lines built by the preview command atomically. The folder is
// never created. A SoftwareName holding "/" or "\" cannot be one file name and is
// refused. Raises "ファイル %s を作成できません" with the full path; an earlier file
// then stays as it was.
void writeBackup(std::string_view cp932StartDirectory, std::string_view cp932SoftwareName, std::string_view backupText);

struct RestoreReport {
    // How often the fee filter showed its message while the fee was restored.
    int feeFilterMessages = 0;
};

// Restores the backup file's bytes into the entry by the fixed row order, setting
// the four follow-up visibilities and recomputing HandlingKind. SoftwareName is
// left alone. Raises "'%s' は整数ではありません" for a non-digit index byte; the
// fields before that point stay restored.
RestoreReport restoreBackup(std::string_view fileBytes, RegistrationEntry& entry);

// Reads the backup of entry.softwareName and restores it. Raises
// "ファイル %s は開けません" with the full path when the file cannot be read. An
// empty SoftwareName (the entry of a file without a lower-case ".bak") reads no
// file and changes nothing.
RestoreReport restoreBackupFile(std::string_view cp932StartDirectory, RegistrationEntry& entry);

// The regular, non-hidden files of the backup folder whose names end in ".bak"
// (any letter case), sorted by name ignoring case. Raises the I/O error for the
// system's code (2 "ファイルが見つかりません" for a missing folder).
std::vector<std::string> listBackupFiles(std::string_view cp932StartDirectory);

// "バックアップデータがありません！": the backup folder holds no backup.
const std::string& noBackupsMessage();

// The dialog entry of a backup file: the name up to the first case-sensitive
// ".bak"; empty when there is none.
std::string dialogEntryFor(std::string_view cp932FileName);

} // namespace tarvo
