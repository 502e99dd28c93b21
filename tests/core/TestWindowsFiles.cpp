#include "TestSupport.h"

#include "core/backup/BackupList.h"
#include "core/files/FileIo.h"
#include "core/files/NativePath.h"
#include "core/settings/StartDirectory.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace tarvo {
namespace {

class WindowsFiles : public testing::Test {
protected:
    WindowsFiles() { std::filesystem::create_directory(folder / "data"); }

    std::vector<std::string> listedNames() const
    {
        std::vector<std::string> names;
        for (const ListedBackup& backup : listBackups(startDirectoryFrom(folder.path())))
            names.push_back(nativeBytes(backup.fileName));
        return names;
    }

    test::TemporaryFolder folder;
};

TEST_F(WindowsFiles, HiddenAttributeHidesABackup)
{
    test::writeBytes(folder / "data" / "shown.bak", "");
    test::writeBytes(folder / "data" / "secret.bak", "");
    ASSERT_TRUE(::SetFileAttributesW((folder / "data" / "secret.bak").c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(listedNames(), std::vector<std::string> { "shown.bak" });
}

TEST_F(WindowsFiles, ReadOnlyAttributeKeepsTheFileAndAReplacementKeepsOtherAttributes)
{
    const auto target = folder / "data" / "x.bak";
    test::writeBytes(target, "#earlier\r\n");
    ASSERT_TRUE(::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(test::failureOf([&] { writeFileAtomically(target, "#later\r\n"); }),
        "ファイル " + displayText(target) + " を作成できません");
    EXPECT_EQ(test::readBytes(target), "#earlier\r\n");

    ASSERT_TRUE(::SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN));
    writeFileAtomically(target, "#later\r\n");
    EXPECT_EQ(test::readBytes(target), "#later\r\n");
    EXPECT_NE(::GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

// A program that holds the file without letting others replace it: after a
// short wait the save fails, and nothing is lost or left behind.
TEST_F(WindowsFiles, FileHeldByAnotherProgramIsKeptWhole)
{
    const auto target = folder / "data" / "held.bak";
    test::writeBytes(target, "#earlier\r\n");
    const HANDLE held
        = ::CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::string failure = test::failureOf([&] { writeFileAtomically(target, "#later\r\n"); });
    ::CloseHandle(held);
    EXPECT_EQ(failure, "ファイル " + displayText(target) + " を作成できません");
    EXPECT_EQ(test::readBytes(target), "#earlier\r\n");
    EXPECT_EQ(listedNames(), std::vector<std::string> { "held.bak" });
    std::vector<std::string> allNames;
    for (const auto& entry : std::filesystem::directory_iterator(folder / "data"))
        allNames.push_back(nativeBytes(entry.path().filename()));
    EXPECT_EQ(allNames, std::vector<std::string> { "held.bak" });
}

TEST_F(WindowsFiles, DriveRootsAndOtherDrivesKeepTheirLetter)
{
    EXPECT_EQ(nativeBytes(startDirectoryFrom("C:\\")), "C:\\");
    EXPECT_EQ(nativeBytes(startDirectoryFrom("Z:\\tmp\\\\")), "Z:\\tmp\\");
    test::CurrentDirectory onZ(std::filesystem::path("Z:\\"));
    EXPECT_EQ(nativeBytes(currentDirectory()), "Z:\\");
    EXPECT_EQ(displayText(currentDirectory() / pathFromNativeBytes("ソ表")), "Z:\\ソ表");
}

} // namespace
} // namespace tarvo
