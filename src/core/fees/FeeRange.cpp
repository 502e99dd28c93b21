#include "core/fees/FeeRange.h"

#include "core/errors/RuntimeError.h"
#include "core/text/StrictInteger.h"

namespace tarvo {

ParsedFee parseFee(std::string_view cp932Text, std::string_view emptyMessage, std::string_view outOfRangeMessage)
{
    if (cp932Text.empty())
        return { std::nullopt, Outcome::refused(std::string(emptyMessage)) };
    int fee = 0;
    try {
        fee = toInt32(cp932Text);
    } catch (const RuntimeError& failure) {
        return { std::nullopt, Outcome::failed(failure) };
    }
    if (!isAcceptedFee(fee))
        return { std::nullopt, Outcome::refused(std::string(outOfRangeMessage)) };
    return { fee, Outcome::success() };
}

} // namespace tarvo
