// The program started in a folder whose name holds characters of every kind:
// Japanese (among them 表 and ソ, whose second Shift-JIS byte is the code of
// "\") with blanks, characters CP932 lacks (é, ü, an emoji), and Shift-JIS bytes
// that are not UTF-8. The start directory, the backup folder, the backup list,
// the restore, the settings file, the catalogue and the saved text all work
// there as anywhere else: the folder's bytes are used as they are.

#include "FaultSupport.h"

#include "TestSupport.h"

#include "core/backup/BackupFolder.h"
#include "core/backup/BackupList.h"
#include "core/document/PreviewCommand.h"
#include "core/document/TextFileOutput.h"
#include "core/files/NativePath.h"
#include "core/format/CatalogFile.h"
#include "core/settings/Settings.h"
#include "core/settings/StartDirectory.h"
#include "core/text/Cp932.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

namespace fs = std::filesystem;
using test::sj;

RegistrationEntry sharewareEntry(std::string_view cp932Name)
{
    RegistrationEntry e;
    e.authorId = sj(" 山川 一郎 ");
    e.softwareName = cp932Name;
    e.headline = sj("表計算 ソフト");
    e.description = sj("一行目\r\n\r\n三行目\r\n");
    e.archiveFileName = "calc 10.lzh";
    e.changeHandling(sj("シェアウェア"));
    e.category = sj("ビジネス");
    e.subcategory = sj("表計算");
    e.sharewareFee = "1500";
    e.registeredProductNumber = "SR012345";
    return e;
}

struct FolderName {
    const char* name;
    std::string native;
};

class StartFolderName : public testing::TestWithParam<FolderName> {
protected:
    StartFolderName()
    {
        fs::create_directories(start / "data");
        cwd = std::make_unique<test::CurrentDirectory>(start);
    }

    test::TemporaryFolder folder;
    const fs::path start = folder / GetParam().native;
    std::unique_ptr<test::CurrentDirectory> cwd;
};

TEST_P(StartFolderName, StartDirectoryKeepsTheFoldersBytes)
{
    const fs::path reported = currentDirectory();
    EXPECT_EQ(reported, fs::canonical(start));
    EXPECT_EQ(startDirectoryFrom(reported).native(), reported.native() + "/");
    EXPECT_EQ(backupFolder(startDirectoryFrom(reported)).native(), reported.native() + "/data/");
    EXPECT_EQ(displayText(reported).find('?'), std::string::npos);
}

TEST_P(StartFolderName, BackupIsWrittenListedAndRestored)
{
    const fs::path startDirectory = startDirectoryFrom(currentDirectory());
    const std::string name = sj(" 同期 ツール 表 ");
    RegistrationEntry written = sharewareEntry(name);
    const PreviewOutcome first = runPreviewCommand(written);
    ASSERT_FALSE(first.backupText.empty());
    writeBackup(startDirectory, name, first.backupText);

    EXPECT_EQ(test::readBytes(start / "data" / " 同期 ツール 表 .bak"), first.backupText);
    const std::vector<ListedBackup> listed = listBackups(startDirectory);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed.front().softwareName.cp932, name);

    RegistrationEntry restored;
    restored.softwareName = *listed.front().softwareName.cp932;
    restoreBackupFile(listed.front().file, restored);
    EXPECT_EQ(restored.authorId, written.authorId);
    EXPECT_EQ(restored.description, written.description);
    const PreviewOutcome again = runPreviewCommand(restored);
    EXPECT_EQ(again.previewText, first.previewText);
    EXPECT_EQ(again.backupText, first.backupText);
}

// A failure names the folder by its real characters.
TEST_P(StartFolderName, FailureNamesTheFolderAsItIs)
{
    fs::remove(start / "data");
    EXPECT_EQ(test::failureOf([&] { writeBackup(startDirectoryFrom(currentDirectory()), "x", "#\r\n"); }),
        "ファイル " + displayText(fs::canonical(start)) + "/data/x.bak を作成できません");
    EXPECT_FALSE(fs::exists(start / "data"));
}

TEST_P(StartFolderName, SettingsCatalogueAndTextFileRoundTrip)
{
    writeAuthorSetting(sj(" 山川 一郎 "));
    EXPECT_EQ(readAuthorSetting(), sj(" 山川 一郎 "));
    EXPECT_EQ(test::readBytes(start / "setting.dat"), sj("# 山川 一郎 \r\n"));

    test::writeBytes(start / "category.dat", sj("#ビジネス\r\n表計算\r\n"));
    EXPECT_EQ(
        loadCatalog(kCategoryFileName).subcategoriesFor(sj("ビジネス")), std::vector<std::string> { sj("表計算") });

    const std::string text = sj("登録文書\r\n");
    EXPECT_EQ(saveTextFile(text, sj(" 同期 ツール 表 "), [](const std::string&) { return false; }),
        Outcome::success("テキスト文書の作成に成功しました！"));
    EXPECT_EQ(test::readBytes(start / " 同期 ツール 表 .txt"), text);
}

INSTANTIATE_TEST_SUITE_P(Names, StartFolderName,
    testing::Values(FolderName { "Japanese", " タルヴォ 登録 表ソ 能 " },
        FolderName { "CharactersCp932Lacks", "café José ü 😀" }, FolderName { "ShiftJisBytes", test::sj("表ソフト") }),
    [](const testing::TestParamInfo<FolderName>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvo
