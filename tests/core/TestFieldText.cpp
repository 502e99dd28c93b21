#include "TestSupport.h"

#include "core/entry/RegistrationEntry.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::sj;
using Lines = std::vector<std::string>;

struct SingleLineCase {
    const char* name;
    std::string typed;
    std::string kept;
};

class SingleLineField : public testing::TestWithParam<SingleLineCase> { };

TEST_P(SingleLineField, DropsLineBreaksAndKeepsEverythingElse)
{
    const SingleLineCase& c = GetParam();
    EXPECT_EQ(SingleLineText(c.typed).str(), c.kept);

    RegistrationEntry entry;
    entry.softwareName = c.typed;
    entry.otherRemittance = std::string_view(c.typed);
    EXPECT_EQ(entry.softwareName.str(), c.kept);
    EXPECT_EQ(entry.otherRemittance.str(), c.kept);
}

INSTANTIATE_TEST_SUITE_P(Values, SingleLineField,
    testing::Values(SingleLineCase { "Plain", "soft", "soft" }, SingleLineCase { "OneBlankCountsAsText", " ", " " },
        SingleLineCase { "BlanksNotTrimmed", "  a  ", "  a  " },
        SingleLineCase { "CrLfInside", "PS\r\n000123", "PS000123" }, SingleLineCase { "LoneCrAndLf", "a\rb\nc", "abc" },
        SingleLineCase { "TrailingBreak", "IBM-PC \r\n", "IBM-PC " },
        SingleLineCase { "OnlyBreaksIsEmpty", "\r\n\n\r", "" },
        SingleLineCase { "Cp932Kept", sj("テスト\r\nソフト"), sj("テストソフト") },
        SingleLineCase { "OtherControlBytesKept", std::string("a\tb\0c", 5), std::string("a\tb\0c", 5) }),
    [](const testing::TestParamInfo<SingleLineCase>& info) { return std::string(info.param.name); });

TEST(SingleLineField, EmptyOnlyForZeroLength)
{
    EXPECT_TRUE(SingleLineText().empty());
    EXPECT_TRUE(SingleLineText("").empty());
    EXPECT_FALSE(SingleLineText(" ").empty());
}

struct LinesCase {
    const char* name;
    std::string text;
    Lines lines;
};

class LinesField : public testing::TestWithParam<LinesCase> { };

TEST_P(LinesField, ReadsTheHardLinesTheAuthorTyped)
{
    const LinesText field(GetParam().text);
    EXPECT_EQ(field.lines(), GetParam().lines);
    Lines visited;
    field.forEachLine([&visited](std::string_view line) { visited.emplace_back(line); });
    EXPECT_EQ(visited, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Texts, LinesField,
    testing::Values(LinesCase { "EmptyFieldHasNoLines", "", {} },
        LinesCase { "OnlyOneLineBreakIsOneEmptyLine", "\r\n", { "" } },
        LinesCase { "TextEmptyLineTextEndingInABreak", "a\r\n\r\nb\r\n", { "a", "", "b" } },
        LinesCase { "NoFinalBreak", sj("説明\r\n続き"), { sj("説明"), sj("続き") } },
        LinesCase { "LoneBreaks", "a\rb\nc", { "a", "b", "c" } }, LinesCase { "BlankLineIsText", " \r\n", { " " } }),
    [](const testing::TestParamInfo<LinesCase>& info) { return std::string(info.param.name); });

TEST(LinesField, ALineLongerThan4096BytesIsReadWhole)
{
    std::string paragraph;
    while (paragraph.size() < 10000)
        paragraph += sj("一つの長い段落で、画面では折り返して見える。");
    const LinesText field(paragraph + "\r\nnext\r\n");
    EXPECT_EQ(field.lines(), (Lines { paragraph, "next" }));
}

struct FirstLineCase {
    const char* name;
    std::string before;
    bool firstLineEmpty;
    std::string after;
};

class NotesFirstLine : public testing::TestWithParam<FirstLineCase> { };

TEST_P(NotesFirstLine, OnlyAnEmptyFirstLineIsFilledIn)
{
    const FirstLineCase& c = GetParam();
    LinesText notes(c.before);
    EXPECT_EQ(notes.firstLineEmpty(), c.firstLineEmpty);
    notes.replaceEmptyFirstLine(sj("特になし"));
    EXPECT_EQ(notes.text(), c.after);
    // A second run finds the first line filled and leaves it.
    notes.replaceEmptyFirstLine(sj("特になし"));
    EXPECT_EQ(notes.text(), c.after);
}

INSTANTIATE_TEST_SUITE_P(Texts, NotesFirstLine,
    testing::Values(FirstLineCase { "EmptyField", "", true, sj("特になし") },
        FirstLineCase { "OnlyALineBreak", "\r\n", true, sj("特になし\r\n") },
        FirstLineCase { "EmptyFirstThenText", sj("\r\n連絡です"), true, sj("特になし\r\n連絡です") },
        FirstLineCase { "LoneLfFirst", "\nabc", true, sj("特になし\nabc") },
        FirstLineCase { "LoneCrFirst", "\rabc", true, sj("特になし\rabc") },
        FirstLineCase { "TextFirst", "abc\r\n", false, "abc\r\n" },
        FirstLineCase { "BlankFirstLineIsText", " \r\nabc", false, " \r\nabc" },
        FirstLineCase { "EmptySecondLineUntouched", "abc\r\n\r\n", false, "abc\r\n\r\n" }),
    [](const testing::TestParamInfo<FirstLineCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvo
