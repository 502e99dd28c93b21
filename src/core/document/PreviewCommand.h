#pragma once

#include "core/document/PreviewOutcome.h"
#include "core/entry/RegistrationEntry.h"

namespace tarvo {

// The preview command: checks the required fields, derives the document class,
// writes the registration text and, on success, the backup record of the entry
// as the document saw it. It changes nothing itself: an empty first line of
// Notes that it fills in comes back in the outcome, and writing the backup is
// the caller's part.
// The command line shows the text only, and skips making the backup record.
enum class BackupText { Made, Skipped };
PreviewOutcome runPreviewCommand(const RegistrationEntry& entry, BackupText backupText = BackupText::Made);

} // namespace tarvo
