#include "BackupRecords.h"

#include "core/document/PreviewCommand.h"
#include "core/text/Lines.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::describe;
using test::PrintTo;
using test::restoredFrom;
using test::sj;
using Lines = std::vector<std::string>;

RegistrationEntry freewareEntry()
{
    RegistrationEntry e;
    e.authorId = "PA001234";
    e.softwareName = "tool";
    e.archiveFileName = "tool.zip";
    e.changeHandling(sj("フリーウェア"));
    e.category = sj("ユーティリティ");
    e.subcategory = sj("ファイル管理");
    e.otherOs = "Linux";
    return e;
}

// What the load dialog leaves: the name from the file, every stored field back.
RegistrationEntry reloaded(const std::string& backupText, const std::string& softwareName)
{
    RegistrationEntry entry;
    entry.softwareName = softwareName;
    restoreBackup(backupText, entry);
    return entry;
}

TEST(BackupRoundTrip, SharewareEntryComesBackFieldForField)
{
    RegistrationEntry original = test::sampleSharewareEntry();
    const PreviewOutcome first = runPreviewCommand(original);
    ASSERT_EQ(first.outcome.kind, Outcome::Kind::Success);
    ASSERT_EQ(splitLines(first.backupText).size(), 29u);

    RegistrationEntry restored = reloaded(first.backupText, original.softwareName.str());
    // Lines fields come back as hard lines, each ending in a line break.
    EXPECT_EQ(restored.description.lines(), original.description.lines());
    EXPECT_EQ(restored.sharewareConditions.lines(), original.sharewareConditions.lines());
    EXPECT_EQ(restored.notes.lines(), original.notes.lines());
    restored.description = original.description;
    restored.sharewareConditions = original.sharewareConditions;
    restored.notes = original.notes;
    EXPECT_EQ(describe(restored), describe(original));

    const PreviewOutcome second = runPreviewCommand(restored);
    EXPECT_EQ(second.backupText, first.backupText);
    EXPECT_EQ(second.previewText, first.previewText);
}

TEST(BackupRoundTrip, FreewareEntryComesBackWithTheFillerNote)
{
    RegistrationEntry original = freewareEntry();
    const PreviewOutcome first = runPreviewCommand(original);
    ASSERT_EQ(first.outcome.kind, Outcome::Kind::Success);

    const RegistrationEntry restored = reloaded(first.backupText, "tool");
    ASSERT_TRUE(first.filledNotes);
    EXPECT_EQ(first.filledNotes->text(), sj("特になし"));
    original.notes = *first.filledNotes; // as the window keeps it
    auto expected = describe(original);
    auto actual = describe(restored);
    EXPECT_EQ(restored.notes.text(), sj("特になし\r\n"));
    actual.erase(actual.begin() + 23);
    expected.erase(expected.begin() + 23);
    EXPECT_EQ(actual, expected);
}

TEST(BackupRecordWriting, FreewareWithSharewareFieldsEndsWithTheNotes)
{
    RegistrationEntry entry = test::sampleSharewareEntry();
    entry.changeHandling(sj("フリーウェア"));
    const PreviewOutcome outcome = runPreviewCommand(entry);
    ASSERT_EQ(outcome.outcome.kind, Outcome::Kind::Success);
    const Lines lines = splitLines(outcome.backupText);
    EXPECT_EQ(lines.back(), sj("@よろしくお願いします。"));

    RegistrationEntry loaded = test::sentinelEntry();
    restoreBackup(outcome.backupText, loaded);
    EXPECT_EQ(loaded.sharewareFee.str(), "777");
    EXPECT_EQ(loaded.registeredProductNumber.str(), "old-product");
}

