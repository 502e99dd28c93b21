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

TEST(PreviewCommon, MinimalFreewareEntryGivesTheFortySevenLineDocument)
{
    RegistrationEntry entry = test::requiredFieldsOnly();
    const PreviewOutcome outcome = runPreviewCommand(entry);

    const Lines expected = test::commonSectionOfRequiredFieldsOnly();
    EXPECT_EQ(outcome.outcome.kind, Outcome::Kind::Success);
    EXPECT_EQ(outcome.outcome, Outcome::success("バックアップを取ると同時にプレビューの作成に成功しました！"));
    EXPECT_TRUE(outcome.previewRebuilt);
    EXPECT_FALSE(outcome.backupText.empty());
    ASSERT_EQ(expected.size(), 47u);
    EXPECT_EQ(splitLines(outcome.previewText), expected);
    EXPECT_EQ(outcome.previewText, joinLines(expected));
    ASSERT_TRUE(outcome.filledNotes);
    EXPECT_EQ(outcome.filledNotes->text(), sj("特になし"));
}

// One change to the minimal entry, and the sections it must rewrite; every other
// line of the document stays as in the 47-line document.
struct SectionCase {
    const char* name;
    std::function<void(RegistrationEntry&)> change;
    std::vector<std::pair<std::string, std::vector<std::string_view>>> sections; // header, lines (UTF-8)
};

class PreviewCommonSections : public testing::TestWithParam<SectionCase> { };

TEST_P(PreviewCommonSections, WritesTheRowsOfTheChangedFields)
{
    const SectionCase& c = GetParam();
    RegistrationEntry entry = test::requiredFieldsOnly();
    c.change(entry);
    const PreviewOutcome outcome = runPreviewCommand(entry);

    Lines expected = test::commonSectionOfRequiredFieldsOnly();
    for (const auto& [header, lines] : c.sections)
        expected = test::withSection(expected, sj(header), sjLines(lines));
    EXPECT_EQ(outcome.outcome.kind, Outcome::Kind::Success) << outcome.outcome.message;
    EXPECT_EQ(outcome.previewText, joinLines(expected));
}

const std::string kSubmissionKind = "[新規ですか? バージョンアップ等の差し替えですか?]";
const std::string kLibraryNumber = "[差し替え/追加/変更の場合、元のライブラリ作品番号(PS??????)]";
const std::string kAuthor = "[作者名 または ライブラリ作者番号(PA??????)] ←必須";
const std::string kSoftwareName = "[ソフト名称] ←必須]";
const std::string kHeadline = "[1行見出し(ソフトの簡単な説明1行だけです)]";
const std::string kDescription = "[内容説明(1キロバイト程度)]";
const std::string kArchive = "[アーカイブファイルの名前] ←必須";
const std::string kPublication = "[インターネット・書籍公開用アーカイブファイル名]";
const std::string kVersion = "[バージョン]";
const std::string kMachine = "[動作可能機種]";
const std::string kOs = "[動作可能OS (Windows95,98,NT など)]";
const std::string kRequiredSoftware = "[OS、配布ファイル以外に必要なソフト]";
const std::string kHandling = "[取り扱い(フリーソフト、シェアウェアなど)]";
const std::string kDirectory = "[掲載希望ディレクトリ]";
const std::string kFileLocation = "[ファイルの所在(メールに添付 or タルヴォFTPサイト or BBSなど)] ←必須";
const std::string kPrint = "[弊社出版物への掲載許諾]";
const std::string kWeb = "[弊社インターネットサイトでの公開許諾]";
const std::string kNotes = "[その他、弊社への連絡事項]";

const std::string kLongParagraph = [] {
    std::string text;
    while (text.size() < 10000)
        text += "一つの長い段落で、画面では何行にも折り返して見えるが改行はない。";
    return text;
}();

