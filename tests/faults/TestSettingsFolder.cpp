// A folder named "setting.dat" where the settings file should be: at start it
// counts as no settings file; at close the write is refused with the create
// message and the folder stays exactly as it was. Closing again in a folder
// that can take the file succeeds.

#include "FaultSupport.h"

#include "TestSupport.h"

#include "core/errors/RuntimeError.h"
#include "core/settings/Settings.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

namespace fs = std::filesystem;
using test::sj;

class SettingsFolder : public testing::Test {
protected:
    SettingsFolder()
    {
        fs::create_directories(folder / "setting.dat" / "inner");
        test::writeBytes(folder / "setting.dat" / "kept.txt", "kept\r\n");
        test::writeBytes(folder / "setting.dat" / "inner" / "setting.dat", "#inner\r\n");
    }

    test::TemporaryFolder folder;
    test::CurrentDirectory cwd { folder.path() };
};

TEST_F(SettingsFolder, ReadsAsNoSettingsFile)
{
    EXPECT_EQ(readAuthorSetting(), std::nullopt);
}

TEST_F(SettingsFolder, WriteIsRefusedAndTheFolderStaysAsItWas)
{
    const test::FolderSnapshot before = test::snapshotOf(folder.path());
    for (const std::string& author : { std::string(), sj("山川 一郎") }) {
        const std::string message = test::failureOf([&] { writeAuthorSetting(author); });
        EXPECT_EQ(message, "ファイル setting.dat を作成できません");
        EXPECT_EQ(errorBoxText(message), "ファイル setting.dat を作成できません.");
        EXPECT_EQ(test::snapshotOf(folder.path()), before);
    }
}

TEST_F(SettingsFolder, ClosingAgainInAnotherFolderSucceeds)
{
    EXPECT_THROW(writeAuthorSetting(sj("山川")), RuntimeError);
    fs::create_directory(folder / "other");
    test::CurrentDirectory chosen(folder / "other");
    writeAuthorSetting(sj("山川"));
    EXPECT_EQ(test::readBytes(folder / "other" / "setting.dat"), sj("#山川\r\n"));
    EXPECT_TRUE(fs::is_directory(folder / "setting.dat"));
}

} // namespace
} // namespace tarvo
