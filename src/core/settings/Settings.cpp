#include "core/settings/Settings.h"

#include "core/errors/RuntimeError.h"
#include "core/files/FileIo.h"
#include "core/format/SettingsFile.h"

namespace tarvo {

std::optional<std::string> readAuthorSetting()
{
    if (!regularFileExists(kSettingsFileName))
        return std::nullopt;
    return authorFromSettingsText(readWholeFile(kSettingsFileName));
}

void writeAuthorSetting(std::string_view cp932Author, const std::filesystem::path& folder)
{
    try {
        writeFileAtomically(folder / kSettingsFileName, settingsTextFor(cp932Author));
    } catch (const RuntimeError&) {
        throw RuntimeError::cannotCreate(kSettingsFileName);
    }
}

} // namespace tarvo
