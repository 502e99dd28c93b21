#include "TestSupport.h"

#include "core/backup/BackupFolder.h"
#include "core/document/TextFileOutput.h"
#include "core/files/NativePath.h"
#include "core/settings/StartDirectory.h"
#include "core/text/Cp932.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::PrintTo;
using test::sj;

struct NameCase {
    const char* name;
    std::string cp932;
    bool refusedByWindows;
    bool storedWithAnExtension = false; // "name .txt", "name..bak"
};

class WindowsNames : public testing::TestWithParam<NameCase> { };

// Windows refuses these names (or quietly writes another file, or a device);
// there the save and the backup refuse the files they would make, before any
// question, with the create message.
TEST_P(WindowsNames, FilesTheNameWouldMakeAreRefusedOnWindows)
{
    const NameCase& c = GetParam();
    EXPECT_EQ(windowsRefusesName(c.cp932), c.refusedByWindows);

    const bool refusedHere = c.refusedByWindows && !c.storedWithAnExtension && !test::kLinuxFileSystem;
    test::TemporaryFolder folder;
    test::CurrentDirectory inFolder(folder.path());
    bool asked = false;
    const auto confirm = [&](const std::string&) { return asked = true; };
    const std::string failure = test::failureOf(saveTextFile("t\r\n", c.cp932, confirm));
    if (refusedHere) {
        EXPECT_EQ(failure, "ファイル " + utf8FromCp932(c.cp932) + ".txt を作成できません");
        EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    } else {
        EXPECT_EQ(failure, "(no failure)");
        EXPECT_EQ(test::readBytes(folder / (utf8FromCp932(c.cp932) + ".txt")), "t\r\n");
    }
    EXPECT_FALSE(asked);
    std::filesystem::create_directory(folder / "data");
    EXPECT_EQ(saveBackup(startDirectoryFrom(folder.path()), c.cp932, "#\r\n").succeeded(), !refusedHere);
}

INSTANTIATE_TEST_SUITE_P(Names, WindowsNames,
    testing::Values(NameCase { "Plain", "tool", false }, NameCase { "Device", "CON", true },
        NameCase { "DeviceAnyCase", "nul", true }, NameCase { "DeviceWithExtension", "aux.backup", true },
        NameCase { "DeviceBlankBeforeDot", "PRN .x", true }, NameCase { "NumberedPort", "com7", true },
        NameCase { "NumberedPrinter", "LPT9.txt", true }, NameCase { "PortZeroIsAName", "COM0", false },
        NameCase { "PortTenIsAName", "COM10", false }, NameCase { "DeviceWithinAName", "CONSOLE", false },
        NameCase { "DeviceAfterADot", "x.CON", false }, NameCase { "Less", "a<b", true },
        NameCase { "Greater", "a>b", true }, NameCase { "Colon", "c:x", true }, NameCase { "Quote", "a\"b", true },
        NameCase { "Bar", "a|b", true }, NameCase { "Question", "why?", true }, NameCase { "Star", "a*", true },
        NameCase { "Tab", "a\tb", true }, NameCase { "TrailingDot", "v1.", true, true },
        NameCase { "TrailingBlank", "tool ", true, true }, NameCase { "LeadingBlankAndDot", " .tool", false },
        // Trail bytes 0x5C and 0x7C are halves of characters, not "\" or "|".
        NameCase { "TrailByteBackslash", sj("ソフト表"), false }, NameCase { "TrailByteBar", sj("ポ"), false },
        NameCase { "FullWidthColon", sj("ａ：ｂ"), false }),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

// What the import says of a name whose backup Windows would refuse.
TEST(WindowsNames, ImportSaysWhy)
{
    const std::pair<std::string, std::string> cases[] = {
        { "a/b", "ソフト名に「/」「\\」（「¥」を含む）があるため、バックアップのファイル名にできません。" },
        { "aux.txt", "ソフト名は Windows の装置名「AUX」と見なされるため、バックアップのファイル名にできません。" },
        { "con ", "ソフト名は Windows の装置名「CON」と見なされるため、バックアップのファイル名にできません。" },
        { "a:b", "ソフト名の「:」は Windows のファイル名に使えない文字のため、バックアップのファイル名にできません。" },
        { "a\tb",
            "ソフト名の「U+0009」は Windows のファイル名に使えない文字のため、バックアップのファイル名にできません。" },
        { "tool ", "" },
    };
    for (const auto& [name, message] : cases)
        EXPECT_EQ(
            backupNameFaultMessage(fileNameFault(name, ".bak")), test::kLinuxFileSystem && name != "a/b" ? "" : message)
            << name;
}

} // namespace
} // namespace tarvo
