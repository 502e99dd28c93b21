#include "core/guidance/HelpText.h"

#include "core/files/FileIo.h"

namespace tarvo {

std::optional<std::string> readHelpText()
{
    if (!regularFileExists(kHelpFileName))
        return std::nullopt;
    return readWholeFile(kHelpFileName);
}

} // namespace tarvo
