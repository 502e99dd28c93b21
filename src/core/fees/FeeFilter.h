#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// The digit filter of the fee field. The full-width digits "０" to "９", which a
// Japanese input method types, are first taken as the digits "0" to "9"; then
// every byte outside "0" to "9" shows the message once, and one such byte
// empties the field. The filter reads CP932 bytes; a window passes its text
// through cp932FromUtf8, which turns a character that CP932 cannot hold into one
// "?", so such a character shows the message once.
struct FeeFilterResult {
    int messageCount = 0;
    std::string text; // what the field holds afterwards
};

FeeFilterResult filterFeeText(std::string_view cp932FeeText);

} // namespace tarvo
