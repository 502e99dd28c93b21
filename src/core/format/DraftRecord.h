#pragma once

#include "core/entry/RegistrationEntry.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

// What the window held when the author last changed it: every field of both
// entry pages as it stands (hidden follow-up texts, a lone listing directory and
// empty required fields included), which follow-up fields show, the Handling
// kind, and the preview text with its touch-ups.
struct Draft {
    RegistrationEntry entry;
    std::string previewText; // CP932, every line break CR LF
};

// The draft record: the backup record's rows in their order and with their
// prefixes, every row written whole, then the rows only a draft has and an end
// line, so that a record cut short is told from a whole one. docs/FORMATS.md
// lists the rows.
std::string draftRecordOf(const Draft& draft);

// A form that holds nothing but the author, whom "setting.dat" remembers: it
// needs no draft.
bool holdsOnlyTheAuthor(const Draft& draft);

// The draft the record holds; nothing for bytes that are not one whole draft
// record (cut short, damaged, or anything else).
std::optional<Draft> draftFromRecord(std::string_view fileBytes);

} // namespace tarvo
