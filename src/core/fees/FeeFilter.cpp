#include "core/fees/FeeFilter.h"

#include <algorithm>

namespace tarvo {

FeeFilterResult filterFeeText(std::string_view cp932FeeText)
{
    // Counted per byte, not per character: a full-width digit is two bytes and
    // shows the message twice, as the field always has.
    FeeFilterResult result;
    result.messageCount = static_cast<int>(
        std::count_if(cp932FeeText.begin(), cp932FeeText.end(), [](char c) { return c < '0' || c > '9'; }));
    if (result.messageCount == 0)
        result.text = cp932FeeText;
    return result;
}

} // namespace tarvo
