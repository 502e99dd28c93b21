#pragma once

namespace tarvo {

inline constexpr int kUserHandlingFee = 105;

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
