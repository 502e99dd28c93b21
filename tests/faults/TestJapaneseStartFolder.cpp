// The program started in a folder whose path holds Japanese characters (among
// them 表 and ソ, whose second byte is the code of "\") and blanks: the start
// directory, the backup folder, the backup list, the restore, the settings file,
// the catalogue and the saved text all work there as anywhere else.

#include "FaultSupport.h"

#include "TestSupport.h"

#include "backup/BackupStore.h"
#include "catalog/CategoryCatalog.h"
#include "document/PreviewCommand.h"
#include "document/TextFileOutput.h"
#include "settings/Settings.h"
#include "settings/StartDirectory.h"
#include "text/Cp932.h"
#include "text/NativePath.h"

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

class JapaneseStartFolder : public testing::Test {
protected:
    JapaneseStartFolder()
    {
        fs::create_directories(start / "data");
        cwd = std::make_unique<test::CurrentDirectory>(start);
    }

    test::TemporaryFolder folder;
    const fs::path start = folder / " タルヴォ 登録 表ソ 能 ";
    std::unique_ptr<test::CurrentDirectory> cwd;
};

TEST_F(JapaneseStartFolder, StartDirectoryEndsInExactlyOneSeparator)
{
    const std::string reported = currentDirectoryCp932();
    EXPECT_EQ(reported, cp932FromNativePath(fs::canonical(start)));
    EXPECT_EQ(startDirectoryFrom(reported), reported + "/");
    EXPECT_EQ(backupFolder(startDirectoryFrom(reported)), reported + "/data/");
}

TEST_F(JapaneseStartFolder, BackupIsWrittenListedAndRestored)
{
    const std::string startDirectory = startDirectoryFrom(currentDirectoryCp932());
    const std::string name = sj(" 同期 ツール 表 ");
    RegistrationEntry written = sharewareEntry(name);
    const PreviewOutcome first = runPreviewCommand(written);
    ASSERT_TRUE(first.writeBackup);
    writeBackup(startDirectory, name, first.backupText);

    EXPECT_EQ(test::readBytes(start / "data" / " 同期 ツール 表 .bak"), first.backupText);
    const std::vector<std::string> listed = listBackupFiles(startDirectory);
    ASSERT_EQ(listed, std::vector<std::string> { name + ".bak" });

    RegistrationEntry restored;
    restored.softwareName = dialogEntryFor(listed.front());
    restoreBackupFile(startDirectory, restored);
    EXPECT_EQ(restored.authorId, written.authorId);
    EXPECT_EQ(restored.description, written.description);
    const PreviewOutcome again = runPreviewCommand(restored);
    EXPECT_EQ(again.previewText, first.previewText);
    EXPECT_EQ(again.backupText, first.backupText);
}

TEST_F(JapaneseStartFolder, SettingsCatalogueAndTextFileRoundTrip)
{
    writeAuthorSetting(sj(" 山川 一郎 "));
    EXPECT_EQ(readAuthorSetting(), sj(" 山川 一郎 "));
    EXPECT_EQ(test::readBytes(start / "setting.dat"), sj("# 山川 一郎 \r\n"));

    test::writeBytes(start / "category.dat", sj("#ビジネス\r\n表計算\r\n"));
    EXPECT_EQ(CategoryCatalog::load(kCategoryFileName).subcategoriesFor(sj("ビジネス")),
        std::vector<std::string> { sj("表計算") });

    const std::string text = sj("登録文書\r\n");
    EXPECT_EQ(saveTextFile(text, sj(" 同期 ツール 表 "), [](const std::string&) { return false; }),
        textOutputTexts().created);
    EXPECT_EQ(test::readBytes(start / " 同期 ツール 表 .txt"), text);
}

} // namespace
} // namespace tarvo
