#include "BackupRecords.h"

#include "core/errors/RuntimeError.h"
#include "core/text/Cp932.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::describe;
using test::PrintTo;
using test::restoredFrom;
using test::sj;

TEST(BackupReader, FullRecordSetsEveryFieldAndTheFollowUpVisibility)
{
    const RegistrationEntry e = restoredFrom(test::fullRows());
    EXPECT_EQ(e.authorId.str(), sj("山川 一郎"));
    EXPECT_EQ(e.submissionKind, 1);
    EXPECT_EQ(e.originalLibraryNumber.str(), "PS000123");
    EXPECT_EQ(e.softwareName.str(), "chosen"); // row 4 plays no part
    EXPECT_EQ(e.headline.str(), sj("一行見出し"));
    EXPECT_EQ(e.description.text(), "desc\r\n");
    EXPECT_EQ(e.archiveFileName.str(), "sync.lzh");
    EXPECT_EQ(e.publicationFileName.str(), "sync.lzh");
    EXPECT_EQ(e.version.str(), "1.02");
    EXPECT_EQ(e.machine.str(), sj("汎用"));
    EXPECT_EQ(e.supportedOs, (std::array<bool, 6> { false, true, true, false, false, false }));
    EXPECT_EQ(e.otherOs.str(), "NT3.51");
    EXPECT_EQ(e.requiredSoftware.str(), "VB5");
    EXPECT_EQ(e.handling.str(), sj("シェアウェア"));
    EXPECT_EQ(e.handlingKind.text(), "3");
    EXPECT_EQ(e.category.str(), sj("ユーティリティ"));
    EXPECT_EQ(e.subcategory.str(), sj("ファイル管理"));
    EXPECT_EQ(e.fileLocation, 3);
    EXPECT_EQ(e.fileLocationOther.str(), "http://x/");
    EXPECT_EQ(e.printPermission, 1);
    EXPECT_EQ(e.printRefusalReason.str(), "beta");
    EXPECT_EQ(e.webPermission, 0);
    EXPECT_EQ(e.webRefusalReason.str(), "old-web"); // hidden, keeps its text
    EXPECT_EQ(e.notes.text(), "notes\r\n");
    EXPECT_EQ(e.sharewareFee.str(), "1000");
    EXPECT_EQ(e.sharewareConditions.text(), "cond\r\n");
    EXPECT_EQ(e.bankRemittance.str(), "bank");
    EXPECT_EQ(e.postalRemittance.str(), "postal");
    EXPECT_EQ(e.registeredProductNumber.str(), "SR01234");
    EXPECT_EQ(e.niftyRemittance.str(), "nifty");
    EXPECT_EQ(e.otherRemittance.str(), "other");
    EXPECT_EQ(e.visibility, (FollowUpVisibility { true, true, true, false }));
}

TEST(BackupReader, CommonOnlyRecordLeavesTheSharewareFieldsAsTheyWere)
{
    const auto before = describe(test::sentinelEntry());
    const auto after = describe(restoredFrom(test::commonRows()));
    for (size_t i = after.size() - 8; i + 1 < after.size(); ++i)
        EXPECT_EQ(after[i], before[i]);
}

// One row of the common section replaced; the named fields must come out so.
struct RowCase {
    const char* name;
    size_t row; // 1-based, as the record counts
    std::string line;
    std::vector<std::string> expected; // entries of describe() that must appear
};

class BackupRow : public testing::TestWithParam<RowCase> { };

TEST_P(BackupRow, IsReadByItsOwnRule)
{
    const auto& c = GetParam();
    auto rows = test::commonRows();
    rows[c.row - 1] = c.line;
    const auto fields = describe(restoredFrom(rows));
    for (const auto& expected : c.expected)
        EXPECT_NE(std::find(fields.begin(), fields.end(), expected), fields.end()) << expected;
}

