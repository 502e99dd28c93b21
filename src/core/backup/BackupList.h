#pragma once

#include "core/Outcome.h"
#include "core/entry/RegistrationEntry.h"
#include "core/files/NativePath.h"

#include <filesystem>
#include <optional>
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

// What "Load" did with the form, for the window and the command line to show.
struct ListedRestore {
    // The form to show, when "Load" changed it: SoftwareName set from the file
    // name and the backup's fields restored (after a failure inside the file,
    // those before it). Nothing for a refusal or when nothing was chosen.
    std::optional<RegistrationEntry> entry;
    // How often the fee field's digit filter shows its message, once per byte.
    int feeFilterMessages = 0;
    // Whether the file held the shareware section.
    bool sharewareSectionRead = false;
    // Success with nothing to say; refused with the message for a file name
    // CP932 cannot hold or for a value too large to show; failed with the
    // list's index error when nothing was chosen, or with the failure of
    // reading the file.
    Outcome outcome;
};

// A backup named by its path, as the command line and an import name one: the
// file read is the path itself, the SoftwareName what the dialog makes of its
// file name.
ListedBackup listedBackupOf(const std::filesystem::path& file);

// "Load" of the dialog: the file name gives SoftwareName, a name CP932 cannot
// hold is refused, an empty one reads no file, and the backup is restored into
// `form`. Throws nothing.
ListedRestore restoreListedBackup(const std::optional<ListedBackup>& chosen, RegistrationEntry form);

// The same "Load" of bytes not yet in the file, with the same checks and
// limits: what a writer of backups gives is known to load back before it is
// written.
ListedRestore restoreListedBytes(const ListedBackup& backup, std::string_view bytes, RegistrationEntry form);

} // namespace tarvo
