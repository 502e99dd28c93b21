#include "core/fees/FeeFilter.h"

#include "core/text/Cp932Characters.h"

#include <algorithm>

namespace tarvo {

namespace {

// "０" is 0x82 0x4F, and the other nine follow it in order.
constexpr unsigned char kFullWidthDigitLead = 0x82;
constexpr unsigned char kFullWidthZeroTrail = 0x4F;

std::string withHalfWidthDigits(std::string_view cp932)
{
    std::string text;
    text.reserve(cp932.size());
    for (std::size_t at = 0; at < cp932.size();) {
        const std::size_t length = cp932CharacterLength(cp932, at);
        const auto lead = static_cast<unsigned char>(cp932[at]);
        const int digit = length == 2 ? static_cast<unsigned char>(cp932[at + 1]) - kFullWidthZeroTrail : -1;
        if (lead == kFullWidthDigitLead && digit >= 0 && digit <= 9)
            text += static_cast<char>('0' + digit);
        else
            text.append(cp932.substr(at, length));
        at += length;
    }
    return text;
}

} // namespace

FeeFilterResult filterFeeText(std::string_view cp932FeeText)
{
    // Counted per byte, not per character: a full-width letter is two bytes and
    // shows the message twice, as the field always has.
    FeeFilterResult result;
    std::string text = withHalfWidthDigits(cp932FeeText);
    result.messageCount
        = static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return c < '0' || c > '9'; }));
    if (result.messageCount == 0)
        result.text = std::move(text);
    return result;
}

} // namespace tarvo
