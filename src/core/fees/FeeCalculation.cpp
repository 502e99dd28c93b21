#include "core/fees/FeeCalculation.h"

#include "core/fees/FeeRange.h"
#include "core/fees/FeeTexts.h"

namespace tarvo {

FeeCalculation calculateFees(std::string_view cp932FeeText)
{
    const ParsedFee parsed = parseFee(cp932FeeText, kEmptyFeeMessage, kFeeOutOfRangeMessage);
    if (!parsed.fee)
        return { parsed.outcome, std::nullopt };
    return { Outcome::success(), FeeQuote::forPrice(*parsed.fee) };
}

} // namespace tarvo
