#include "BackupRecords.h"

#include "core/errors/RuntimeError.h"
#include "core/files/FileIo.h"
#include "core/files/NativePath.h"
#include "core/settings/StartDirectory.h"
#include "core/text/Utf8.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tarvo {
namespace {

using test::sj;

class BackupFolder : public testing::Test {
protected:
    BackupFolder() { std::filesystem::create_directory(data()); }

    std::filesystem::path data() const { return folder / "data"; }
    std::filesystem::path start() const { return startDirectoryFrom(folder.path()); }

    std::string createError(std::string_view name) const
    {
        return "ファイル " + displayText(backupPath(start(), name)) + " を作成できません";
    }

    std::vector<std::string> listedNames() const
    {
        std::vector<std::string> names;
        for (const ListedBackup& backup : listBackups(start()))
            names.push_back(nativeBytes(backup.fileName));
        return names;
    }

    void expectCreateError(std::string_view name, std::string_view bytes = "#x\r\n")
    {
        EXPECT_EQ(test::failureOf([&] { writeBackup(start(), name, bytes); }), createError(name));
    }

    test::TemporaryFolder folder;
};

TEST_F(BackupFolder, PathIsStartDirectoryDataNameAndExtension)
{
    EXPECT_EQ(backupFolder("/opt/tarvo/"), "/opt/tarvo/data/");
    // The name's characters in the file system's encoding; the start folder's
    // bytes as they are, even where they are not UTF-8.
    EXPECT_EQ(backupPath("/opt/tarvo/", sj(" ソフト ")), pathFromNativeBytes("/opt/tarvo/data/ ソフト .bak"));
    EXPECT_EQ(backupPath("/tmp/caf\xE9/", "x"), "/tmp/caf\xE9/data/x.bak");
    EXPECT_EQ(backupPath("/", "x"), "/data/x.bak");
}

TEST_F(BackupFolder, WritesTheBytesAndReplacesWithoutAsking)
{
    writeBackup(start(), sj("ソフト"), "#first\r\n");
    EXPECT_EQ(test::readBytes(data() / pathFromNativeBytes("ソフト.bak")), "#first\r\n");
    writeBackup(start(), sj("ソフト"), "#second\r\n");
    EXPECT_EQ(test::readBytes(data() / pathFromNativeBytes("ソフト.bak")), "#second\r\n");
}

TEST_F(BackupFolder, MissingDataFolderIsNeverCreated)
{
    std::filesystem::remove(data());
    expectCreateError("x");
    EXPECT_FALSE(std::filesystem::exists(data()));
}

TEST_F(BackupFolder, FileWhereTheFolderShouldBe)
{
    std::filesystem::remove(data());
    test::writeBytes(data(), "");
    expectCreateError("x");
}

TEST_F(BackupFolder, NameThatIsNotOneFileNameIsRefusedAndNothingIsWritten)
{
    std::filesystem::create_directory(folder / "sub");
    for (const std::string& name : std::vector<std::string> { "../escape", "sub/x", "a\\b", "/", { "nul\0l", 5 } })
        expectCreateError(name);
    EXPECT_FALSE(std::filesystem::exists(folder / "escape.bak"));
    EXPECT_TRUE(std::filesystem::is_empty(folder / "sub"));
    EXPECT_TRUE(std::filesystem::is_empty(data()));
}

TEST_F(BackupFolder, DoubleByteCharactersWithABackslashByteAreFine)
{
    for (const std::string& name : { sj("表"), sj("ソフト"), sj("能") }) {
        writeBackup(start(), name, "#x\r\n");
        EXPECT_TRUE(regularFileExists(backupPath(start(), name)));
    }
}

TEST_F(BackupFolder, FailedWriteAtAnyStepLeavesTheEarlierFileByteForByte)
{
    writeBackup(start(), "x", "#earlier\r\n");
    for (const WriteStep step : { WriteStep::CreateTemporary, WriteStep::Write, WriteStep::Flush, WriteStep::Rename }) {
        setWriteFaultHookForTesting([step](WriteStep at) { return at == step ? ENOSPC : 0; });
        expectCreateError("x", "#later\r\n");
        setWriteFaultHookForTesting({});
        EXPECT_EQ(test::readBytes(data() / "x.bak"), "#earlier\r\n");
    }
    EXPECT_EQ(listedNames(), std::vector<std::string> { "x.bak" });
}

TEST_F(BackupFolder, ReadOnlyFileOrFolderKeepsTheEarlierFile)
{
    writeBackup(start(), "x", "#earlier\r\n");
    std::filesystem::permissions(data() / "x.bak", std::filesystem::perms(0444));
    expectCreateError("x", "#later\r\n");
    std::filesystem::permissions(data() / "x.bak", std::filesystem::perms(0644));
    // Windows keeps no read-only mark on a folder.
    if (test::kLinuxFileSystem) {
        std::filesystem::permissions(data(), std::filesystem::perms(0555));
        expectCreateError("x", "#later\r\n");
        std::filesystem::permissions(data(), std::filesystem::perms(0755));
    }
    EXPECT_EQ(test::readBytes(data() / "x.bak"), "#earlier\r\n");
}

TEST_F(BackupFolder, RestoreFileReadsTheBackupAndLeavesTheSoftwareName)
{
    writeBackup(start(), "x", joinLines(test::fullRows()));
    RegistrationEntry entry;
    entry.softwareName = "x";
    restoreBackupFile(backupPath(start(), "x"), entry);
    EXPECT_EQ(entry.registeredProductNumber.str(), "SR01234");
    EXPECT_EQ(entry.softwareName.str(), "x");
}

TEST_F(BackupFolder, RestoreFileOfAMissingBackupNamesTheFullPath)
{
    RegistrationEntry entry = test::sentinelEntry();
    EXPECT_EQ(test::failureOf([&] { restoreBackupFile(data() / "gone.bak", entry); }),
        "ファイル " + (data() / "gone.bak").string() + " は開けません");
    EXPECT_EQ(test::describe(entry), test::describe(test::sentinelEntry()));
}

TEST_F(BackupFolder, ListHoldsRegularVisibleBakFilesSortedIgnoringCase)
{
    for (const char* name : { "b.bak", "a.bak", "C.BAK", "B.bak", "A2.Bak", "c.txt", ".hidden.bak", "bak", ".bak",
             "x.bak.txt", "ソフト.bak" })
        test::writeBytes(data() / pathFromNativeBytes(name), "");
    std::filesystem::create_directory(data() / "folder.bak");
    // Windows names ignore case: "B.bak" is written into the file "b.bak".
    const std::vector<std::string> expected = test::kLinuxFileSystem
        ? std::vector<std::string> { "a.bak", "A2.Bak", "B.bak", "b.bak", "C.BAK", "ソフト.bak" }
        : std::vector<std::string> { "a.bak", "A2.Bak", "b.bak", "C.BAK", "ソフト.bak" };
    EXPECT_EQ(listedNames(), expected);
}

TEST_F(BackupFolder, EmptyFolderGivesAnEmptyList)
{
    EXPECT_TRUE(listBackups(start()).empty());
}

TEST_F(BackupFolder, ListOfAMissingFolderRaisesTheIoError)
{
    std::filesystem::remove(data());
    EXPECT_EQ(test::failureOf([&] { listBackups(start()); }), "ファイルが見つかりません");
    test::writeBytes(data(), "");
    EXPECT_THROW(listBackups(start()), RuntimeError);
}

struct ListedCase {
    const char* name;
    std::string fileName; // native bytes
    std::optional<std::string> softwareName; // CP932
    std::string shown; // UTF-8
    std::string unrepresentable; // UTF-8
    std::string file; // what Load reads, native, in "data"
};

class ListedBackupName : public BackupFolder, public testing::WithParamInterface<ListedCase> { };

// Each entry keeps its own file; the SoftwareName comes from the file name, in
// whichever encoding the name was written.
TEST_P(ListedBackupName, NamesItsOwnFileAndTheSoftwareName)
{
    const ListedCase& c = GetParam();
    // Windows names are characters, and "?" is not one of them.
    if (!isValidUtf8(c.fileName) || c.fileName.find('?') != std::string::npos)
        TARVO_SKIP_UNLESS_LINUX_FILE_SYSTEM();
    test::writeBytes(data() / pathFromNativeBytes(c.fileName), "#x\r\n");
    const std::vector<ListedBackup> listed = listBackups(start());
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(nativeBytes(listed[0].fileName), c.fileName);
    EXPECT_EQ(listed[0].softwareName.cp932, c.softwareName);
    EXPECT_EQ(listed[0].softwareName.shown, c.shown);
    EXPECT_EQ(listed[0].softwareName.unrepresentable, c.unrepresentable);
    EXPECT_EQ(listed[0].file, data() / pathFromNativeBytes(c.file));
}

INSTANTIATE_TEST_SUITE_P(Names, ListedBackupName,
    testing::Values(ListedCase { "Plain", "a.bak", "a", "a", "", "a.bak" },
        ListedCase { "Japanese", "表ソフト.bak", sj("表ソフト"), "表ソフト", "", "表ソフト.bak" },
        ListedCase {
            "ShiftJisBytesFromAnOldDisk", sj("表ソフト.bak"), sj("表ソフト"), "表ソフト", "", sj("表ソフト.bak") },
        ListedCase { "CharacterCp932Lacks", "café.bak", std::nullopt, "café", "é", "café.bak" },
        ListedCase { "QuestionMarkIsItsOwnName", "caf?.bak", "caf?", "caf?", "", "caf?.bak" },
        ListedCase {
            "NeitherUtf8NorCp932", "a\xFF\x80z.bak", std::nullopt, "a\uFFFD\uFFFDz", "\uFFFD", "a\xFF\x80z.bak" },
        ListedCase { "UpperCaseExtension", "X.BAK", "", "", "", ".bak" },
        ListedCase { "DoubleExtension", "x.bak.bak", "x", "x", "", "x.bak" },
        ListedCase { "FirstBakEndsTheName", "a.bakery.bak", "a", "a", "", "a.bak" }),
    [](const testing::TestParamInfo<ListedCase>& info) { return std::string(info.param.name); });

TEST_F(BackupFolder, NamesThatLookAlikeStayApart)
{
    // "?" cannot be in a Windows name.
    TARVO_SKIP_UNLESS_LINUX_FILE_SYSTEM();
    test::writeBytes(data() / pathFromNativeBytes("café.bak"), "#cafe-acute\r\n");
    test::writeBytes(data() / "caf?.bak", "#cafe-question\r\n");
    std::vector<std::string> authors;
    for (const ListedBackup& backup : listBackups(start())) {
        RegistrationEntry entry;
        restoreBackupFile(backup.file, entry);
        authors.push_back(entry.authorId.str());
    }
    EXPECT_EQ(authors, (std::vector<std::string> { "cafe-question", "cafe-acute" }));
}

// "Load" as the window and the command line share it: what it refuses changes no
// field, and only a non-empty name reads a file.
TEST_F(BackupFolder, RestoreOfAListedBackupSaysWhatHappened)
{
    const auto restore = [this](const char* fileName) {
        test::writeBytes(data() / "a.bak", "#author\r\n");
        test::writeBytes(data() / "X.BAK", "#other\r\n");
        test::writeBytes(data() / pathFromNativeBytes("café.bak"), "#other\r\n");
        for (const ListedBackup& listed : listBackups(start())) {
            if (listed.fileName == pathFromNativeBytes(fileName))
                return restoreListedBackup(listed, test::sentinelEntry());
        }
        return restoreListedBackup(std::nullopt, test::sentinelEntry());
    };
    const ListedRestore nothing = restore("none");
    EXPECT_EQ(nothing.outcome, (Outcome { Outcome::Kind::Failed, "リストのインデックスが範囲を超えています (-1)" }));
    EXPECT_FALSE(nothing.entry);
    const ListedRestore lacking = restore("café.bak");
    EXPECT_EQ(lacking.outcome, Outcome::refused("「é」はShift-JISで表せないため使えません。"));
    EXPECT_FALSE(lacking.entry);

    RegistrationEntry emptied = test::sentinelEntry();
    emptied.softwareName = "";
    const ListedRestore empty = restore("X.BAK");
    EXPECT_EQ(empty.outcome, Outcome::success());
    ASSERT_TRUE(empty.entry);
    EXPECT_EQ(test::describe(*empty.entry), test::describe(emptied));

    const ListedRestore restored = restore("a.bak");
    EXPECT_EQ(restored.outcome, Outcome::success());
    ASSERT_TRUE(restored.entry);
    EXPECT_EQ(restored.entry->softwareName.str(), "a");
    EXPECT_EQ(restored.entry->authorId.str(), "author");
}

} // namespace
} // namespace tarvo
