#include "TestSupport.h"

#include "core/document/DocumentTexts.h"
#include "core/fees/FeeCalculation.h"
#include "core/fees/FeeFilter.h"
#include "core/fees/FeeRange.h"
#include "core/fees/FeeStatements.h"
#include "core/fees/FeeTexts.h"
#include "core/guidance/FieldHelp.h"
#include "core/text/Cp932.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::PrintTo;
using test::sj;
using Lines = std::vector<std::string>;

struct QuoteCase {
    int fee;
    FeeQuote expected;
};

class FeeTable : public testing::TestWithParam<QuoteCase> { };

TEST_P(FeeTable, RoundsHalfUp)
{
    EXPECT_EQ(FeeQuote::forPrice(GetParam().fee), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Amounts, FeeTable,
    testing::Values(QuoteCase { 500, { 500, 25, 630, 53, 472 } }, QuoteCase { 510, { 510, 26, 641, 54, 482 } },
        QuoteCase { 1234, { 1234, 62, 1401, 130, 1166 } }, QuoteCase { 999, { 999, 50, 1154, 105, 944 } },
        QuoteCase { 15000, { 15000, 750, 15855, 1575, 14175 } }));

TEST(FeeQuote, IntegerRoundingMatchesTheFloatingPointFormOverTheWholeRange)
{
    for (int fee = 500; fee <= 15000; ++fee) {
        const FeeQuote quote = FeeQuote::forPrice(fee);
        ASSERT_EQ(quote.tax, static_cast<int>(fee / 20.0 + 0.5)) << fee;
        ASSERT_EQ(quote.commission, static_cast<int>((fee + quote.tax) / 10.0 + 0.5)) << fee;
    }
}

TEST(FeeStatements, SixLinesEachWithFullWidthLabelsAndTwentySixHyphens)
{
    const FeeQuote quote = FeeQuote::forPrice(1234);
    EXPECT_EQ(userStatement(quote),
        (Lines { sj("●利用者に請求される金額"), sj("本体価格：1234円"), sj("　消費税：62円"), sj("　手数料：105円"),
            "--------------------------", sj("請求金額：1401円") }));
    EXPECT_EQ(authorStatement(quote),
        (Lines { sj("●作者の方に支払われる金額"), sj("本体価格：1234円"), sj("　消費税：62円"), sj("　手数料：130円"),
            "--------------------------", sj("収益金額：1166円") }));
    EXPECT_EQ(userStatement(quote)[2].substr(0, 2), "\x81\x40");
}

struct CalculationCase {
    const char* name;
    std::string text;
    Outcome outcome;
    int price; // 0 for no quote
};

class FeeText : public testing::TestWithParam<CalculationCase> { };

TEST_P(FeeText, GivesItsQuoteOrItsOutcome)
{
    const auto& c = GetParam();
    const FeeCalculation calculation = calculateFees(c.text);
    EXPECT_EQ(calculation.outcome, c.outcome);
    EXPECT_EQ(calculation.quote ? calculation.quote->price : 0, c.price);
}

const Outcome kRange = Outcome::refused("「シェアウェア料金」は500円以上15000円以下の範囲内にして下さい。");

INSTANTIATE_TEST_SUITE_P(EdgeCases, FeeText,
    testing::Values(CalculationCase { "Lowest", "500", Outcome::success(), 500 },
        CalculationCase { "Highest", "15000", Outcome::success(), 15000 },
        CalculationCase { "LeadingZero", "0500", Outcome::success(), 500 },
        CalculationCase { "BelowRange", "499", kRange, 0 }, CalculationCase { "AboveRange", "15001", kRange, 0 },
        CalculationCase { "Negative", "-500", kRange, 0 },
        CalculationCase { "Empty", "", Outcome::refused("「シェアウェア料金」が記入されていません！"), 0 },
        CalculationCase {
            "ElevenDigits", "12345678901", { Outcome::Kind::Failed, "'12345678901' は整数ではありません" }, 0 },
        CalculationCase { "Blank", " 500", { Outcome::Kind::Failed, "' 500' は整数ではありません" }, 0 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FeeStatements, LeadingZerosAreNotShown)
{
    EXPECT_EQ(userStatement(*calculateFees("0500").quote)[1], sj("本体価格：500円"));
}

struct FilterCase {
    const char* name;
    std::string text;
    int messages;
    std::string remaining;
};

class FeeFilter : public testing::TestWithParam<FilterCase> { };

TEST_P(FeeFilter, TakesFullWidthDigitsAndShowsTheMessageOncePerDisallowedByte)
{
    const auto& c = GetParam();
    const FeeFilterResult result = filterFeeText(c.text);
    EXPECT_EQ(result.messageCount, c.messages);
    EXPECT_EQ(result.text, c.remaining);
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, FeeFilter,
    testing::Values(FilterCase { "Digits", "0123456789", 0, "0123456789" }, FilterCase { "Empty", "", 0, "" },
        FilterCase { "LetterAfterDigits", "12a", 1, "" }, FilterCase { "Pasted", "1a2b", 2, "" },
        FilterCase { "FullWidthDigits", sj("０１２３４５６７８９"), 0, "0123456789" },
        FilterCase { "FullWidthLetterAfterFullWidthDigit", sj("１Ａ"), 2, "" },
        // "モ" ends in 0x82: with "O" after it, the bytes of "０" without the character.
        FilterCase { "TrailByteBeforeLetterO", sj("モO"), 3, "" }, FilterCase { "LoneLeadByte", "5\x82", 1, "" },
        FilterCase { "Blank", "500 ", 1, "" }, FilterCase { "Minus", "-500", 1, "" },
        // What a window passes for a character CP932 cannot hold.
        FilterCase { "UnrepresentableCharacter",
            cp932FromUtf8("1\xF0\x9F\x98\x80"
                          "2"),
            1, "" }),
    [](const auto& info) { return std::string(info.param.name); });

// The texts write the range in words; they must say what the rule does.
TEST(FeeTexts, NameTheRangeOfTheRule)
{
    const std::string lowest = std::to_string(kLowestFee);
    const std::string highest = std::to_string(kHighestFee);
    const std::string grouped = highest.substr(0, highest.size() - 3) + "," + highest.substr(highest.size() - 3);
    const std::pair<std::string_view, std::string> texts[] = {
        { kFeeOutOfRangeMessage, lowest + "円以上" + highest + "円以下" },
        { kFeeOutOfRangeInPreviewMessage, lowest + "円以上" + grouped + "円以下" },
        { fieldHelpFor(HelpTopic::SharewareFee), lowest + "円～" + highest + "円" },
    };
    for (const auto& [text, range] : texts)
        EXPECT_NE(text.find(range), std::string_view::npos) << text;
}

} // namespace
} // namespace tarvo