INSTANTIATE_TEST_SUITE_P(Changes, PreviewCommonSections,
    testing::Values(
        SectionCase { "ReplacementWithEmptyLibraryNumber", [](RegistrationEntry& e) { e.submissionKind = 1; },
            { { kSubmissionKind, { "2：差し替え", "" } }, { kLibraryNumber, { "", "" } } } },
        SectionCase { "AdditionWithLibraryNumber",
            [](RegistrationEntry& e) {
                e.submissionKind = 2;
                e.originalLibraryNumber = "PS000123";
            },
            { { kSubmissionKind, { "3：既存のソフトに更に追加", "" } }, { kLibraryNumber, { "PS000123", "" } } } },
        SectionCase { "InformationChangeWithBlankLibraryNumber",
            [](RegistrationEntry& e) {
                e.submissionKind = 3;
                e.originalLibraryNumber = " ";
            },
            { { kSubmissionKind, { "4：情報の変更のみ", "" } }, { kLibraryNumber, { " ", "" } } } },
        SectionCase { "NewSubmissionHidesTheLibraryNumber",
            [](RegistrationEntry& e) { e.originalLibraryNumber = "PS000123"; }, {} },
        SectionCase { "BlankRequiredFieldsAreText",
            [](RegistrationEntry& e) {
                e.authorId = " ";
                e.softwareName = " ";
                e.archiveFileName = " ";
            },
            { { kAuthor, { " ", "" } }, { kSoftwareName, { " ", "" } }, { kArchive, { " ", "" } } } },
        SectionCase { "OptionalSingleLinesWhenFilled",
            [](RegistrationEntry& e) {
                e.headline = sj("便利なツール");
                e.publicationFileName = "test10.zip";
                e.version = "1.00";
                e.requiredSoftware = sj("VBランタイム");
            },
            { { kHeadline, { "便利なツール", "" } }, { kPublication, { "test10.zip", "" } },
                { kVersion, { "1.00", "" } }, { kRequiredSoftware, { "VBランタイム", "" } } } },
        SectionCase { "MachineKeepsTheItemsTrailingBlank",
            [](RegistrationEntry& e) { e.machine = sj("PC-9801 (PC-9821シリーズを含む) "); },
            { { kMachine, { "PC-9801 (PC-9821シリーズを含む) ", "" } } } },
        SectionCase { "DescriptionWithAnEmptyMiddleLine",
            [](RegistrationEntry& e) { e.description = sj("一行目\r\n\r\n三行目\r\n"); },
            { { kDescription, { "一行目", "", "三行目", "" } } } },
        SectionCase { "DescriptionWithLoneBreaks", [](RegistrationEntry& e) { e.description = "a\rb\nc"; },
            { { kDescription, { "a", "b", "c", "" } } } },
        SectionCase { "DescriptionWithMixedBreaks", [](RegistrationEntry& e) { e.description = "a\r\nb\rc\r\n\nd\r"; },
            { { kDescription, { "a", "b", "c", "", "d", "" } } } },
        SectionCase { "DescriptionLongParagraphIsOneLine",
            [](RegistrationEntry& e) { e.description = sj(kLongParagraph); },
            { { kDescription, { kLongParagraph, "" } } } },
        SectionCase { "TwoOperatingSystems",
            [](RegistrationEntry& e) {
                e.supportedOs[1] = true;
                e.supportedOs[3] = true;
            },
            { { kOs, { "Windows95 / WindowsNT", "" } } } },
        SectionCase { "EveryOperatingSystemAndAnOther",
            [](RegistrationEntry& e) {
                e.supportedOs.fill(true);
                e.otherOs = "BeOS";
            },
            { { kOs, { "Windows3.1 / Windows95 / Windows98 / WindowsNT / Windows2000 / MS-DOS / BeOS", "" } } } },
        SectionCase { "OtherOsAlone", [](RegistrationEntry& e) { e.otherOs = "OS/2"; }, { { kOs, { "OS/2", "" } } } },
        SectionCase { "CategoryWithoutSubcategory", [](RegistrationEntry& e) { e.category = sj("ゲーム"); }, {} },
        SectionCase { "SubcategoryWithoutCategory", [](RegistrationEntry& e) { e.subcategory = sj("パズル"); }, {} },
        SectionCase { "CategoryAndSubcategory",
            [](RegistrationEntry& e) {
                e.category = sj("ゲーム");
                e.subcategory = sj("パズル");
            },
            { { kDirectory, { "ゲーム→パズル", "" } } } },
        SectionCase {
            "FileLocationBbs", [](RegistrationEntry& e) { e.fileLocation = 1; }, { { kFileLocation, { "BBS", "" } } } },
        SectionCase { "FileLocationFtpHidesTheOtherText",
            [](RegistrationEntry& e) {
                e.fileLocation = 2;
                e.fileLocationOther = "xyz";
            },
            { { kFileLocation, { "タルヴォFTPサイト", "" } } } },
        SectionCase { "FileLocationOtherWithEmptyText", [](RegistrationEntry& e) { e.fileLocation = 3; },
            { { kFileLocation, { "その他：", "" } } } },
        SectionCase { "FileLocationOtherWithText",
            [](RegistrationEntry& e) {
                e.fileLocation = 3;
                e.fileLocationOther = sj("作者のWebページ");
            },
            { { kFileLocation, { "その他：作者のWebページ", "" } } } },
        SectionCase { "PrintRefusedWithEmptyReason", [](RegistrationEntry& e) { e.printPermission = 1; },
            { { kPrint, { "不許可　", "" } } } },
        SectionCase { "PrintRefusedWithReason",
            [](RegistrationEntry& e) {
                e.printPermission = 1;
                e.printRefusalReason = sj("雑誌には載せないで下さい");
            },
            { { kPrint, { "不許可　雑誌には載せないで下さい", "" } } } },
        SectionCase { "PermissionGivenHidesTheReasons",
            [](RegistrationEntry& e) {
                e.printRefusalReason = "x";
                e.webRefusalReason = "y";
            },
            {} },
        SectionCase { "WebRefusedWithReason",
            [](RegistrationEntry& e) {
                e.webPermission = 1;
                e.webRefusalReason = "y";
            },
            { { kWeb, { "不許可　y", "" } } } },
        SectionCase { "NotesWithEmptyFirstLine", [](RegistrationEntry& e) { e.notes = sj("\r\n連絡です"); },
            { { kNotes, { "特になし", "連絡です", "" } } } },
        SectionCase { "NotesOnlyOneLineBreak", [](RegistrationEntry& e) { e.notes = "\r\n"; },
            { { kNotes, { "特になし", "" } } } },
        SectionCase { "NotesTwoLineBreaks", [](RegistrationEntry& e) { e.notes = "\r\n\r\n"; },
            { { kNotes, { "特になし", "", "" } } } },
        SectionCase { "NotesAsTyped", [](RegistrationEntry& e) { e.notes = sj("よろしく\r\nお願いします\r\n"); },
            { { kNotes, { "よろしく", "お願いします", "" } } } },
        SectionCase {
            "NotesBlankFirstLineIsText", [](RegistrationEntry& e) { e.notes = " "; }, { { kNotes, { " ", "" } } } },
        SectionCase { "HandlingEditedAfterAMatch",
            [](RegistrationEntry& e) { e.changeHandling(sj("フリーウェア（転載自由）")); },
            { { kHandling, { "フリーウェア（転載自由）", "" } } } }),
    [](const testing::TestParamInfo<SectionCase>& info) { return std::string(info.param.name); });

