#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// What the calculator and the fee field's filter say (UTF-8).
inline constexpr std::string_view kEmptyFeeMessage = "「シェアウェア料金」が記入されていません！";
inline constexpr std::string_view kFeeOutOfRangeMessage
    = "「シェアウェア料金」は500円以上15000円以下の範囲内にして下さい。";
inline constexpr std::string_view kDigitsOnlyMessage = "記入欄には半角の数字しか使うことはできません！";

// The lines of the calculator's statements (CP932).
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
};

const FeeTexts& feeTexts();

} // namespace tarvo
