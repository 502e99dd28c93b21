#include "PreviewExpectations.h"
#include "TestSupport.h"
#include "core/text/Lines.h"

#include <functional>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::Lines;
using test::sj;
using test::sjLines;

TEST(PreviewBackupLines, MinimalEntryGivesTheEighteenLineBackup)
{
    RegistrationEntry entry = test::requiredFieldsOnly();
    const PreviewOutcome outcome = runPreviewCommand(entry);
    const std::string expected = sj("#山川 一郎\r\n#0\r\n#\r\n#テストソフト\r\n#\r\n"
                                    "#test.lzh\r\n#\r\n#\r\n#\r\n#000000\r\n#\r\n#フリーウェア\r\n"
                                    "#\r\n#\r\n#0\r\n#0\r\n#0\r\n@特になし\r\n");
    EXPECT_EQ(outcome.backupText, expected);
    EXPECT_EQ(splitLines(outcome.backupText).size(), 18u);
    EXPECT_EQ(splitLines(outcome.backupText), test::commonBackupOfRequiredFieldsOnly());
}

// Backup row numbers of the common section, as positions in the 18-line backup of
// an entry with an empty Description.
constexpr size_t rowIndex(int row)
{
    return row <= 5 ? static_cast<size_t>(row - 1) : static_cast<size_t>(row - 2);
}

struct RowCase {
    const char* name;
    std::function<void(RegistrationEntry&)> change;
    int firstRow; // 1 to 19, never 6
    std::vector<std::string_view> rows; // UTF-8, replacing rows from firstRow on
};

class PreviewBackupRows : public testing::TestWithParam<RowCase> { };

TEST_P(PreviewBackupRows, WritesTheFieldAsItsRowSays)
{
    const RowCase& c = GetParam();
    RegistrationEntry entry = test::requiredFieldsOnly();
    c.change(entry);
    const PreviewOutcome outcome = runPreviewCommand(entry);

    Lines expected = test::commonBackupOfRequiredFieldsOnly();
    const Lines rows = sjLines(c.rows);
    const auto at = expected.begin() + static_cast<std::ptrdiff_t>(rowIndex(c.firstRow));
    const auto replaced = std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(rows.size()), expected.end() - at);
    expected.insert(expected.erase(at, at + replaced), rows.begin(), rows.end());
    EXPECT_EQ(outcome.outcome.kind, Outcome::Kind::Success) << outcome.outcome.message;
    EXPECT_EQ(splitLines(outcome.backupText), expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, PreviewBackupRows,
    testing::Values(RowCase { "SubmissionKindDigit", [](RegistrationEntry& e) { e.submissionKind = 3; }, 2, { "#3" } },
        RowCase { "HiddenLibraryNumberIsStillWritten",
            [](RegistrationEntry& e) { e.originalLibraryNumber = "PS000123"; }, 3, { "#PS000123" } },
        RowCase { "SingleLineTextsAsTheyStand",
            [](RegistrationEntry& e) {
                e.headline = sj(" 見出し ");
                e.publicationFileName = "pub.zip";
                e.version = "1.0";
                e.machine = "Maicntosh ";
            },
            5, { "# 見出し ", "#test.lzh", "#pub.zip", "#1.0", "#Maicntosh " } },
        RowCase { "OperatingSystems95And98",
            [](RegistrationEntry& e) {
                e.supportedOs = { false, true, true };
            },
            11, { "#011000" } },
        RowCase { "OperatingSystemsAndOther",
            [](RegistrationEntry& e) {
                e.supportedOs = { true, false, false, false, false, true };
                e.otherOs = "OS/2";
            },
            11, { "#100001OS/2" } },
        RowCase { "OtherOsAlone", [](RegistrationEntry& e) { e.otherOs = "BeOS"; }, 11, { "#000000BeOS" } },
        RowCase { "EditedHandlingTextNotItsKind",
            [](RegistrationEntry& e) { e.changeHandling(sj("フリーウェア（転載自由）")); }, 13,
            { "#フリーウェア（転載自由）" } },
        RowCase {
            "CategoryWithoutSubcategory", [](RegistrationEntry& e) { e.category = sj("ゲーム"); }, 14, { "#", "#" } },
        RowCase { "SubcategoryWithoutCategory", [](RegistrationEntry& e) { e.subcategory = sj("パズル"); }, 14,
            { "#", "#" } },
        RowCase { "CategoryAndSubcategory",
            [](RegistrationEntry& e) {
                e.category = sj("ゲーム");
                e.subcategory = sj("パズル");
            },
            14, { "#ゲーム", "#パズル" } },
        RowCase { "FileLocationMail", [](RegistrationEntry& e) { e.fileLocationOther = "xyz"; }, 16, { "#0" } },
        RowCase { "FileLocationFtpDropsTheOtherText",
            [](RegistrationEntry& e) {
                e.fileLocation = 2;
                e.fileLocationOther = "xyz";
            },
            16, { "#2" } },
        RowCase { "FileLocationOtherWithText",
            [](RegistrationEntry& e) {
                e.fileLocation = 3;
                e.fileLocationOther = "xyz";
            },
            16, { "#3xyz" } },
        RowCase { "FileLocationOtherWithEmptyText", [](RegistrationEntry& e) { e.fileLocation = 3; }, 16, { "#3" } },
        RowCase { "PrintRefusedWithoutReason", [](RegistrationEntry& e) { e.printPermission = 1; }, 17, { "#1" } },
        RowCase { "PrintRefusedWithReason",
            [](RegistrationEntry& e) {
                e.printPermission = 1;
                e.printRefusalReason = sj("掲載不可");
            },
            17, { "#1掲載不可" } },
        RowCase { "PermissionGivenDropsTheReasons",
            [](RegistrationEntry& e) {
                e.printRefusalReason = "x";
                e.webRefusalReason = "y";
            },
            17, { "#0", "#0" } },
        RowCase { "WebRefusedWithReason",
            [](RegistrationEntry& e) {
                e.webPermission = 1;
                e.webRefusalReason = "y";
            },
            18, { "#1y" } },
        RowCase { "NotesLinesWithTheirFiller", [](RegistrationEntry& e) { e.notes = sj("\r\n\r\n連絡"); }, 19,
            { "@特になし", "@", "@連絡" } }),
    [](const testing::TestParamInfo<RowCase>& info) { return std::string(info.param.name); });