// The filled-in Notes come back for the entry to keep; run again on them, the
// command finds nothing more to fill in and gives the same text and backup.
TEST(PreviewCommon, RunningAgainOnTheFilledNotesGivesTheSameTextAndBackup)
{
    RegistrationEntry entry = test::requiredFieldsOnly();
    entry.notes = sj("\r\n連絡です");
    entry.description = "d\r\n";
    const PreviewOutcome first = runPreviewCommand(entry);
    ASSERT_TRUE(first.filledNotes);
    EXPECT_EQ(first.filledNotes->text(), sj("特になし\r\n連絡です"));
    EXPECT_EQ(entry.notes.text(), sj("\r\n連絡です"));

    entry.notes = *first.filledNotes;
    const PreviewOutcome second = runPreviewCommand(entry);
    EXPECT_FALSE(second.filledNotes);
    EXPECT_EQ(second.previewText, first.previewText);
    EXPECT_EQ(second.backupText, first.backupText);
}

struct MissingCase {
    const char* name;
    std::function<void(RegistrationEntry&)> change;
};

class PreviewCommonMissingRequired : public testing::TestWithParam<MissingCase> { };

TEST_P(PreviewCommonMissingRequired, RefusesAndChangesNothing)
{
    RegistrationEntry entry = test::requiredFieldsOnly();
    GetParam().change(entry);
    const PreviewOutcome outcome = runPreviewCommand(entry);
    EXPECT_EQ(outcome.outcome.kind, Outcome::Kind::Refused);
    EXPECT_EQ(outcome.outcome.message,
        "どこか記入もれがあります。★マークの欄は必須ですので記入して下さい。"
        "また、「ファイルの所在を「その他」を選んだ場合は空欄に記入して下さい。");
    EXPECT_FALSE(outcome.previewRebuilt);
    EXPECT_EQ(outcome.previewText, "");
    EXPECT_EQ(outcome.backupText, "");
    EXPECT_FALSE(outcome.filledNotes);
}

