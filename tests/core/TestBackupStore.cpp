#include "BackupRecords.h"

#include "settings/StartDirectory.h"
#include "text/FileIo.h"
#include "text/NativePath.h"
#include "text/RuntimeError.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tarvo {
namespace {

using test::sj;

class BackupFolder : public testing::Test {
protected:
    BackupFolder() { std::filesystem::create_directory(data()); }

    std::filesystem::path data() const { return folder / "data"; }
    std::string start() const { return startDirectoryFrom(cp932FromNativePath(folder.path())); }

    std::string createError(std::string_view name) const
    {
        return sj("ファイル ") + backupPath(start(), name) + sj(" を作成できません");
    }

    void expectCreateError(std::string_view name, std::string_view bytes = "#x\r\n")
    {
        try {
            writeBackup(start(), name, bytes);
            FAIL() << "no error";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.messageCp932(), createError(name));
        }
    }

    test::TemporaryFolder folder;
};

TEST_F(BackupFolder, PathIsStartDirectoryDataNameAndExtension)
{
    EXPECT_EQ(backupFolder("/opt/tarvo/"), "/opt/tarvo/data/");
    EXPECT_EQ(backupPath("/opt/tarvo/", sj(" ソフト ")), sj("/opt/tarvo/data/ ソフト .bak"));
    EXPECT_EQ(backupPath("/", "x"), "/data/x.bak");
}

TEST_F(BackupFolder, WritesTheBytesAndReplacesWithoutAsking)
{
    writeBackup(start(), sj("ソフト"), "#first\r\n");
    EXPECT_EQ(test::readBytes(data() / "ソフト.bak"), "#first\r\n");
    writeBackup(start(), sj("ソフト"), "#second\r\n");
    EXPECT_EQ(test::readBytes(data() / "ソフト.bak"), "#second\r\n");
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
    EXPECT_EQ(listBackupFiles(start()), std::vector<std::string> { "x.bak" });
}

TEST_F(BackupFolder, ReadOnlyFileOrFolderKeepsTheEarlierFile)
{
    writeBackup(start(), "x", "#earlier\r\n");
    ::chmod((data() / "x.bak").c_str(), 0444);
    expectCreateError("x", "#later\r\n");
    ::chmod((data() / "x.bak").c_str(), 0644);
    ::chmod(data().c_str(), 0555);
    expectCreateError("x", "#later\r\n");
    ::chmod(data().c_str(), 0755);
    EXPECT_EQ(test::readBytes(data() / "x.bak"), "#earlier\r\n");
}

TEST_F(BackupFolder, RestoreFileReadsTheBackupOfTheSoftwareName)
{
    writeBackup(start(), "x", joinLines(test::fullRows()));
    RegistrationEntry entry;
    entry.softwareName = "x";
    restoreBackupFile(start(), entry);
    EXPECT_EQ(entry.registeredProductNumber.str(), "SR01234");
    EXPECT_EQ(entry.softwareName.str(), "x");
}

TEST_F(BackupFolder, RestoreFileOfAMissingBackupNamesTheFullPath)
{
    RegistrationEntry entry = test::sentinelEntry();
    entry.softwareName = "gone";
    try {
        restoreBackupFile(start(), entry);
        FAIL() << "no error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.messageCp932(), sj("ファイル ") + start() + sj("data/gone.bak は開けません"));
    }
    entry.softwareName = "chosen";
    EXPECT_EQ(test::describe(entry), test::describe(test::sentinelEntry()));
}

TEST_F(BackupFolder, EmptySoftwareNameReadsNoFile)
{
    test::writeBytes(data() / ".bak", joinLines(test::fullRows()));
    RegistrationEntry entry = test::sentinelEntry();
    entry.softwareName = "";
    restoreBackupFile(start(), entry);
    EXPECT_EQ(entry.authorId.str(), "old-author");
}

TEST_F(BackupFolder, ListHoldsRegularVisibleBakFilesSortedIgnoringCase)
{
    for (const char* name : { "b.bak", "a.bak", "C.BAK", "B.bak", "A2.Bak", "c.txt", ".hidden.bak", "bak", ".bak",
             "x.bak.txt", "ソフト.bak" })
        test::writeBytes(data() / name, "");
    std::filesystem::create_directory(data() / "folder.bak");
    EXPECT_EQ(listBackupFiles(start()),
        (std::vector<std::string> { "a.bak", "A2.Bak", "B.bak", "b.bak", "C.BAK", sj("ソフト.bak") }));
}

TEST_F(BackupFolder, EmptyFolderGivesAnEmptyList)
{
    EXPECT_TRUE(listBackupFiles(start()).empty());
}

TEST_F(BackupFolder, ListOfAMissingFolderRaisesTheIoError)
{
    std::filesystem::remove(data());
    try {
        listBackupFiles(start());
        FAIL() << "no error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.messageCp932(), sj("ファイルが見つかりません"));
    }
    test::writeBytes(data(), "");
    EXPECT_THROW(listBackupFiles(start()), RuntimeError);
}

TEST(BackupList, DialogEntryIsTheNameUpToTheFirstLowerCaseBak)
{
    const std::vector<std::pair<std::string, std::string>> cases {
        { "a.bak", "a" },
        { "B.bak", "B" },
        { "X.BAK", "" },
        { "x.bak.bak", "x" },
        { "A2.Bak", "" },
        { sj("ソフト.bak"), sj("ソフト") },
        { ".bak", "" },
        { "a.bakery.bak", "a" },
    };
    for (const auto& [name, entry] : cases)
        EXPECT_EQ(dialogEntryFor(name), entry) << name;
}

} // namespace
} // namespace tarvo
