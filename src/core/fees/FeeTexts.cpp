#include "fees/FeeTexts.h"

#include "text/Cp932.h"

namespace tarvo {

const FeeTexts& feeTexts()
{
    static const FeeTexts texts {
        .userHeading = cp932FromUtf8("●利用者に請求される金額"),
        .authorHeading = cp932FromUtf8("●作者の方に支払われる金額"),
        .priceLabel = cp932FromUtf8("本体価格："),
        .taxLabel = cp932FromUtf8("　消費税："),
        .userHandlingFeeLine = cp932FromUtf8("　手数料：105円"),
        .commissionLabel = cp932FromUtf8("　手数料："),
        .rule = std::string(26, '-'),
        .chargedLabel = cp932FromUtf8("請求金額："),
        .revenueLabel = cp932FromUtf8("収益金額："),
        .yen = cp932FromUtf8("円"),
        .emptyFeeMessage = cp932FromUtf8("「シェアウェア料金」が記入されていません！"),
        .outOfRangeMessage = cp932FromUtf8("「シェアウェア料金」は500円以上15000円以下の範囲内にして下さい。"),
        .digitsOnlyMessage = cp932FromUtf8("記入欄には半角の数字しか使うことはできません！"),
    };
    return texts;
}

} // namespace tarvo
