#include "TestSupport.h"

#include "core/guidance/AboutTexts.h"
#include "core/guidance/DescriptionSize.h"
#include "core/guidance/FieldHelp.h"
#include "core/guidance/LinkSettings.h"
#include "core/guidance/WebLinks.h"
#include "core/text/Cp932.h"

#include <gtest/gtest.h>

#include <set>

namespace tarvo {
namespace {

using test::PrintTo;
using test::sj;

TEST(FieldHelp, TwelveTopicsInPageOrderEachWithATextCp932CanHold)
{
    std::vector<HelpTopic> topics;
    for (const FieldHelp& help : fieldHelpTexts()) {
        topics.push_back(help.topic);
        EXPECT_FALSE(help.text.empty());
        EXPECT_TRUE(isRepresentableInCp932(help.text)) << help.text;
    }
    EXPECT_EQ(topics,
        (std::vector<HelpTopic> { HelpTopic::Headline, HelpTopic::ArchiveFileName, HelpTopic::PublicationFileName,
            HelpTopic::Machine, HelpTopic::Notes, HelpTopic::SharewareFee, HelpTopic::SharewareConditions,
            HelpTopic::BankRemittance, HelpTopic::PostalRemittance, HelpTopic::RegisteredProductNumber,
            HelpTopic::NiftyRemittance, HelpTopic::OtherRemittance }));
}

TEST(FieldHelp, LookupByTopicKeepsTheTrailingBlankOfTheConditions)
{
    const std::string_view conditions = fieldHelpFor(HelpTopic::SharewareConditions);
    ASSERT_FALSE(conditions.empty());
    EXPECT_TRUE(conditions.ends_with("い。 "));
    EXPECT_EQ(fieldHelpFor(HelpTopic::OtherRemittance), "これも同様です。");
    EXPECT_EQ(
        fieldHelpFor(HelpTopic::RegisteredProductNumber), "Tarvoから正式に受けたルミペイ作品番号を記入して下さい。");
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
    testing::Values(SizeCase { "Empty", "", "0バイト使用" }, SizeCase { "FullWidth", sj("あいう"), "6バイト使用" },
        SizeCase { "HalfWidth", "abc", "3バイト使用" }, SizeCase { "TwoLines", "ab\r\ncd", "4バイト使用" },
        SizeCase { "TrailingBreakAndEmptyLines", "ab\r\n\r\ncd\r\n", "4バイト使用" },
        SizeCase { "LoneLfAndCr", "ab\ncd\re", "5バイト使用" },
        SizeCase { "LongLineWithoutSeparators", std::string(12345, 'x'), "12345バイト使用" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WebLinks, SiteLinksOpenTheirPathsAndOnlyTheAuthorInfoUsesTheSecureServer)
{
    const std::string site = std::string("http://") + TARVO_SITE_HOST;
    const std::vector<std::pair<LinkId, std::string>> expected {
        { LinkId::OfficialSite, site + "/" },
        { LinkId::ReplaceSubmission, site + "/for_authors/upload/soft_reg.html" },
        { LinkId::AuthorRegistration, site + "/for_authors/upload/auth_reg.html" },
        { LinkId::AuthorPassword, site + "/for_authors/pw/index.html" },
        { LinkId::SharewareRegistration, site + "/swauth/man/" },
        { LinkId::SharewareAuthorInfo, std::string("https://") + TARVO_SECURE_HOST + "/swauth/auth.entry" },
    };
    for (size_t i = 0; i < expected.size(); ++i) {
        const WebLink& link = webLinks().at(i);
        EXPECT_EQ(link.id, expected[i].first);
        EXPECT_EQ(link.url(), expected[i].second);
        EXPECT_TRUE(link.question.empty());
        EXPECT_FALSE(link.leadIn.empty());
        // Only the official site's lead-in stands on its line, and only it shows the hand.
        EXPECT_EQ(link.placement == LeadIn::OnTheLeft, link.id == LinkId::OfficialSite);
        EXPECT_EQ(link.handCursor, link.id == LinkId::OfficialSite);
    }
    EXPECT_EQ(webLink(LinkId::AuthorRegistration).leadIn, "★ライブラリ作者登録をまだ行っていない方");
}

TEST(WebLinks, HomePageLinksAskTheirQuestionFirst)
{
    EXPECT_EQ(webLink(LinkId::HomePageInAbout).question, "当HP「Velmo Studio」へ行きますか？");
    EXPECT_EQ(webLink(LinkId::HomePageBanner).question, "当ホームページ「Velmo Studio」へ行きますか？");
    EXPECT_EQ(webLink(LinkId::HomePageInAbout).url(), TARVO_HOMEPAGE_URL);
    EXPECT_EQ(webLink(LinkId::HomePageBanner).url(), TARVO_HOMEPAGE_URL);
    EXPECT_EQ(webLinks().size(), 8u);
}

TEST(AboutTexts, HomePageShownWithoutSchemeAndAuthorDetailsFromTheBuild)
{
    const std::string url = TARVO_HOMEPAGE_URL;
    EXPECT_EQ(homePageCaption(), url.substr(url.find("://") + 3));
    const AboutTexts& about = aboutTexts();
    EXPECT_EQ(about.title, "Tarvo Registration System");
    EXPECT_EQ(about.homePage, homePageCaption());
    EXPECT_EQ(about.mailLine, std::string("メール   ") + TARVO_AUTHOR_MAIL);
    EXPECT_EQ(about.presentedBy, std::string("Presented by ") + TARVO_AUTHOR_NAME);
    EXPECT_EQ(about.studio, "Velmo Studio ");
    EXPECT_EQ(about.newestVersion, "にて、最新版が手に入ります。");
}

} // namespace
} // namespace tarvo
