#pragma once

namespace tarvo {

// What the collection service charges a user on top of the price: its fee and
// the tax on it.
inline constexpr int kHandlingFeeBeforeTax = 100;
inline constexpr int kHandlingFeeTax = 5;
inline constexpr int kUserHandlingFee = kHandlingFeeBeforeTax + kHandlingFeeTax;

// What a user pays and what the author receives for a fee, in whole yen.
struct FeeQuote {
    int price = 0;
    int tax = 0; // price / 20, rounded half up
    int charged = 0; // price + tax + 105
    int commission = 0; // (price + tax) / 10, rounded half up
    int revenue = 0; // price + tax - commission

    static FeeQuote forPrice(int price);
    friend bool operator==(const FeeQuote&, const FeeQuote&) = default;
};

} // namespace tarvo
