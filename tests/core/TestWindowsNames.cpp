#include "TestSupport.h"

#include "core/document/TextFileOutput.h"
#include "core/files/NativePath.h"
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
};

class WindowsNames : public testing::TestWithParam<NameCase> { };

// Windows refuses these names (or quietly writes another file, or a device);
// there the save refuses them before any question, in the words used for "/".
TEST_P(WindowsNames, RefusedOnWindowsLikeASeparator)
{
    const NameCase& c = GetParam();
    EXPECT_EQ(windowsRefusesName(c.cp932), c.refusedByWindows);

    const bool refusedHere = c.refusedByWindows && !test::kLinuxFileSystem;
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
        NameCase { "Tab", "a\tb", true }, NameCase { "TrailingDot", "v1.", true },
        NameCase { "TrailingBlank", "tool ", true }, NameCase { "LeadingBlankAndDot", " .tool", false },
        // Trail bytes 0x5C and 0x7C are halves of characters, not "\" or "|".
        NameCase { "TrailByteBackslash", sj("ソフト表"), false }, NameCase { "TrailByteBar", sj("ポ"), false },
        NameCase { "FullWidthColon", sj("ａ：ｂ"), false }),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvo
