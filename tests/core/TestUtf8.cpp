#include "core/text/Cp932.h"
#include "core/text/Utf8.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

struct ShownCase {
    const char* name;
    std::string bytes;
    std::string shown;
};

class Utf8ForDisplay : public testing::TestWithParam<ShownCase> { };

// Each byte that is not part of a well-formed character is one U+FFFD, and
// never takes the bytes after it along.
TEST_P(Utf8ForDisplay, KeepsCharactersAndReplacesEachBadByte)
{
    const ShownCase& c = GetParam();
    EXPECT_EQ(utf8ForDisplay(c.bytes), c.shown);
    EXPECT_EQ(isValidUtf8(c.bytes), c.bytes == c.shown);
}

INSTANTIATE_TEST_SUITE_P(Bytes, Utf8ForDisplay,
    testing::Values(ShownCase { "Valid", "a\u00E9\u3042\U0001F600", "a\u00E9\u3042\U0001F600" },
        ShownCase { "StrayLeadBeforeDigits",
            "10\xFF"
            "00",
            "10\uFFFD00" },
        ShownCase { "TruncatedAtEnd", "a\xE3\x81", "a\uFFFD\uFFFD" },
        ShownCase { "StrayContinuation", "\x80z", "\uFFFDz" }, ShownCase { "Overlong", "\xC0\xAF", "\uFFFD\uFFFD" },
        ShownCase { "Surrogate", "\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD" },
        ShownCase { "BeyondTheLastCodePoint", "\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD" },
        ShownCase { "ShiftJisBytes", "\x95\x5C", "\uFFFD\\" }),
    [](const testing::TestParamInfo<ShownCase>& info) { return std::string(info.param.name); });

TEST(Utf8, EncodingToCp932LosesOnlyTheBadByte)
{
    EXPECT_EQ(cp932FromUtf8("10\xFF"
                            "00"),
        "10?00");
    EXPECT_EQ(firstUnrepresentableCharacter("10\xFF"
                                            "00"),
        "\uFFFD");
    EXPECT_EQ(firstUnrepresentableCharacter("ok\xE3\x81"), "\uFFFD");
}

} // namespace
} // namespace tarvo
