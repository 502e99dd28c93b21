#include "core/settings/DraftFile.h"

#include "core/errors/RuntimeError.h"
#include "core/files/FileIo.h"

#include <system_error>

namespace tarvo {

std::optional<Draft> readDraft(const std::filesystem::path& startDirectory)
{
    const std::filesystem::path file = startDirectory / kDraftFileName;
    if (!regularFileExists(file))
        return std::nullopt;
    try {
        if (std::optional<Draft> draft = draftFromRecord(readWholeFile(file)))
            return draft;
    } catch (const RuntimeError&) {
    }
    throw RuntimeError::cannotOpen(kDraftFileName);
}

void writeDraft(const std::filesystem::path& startDirectory, const Draft& draft)
{
    try {
        writeFileAtomically(startDirectory / kDraftFileName, draftRecordOf(draft));
    } catch (const RuntimeError&) {
        throw RuntimeError::cannotCreate(kDraftFileName);
    }
}

void removeDraft(const std::filesystem::path& startDirectory)
{
    std::error_code ignored;
    std::filesystem::remove(startDirectory / kDraftFileName, ignored);
}

} // namespace tarvo
