#include "guidance/HelpText.h"

#include "files/FileIo.h"

namespace tarvo {

std::optional<std::string> readHelpText()
{
    if (!regularFileExists(kHelpFileName))
        return std::nullopt;
    return readWholeFile(kHelpFileName);
}

} // namespace tarvo
