#include "TestSupport.h"

#include "core/format/CatalogFile.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::PrintTo;
using test::sj;
using Lines = std::vector<std::string>;

TEST(CategoryCatalog, TopLevelNamesAndCascadeOfTwoGroups)
{
    const auto catalog = readCatalog("#A\r\nx\r\ny\r\n#B\r\nz\r\n");
    EXPECT_EQ(catalog.topLevelNames(), (Lines { "A", "B" }));
    EXPECT_EQ(catalog.subcategoriesFor("A"), (Lines { "x", "y" }));
    EXPECT_EQ(catalog.subcategoriesFor("B"), (Lines { "z" }));
}

struct CascadeCase {
    const char* name;
    const char* catalogue;
    const char* category;
    Lines expected;
};

class CategoryCascade : public testing::TestWithParam<CascadeCase> { };

TEST_P(CategoryCascade, ListsTheEntriesOfTheFirstMatchingGroup)
{
    const auto& c = GetParam();
    EXPECT_EQ(readCatalog(c.catalogue).subcategoriesFor(c.category), c.expected);
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, CategoryCascade,
    testing::Values(CascadeCase { "LinesAboveTheFirstGroupBelongNowhere", "orphan\r\n#A\r\nx\r\n", "A", { "x" } },
        CascadeCase { "RepeatedNameYieldsTheFirstGroup", "#A\r\nx\r\n#A\r\ny\r\n", "A", { "x" } },
        CascadeCase { "GroupFollowedByGroupIsEmpty", "#A\r\n#B\r\nz\r\n", "A", {} },
        CascadeCase { "LastGroupRunsToTheEnd", "#A\r\nx\r\n#B\r\ny\r\nz\r\n", "B", { "y", "z" } },
        CascadeCase { "PrefixDoesNotMatch", "#AB\r\nx\r\n", "A", {} },
        CascadeCase { "CaseMatters", "#A\r\nx\r\n", "a", {} },
        CascadeCase { "TrailingBlankInTextDoesNotMatch", "#A\r\nx\r\n", "A ", {} },
        CascadeCase { "TrailingBlankInLineNeedsIt", "#A \r\nx\r\n", "A ", { "x" } },
        CascadeCase { "TrailingBlankInLineNotMatchedWithout", "#A \r\nx\r\n", "A", {} },
        CascadeCase { "HashAloneMatchesEmptyText", "#A\r\nx\r\n#\r\ny\r\n", "", { "y" } },
        CascadeCase { "LoneLfEndsLines", "#A\nx\ny\n#B\nz", "A", { "x", "y" } },
        CascadeCase { "LoneCrEndsLines", "#A\rx\ry\r#B\rz\r", "A", { "x", "y" } },
        CascadeCase { "NoMatchGivesNothing", "#A\r\nx\r\n", "Z", {} }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CategoryCatalog, TypingANameLetterByLetterFillsOnlyAtTheWholeName)
{
    const auto catalog = readCatalog(sj("#ゲーム\r\nパズル\r\n#ゲー\r\n"));
    const std::string name = sj("ゲーム");
    for (size_t length = 0; length < name.size(); ++length)
        EXPECT_TRUE(catalog.subcategoriesFor(name.substr(0, length)).empty()) << length;
    EXPECT_EQ(catalog.subcategoriesFor(name), (Lines { sj("パズル") }));
}

TEST(CategoryCatalog, TopLevelNamesKeepDuplicatesHashAloneAndBlanks)
{
    const auto catalog = readCatalog("x\r\n#A\r\n#\r\n#A\r\n#B \r\n");
    EXPECT_EQ(catalog.topLevelNames(), (Lines { "A", "", "A", "B " }));
}

TEST(CategoryCatalog, EmptyTextHasNoGroupsAndNoNames)
{
    const auto catalog = readCatalog("");
    EXPECT_TRUE(catalog.groups().empty());
    EXPECT_TRUE(catalog.topLevelNames().empty());
    EXPECT_TRUE(catalog.subcategoriesFor("").empty());
}

TEST(CategoryCatalog, LoadReadsTheFileRelativeToTheCurrentDirectory)
{
    test::TemporaryFolder folder;
    test::CurrentDirectory cwd(folder.path());
    test::writeBytes(folder / "category.dat", "#A\r\nx\r\n");
    EXPECT_EQ(loadCatalog(kCategoryFileName).groups(), (std::vector<CategoryGroup> { { "A", { "x" } } }));

    test::writeBytes(folder / "category.dat", "");
    EXPECT_TRUE(loadCatalog(kCategoryFileName).topLevelNames().empty());
}

TEST(CategoryCatalog, MissingFileRaisesTheOpenErrorWithTheBareName)
{
    test::TemporaryFolder folder;
    test::CurrentDirectory cwd(folder.path());
    EXPECT_EQ(test::failureOf([] { loadCatalog(kCategoryFileName); }), "ファイル category.dat は開けません");
}

} // namespace
} // namespace tarvo
