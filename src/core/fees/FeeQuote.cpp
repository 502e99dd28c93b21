#include "core/fees/FeeQuote.h"

namespace tarvo {

FeeQuote FeeQuote::forPrice(int price)
{
    // Half rounds up: 510 yen carry a tax of 26, not 25.
    FeeQuote quote;
    quote.price = price;
    quote.tax = (price + 10) / 20;
    quote.charged = price + quote.tax + kUserHandlingFee;
    quote.commission = (price + quote.tax + 5) / 10;
    quote.revenue = price + quote.tax - quote.commission;
    return quote;
}

} // namespace tarvo
