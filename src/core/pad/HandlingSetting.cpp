#include "core/pad/HandlingSetting.h"

#include "core/entry/EntryLists.h"
#include "core/text/Cp932.h"

namespace tarvo {

std::optional<std::string> handlingItemOf(std::string_view utf8Value)
{
    if (utf8Value.empty())
        return std::string();
    const auto& items = entryLists().handlings;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::string item = utf8FromCp932(items[i]);
        if (utf8Value == item || utf8Value == std::to_string(i + 1))
            return item;
    }
    return std::nullopt;
}

std::string numberedHandlingItems()
{
    const auto& items = entryLists().handlings;
    std::string list;
    for (std::size_t i = 0; i < items.size(); ++i)
        list += (i == 0 ? "" : " / ") + std::to_string(i + 1) + " " + utf8FromCp932(items[i]);
    return list;
}

} // namespace tarvo
