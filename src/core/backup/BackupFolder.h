#pragma once

#include "core/Outcome.h"
#include "core/format/BackupRecord.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
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
// earlier file then stays as it was. A SoftwareName starting with "." would be
// a backup the list never shows: it raises "不正なファイル名です" before anything
// is written.
void writeBackup(
    const std::filesystem::path& startDirectory, std::string_view cp932SoftwareName, std::string_view backupText);

// The most bytes a restored one-line field may hold. Such a field is laid out
// as one line whenever it is shown, in time that grows with its length; a
// person writes far less (docs/FORMATS.md gives the measurement).
inline constexpr std::size_t kMostBytesOfARestoredLine = std::size_t(1) << 20;

// "バックアップの「%s」は大きすぎて読み込めません！" (UTF-8) with the first one-line
// field of the restored entry that holds more than kMostBytesOfARestoredLine
// bytes; nothing when every one fits.
std::optional<std::string> oversizedFieldMessage(const RegistrationEntry& restored);

// The preview command's backup written as writeBackup() does: success with
// nothing to say, or failed with its failure.
Outcome saveBackup(
    const std::filesystem::path& startDirectory, std::string_view cp932SoftwareName, std::string_view backupText);

// Reads the backup file and restores it. Raises "ファイル %s は開けません" with the
// full path when the file cannot be read.
RestoreReport restoreBackupFile(const std::filesystem::path& file, RegistrationEntry& entry);

} // namespace tarvo
