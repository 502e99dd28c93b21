#pragma once

#include <string>

namespace tarvo {

// The fixed texts of the fee calculator and of the fee field's filter (CP932).
// The labels are five full-width characters each, so that the amounts line up in
// the fixed-pitch boxes; two of them begin with a full-width blank.
struct FeeTexts {
    std::string userHeading;
    std::string authorHeading;
    std::string priceLabel;
    std::string taxLabel;
    std::string userHandlingFeeLine;
    std::string commissionLabel;
    std::string rule;
    std::string chargedLabel;
    std::string revenueLabel;
    std::string yen;

    std::string emptyFeeMessage;
    std::string outOfRangeMessage;
    std::string digitsOnlyMessage;
};

const FeeTexts& feeTexts();

} // namespace tarvo
