#include "settings/Settings.h"

#include "files/FileIo.h"
#include "format/SettingsFile.h"

namespace tarvo {

std::optional<std::string> readAuthorSetting()
{
    if (!regularFileExists(kSettingsFileName))
        return std::nullopt;
    return authorFromSettingsText(readWholeFile(kSettingsFileName));
}

void writeAuthorSetting(std::string_view cp932Author)
{
    writeFileAtomically(kSettingsFileName, settingsTextFor(cp932Author));
}

} // namespace tarvo
