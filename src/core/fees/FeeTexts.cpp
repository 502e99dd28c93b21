#include "core/fees/FeeTexts.h"

#include "core/fees/FeeQuote.h"

#include "core/text/Cp932.h"

namespace tarvo {

const FeeTexts& feeTexts()
{
    static const FeeTexts texts {
        .userHeading = cp932FromUtf8("●利用者に請求される金額"),
        .authorHeading = cp932FromUtf8("●作者の方に支払われる金額"),
        .priceLabel = cp932FromUtf8("本体価格："),
        .taxLabel = cp932FromUtf8("　消費税："),
        .userHandlingFeeLine = cp932FromUtf8("　手数料：" + std::to_string(kUserHandlingFee) + "円"),
        .commissionLabel = cp932FromUtf8("　手数料："),
        .rule = std::string(26, '-'),
        .chargedLabel = cp932FromUtf8("請求金額："),
        .revenueLabel = cp932FromUtf8("収益金額："),
        .yen = cp932FromUtf8("円"),
    };
    return texts;
}

} // namespace tarvo