INSTANTIATE_TEST_SUITE_P(Rows, BackupRow,
    testing::Values(RowCase { "NewSubmissionHidesTheOriginalNumber", 2, "#0", { "submission=0", "visible=0110" } },
        RowCase { "ReplacementShowsIt", 2, "#3", { "submission=3", "visible=1110" } },
        RowCase { "IndexBeyondTheListSelectsTheLast", 2, "#9", { "submission=3" } },
        RowCase { "OnlyTheSecondByteCounts", 2, "#12", { "submission=1" } },
        RowCase { "ShortIndexLineSelectsTheFirst", 2, "#", { "submission=0", "visible=0110" } },
        RowCase { "EmptyIndexLineSelectsTheFirst", 2, "", { "submission=0" } },
        RowCase { "AllSystemsOffClearsOtherOs", 11, "#000000", { "os=000000", "otherOs=" } },
        RowCase { "AnyByteButZeroIsOn", 11, "#2x0 0-rest", { "os=110101", "otherOs=rest" } },
        RowCase { "ShortFlagsLineCountsMissingFlagsOff", 11, "#11", { "os=110000", "otherOs=" } },
        RowCase { "EmptyFlagsLine", 11, "", { "os=000000", "otherOs=" } },
        RowCase { "HandlingOfNoItemKeepsTheKind", 13, sj("#シェアウェア "), { "handlingKind=1" } },
        RowCase { "HandlingItemSetsTheKind", 13, sj("#その他"), { "handlingKind=10" } },
        RowCase { "EmptyCategory", 14, "#", { "category=", "subcategory=" + sj("ファイル管理") } },
        RowCase { "LocationWithoutTextHidesAndKeeps", 16, "#3",
            { "location=3", "locationOther=old-location", "visible=1010" } },
        RowCase {
            "TextAfterAnyDigitShowsTheField", 16, "#0xyz", { "location=0", "locationOther=xyz", "visible=1110" } },
        RowCase { "LocationBeyondTheListSelectsOther", 16, "#8", { "location=3", "visible=1010" } },
        RowCase { "ShortLocationLine", 16, "#", { "location=0", "locationOther=old-location", "visible=1010" } },
        RowCase { "PrintGivenHidesAndKeeps", 17, "#0", { "print=0", "printReason=old-print", "visible=1100" } },
        RowCase { "RefusedWithoutReason", 17, "#1", { "print=1", "printReason=", "visible=1110" } },
        RowCase { "AnythingButHashZeroRefuses", 17, "#0 ", { "print=1", "printReason= " } },
        RowCase { "PrefixIsPartOfTheComparison", 17, "X0", { "print=1", "printReason=" } },
        RowCase { "EmptyPermissionLineRefuses", 17, "", { "print=1", "printReason=" } },
        RowCase { "WebRefusedWithReason", 18, "#1later", { "web=1", "webReason=later", "visible=1111" } },
        RowCase { "PrefixIsNeverTested", 1, "Xname", { "author=name" } },
        RowCase { "PrefixAloneIsEmpty", 5, "#", { "headline=" } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BackupReader, LinesFieldsGatherAtSignLinesAsHardLines)
{
    auto rows = test::commonRows();
    rows[5] = "@a";
    rows.insert(rows.begin() + 6, { "@", "@b" });
    const RegistrationEntry e = restoredFrom(rows);
    EXPECT_EQ(e.description.lines(), (std::vector<std::string> { "a", "", "b" }));
    EXPECT_EQ(e.archiveFileName.str(), "sync.lzh");
}

TEST(BackupReader, LinesFieldWithoutLinesIsClearedAndTheLineIsTheNextValue)
{
    auto rows = test::commonRows();
    rows.erase(rows.begin() + 5); // no description line at all
    const RegistrationEntry e = restoredFrom(rows);
    EXPECT_EQ(e.description.text(), "");
    EXPECT_EQ(e.archiveFileName.str(), "sync.lzh");
    EXPECT_EQ(e.notes.text(), "notes\r\n");
}

TEST(BackupReader, EmptyLineInPlaceOfALinesFieldEndsItAndShiftsTheRows)
{
    auto rows = test::commonRows();
    rows[5] = "";
    RegistrationEntry e = test::sentinelEntry();
    // Shifted by one, row 16 meets the Subcategory text, whose second byte is no digit.
    EXPECT_THROW(restoreBackup(joinLines(rows), e), RuntimeError);
    EXPECT_EQ(e.description.text(), "");
    EXPECT_EQ(e.archiveFileName.str(), ""); // the empty line was taken as row 7
    EXPECT_EQ(e.publicationFileName.str(), "sync.lzh");
}

TEST(BackupReader, NonEmptyLineAfterTheNotesStartsTheSharewareSection)
{
    auto rows = test::commonRows();
    rows.insert(rows.end(), { "#2000", "#only-bank" });
    const RegistrationEntry e = restoredFrom(rows);
    EXPECT_EQ(e.sharewareFee.str(), "2000");
    EXPECT_EQ(e.sharewareConditions.text(), "");
    EXPECT_EQ(e.bankRemittance.str(), "only-bank");
    EXPECT_EQ(e.postalRemittance.str(), "");
    EXPECT_EQ(e.otherRemittance.str(), "");
}

TEST(BackupReader, EmptyLineAfterTheNotesEndsTheRestoreWhateverFollows)
{
    auto rows = test::commonRows();
    rows.insert(rows.end(), { "", "#2000", "@c" });
    EXPECT_EQ(restoredFrom(rows).sharewareFee.str(), "777");
}

TEST(BackupReader, LinesAfterRow26AreIgnored)
{
    auto rows = test::fullRows();
    rows.insert(rows.end(), { "#more", "@more" });
    EXPECT_EQ(describe(restoredFrom(rows)), describe(restoredFrom(test::fullRows())));
}

struct FeeCase {
    const char* name;
    std::string fee;
    int messages;
    std::string restored;
};

class RestoredFee : public testing::TestWithParam<FeeCase> { };

TEST_P(RestoredFee, PassesTheDigitFilter)
{
    auto rows = test::fullRows();
    rows[19] = "#" + GetParam().fee;
    RegistrationEntry entry = test::sentinelEntry();
    const RestoreReport report = restoreBackup(joinLines(rows), entry);
    EXPECT_EQ(report.feeFilterMessages, GetParam().messages);
    EXPECT_EQ(entry.sharewareFee.str(), GetParam().restored);
    EXPECT_EQ(entry.registeredProductNumber.str(), "SR01234"); // the restore goes on
}

INSTANTIATE_TEST_SUITE_P(Fees, RestoredFee,
    testing::Values(FeeCase { "Digits", "1000", 0, "1000" }, FeeCase { "OutOfRangeDigitsStay", "99", 0, "99" },
        FeeCase { "LetterEmptiesTheField", "12a", 1, "" },
        FeeCase { "FullWidthDigitsAreDigits", sj("１５００"), 0, "1500" },
        FeeCase { "FullWidthLetterShowsTwice", sj("Ａ"), 2, "" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BackupReader, RestoreNeverTouchesTheSoftwareName)
{
    RegistrationEntry entry;
    entry.softwareName = "renamed";
    restoreBackup(joinLines(test::fullRows()), entry);
    EXPECT_EQ(entry.softwareName.str(), "renamed");
}

struct IndexErrorCase {
    const char* name;
    size_t row;
    std::string line;
    std::string namedByte;
};

class NonDigitIndex : public testing::TestWithParam<IndexErrorCase> { };

TEST_P(NonDigitIndex, StopsTheRestoreNamingTheByteAndKeepsWhatCameBefore)
{
    const auto& c = GetParam();
    auto rows = test::fullRows();
    rows[c.row - 1] = c.line;
    RegistrationEntry entry = test::sentinelEntry();
    EXPECT_EQ(test::failureOf([&] { restoreBackup(joinLines(rows), entry); }),
        "'" + utf8FromCp932(c.namedByte) + "' は整数ではありません");
    const auto restored = describe(restoredFrom(test::fullRows()));
    const auto untouched = describe(test::sentinelEntry());
    const auto fields = describe(entry);
    for (size_t i = 0; i < fields.size(); ++i) {
        const bool before = fields[i] == restored[i];
        const bool after = fields[i] == untouched[i];
        EXPECT_TRUE(before || after) << fields[i];
    }
    EXPECT_EQ(entry.authorId.str(), sj("山川 一郎"));
    EXPECT_EQ(entry.notes.text(), "old-notes\r\n");
    EXPECT_EQ(entry.sharewareFee.str(), "777");
}

INSTANTIATE_TEST_SUITE_P(Rows, NonDigitIndex,
    testing::Values(IndexErrorCase { "SubmissionLetter", 2, "#a", "a" },
        IndexErrorCase { "SubmissionBlank", 2, "# 1", " " },
        IndexErrorCase { "SubmissionLeadByte", 2, "#\x83\x5C", "\x83" },
        IndexErrorCase { "LocationMinus", 16, "#-1", "-" },
        IndexErrorCase { "LocationFullWidthDigit", 16, sj("#３"), sj("３").substr(0, 1) }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BackupReader, LocationErrorComesAfterTheHandlingKindIsRecomputed)
{
    auto rows = test::fullRows();
    rows[15] = "#z";
    RegistrationEntry entry = test::sentinelEntry();
    EXPECT_THROW(restoreBackup(joinLines(rows), entry), RuntimeError);
    EXPECT_EQ(entry.subcategory.str(), sj("ファイル管理"));
    EXPECT_EQ(entry.handlingKind.text(), "3");
    EXPECT_EQ(entry.fileLocation, 1);
    EXPECT_EQ(entry.printRefusalReason.str(), "old-print");
}

} // namespace
} // namespace tarvo
