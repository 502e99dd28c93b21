#include "core/fees/FeeStatements.h"

#include "core/fees/FeeTexts.h"

namespace tarvo {

namespace {

std::string amountLine(const std::string& label, int amount)
{
    return label + std::to_string(amount) + feeTexts().yen;
}

} // namespace

std::vector<std::string> userStatement(const FeeQuote& quote)
{
    const auto& texts = feeTexts();
    return {
        texts.userHeading,
        amountLine(texts.priceLabel, quote.price),
        amountLine(texts.taxLabel, quote.tax),
        texts.userHandlingFeeLine,
        texts.rule,
        amountLine(texts.chargedLabel, quote.charged),
    };
}

std::vector<std::string> authorStatement(const FeeQuote& quote)
{
    const auto& texts = feeTexts();
    return {
        texts.authorHeading,
        amountLine(texts.priceLabel, quote.price),
        amountLine(texts.taxLabel, quote.tax),
        amountLine(texts.commissionLabel, quote.commission),
        texts.rule,
        amountLine(texts.revenueLabel, quote.revenue),
    };
}

} // namespace tarvo
