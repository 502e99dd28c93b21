#include "core/text/Lines.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using Lines = std::vector<std::string>;

struct SplitCase {
    const char* name;
    std::string text;
    Lines lines;
};

class LinesSplit : public testing::TestWithParam<SplitCase> { };

TEST_P(LinesSplit, SplitsAtEveryKindOfLineBreak)
{
    EXPECT_EQ(splitLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Texts, LinesSplit,
    testing::Values(SplitCase { "Empty", "", {} }, SplitCase { "OneLineNoBreak", "a", { "a" } },
        SplitCase { "FinalCrLfAddsNoLine", "a\r\n", { "a" } }, SplitCase { "FinalLoneCrAddsNoLine", "a\r", { "a" } },
        SplitCase { "FinalLoneLfAddsNoLine", "a\n", { "a" } }, SplitCase { "CrLf", "a\r\nb", { "a", "b" } },
        SplitCase { "LoneCr", "a\rb", { "a", "b" } }, SplitCase { "LoneLf", "a\nb", { "a", "b" } },
        SplitCase { "LfThenCrIsTwoBreaks", "a\n\rb", { "a", "", "b" } },
        SplitCase { "CrThenCrLf", "a\r\r\nb", { "a", "", "b" } },
        SplitCase { "OnlyOneBreakIsOneEmptyLine", "\r\n", { "" } },
        SplitCase { "OnlyLoneLfIsOneEmptyLine", "\n", { "" } }, SplitCase { "OnlyLoneCrIsOneEmptyLine", "\r", { "" } },
        SplitCase { "TwoBreaks", "\r\n\r\n", { "", "" } },
        SplitCase { "EmptyMiddleLine", "a\r\n\r\nb\r\n", { "a", "", "b" } },
        SplitCase { "MixedBreaks", "a\rb\nc\r\nd", { "a", "b", "c", "d" } },
        SplitCase { "BlanksAreKept", " a \r\n \r\n", { " a ", " " } },
        SplitCase { "Cp932TrailBytesAreNotBreaks", "\x95\x5C\x83\x7C\r\n", { "\x95\x5C\x83\x7C" } }),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(Lines, LongLinesAreNeverCut)
{
    const std::string longLine(100000, 'x');
    const std::string cp932Line = [] {
        std::string s;
        for (int i = 0; i < 3000; ++i)
            s += "\x82\xA0";
        return s;
    }();
    EXPECT_EQ(splitLines(longLine + "\r\nshort\r\n" + cp932Line), (Lines { longLine, "short", cp932Line }));
}

// The search looks at blocks of bytes; a break must be found at every offset in
// and across a block, and a CR LF split between two blocks is still one break.
TEST(Lines, FindsEveryKindOfBreakAtEveryOffset)
{
    for (const std::string lineBreak : { "\r", "\n", "\r\n" }) {
        for (size_t before = 0; before <= 40; ++before) {
            const std::string first(before, '\x82');
            const std::string second = "b" + std::string(before % 19, 'c');
            EXPECT_EQ(splitLines(first + lineBreak + second + lineBreak), (Lines { first, second }))
                << "break "
                << (lineBreak == "\n"          ? "LF"
                           : lineBreak == "\r" ? "CR"
                                               : "CR LF")
                << " after " << before << " bytes";
        }
    }
}

TEST(Lines, ForEachLineVisitsTheSameLinesAsSplit)
{
    const std::string text = "a\r\n\rb\nc";
    Lines visited;
    forEachLine(text, [&visited](std::string_view line) { visited.emplace_back(line); });
    EXPECT_EQ(visited, splitLines(text));
}

struct JoinCase {
    const char* name;
    Lines lines;
    std::string text;
};

class LinesJoin : public testing::TestWithParam<JoinCase> { };

TEST_P(LinesJoin, FollowsEveryLineWithCrLfTheLastIncluded)
{
    EXPECT_EQ(joinLines(GetParam().lines), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Lists, LinesJoin,
    testing::Values(JoinCase { "NoLines", {}, "" }, JoinCase { "OneEmptyLine", { "" }, "\r\n" },
        JoinCase { "TwoLines", { "a", "b" }, "a\r\nb\r\n" },
        JoinCase { "EmptyLinesKept", { "", "a", "" }, "\r\na\r\n\r\n" }),
    [](const testing::TestParamInfo<JoinCase>& info) { return std::string(info.param.name); });

TEST(Lines, JoinAfterSplitNormalisesEveryBreakToCrLf)
{
    EXPECT_EQ(joinLines(splitLines("a\rb\nc\r\n\nd")), "a\r\nb\r\nc\r\n\r\nd\r\n");
}

} // namespace
} // namespace tarvo
