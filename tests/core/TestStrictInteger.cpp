#include "TestSupport.h"

#include "core/text/Cp932.h"
#include "core/text/StrictInteger.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

struct Accepted {
    const char* text;
    std::int32_t value;
};

class StrictIntegerAccepted : public testing::TestWithParam<Accepted> { };

TEST_P(StrictIntegerAccepted, ConvertsTheDecimalText)
{
    EXPECT_EQ(toInt32(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, StrictIntegerAccepted,
    testing::Values(Accepted { "0", 0 }, Accepted { "-0", 0 }, Accepted { "7", 7 }, Accepted { "0500", 500 },
        Accepted { "15000", 15000 }, Accepted { "2147483647", 2147483647 }, Accepted { "-2147483648", -2147483647 - 1 },
        Accepted { "000000000000000000000000000042", 42 },
        Accepted { "-00000000000000000000002147483648", -2147483647 - 1 }));

class StrictIntegerRefused : public testing::TestWithParam<std::string> { };

TEST_P(StrictIntegerRefused, RaisesTheConversionErrorWithTheText)
{
    const std::string& text = GetParam();
    EXPECT_EQ(test::failureOf([&] { toInt32(text); }), "'" + utf8FromCp932(text) + "' は整数ではありません");
}

INSTANTIATE_TEST_SUITE_P(Texts, StrictIntegerRefused,
    testing::Values("", "-", "--1", " 1", "1 ", "+1", "1-", "1.0", "1,000", "0x10", "$10", "1e3", "2147483648",
        "-2147483649", "12345678901", "99999999999999999999", "000000000000000000002147483648",
        // full-width digits "５００"
        std::string("\x82\x54\x82\x4F\x82\x4F"),
        std::string("5\0"
                    "0",
            3)));

} // namespace
} // namespace tarvo
