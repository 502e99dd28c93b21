// Any fee field text: "計算" must give exactly one of its four outcomes, a quote
// only for a strict decimal number from 500 to 15000, with amounts that follow the
// fee rules; the digit filter must count every non-digit byte and leave only
// digits in the field.

#include "FuzzCheck.h"

#include "core/errors/RuntimeError.h"
#include "core/fees/FeeCalculation.h"
#include "core/fees/FeeFilter.h"
#include "core/fees/FeeStatements.h"
#include "core/fees/FeeTexts.h"
#include "core/text/Cp932.h"
#include "core/text/StrictInteger.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

using namespace tarvo;

// The strict conversion written independently: an optional "-", one or more
// digits, within the signed 32-bit range, leading zeros allowed.
std::optional<std::int64_t> referenceNumber(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    while (digits.size() > 1 && digits.front() == '0')
        digits.remove_prefix(1);
    if (digits.size() > 10)
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    value = negative ? -value : value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return value;
}

void checkQuote(const FeeQuote& q)
{
    FUZZ_CHECK(q.price >= 500 && q.price <= 15000);
    FUZZ_CHECK(q.tax == (q.price + 10) / 20);
    // The calculator's own floating-point rounding must agree with the integer form.
    FUZZ_CHECK(q.tax == static_cast<int>(q.price / 20.0 + 0.5));
    FUZZ_CHECK(q.charged == q.price + q.tax + kUserHandlingFee);
    FUZZ_CHECK(q.commission == (q.price + q.tax + 5) / 10);
    FUZZ_CHECK(q.revenue == q.price + q.tax - q.commission);
    FUZZ_CHECK(userStatement(q).size() == 6 && authorStatement(q).size() == 6);
}

void checkOutcome(std::string_view text)
{
    const FeeCalculation calculation = calculateFees(text);
    const Outcome& outcome = calculation.outcome;
    FUZZ_CHECK(calculation.quote.has_value() == outcome.succeeded());
    FUZZ_CHECK(outcome.message.empty() == outcome.succeeded());
    if (text.empty()) {
        FUZZ_CHECK(outcome.kind == Outcome::Kind::Refused && outcome.message == kEmptyFeeMessage);
        return;
    }
    const auto number = referenceNumber(text);
    if (!number) {
        bool raised = false;
        try {
            toInt32(text);
        } catch (const RuntimeError&) {
            raised = true;
        }
        FUZZ_CHECK(raised);
        FUZZ_CHECK(outcome.kind == Outcome::Kind::Failed);
        FUZZ_CHECK(outcome.message == RuntimeError::notAnInteger(utf8FromCp932(text)).message());
        return;
    }
    FUZZ_CHECK(toInt32(text) == *number);
    if (*number < 500 || *number > 15000) {
        FUZZ_CHECK(outcome.kind == Outcome::Kind::Refused && outcome.message == kFeeOutOfRangeMessage);
        return;
    }
    FUZZ_CHECK(outcome.kind == Outcome::Kind::Success && calculation.quote->price == *number);
    checkQuote(*calculation.quote);
}

void checkFilter(std::string_view text)
{
    const FeeFilterResult filtered = filterFeeText(text);
    const auto nonDigits = std::count_if(text.begin(), text.end(), [](char c) { return c < '0' || c > '9'; });
    const bool ascii = std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
    // Full-width digits are taken as digits; in ASCII text each other byte is a message.
    FUZZ_CHECK(ascii ? filtered.messageCount == nonDigits : filtered.messageCount <= nonDigits);
    if (ascii || filtered.messageCount > 0)
        FUZZ_CHECK(filtered.text == (filtered.messageCount == 0 ? text : std::string_view()));
    FUZZ_CHECK(std::all_of(filtered.text.begin(), filtered.text.end(), [](char c) { return c >= '0' && c <= '9'; }));
    // The filtered field passes the filter again without a message.
    FUZZ_CHECK(filterFeeText(filtered.text).messageCount == 0);
    // What stays in the field is a number or empty, never a conversion error
    // short of an overlong digit string.
    if (!filtered.text.empty() && filtered.text.size() <= 9)
        FUZZ_CHECK(calculateFees(filtered.text).outcome.kind != Outcome::Kind::Failed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkOutcome(text);
    checkFilter(text);
    return 0;
}
