#include "TestSupport.h"

#include "guidance/Guidance.h"
#include "guidance/LinkSettings.h"
#include "text/Cp932.h"

#include <gtest/gtest.h>

#include <set>

namespace tarvo {
namespace {

using test::PrintTo;
using test::sj;

TEST(FieldHelp, TwelvePanelsInPageOrderEachWithAText)
{
    std::vector<std::string> panels;
    for (const auto& help : fieldHelpTexts()) {
        panels.push_back(help.panel);
        EXPECT_FALSE(help.text.empty()) << help.panel;
        // Every character must survive the conversion; a "?" would mean one was lost.
        EXPECT_EQ(help.text.find('?'), std::string::npos) << help.panel;
    }
    EXPECT_EQ(panels,
        (std::vector<std::string> { "Panel11", "Panel12", "Panel13", "Panel14", "Panel15", "Panel3", "Panel4", "Panel5",
            "Panel8", "Panel7", "Panel6", "Panel9" }));
}

TEST(FieldHelp, LookupByPanelKeepsTheTrailingBlankOfPanel4)
{
    const std::string panel4 = fieldHelpFor("Panel4");
    ASSERT_FALSE(panel4.empty());
    EXPECT_EQ(panel4.back(), ' ');
    EXPECT_EQ(panel4.substr(panel4.size() - 5), sj("い。 "));
    EXPECT_EQ(fieldHelpFor("Panel9"), sj("これも同様です。"));
    EXPECT_EQ(fieldHelpFor("Panel7"), sj("Tarvoから正式に受けたルミペイ作品番号を記入して下さい。"));
    EXPECT_EQ(fieldHelpFor("Panel10"), "");
    EXPECT_EQ(fieldHelpFor("Panel1"), "");
}

struct SizeCase {
    const char* name;
    std::string description;
    std::string expected;
};

class DescriptionSize : public testing::TestWithParam<SizeCase> { };

TEST_P(DescriptionSize, CountsBytesWithoutLineBreaks)
{
    EXPECT_EQ(descriptionSizeMessage(GetParam().description), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, DescriptionSize,
    testing::Values(SizeCase { "Empty", "", sj("0バイト使用") },
        SizeCase { "FullWidth", sj("あいう"), sj("6バイト使用") }, SizeCase { "HalfWidth", "abc", sj("3バイト使用") },
        SizeCase { "TwoLines", "ab\r\ncd", sj("4バイト使用") },
        SizeCase { "TrailingBreakAndEmptyLines", "ab\r\n\r\ncd\r\n", sj("4バイト使用") },
        SizeCase { "LoneLfAndCr", "ab\ncd\re", sj("5バイト使用") },
        SizeCase { "LongLineWithoutSeparators", std::string(12345, 'x'), sj("12345バイト使用") }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WebLinks, SiteLinksOpenTheirPathsAndOnlyLabel94UsesTheSecureServer)
{
    const std::string site = std::string("http://") + TARVO_SITE_HOST;
    const std::vector<std::pair<std::string, std::string>> expected {
        { "Label77", site + "/" },
        { "Label90", site + "/for_authors/upload/soft_reg.html" },
        { "Label91", site + "/for_authors/upload/auth_reg.html" },
        { "Label92", site + "/for_authors/pw/index.html" },
        { "Label93", site + "/swauth/man/" },
        { "Label94", std::string("https://") + TARVO_SECURE_HOST + "/swauth/auth.entry" },
    };
    for (const auto& [control, url] : expected) {
        const WebLink* link = webLinkFor(control);
        ASSERT_NE(link, nullptr) << control;
        EXPECT_EQ(link->url(), url);
        EXPECT_TRUE(link->question.empty()) << control;
        EXPECT_FALSE(link->leadIn.empty()) << control;
    }
    EXPECT_EQ(webLinkFor("Label94")->endpoint, LinkEndpoint::SecureSite);
    EXPECT_EQ(webLinkFor("Label91")->leadIn, sj("★ライブラリ作者登録をまだ行っていない方"));
}

TEST(WebLinks, HomePageLinksAskTheirQuestionFirst)
{
    EXPECT_EQ(webLinkFor("Label73")->question, sj("当HP「Velmo Studio」へ行きますか？"));
    EXPECT_EQ(webLinkFor("Image1")->question, sj("当ホームページ「Velmo Studio」へ行きますか？"));
    EXPECT_EQ(webLinkFor("Label73")->url(), TARVO_HOMEPAGE_URL);
    EXPECT_EQ(webLinkFor("Image1")->url(), TARVO_HOMEPAGE_URL);
    EXPECT_EQ(webLinkFor("Label8"), nullptr);
    EXPECT_EQ(webLinks().size(), 8u);
}

TEST(AboutTexts, HomePageShownWithoutSchemeAndAuthorDetailsFromTheBuild)
{
    const std::string url = TARVO_HOMEPAGE_URL;
    EXPECT_EQ(homePageCaption(), url.substr(url.find("://") + 3));
    const AboutTexts& about = aboutTexts();
    EXPECT_EQ(about.title, "Tarvo Registration System");
    EXPECT_EQ(about.homePage, homePageCaption());
    EXPECT_EQ(about.mailLine, sj("メール   ") + TARVO_AUTHOR_MAIL);
    EXPECT_EQ(about.presentedBy, std::string("Presented by ") + TARVO_AUTHOR_NAME);
    EXPECT_EQ(about.studio, "Velmo Studio ");
    EXPECT_EQ(about.newestVersion, sj("にて、最新版が手に入ります。"));
}

} // namespace
} // namespace tarvo
