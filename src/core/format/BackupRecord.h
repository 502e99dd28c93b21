#pragma once

#include "core/entry/RegistrationEntry.h"

#include <string>
#include <string_view>

namespace tarvo {

// The backup record of one entry: one line per value, each followed by CR LF.
// A value line is "#" and a single value; a text line is "@" and one hard line of
// a lines field. The rows stand in a fixed order and carry no names: the common
// section, then, for shareware, the shareware section. docs/FORMATS.md lists
// the rows.

enum class BackupSections { CommonOnly, CommonAndShareware };

// The record the preview command saves for the entry, Notes as the document
// read them.
std::string backupRecordOf(const RegistrationEntry& entry, BackupSections sections);
// The same with other Notes than the entry's (those the preview filled in),
// without a copy of the whole entry.
std::string backupRecordOf(const RegistrationEntry& entry, BackupSections sections, const LinesText& notes);

struct RestoreReport {
    // How often the fee filter showed its message while the fee was restored.
    int feeFilterMessages = 0;
    // Whether the record held a shareware section.
    bool sharewareSectionRead = false;
};

// Reads a record back into the entry by the fixed row order, setting the four
// follow-up visibilities and recomputing HandlingKind. SoftwareName is left
// alone: the file's name gives it. A record without its shareware section leaves
// the shareware fields as they were. Raises "'%s' は整数ではありません" for a
// non-digit index byte; the fields before that point stay restored.
RestoreReport restoreBackup(std::string_view fileBytes, RegistrationEntry& entry);

} // namespace tarvo