TEST(BackupRecordWriting, OptionalSharewareSectionFollowsTheFee)
{
    RegistrationEntry entry = test::sampleSharewareEntry();
    entry.changeHandling(sj("その他"));
    entry.sharewareFee = "";
    EXPECT_EQ(splitLines(runPreviewCommand(entry).backupText).back(), sj("@よろしくお願いします。"));
    entry.sharewareFee = "1000";
    const Lines lines = splitLines(runPreviewCommand(entry).backupText);
    EXPECT_EQ(lines[lines.size() - 8], "#1000");
    EXPECT_EQ(lines.back(), sj("#現金書留"));
}

struct RowFormCase {
    const char* name;
    void (*change)(RegistrationEntry&);
    size_t fileLine; // 1-based; the entry's Description is empty unless changed
    std::string line;
    std::vector<std::string> restored; // entries of describe() after reloading
};

class RowForm : public testing::TestWithParam<RowFormCase> { };

TEST_P(RowForm, IsWrittenAndReadBack)
{
    const auto& c = GetParam();
    RegistrationEntry entry = freewareEntry();
    c.change(entry);
    const PreviewOutcome outcome = runPreviewCommand(entry);
    ASSERT_EQ(outcome.outcome.kind, Outcome::Kind::Success);
    EXPECT_EQ(splitLines(outcome.backupText).at(c.fileLine - 1), c.line);
    const auto fields = describe(restoredFrom(outcome.backupText, test::sentinelEntry()));
    for (const auto& expected : c.restored)
        EXPECT_NE(std::find(fields.begin(), fields.end(), expected), fields.end()) << expected;
}

INSTANTIATE_TEST_SUITE_P(Rows, RowForm,
    testing::Values(RowFormCase { "CategoryWithoutSubcategory", [](auto& e) { e.subcategory = ""; }, 13, "#",
                        { "category=", "subcategory=" } },
        RowFormCase {
            "SystemsOffAndNoOtherOs", [](auto& e) { e.otherOs = ""; }, 10, "#000000", { "os=000000", "otherOs=" } },
        RowFormCase { "SomeSystems",
            [](auto& e) {
                e.supportedOs = { false, true, true, false, false, false };
                e.otherOs = "";
            },
            10, "#011000", { "os=011000" } },
        RowFormCase { "RefusedWithoutReason", [](auto& e) { e.printPermission = 1; }, 16, "#1",
            { "print=1", "printReason=", "visible=0010" } },
        RowFormCase { "OtherLocationWithText",
            [](auto& e) {
                e.fileLocation = 3;
                e.fileLocationOther = "xyz";
            },
            15, "#3xyz", { "location=3", "locationOther=xyz", "visible=0100" } },
        RowFormCase { "OtherLocationWithoutText", [](auto& e) { e.fileLocation = 3; }, 15, "#3",
            { "location=3", "locationOther=old-location", "visible=0000" } },
        RowFormCase { "MailLocationDropsTheText", [](auto& e) { e.fileLocationOther = "kept"; }, 15, "#0",
            { "location=0", "locationOther=old-location" } },
        RowFormCase { "HiddenOriginalNumberIsStillWritten", [](auto& e) { e.originalLibraryNumber = "PS9"; }, 3, "#PS9",
            { "original=PS9", "visible=0000" } },
        RowFormCase { "HandlingOfNoItem", [](auto& e) { e.handling = sj("フリー"); }, 12, sj("#フリー"),
            { "handling=" + sj("フリー"), "handlingKind=1" } },
        RowFormCase { "DescriptionWithEmptyMiddleLine", [](auto& e) { e.description = "a\r\n\r\nb"; }, 6, "@a",
            { "description=a\r\n\r\nb\r\n" } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BackupRecordWriting, RenamedFileRestoresUnderItsNewName)
{
    RegistrationEntry entry = freewareEntry();
    const std::string text = runPreviewCommand(entry).backupText;
    RegistrationEntry loaded;
    loaded.softwareName = "renamed";
    restoreBackup(text, loaded);
    EXPECT_EQ(loaded.softwareName.str(), "renamed");
    EXPECT_EQ(loaded.archiveFileName.str(), "tool.zip");
}

} // namespace
} // namespace tarvo