TEST(PreviewBackupLines, DescriptionLinesComeBetweenHeadlineAndArchiveName)
{
    RegistrationEntry entry = test::requiredFieldsOnly();
    entry.headline = "h";
    entry.description = "a\r\n\r\nb\r\n";
    const Lines lines = splitLines(runPreviewCommand(entry).backupText);
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(Lines(lines.begin() + 4, lines.begin() + 9), (Lines { "#h", "@a", "@", "@b", "#test.lzh" }));
}

TEST(PreviewBackupLines, DescriptionWithMixedBreaksGivesOneTextLinePerLine)
{
    RegistrationEntry entry = test::requiredFieldsOnly();
    entry.description = "a\r\nb\rc\r\n\nd\r";
    const Lines lines = splitLines(runPreviewCommand(entry).backupText);
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(Lines(lines.begin() + 4, lines.begin() + 11), (Lines { "#", "@a", "@b", "@c", "@", "@d", "#test.lzh" }));
}

TEST(PreviewBackupLines, ClassZeroSavesNoSharewareFieldEvenWhenFilledIn)
{
    RegistrationEntry entry = test::withSharewareFields("フリーウェア");
    const PreviewOutcome outcome = runPreviewCommand(entry);
    EXPECT_EQ(splitLines(outcome.backupText), test::commonBackupOfRequiredFieldsOnly());
}

TEST(PreviewBackupLines, SharewareSectionFollowsTheNotes)
{
    RegistrationEntry entry = test::withSharewareFields("シェアウェア");
    entry.notes = "n1\r\nn2";
    const Lines lines = splitLines(runPreviewCommand(entry).backupText);
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(Lines(lines.begin() + 17, lines.end()),
        sjLines({ "@n1", "@n2", "#1000", "@30日間試用可", "@", "@登録後は制限なし", "#さくら銀行 本店 普通 1234567",
            "#00100-1-23456 山川", "#SR012345", "#SW0042", "#現金書留" }));
}

} // namespace
} // namespace tarvo
