#include "PreviewExpectations.h"
#include "TestSupport.h"
#include "core/text/Lines.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::Lines;
using test::sj;
using test::sjLines;

const char* const kSuccess = "バックアップを取ると同時にプレビューの作成に成功しました！";
const char* const kMissingFee = "「シェアウェア料金」の部分が記入されていません！";
const char* const kFeeOutOfRange = "シェアウェア料金は500円以上15,000円以下でお願いします。";
const char* const kMissingProductNumber = "「レジ作品番号」が記入されていません！";

// How far the document gets.
enum class Written { CommonSection, ThroughPostal, Everything };

struct OutcomeCase {
    const char* name;
    const char* handling;
    std::string fee;
    bool productNumber;
    Outcome::Kind kind;
    std::string message; // UTF-8
    Written written;
};

class PreviewOutcomes : public testing::TestWithParam<OutcomeCase> { };

TEST_P(PreviewOutcomes, EndsWithItsMessageAndExactlyItsPartialText)
{
    const OutcomeCase& c = GetParam();
    RegistrationEntry entry = test::withSharewareFields(c.handling);
    entry.sharewareFee = c.fee;
    if (!c.productNumber)
        entry.registeredProductNumber = "";
    const PreviewOutcome outcome = runPreviewCommand(entry);

    Lines text = test::commonSectionOfRequiredFieldsOnly(c.handling);
    Lines backup = test::commonBackupOfRequiredFieldsOnly(c.handling);
    if (c.written != Written::CommonSection)
        text = test::concatenated(text, test::sharewareSectionOfFilledFields(c.fee, c.written == Written::Everything));
    if (c.written == Written::Everything)
        backup = test::concatenated(backup, test::sharewareBackupOfFilledFields(c.fee));
    EXPECT_EQ(outcome.outcome, (Outcome { c.kind, c.message }));
    EXPECT_TRUE(outcome.previewRebuilt);
    EXPECT_EQ(outcome.previewText, joinLines(text));
    // Only a success has a backup to write.
    EXPECT_EQ(outcome.backupText, c.kind == Outcome::Kind::Success ? joinLines(backup) : "");
    ASSERT_TRUE(outcome.filledNotes);
    EXPECT_EQ(outcome.filledNotes->text(), sj("特になし"));
}

const char* const kFreeware = "フリーウェア";
const char* const kShareware = "シェアウェア";
const char* const kOther = "その他";
const char* const kSample = "サンプル版（正式使用は製品版を購入）";

OutcomeCase refusedRange(const char* name, const char* handling, std::string fee)
{
    return { name, handling, std::move(fee), true, Outcome::Kind::Refused, kFeeOutOfRange, Written::CommonSection };
}

OutcomeCase notAnInteger(const char* name, const char* handling, std::string fee)
{
    std::string message = "'" + fee + "' は整数ではありません";
    return { name, handling, std::move(fee), true, Outcome::Kind::Failed, std::move(message), Written::CommonSection };
}

OutcomeCase accepted(const char* name, const char* handling, std::string fee)
{
    return { name, handling, std::move(fee), true, Outcome::Kind::Success, kSuccess, Written::Everything };
}

