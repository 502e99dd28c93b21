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
    bool refusedByWindows; // as a name of its own
    std::string refusal; // on Windows, of the files the name makes ("name.bak", "name.txt")
};

std::string device(const char* name)
{
    return std::string("ソフト名は Windows の装置名「") + name
        + "」と見なされるため、バックアップのファイル名にできません。";
}

std::string character(const char* shown)
{
    return std::string("ソフト名の「") + shown
        + "」は Windows のファイル名に使えない文字のため、バックアップのファイル名にできません。";
}

class WindowsNames : public testing::TestWithParam<NameCase> { };

// Windows refuses these names (or quietly writes another file, or a device).
// What counts is the file a name makes: "tool .txt" is stored, "CON .txt" is the
// console. The import says why; the save refuses before any question, with the
// create message.
TEST_P(WindowsNames, FilesTheNameMakesFollowWindowsRules)
{
    const NameCase& c = GetParam();
    EXPECT_EQ(windowsRefusesName(c.cp932), c.refusedByWindows);
    const std::string refusal = test::kLinuxFileSystem ? std::string() : c.refusal;
    EXPECT_EQ(backupNameFaultMessage(fileNameFault(c.cp932, ".bak")), refusal);

    test::TemporaryFolder folder;
    test::CurrentDirectory inFolder(folder.path());
    bool asked = false;
    const auto confirm = [&](const std::string&) { return asked = true; };
    const std::string failure = test::failureOf(saveTextFile("t\r\n", c.cp932, confirm));
    if (!refusal.empty()) {
        EXPECT_EQ(failure, "ファイル " + utf8FromCp932(c.cp932) + ".txt を作成できません");
        EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    } else {
        EXPECT_EQ(failure, "(no failure)");
        EXPECT_EQ(test::readBytes(folder / (utf8FromCp932(c.cp932) + ".txt")), "t\r\n");
    }
    EXPECT_FALSE(asked);
    std::filesystem::create_directory(folder / "data");
    EXPECT_EQ(saveBackup(startDirectoryFrom(folder.path()), c.cp932, "#\r\n").succeeded(), refusal.empty());
}

INSTANTIATE_TEST_SUITE_P(Names, WindowsNames,
    testing::Values(NameCase { "Plain", "tool", false, "" }, NameCase { "Device", "CON", true, device("CON") },
        NameCase { "DeviceAnyCase", "nul", true, device("NUL") },
        NameCase { "DeviceWithExtension", "aux.backup", true, device("AUX") },
        NameCase { "DeviceBlankBeforeDot", "PRN .x", true, device("PRN") },
        NameCase { "DeviceTrailingBlank", "con ", true, device("CON") },
        NameCase { "NumberedPort", "com7", true, device("COM7") },
        NameCase { "NumberedPrinter", "LPT9.txt", true, device("LPT9") },
        NameCase { "PortZeroIsAName", "COM0", false, "" }, NameCase { "PortTenIsAName", "COM10", false, "" },
        NameCase { "DeviceWithinAName", "CONSOLE", false, "" }, NameCase { "DeviceAfterADot", "x.CON", false, "" },
        NameCase { "Less", "a<b", true, character("<") }, NameCase { "Greater", "a>b", true, character(">") },
        NameCase { "Colon", "c:x", true, character(":") }, NameCase { "Quote", "a\"b", true, character("\"") },
        NameCase { "Bar", "a|b", true, character("|") }, NameCase { "Question", "why?", true, character("?") },
        NameCase { "Star", "a*", true, character("*") }, NameCase { "Tab", "a\tb", true, character("U+0009") },
        NameCase { "TrailingDot", "v1.", true, "" }, NameCase { "TrailingBlank", "tool ", true, "" },
        NameCase { "LeadingBlankAndDot", " .tool", false, "" },
        // Trail bytes 0x5C and 0x7C are halves of characters, not "\" or "|".
        NameCase { "TrailByteBackslash", sj("ソフト表"), false, "" }, NameCase { "TrailByteBar", sj("ポ"), false, "" },
        NameCase { "FullWidthColon", sj("ａ：ｂ"), false, "" }),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvo
