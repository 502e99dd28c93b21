#include "fees/FeeQuote.h"
#include "fees/FeeTexts.h"
#include "text/Cp932.h"
#include "errors/RuntimeError.h"
#include "text/StrictInteger.h"

namespace tarvo {

namespace {

constexpr int kLowestFee = 500;
constexpr int kHighestFee = 15000;

FeeOutcome outcome(FeeOutcome::Kind kind, std::string message)
{
    FeeOutcome result;
    result.kind = kind;
    result.message = std::move(message);
    return result;
}

} // namespace

FeeOutcome evaluateFeeText(std::string_view cp932FeeText)
{
    if (cp932FeeText.empty())
        return outcome(FeeOutcome::Kind::Empty, feeTexts().emptyFeeMessage);
    int fee = 0;
    try {
        fee = toInt32(cp932FeeText);
    } catch (const RuntimeError& error) {
        return outcome(FeeOutcome::Kind::NotANumber, cp932FromUtf8(error.message()));
    }
    if (fee < kLowestFee || fee > kHighestFee)
        return outcome(FeeOutcome::Kind::OutOfRange, feeTexts().outOfRangeMessage);
    FeeOutcome result = outcome(FeeOutcome::Kind::Quote, {});
    result.quote = FeeQuote::forPrice(fee);
    return result;
}

} // namespace tarvo
