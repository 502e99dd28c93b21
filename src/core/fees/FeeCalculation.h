#pragma once

#include "core/Outcome.h"
#include "core/fees/FeeQuote.h"

#include <optional>
#include <string_view>

namespace tarvo {

// What "計算" makes of the fee field's text: a quote, or the outcome that
// refuses it (an empty field, a fee outside the range) or fails (not an integer).
struct FeeCalculation {
    Outcome outcome;
    std::optional<FeeQuote> quote;
};

FeeCalculation calculateFees(std::string_view cp932FeeText);

} // namespace tarvo
