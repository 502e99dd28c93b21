#include "fees/FeeCalculation.h"

#include "errors/RuntimeError.h"
#include "fees/FeeRange.h"
#include "fees/FeeTexts.h"
#include "text/StrictInteger.h"

namespace tarvo {

FeeCalculation calculateFees(std::string_view cp932FeeText)
{
    if (cp932FeeText.empty())
        return { Outcome::refused(std::string(kEmptyFeeMessage)), std::nullopt };
    int fee = 0;
    try {
        fee = toInt32(cp932FeeText);
    } catch (const RuntimeError& failure) {
        return { Outcome::failed(failure), std::nullopt };
    }
    if (!isAcceptedFee(fee))
        return { Outcome::refused(std::string(kFeeOutOfRangeMessage)), std::nullopt };
    return { Outcome::success(), FeeQuote::forPrice(fee) };
}

} // namespace tarvo