INSTANTIATE_TEST_SUITE_P(Fields, PreviewCommonMissingRequired,
    testing::Values(MissingCase { "AuthorId", [](RegistrationEntry& e) { e.authorId = ""; } },
        MissingCase { "SoftwareName", [](RegistrationEntry& e) { e.softwareName = ""; } },
        MissingCase { "ArchiveFileName", [](RegistrationEntry& e) { e.archiveFileName = ""; } },
        // HandlingKind keeps 1 from the earlier match; the empty text is still missing.
        MissingCase { "Handling", [](RegistrationEntry& e) { e.changeHandling(""); } },
        MissingCase { "OnlyALineBreakTyped", [](RegistrationEntry& e) { e.softwareName = "\r\n"; } },
        // The required fields are checked before the handling kind is converted.
        MissingCase { "AuthorIdWithKindUnset",
            [](RegistrationEntry& e) {
                e.authorId = "";
                e.handlingKind = HandlingKind();
            } }),
    [](const testing::TestParamInfo<MissingCase>& info) { return std::string(info.param.name); });

TEST(PreviewCommon, UnsetHandlingKindFailsTheConversionAndChangesNothing)
{
    RegistrationEntry entry = test::requiredFieldsOnly();
    entry.handlingKind = HandlingKind();
    entry.changeHandling(sj("シェアウェア "));
    const PreviewOutcome outcome = runPreviewCommand(entry);
    EXPECT_EQ(outcome.outcome.kind, Outcome::Kind::Failed);
    EXPECT_EQ(outcome.outcome.message, std::string("'' は整数ではありません"));
    EXPECT_FALSE(outcome.previewRebuilt);
    EXPECT_EQ(outcome.previewText, "");
    EXPECT_EQ(outcome.backupText, "");
    EXPECT_FALSE(outcome.filledNotes);
}

TEST(PreviewCommon, TrailingBlankAfterAnEarlierMatchFollowsThatMatch)
{
    RegistrationEntry entry = test::requiredFieldsOnly(" フリーウェア");
    entry.changeHandling(sj("シェアウェア"));
    entry.changeHandling(sj("シェアウェア "));
    const PreviewOutcome outcome = runPreviewCommand(entry);
    EXPECT_EQ(outcome.outcome.kind, Outcome::Kind::Refused);
    EXPECT_EQ(outcome.outcome.message, std::string("「シェアウェア料金」の部分が記入されていません！"));
    EXPECT_EQ(test::sectionAfter(splitLines(outcome.previewText), sj(kHandling)), sjLines({ "シェアウェア ", "" }));
}

} // namespace
} // namespace tarvo
