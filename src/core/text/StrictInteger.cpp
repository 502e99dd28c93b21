#include "core/text/StrictInteger.h"

#include "core/errors/RuntimeError.h"
#include "core/text/Cp932.h"

#include <limits>

namespace tarvo {

namespace {

RuntimeError notAnInteger(std::string_view cp932Text)
{
    return RuntimeError::notAnInteger(utf8FromCp932(cp932Text));
}

} // namespace

std::int32_t toInt32(std::string_view cp932Text)
{
    std::string_view digits = cp932Text;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative)
        digits.remove_prefix(1);
    if (digits.empty())
        throw notAnInteger(cp932Text);

    // Accumulate in 64 bits so that any overflow of the 32-bit range is seen,
    // however many leading zeros precede the digits.
    std::int64_t value = 0;
    constexpr std::int64_t limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            throw notAnInteger(cp932Text);
        value = value * 10 + (c - '0');
        if (value > limit)
            throw notAnInteger(cp932Text);
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max() || value < std::numeric_limits<std::int32_t>::min())
        throw notAnInteger(cp932Text);
    return static_cast<std::int32_t>(value);
}

} // namespace tarvo
