#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// The six-line statements of the calculator (CP932).
std::vector<std::string> userStatement(const FeeQuote& quote);
std::vector<std::string> authorStatement(const FeeQuote& quote);

// What "計算" makes of the fee field's text.
struct FeeOutcome {
    enum class Kind { Empty, NotANumber, OutOfRange, Quote };
    Kind kind = Kind::Empty;
    // The plain message (Empty, OutOfRange) or the bare run-time message
    // (NotANumber), CP932; empty for a quote.
    std::string message;
    std::optional<FeeQuote> quote;
};

FeeOutcome evaluateFeeText(std::string_view cp932FeeText);

// The digit filter of the fee field: every byte outside "0" to "9" shows the
// message once, and one such byte empties the field. The filter reads CP932
// bytes; a window passes its text through cp932FromUtf8, which turns a character
// that CP932 cannot hold into one "?", so such a character shows the message once.
struct FeeFilterResult {
    int messageCount = 0;
    std::string text; // what the field holds afterwards
};

FeeFilterResult filterFeeText(std::string_view cp932FeeText);
const std::string& feeFilterMessage();

} // namespace tarvo
