#pragma once

#include "core/format/DraftRecord.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace tarvo {

// "draft.dat" in the start directory: the form the author has not yet
// previewed, one per start directory, beside "setting.dat" and never among the
// backups; its format is format/DraftRecord.
inline constexpr std::string_view kDraftFileName = "draft.dat";

// Nothing when there is no such regular file; raises "ファイル draft.dat は開けません"
// when it cannot be read or is not one whole draft.
std::optional<Draft> readDraft(const std::filesystem::path& startDirectory);

// Writes the draft atomically; raises "ファイル draft.dat を作成できません".
void writeDraft(const std::filesystem::path& startDirectory, const Draft& draft);

// Once the backup holds everything; a draft that cannot be removed is offered
// once more, which loses nothing.
void removeDraft(const std::filesystem::path& startDirectory);

} // namespace tarvo
