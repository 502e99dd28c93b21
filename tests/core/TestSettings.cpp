#include "TestSupport.h"

#include "core/errors/RuntimeError.h"
#include "core/files/FileIo.h"
#include "core/files/NativePath.h"
#include "core/format/SettingsFile.h"
#include "core/settings/Settings.h"
#include "core/settings/StartDirectory.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tarvo {
namespace {

using test::PrintTo;
using test::sj;

struct AuthorCase {
    const char* name;
    std::string settingsText;
    std::string expected;
};

class AuthorFromSettings : public testing::TestWithParam<AuthorCase> { };

TEST_P(AuthorFromSettings, TakesTheFirstLineWithoutItsFirstCharacter)
{
    EXPECT_EQ(authorFromSettingsText(GetParam().settingsText), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, AuthorFromSettings,
    testing::Values(AuthorCase { "HashAndName", sj("#山川 一郎\r\n"), sj("山川 一郎") },
        AuthorCase { "NoHashStillLosesFirstCharacter", "Xname\r\n", "name" }, AuthorCase { "HashAlone", "#\r\n", "" },
        AuthorCase { "EmptyFile", "", "" }, AuthorCase { "EmptyFirstLine", "\r\n#later\r\n", "" },
        AuthorCase { "LaterLinesIgnored", "#a\r\n#b\r\n", "a" }, AuthorCase { "LoneLfEndsTheLine", "#a\n#b", "a" },
        AuthorCase { "NoLineBreak", "#a", "a" }, AuthorCase { "BlanksKept", "#  a  \r\n", "  a  " },
        AuthorCase { "DoubleByteFirstCharacterDroppedWhole", sj("＃名前\r\n"), sj("名前") }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Settings, TextIsHashAuthorAndCrLf)
{
    EXPECT_EQ(settingsTextFor(""), "#\r\n");
    EXPECT_EQ(settingsTextFor(" a "), "# a \r\n");
}

class SettingsFile : public testing::Test {
protected:
    test::TemporaryFolder folder;
    test::CurrentDirectory cwd { folder.path() };
};

TEST_F(SettingsFile, EmptyAuthorWritesExactlyThreeBytes)
{
    writeAuthorSetting("");
    EXPECT_EQ(test::readBytes(folder / "setting.dat"), "#\r\n");
}

TEST_F(SettingsFile, BlanksSurviveTheRoundTrip)
{
    writeAuthorSetting(sj(" 山川 "));
    EXPECT_EQ(readAuthorSetting(), sj(" 山川 "));
}

TEST_F(SettingsFile, AbsentFileOrFolderOfThatNameGivesNothing)
{
    EXPECT_EQ(readAuthorSetting(), std::nullopt);
    std::filesystem::create_directory(folder / "setting.dat");
    EXPECT_EQ(readAuthorSetting(), std::nullopt);
}

TEST_F(SettingsFile, ReadOnlyFileIsNotReplaced)
{
    test::writeBytes(folder / "setting.dat", "#old\r\n");
    std::filesystem::permissions(folder / "setting.dat", std::filesystem::perms(0444));
    EXPECT_EQ(test::failureOf([] { writeAuthorSetting("new"); }), "ファイル setting.dat を作成できません");
    EXPECT_EQ(test::readBytes(folder / "setting.dat"), "#old\r\n");
}

TEST_F(SettingsFile, FailedWriteKeepsTheEarlierFile)
{
    test::writeBytes(folder / "setting.dat", "#old\r\n");
    setWriteFaultHookForTesting([](WriteStep step) { return step == WriteStep::Write ? ENOSPC : 0; });
    EXPECT_THROW(writeAuthorSetting("new"), RuntimeError);
    setWriteFaultHookForTesting({});
    EXPECT_EQ(test::readBytes(folder / "setting.dat"), "#old\r\n");
}

struct StartDirectoryCase {
    const char* name;
    std::string directory;
    std::string expected;
};

class StartDirectoryForm : public testing::TestWithParam<StartDirectoryCase> { };

TEST_P(StartDirectoryForm, EndsInExactlyOneSeparator)
{
    const auto& c = GetParam();
    TARVO_SKIP_UNLESS_LINUX_FILE_SYSTEM();
    EXPECT_EQ(nativeBytes(startDirectoryFrom(c.directory)), c.expected);
}

// A folder name ending in a character whose last byte is the code of "\" (表
// and ソ in Shift-JIS) still gets its separator, whichever encoding it is in.
INSTANTIATE_TEST_SUITE_P(EdgeCases, StartDirectoryForm,
    testing::Values(StartDirectoryCase { "Folder", "/home/a", "/home/a/" }, StartDirectoryCase { "Root", "/", "/" },
        StartDirectoryCase { "RunOfSeparators", "/home/a//", "/home/a/" },
        StartDirectoryCase { "TrailingSoInUtf8", "/tmp/ソ", "/tmp/ソ/" },
        StartDirectoryCase { "TrailingHyouInShiftJis", sj("/tmp/表"), sj("/tmp/表/") },
        StartDirectoryCase { "NotUtf8", "/tmp/caf\xE9", "/tmp/caf\xE9/" }),
    [](const auto& info) { return std::string(info.param.name); });

// The start folder and everything built from it keep the bytes the system
// gives: no character is lost on the way, whatever the encoding.
TEST_F(SettingsFile, CurrentDirectoryIsReportedByItsOwnBytes)
{
    for (const std::string& name : { std::string("ソフト表"), std::string("café"), sj("表ソフト") }) {
        // Windows names are characters, not bytes.
        if (!test::kLinuxFileSystem && name == sj("表ソフト"))
            continue;
        const auto named = folder / name;
        std::filesystem::create_directory(named);
        test::CurrentDirectory inside(named);
        EXPECT_EQ(currentDirectory(), std::filesystem::canonical(named));
        EXPECT_EQ(
            nativeBytes(startDirectoryFrom(currentDirectory())), nativeBytes(currentDirectory()) + kPathSeparator);
    }
}

} // namespace
} // namespace tarvo