INSTANTIATE_TEST_SUITE_P(Outcomes, PreviewOutcomes,
    testing::Values(
        // Nothing on the shareware page is read for class 0, not even a fee that
        // would fail the conversion.
        OutcomeCase { "FreewareWithSharewareFieldsFilled", kFreeware, "1000", true, Outcome::Kind::Success, kSuccess,
            Written::CommonSection },
        OutcomeCase { "FreewareWithUnconvertibleFee", kFreeware, "12345678901", false, Outcome::Kind::Success, kSuccess,
            Written::CommonSection },
        OutcomeCase { "GplWithFee", "General Public Licence(GPL：無料)", "1000", true, Outcome::Kind::Success, kSuccess,
            Written::CommonSection },
        OutcomeCase {
            "OptionalWithoutFee", kOther, "", true, Outcome::Kind::Success, kSuccess, Written::CommonSection },
        OutcomeCase { "OptionalWithoutFeeOrProductNumber", kSample, "", false, Outcome::Kind::Success, kSuccess,
            Written::CommonSection },
        OutcomeCase {
            "RequiredWithoutFee", kShareware, "", true, Outcome::Kind::Refused, kMissingFee, Written::CommonSection },
        refusedRange("Fee499", kShareware, "499"), accepted("Fee500", kShareware, "500"),
        accepted("Fee15000", kShareware, "15000"), refusedRange("Fee15001", kShareware, "15001"),
        accepted("Fee0500KeepsItsDigits", kShareware, "0500"),
        accepted("FeeWithManyLeadingZeros", kShareware, "0000000000000001000"), refusedRange("Fee0", kShareware, "0"),
        refusedRange("Fee2147483647", kShareware, "2147483647"),
        notAnInteger("Fee2147483648", kShareware, "2147483648"),
        notAnInteger("FeeOfElevenDigits", kShareware, "12345678901"), accepted("OptionalFee1000", kOther, "1000"),
        refusedRange("OptionalFee499", kOther, "499"), notAnInteger("OptionalFee2147483648", kSample, "2147483648"),
        OutcomeCase { "RequiredWithoutProductNumber", kShareware, "1000", false, Outcome::Kind::Refused,
            kMissingProductNumber, Written::ThroughPostal },
        OutcomeCase { "OptionalWithoutProductNumber", kOther, "1000", false, Outcome::Kind::Refused,
            kMissingProductNumber, Written::ThroughPostal },
        // The range is checked before the product number.
        OutcomeCase { "OutOfRangeAndWithoutProductNumber", kShareware, "100", false, Outcome::Kind::Refused,
            kFeeOutOfRange, Written::CommonSection }),
    [](const testing::TestParamInfo<OutcomeCase>& info) { return std::string(info.param.name); });

TEST(PreviewShareware, WithoutProductNumberTheTextEndsWithTheEmptyRowAfterPostal)
{
    RegistrationEntry entry = test::withSharewareFields(kOther);
    entry.registeredProductNumber = "";
    const Lines lines = splitLines(runPreviewCommand(entry).previewText);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(Lines(lines.end() - 3, lines.end()), sjLines({ "[郵便振替送金方法]", "00100-1-23456 山川", "" }));
}

TEST(PreviewShareware, EmptyOptionalFieldsLeaveOutTheirRowsButNotTheirHeaders)
{
    RegistrationEntry entry = test::requiredFieldsOnly(kShareware);
    entry.sharewareFee = "500";
    entry.registeredProductNumber = " ";
    const PreviewOutcome outcome = runPreviewCommand(entry);

    // clang-format off
    const Lines shareware = sjLines({
        "---以下の部分はシェアウェアの場合のみお書きください--", "",
        "[シェアウェア料金]", "500円", "",
        "[シェアウェア利用条件/制限]", "",
        "[銀行送金方法]", "",
        "[郵便振替送金方法]", "",
        "[レジ作品番号(SR??????)]", " ", "",
        "[NIFTY SERVE送金方法(シェアウェア番号)]", "",
        "[その他の送金方法(現金書留など)]", "",
    });
    // clang-format on
    EXPECT_EQ(outcome.outcome.kind, Outcome::Kind::Success);
    EXPECT_EQ(outcome.previewText,
        joinLines(test::concatenated(test::commonSectionOfRequiredFieldsOnly(kShareware), shareware)));
    EXPECT_EQ(outcome.backupText,
        joinLines(test::concatenated(
            test::commonBackupOfRequiredFieldsOnly(kShareware), { "#500", "#", "#", "# ", "#", "#" })));
}

TEST(PreviewShareware, ConditionsAreReadAsHardLines)
{
    RegistrationEntry entry = test::withSharewareFields(kShareware);
    std::string longLine(6000, 'c');
    entry.sharewareConditions = "\r\n" + longLine + "\rlast";
    const PreviewOutcome outcome = runPreviewCommand(entry);
    EXPECT_EQ(test::sectionAfter(splitLines(outcome.previewText), sj("[シェアウェア利用条件/制限]")),
        (Lines { "", longLine, "last", "" }));
    EXPECT_NE(outcome.backupText.find("\r\n@\r\n@" + longLine + "\r\n@last\r\n"), std::string::npos);
}

TEST(PreviewShareware, RunningTwiceGivesTheSameDocument)
{
    RegistrationEntry entry = test::withSharewareFields(kShareware);
    const PreviewOutcome first = runPreviewCommand(entry);
    const PreviewOutcome second = runPreviewCommand(entry);
    EXPECT_EQ(first.outcome.kind, Outcome::Kind::Success);
    EXPECT_EQ(second.previewText, first.previewText);
    EXPECT_EQ(second.backupText, first.backupText);
}

} // namespace
} // namespace tarvo
