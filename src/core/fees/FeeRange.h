#pragma once

#include "core/Outcome.h"

#include <optional>
#include <string_view>

namespace tarvo {

// The fees, in yen, that the site's fee collection service takes.
inline constexpr int kLowestFee = 500;
inline constexpr int kHighestFee = 15000;

constexpr bool isAcceptedFee(int fee)
{
    return fee >= kLowestFee && fee <= kHighestFee;
}

// A fee field's text read as a fee: the fee, or the outcome that ends the
// command instead. Each command words its own refusals.
struct ParsedFee {
    std::optional<int> fee;
    Outcome outcome;
};

// An empty text is refused with `emptyMessage`, a text that is no integer fails
// with the conversion's error, a fee outside the range is refused with
// `outOfRangeMessage` (UTF-8 both).
ParsedFee parseFee(std::string_view cp932Text, std::string_view emptyMessage, std::string_view outOfRangeMessage);

} // namespace tarvo
