#include "RunTool.h"
#include "TestSupport.h"

#include "core/document/PreviewCommand.h"
#include "core/files/NativePath.h"
#include "core/text/Cp932.h"
#include "core/text/Lines.h"
#include "core/text/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace tarvo {
namespace {

using test::sj;

// Names in bytes that are not UTF-8, "?" and named pipes exist on Linux only.
bool needsLinuxFileSystem(std::string_view path)
{
    return !isValidUtf8(path) || path.find('?') != std::string_view::npos || path == "pipe.bak";
}

std::string utf8Line(std::string_view utf8)
{
    return std::string(utf8) + "\n";
}

using test::sampleSharewareEntry;

class RegTextCli : public testing::Test {
protected:
    // The backup bytes of an entry, as the preview command builds them.
    static std::string backupOf(RegistrationEntry entry) { return runPreviewCommand(entry).backupText; }

    std::filesystem::path write(const std::string& utf8Name, const std::string& bytes)
    {
        test::writeBytes(folder / utf8Name, bytes);
        return folder / utf8Name;
    }

    ToolRun run(const std::vector<std::string>& arguments) { return runTool(folder.path(), arguments); }

    test::TemporaryFolder folder;
};

TEST_F(RegTextCli, RenderWritesThePreviewTextAsSavingWouldAndNoBackup)
{
    RegistrationEntry entry = sampleSharewareEntry();
    const PreviewOutcome expected = runPreviewCommand(entry);
    std::filesystem::create_directory(folder / "data");
    write("表計算ソフト.bak", expected.backupText);

    const ToolRun result = run({ "render", "表計算ソフト.bak" });
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, expected.previewText);
    EXPECT_EQ(result.err, utf8Line("バックアップを取ると同時にプレビューの作成に成功しました！"));
    EXPECT_TRUE(std::filesystem::is_empty(folder / "data"));
    EXPECT_EQ(test::readBytes(folder / "表計算ソフト.bak"), expected.backupText);
}

TEST_F(RegTextCli, RenderWithUtf8WritesUtf8WithLf)
{
    RegistrationEntry entry = sampleSharewareEntry();
    const PreviewOutcome expected = runPreviewCommand(entry);
    write("表計算ソフト.bak", expected.backupText);

    const ToolRun result = run({ "render", "--utf8", nativeBytes(folder / "表計算ソフト.bak") });
    EXPECT_EQ(result.status, 0);
    std::string utf8;
    for (const auto& line : splitLines(expected.previewText))
        utf8 += utf8FromCp932(line) + "\n";
    EXPECT_EQ(result.out, utf8);
    EXPECT_NE(result.out.find("[ソフト名称] ←必須]\n表計算ソフト\n"), std::string::npos);
}

// A path of Japanese characters (表 and ソ carry 0x5C as second byte) and blanks,
// relative and absolute, names the file and gives the software name.
TEST_F(RegTextCli, RenderReadsABackupInAFolderOfJapaneseNamesWithBlanks)
{
    RegistrationEntry entry = sampleSharewareEntry();
    entry.softwareName = sj(" 表 ソフト ");
    const PreviewOutcome expected = runPreviewCommand(entry);
    std::filesystem::create_directories(folder / "登録 表ソ" / "data");
    write("登録 表ソ/data/ 表 ソフト .bak", expected.backupText);

    for (const std::string& path :
        { std::string("登録 表ソ/data/ 表 ソフト .bak"), nativeBytes(folder / "登録 表ソ/data/ 表 ソフト .bak") }) {
        const ToolRun result = run({ "render", path });
        EXPECT_EQ(result.status, 0) << path;
        EXPECT_EQ(result.out, expected.previewText) << path;
    }
}

TEST_F(RegTextCli, SoftwareNameComesFromTheFileNameNotFromTheRecord)
{
    write("x.bak.bak", backupOf(sampleSharewareEntry()));
    const ToolRun result = run({ "render", "x.bak.bak", "--utf8" });
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("]\nx\n"), std::string::npos);
    EXPECT_EQ(result.out.find("表計算ソフト\n"), std::string::npos);
}

TEST_F(RegTextCli, RefusalWritesThePartialTextAndStatusOne)
{
    RegistrationEntry entry = sampleSharewareEntry();
    entry.sharewareFee = "99";
    auto lines = splitLines(backupOf(sampleSharewareEntry()));
    *std::find(lines.begin(), lines.end(), "#1500") = "#99";
    write("calc.bak", joinLines(lines));
    entry.softwareName = "calc";
    const PreviewOutcome expected = runPreviewCommand(entry);
    ASSERT_EQ(expected.outcome.kind, Outcome::Kind::Refused);

    const ToolRun result = run({ "render", "calc.bak" });
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, expected.previewText);
    EXPECT_EQ(result.err, utf8Line("シェアウェア料金は500円以上15,000円以下でお願いします。"));
}

TEST_F(RegTextCli, RestoredFeeWithALetterShowsTheFilterMessageBeforeTheOutcome)
{
    auto lines = splitLines(backupOf(sampleSharewareEntry()));
    *std::find(lines.begin(), lines.end(), "#1500") = "#12a";
    write("calc.bak", joinLines(lines));
    const ToolRun result = run({ "render", "calc.bak" });
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err,
        utf8Line("記入欄には半角の数字しか使うことはできません！")
            + utf8Line("「シェアウェア料金」の部分が記入されていません！"));
    EXPECT_FALSE(result.out.empty());
}

TEST_F(RegTextCli, NonDigitIndexIsAnApplicationErrorWithAFullStopAndNoText)
{
    auto lines = splitLines(backupOf(sampleSharewareEntry()));
    lines[1] = "#x";
    write("calc.bak", joinLines(lines));
    const ToolRun result = run({ "render", "calc.bak" });
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, utf8Line("'x' は整数ではありません."));
}

TEST_F(RegTextCli, HandlingThatNeverMatchedStopsBeforeThePreviewIsEmptied)
{
    RegistrationEntry entry = sampleSharewareEntry();
    entry.changeHandling(sj("フリーウェア"));
    auto lines = splitLines(backupOf(entry));
    lines[14] = sj("#フリー");
    write("calc.bak", joinLines(lines));
    const ToolRun result = run({ "render", "calc.bak" });
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, utf8Line("'' は整数ではありません."));
}

// Both commands restore through one helper: one refusal, one status.
TEST_F(RegTextCli, FileWithoutLowerCaseBakIsNotRestored)
{
    write("CALC.BAK", backupOf(sampleSharewareEntry()));
    for (const std::vector<std::string>& arguments :
        { std::vector<std::string> { "render", "CALC.BAK" }, { "show", "CALC.BAK", "--json" } }) {
        const ToolRun result = run(arguments);
        EXPECT_EQ(result.status, 1) << arguments.front();
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, utf8Line("ファイル名 CALC.BAK からはソフト名が決まりません（.bak がありません）。"));
    }
}

struct PathCase {
    const char* name;
    std::string path; // as given on the command line, relative to the folder
    int status;
    std::string out; // the software name line of the text, or nothing
    std::string err;
};

class RegTextPath : public RegTextCli, public testing::WithParamInterface<PathCase> {
protected:
    void SetUp() override
    {
        // Names that CP932 would fold into one, a name in Shift-JIS bytes, a
        // named pipe and a folder whose name is not UTF-8 (these on Linux only).
        for (const std::string name : { "café", "表ソフト" })
            write(name + ".bak", backupOf(sampleSharewareEntry()));
        if (!test::kLinuxFileSystem)
            return;
        write("caf?.bak", backupOf(sampleSharewareEntry()));
        write(sj("旧ソフト") + ".bak", backupOf(sampleSharewareEntry()));
#ifndef _WIN32
        ASSERT_EQ(::mkfifo((folder / "pipe.bak").c_str(), 0644), 0);
#endif
        std::filesystem::create_directory(folder / "d\xFF");
    }
};

// The path is opened exactly as given and named as given; the software name
// comes from the base name as the load dialog takes it.
TEST_P(RegTextPath, OpensAndNamesThePathAsGiven)
{
    const PathCase& c = GetParam();
    if (needsLinuxFileSystem(c.path))
        TARVO_SKIP_UNLESS_LINUX_FILE_SYSTEM();
    const ToolRun result = run({ "render", c.path, "--utf8" });
    EXPECT_EQ(result.status, c.status);
    if (c.out.empty())
        EXPECT_EQ(result.out, "");
    else
        EXPECT_NE(result.out.find("[ソフト名称] ←必須]\n" + c.out + "\n"), std::string::npos) << result.out;
    EXPECT_EQ(result.err, c.err);
}

INSTANTIATE_TEST_SUITE_P(Paths, RegTextPath,
    testing::Values(PathCase { "QuestionMarkName", "caf?.bak", 0, "caf?",
                        utf8Line("バックアップを取ると同時にプレビューの作成に成功しました！") },
        PathCase { "ShiftJisBytesName", test::sj("旧ソフト.bak"), 0, "旧ソフト",
            utf8Line("バックアップを取ると同時にプレビューの作成に成功しました！") },
        PathCase { "NameCp932Lacks", "café.bak", 1, "", utf8Line("「é」はShift-JISで表せないため使えません。") },
        PathCase { "NameNeitherUtf8NorCp932", "x\xFF.bak", 1, "",
            utf8Line("「\uFFFD」はShift-JISで表せないため使えません。") },
        PathCase { "Missing", "nothere.bak", 2, "", utf8Line("ファイル nothere.bak は開けません.") },
        // Unlike the dialog's entry, a path that names no backup is still opened.
        PathCase { "MissingWithoutBak", "nothere.txt", 2, "", utf8Line("ファイル nothere.txt は開けません.") },
        PathCase { "MissingInAFolderThatIsNotUtf8", "d\xFF/a00.bak", 2, "",
            utf8Line("ファイル d\uFFFD/a00.bak は開けません.") },
        PathCase { "NamedPipe", "pipe.bak", 2, "", utf8Line("ファイル pipe.bak は開けません.") },
        PathCase { "Folder", "d\xFF", 2, "", utf8Line("ファイル d\uFFFD は開けません.") }),
    [](const auto& info) { return std::string(info.param.name); });

struct FullOutputCase {
    const char* name;
    std::vector<std::string> arguments;
};

class RegTextFullOutput : public RegTextCli, public testing::WithParamInterface<FullOutputCase> { };

// A write that fails is reported in place of the outcome, never as success.
TEST_P(RegTextFullOutput, ReportsThatTheOutputCannotBeWritten)
{
    write("calc.bak", backupOf(sampleSharewareEntry()));
    const ToolRun result = runTool(folder.path(), GetParam().arguments, "/dev/full");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, utf8Line("tarvo-regtext: cannot write the output: No space left on device"));
}

INSTANTIATE_TEST_SUITE_P(Commands, RegTextFullOutput,
    testing::Values(FullOutputCase { "Help", { "--help" } }, FullOutputCase { "Version", { "--version" } },
        FullOutputCase { "Fees", { "fees", "500" } }, FullOutputCase { "Render", { "render", "calc.bak" } },
        FullOutputCase { "RenderUtf8", { "render", "calc.bak", "--utf8" } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RegTextCli, FeesWritesBothStatementsInUtf8)
{
    const ToolRun result = run({ "fees", "0500" });
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
        "●利用者に請求される金額\n本体価格：500円\n　消費税：25円\n　手数料：105円\n"
        "--------------------------\n請求金額：630円\n"
        "●作者の方に支払われる金額\n本体価格：500円\n　消費税：25円\n　手数料：53円\n"
        "--------------------------\n収益金額：472円\n");
}

struct FeeMessageCase {
    const char* name;
    std::string fee;
    int status;
    std::string err;
};

using test::PrintTo;

class RegTextFees : public RegTextCli, public testing::WithParamInterface<FeeMessageCase> { };

TEST_P(RegTextFees, ReportsTheCalculatorsMessage)
{
    // A Windows command line holds characters, not bytes.
    if (!isValidUtf8(GetParam().fee))
        TARVO_SKIP_UNLESS_LINUX_FILE_SYSTEM();
    const ToolRun result = run({ "fees", GetParam().fee });
    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(Messages, RegTextFees,
    testing::Values(FeeMessageCase { "BelowRange", "499", 1,
                        utf8Line("「シェアウェア料金」は500円以上15000円以下の範囲内にして下さい。") },
        FeeMessageCase {
            "AboveRange", "15001", 1, utf8Line("「シェアウェア料金」は500円以上15000円以下の範囲内にして下さい。") },
        FeeMessageCase { "Empty", "", 1, utf8Line("「シェアウェア料金」が記入されていません！") },
        FeeMessageCase { "ElevenDigits", "12345678901", 2, utf8Line("'12345678901' は整数ではありません.") },
        FeeMessageCase { "FullWidth", "５００", 2, utf8Line("'５００' は整数ではありません.") },
        // Each byte that is not UTF-8 is one U+FFFD and takes nothing after it.
        FeeMessageCase { "InvalidByte",
            "10\xFF"
            "00",
            2, utf8Line("'10\uFFFD00' は整数ではありません.") },
        FeeMessageCase { "CharacterCp932Lacks", "5é0", 2, utf8Line("'5é0' は整数ではありません.") }),
    [](const auto& info) { return std::string(info.param.name); });

struct UsageCase {
    const char* name;
    std::vector<std::string> arguments;
};

class RegTextUsage : public RegTextCli, public testing::WithParamInterface<UsageCase> { };

TEST_P(RegTextUsage, WrongUsageExitsWith64AndTheUsageText)
{
    const ToolRun result = run(GetParam().arguments);
    EXPECT_EQ(result.status, 64);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind("tarvo-regtext: ", 0), 0u);
    EXPECT_NE(result.err.find("Usage: tarvo-regtext"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Arguments, RegTextUsage,
    testing::Values(UsageCase { "Nothing", {} }, UsageCase { "UnknownCommand", { "print" } },
        UsageCase { "RenderWithoutFile", { "render" } }, UsageCase { "RenderTwoFiles", { "render", "a.bak", "b.bak" } },
        UsageCase { "RenderUnknownOption", { "render", "a.bak", "--sjis" } },
        UsageCase { "FeesWithoutFee", { "fees" } }, UsageCase { "FeesTwoFees", { "fees", "500", "600" } },
        UsageCase { "HelpWithMore", { "--help", "fees" } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RegTextCli, HelpAndVersionGoToStandardOutput)
{
    const ToolRun help = run({ "--help" });
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: tarvo-regtext", 0), 0u);
    EXPECT_EQ(help.err, "");
    const ToolRun version = run({ "--version" });
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "tarvo-regtext " TARVO_TEST_VERSION "\n");
}

// PAD import: what a script sees, and what the data folder holds afterwards.
#define TARVO_SKIP_UNLESS_PAD_IMPORT()                                                                                 \
    if (!TARVO_PAD_IMPORT)                                                                                             \
    GTEST_SKIP() << "this build has no PAD import"

std::string padFixture(std::string_view name)
{
    return test::readBytes(std::filesystem::path(TARVO_PAD_FIXTURES) / name);
}

std::string utf16Le(std::string_view ascii, bool bigEndian = false)
{
    std::string bytes;
    for (const char c : ascii)
        bytes += bigEndian ? std::string { '\0', c } : std::string { c, '\0' };
    return bytes;
}

// "ソフト" named in UTF-16 without a byte-order mark: no UTF-8 either.
std::string utf16NamedSoft(bool bigEndian)
{
    return utf16Le("<XML_DIZ_INFO><Program_Info><Program_Name>", bigEndian)
        + (bigEndian ? "\x30\xBD\x30\xD5\x30\xC8" : "\xBD\x30\xD5\x30\xC8\x30")
        + utf16Le("</Program_Name></Program_Info></XML_DIZ_INFO>", bigEndian);
}

std::string billionLaughs()
{
    std::string entities = "<!ENTITY l0 \"lol\">";
    for (int i = 1; i < 10; ++i)
        entities += "<!ENTITY l" + std::to_string(i) + " \"" + [&] {
            std::string refs;
            for (int j = 0; j < 10; ++j)
                refs += "&l" + std::to_string(i - 1) + ";";
            return refs;
        }() + "\">";
    return "<?xml version=\"1.0\"?><!DOCTYPE XML_DIZ_INFO [" + entities + "]><XML_DIZ_INFO>&l9;</XML_DIZ_INFO>";
}

const std::string kSmallPad = "<XML_DIZ_INFO><Program_Info><Program_Name>Tool</Program_Name></Program_Info>"
                              "</XML_DIZ_INFO>";

std::string padNamed(std::string_view name)
{
    return "<XML_DIZ_INFO><Program_Info><Program_Name>" + std::string(name)
        + "</Program_Name></Program_Info></XML_DIZ_INFO>";
}

constexpr bool kLinux = test::kLinuxFileSystem;

struct ImportCase {
    const char* name;
    std::string pad; // the file's bytes
    std::vector<std::string> options;
    int status;
    std::string_view written; // the backup's name; empty when nothing may change
    std::string_view err; // part of standard error
    bool existing = false; // a backup of that name is there before
    bool readOnly = false; // the data folder has no write bits
};

class PadImportCli : public testing::TestWithParam<ImportCase> { };

TEST_P(PadImportCli, ExitsAndWritesAsItSays)
{
    TARVO_SKIP_UNLESS_PAD_IMPORT();
    const ImportCase& c = GetParam();
    // Windows keeps no read-only mark for folders.
    if (c.readOnly)
        TARVO_SKIP_UNLESS_LINUX_FILE_SYSTEM();
    const test::TemporaryFolder folder;
    const auto data = folder / "data";
    std::filesystem::create_directory(data);
    test::writeBytes(folder / "in.xml", c.pad);
    const auto written = data / pathFromNativeBytes(c.written.empty() ? "ふせんボード.bak" : c.written);
    if (c.existing)
        test::writeBytes(written, "old");
    if (c.readOnly)
        std::filesystem::permissions(data, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    const auto before = test::snapshotOf(data);
    std::vector<std::string> arguments { "import-pad", "in.xml", "--data", "data" };
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());

    const ToolRun result = runTool(folder.path(), arguments);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
    std::filesystem::permissions(data, std::filesystem::perms::owner_all);
    if (c.written.empty()) {
        EXPECT_EQ(test::snapshotOf(data), before);
        return;
    }
    EXPECT_EQ(result.out, std::string("data") + kPathSeparator + std::string(c.written) + "\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(written));
    EXPECT_NE(test::readBytes(written), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(data), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(Pad, PadImportCli,
    testing::Values(ImportCase { "JapaneseFreeware", padFixture("fusen-freeware-ja.xml"), {}, 0, "ふせんボード.bak",
                        "info description (Program_Descriptions/Japanese/Char_Desc_2000)" },
        ImportCase { "DollarShareware", padFixture("tidytabs-shareware-usd.xml"), {}, 0, "TidyTabs Organizer.bak",
            "warning shareware.fee (Program_Info/Program_Cost_Dollars)" },
        ImportCase { "YenSharewareWithTrial", padFixture("kakeibo-shareware-yen.xml"), {}, 0, "かんたん家計簿.bak",
            "info shareware.conditions" },
        ImportCase { "Pad40", padFixture("notepad-pad40.xml"), {}, 0, "Quiet Notepad.bak", "warning headline" },
        ImportCase { "Windows1252Refused", padFixture("menu-windows-1252.xml"), {}, 1, "", "error softwareName" },
        ImportCase { "Windows1252Transliterated", padFixture("menu-windows-1252.xml"), { "--transliterate" }, 0,
            "Cafe Menu.bak", "warning headline" },
        ImportCase { "CutMidCharacter", padFixture("cut-mid-character.xml"), {}, 2, "", "途中で切れて" },
        ImportCase { "ExistingKeptWithoutForce", padFixture("fusen-freeware-ja.xml"), {}, 1, "", "--force", true },
        ImportCase {
            "ForceReplaces", padFixture("fusen-freeware-ja.xml"), { "--force" }, 0, "ふせんボード.bak", "", true },
        ImportCase { "DryRunWritesNothing", padFixture("fusen-freeware-ja.xml"), { "--dry-run" }, 0, "", "" },
        ImportCase { "DryRunChecksTheExistingBackup", padFixture("fusen-freeware-ja.xml"), { "--dry-run" }, 1, "",
            "--force", true },
        ImportCase { "ReadOnlyDataFolder", kSmallPad, {}, 2, "", "を作成できません", false, true },
        ImportCase { "MissingDataFolder", kSmallPad, { "--data", "none" }, 2, "", "フォルダ none がありません" },
        ImportCase { "UnknownSetField", kSmallPad, { "--set", "colour=red" }, 64, "", "unknown field" },
        ImportCase { "SetNumberOutOfRange", kSmallPad, { "--set", "fileLocation=5" }, 64, "", "1 to 4" },
        ImportCase { "SetByTheNameFindingsGive", kSmallPad, { "--set", "shareware.fee=1,500" }, 64, "", "digits only" },
        ImportCase { "OptionWithoutValue", kSmallPad, { "--language" }, 64, "", "needs a value" },
        ImportCase { "MissingLanguageListsTheBlocks", padFixture("fusen-freeware-ja.xml"), { "--language", "French" },
            2, "",
            "error description (Program_Descriptions): 説明の言語「French」はこのファイルにありません。あるのは" },
        ImportCase { "LanguageWithoutCase", padFixture("fusen-freeware-ja.xml"), { "--language", "JAPANESE" }, 0,
            "ふせんボード.bak", "" },
        ImportCase { "BillionLaughs", billionLaughs(), {}, 2, "", "DOCTYPE" },
        ImportCase { "ExternalEntity",
            "<!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/hostname\">]><XML_DIZ_INFO>&e;</XML_DIZ_INFO>", {}, 2, "",
            "DOCTYPE" },
        ImportCase { "DeepNesting",
            "<XML_DIZ_INFO>" +
                [] {
                    std::string open, close;
                    for (int i = 0; i < 10000; ++i) {
                        open += "<a>";
                        close += "</a>";
                    }
                    return open + close;
                }()
                + "</XML_DIZ_INFO>",
            {}, 2, "", "入れ子が深すぎます" },
        ImportCase { "FiveMegabytes", "<XML_DIZ_INFO><!--" + std::string(5'000'000, 'x') + "--></XML_DIZ_INFO>", {}, 2,
            "", "大きすぎます" },
        ImportCase { "InvalidUtf8",
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<XML_DIZ_INFO>\xE9t\xE9</XML_DIZ_INFO>", {}, 2, "",
            "0xE9 があります（2 行 15 桁）" },
        ImportCase { "Utf16WithoutBom", utf16Le(kSmallPad), {}, 2, "", "--input-encoding UTF-16LE " },
        ImportCase { "Utf16LeWithoutBomNotUtf8", utf16NamedSoft(false), {}, 2, "", "--input-encoding UTF-16LE " },
        ImportCase { "Utf16BeWithoutBomNotUtf8", utf16NamedSoft(true), {}, 2, "", "--input-encoding UTF-16BE " },
        ImportCase {
            "Utf16BeAsSuggested", utf16NamedSoft(true), { "--input-encoding", "UTF-16BE" }, 0, "ソフト.bak", "" },
        ImportCase { "HeadlineLargerThanTheLoadTakes",
            "<XML_DIZ_INFO><Program_Info><Program_Name>Tool</Program_Name></Program_Info><Program_Descriptions>"
            "<English><Char_Desc_80>"
                + std::string(1'200'000, 'h') + "</Char_Desc_80></English></Program_Descriptions></XML_DIZ_INFO>",
            {}, 2, "", "「1行見出し」は大きすぎて" },
        // Named by the window's label, not the backup's row ("動作可能OSのその他").
        ImportCase { "OtherOsLargerThanTheLoadTakes",
            "<XML_DIZ_INFO><Program_Info><Program_Name>Tool</Program_Name><Program_OS_Support>" +
                [] {
                    std::string names;
                    for (int i = 0; i < 150'000; ++i)
                        names += "Q" + std::to_string(1'000'000 + i) + ",";
                    return names;
                }()
                + "</Program_OS_Support></Program_Info></XML_DIZ_INFO>",
            {}, 2, "", "「その他のOS」は大きすぎて" },
        ImportCase { "HandlingZeroIsNoItem", kSmallPad, { "--set", "handling=0" }, 2, "", "1 フリーウェア / 2 " },
        ImportCase { "HandlingElevenIsNoItem", kSmallPad, { "--set", "handling=11" }, 2, "", "10 その他" },
        ImportCase { "HandlingTextIsNoItem", kSmallPad, { "--set", "handling=abc" }, 2, "", "--set-text handling=abc" },
        ImportCase { "HandlingByItsText", kSmallPad, { "--set", "handling=シェアウェア" }, 0, "Tool.bak", "" },
        ImportCase { "HandlingAsTextOnPurpose", kSmallPad, { "--set-text", "handling=11" }, 0, "Tool.bak", "" },
        ImportCase { "Utf16DeclaredInAsciiBytes", "<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + kSmallPad, {}, 2, "",
            "UTF-16 と宣言" },
        ImportCase { "Utf16WithBomCutShort", "\xFF\xFE" + utf16Le(kSmallPad) + "<", {}, 2, "", "途中で切れて" },
        ImportCase { "C1Control",
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><XML_DIZ_INFO><Program_Info><Program_Name>\x93Q\x94"
            "</Program_Name></Program_Info></XML_DIZ_INFO>",
            {}, 2, "", "--input-encoding windows-1252" },
        ImportCase {
            "UndeclaredLatin1", "<XML_DIZ_INFO>Caf\xE9</XML_DIZ_INFO>", {}, 2, "", "--input-encoding windows-1252" },
        ImportCase { "NotAPadFile", "<html/>", {}, 2, "", "XML_DIZ_INFO" },
        // Windows' rules apply to the backup's file name: "Tool..bak" is one it stores.
        ImportCase { "NameEndingInADot", padNamed("Tool."), {}, 0, "Tool..bak", "" },
        ImportCase { "WindowsDeviceName", padNamed("aux.txt"), {}, kLinux ? 0 : 1, kLinux ? "aux.txt.bak" : "",
            kLinux ? "" : "Windows の装置名「AUX」" }));

// Python runs beside the Linux build only. Under wine the parse is left out:
// there the Windows tool's JSON is held equal to the Linux tool's, byte for
// byte, by same-output-as-linux.sh.
#ifdef _WIN32
constexpr bool kPythonAtHand = false;
#else
constexpr bool kPythonAtHand = true;
#endif

bool pythonAgrees(const std::filesystem::path& folder, const std::string& script)
{
    if (!kPythonAtHand)
        return true;
    test::writeBytes(folder / "check.py", script);
    const std::string command = "cd '" + folder.string() + "' && timeout 30 python3 check.py";
    return std::system(command.c_str()) == 0;
}

// The report's entry is what show prints for the written file, and both are
// JSON a real parser reads to the texts meant, quotes and backslashes included.
TEST_F(RegTextCli, ImportReportEntryEqualsShowOfTheWrittenBackup)
{
    TARVO_SKIP_UNLESS_PAD_IMPORT();
    std::filesystem::create_directory(folder / "data");
    write("in.xml", padFixture("kakeibo-shareware-yen.xml"));
    const ToolRun imported = runTool(folder.path(),
        { "import-pad", "in.xml", "--data", "data", "--json", "--set", "headline=say \"hi\" \\ \x01 ok" },
        folder / "report.json");
    ASSERT_EQ(imported.status, 0) << imported.err;
    const ToolRun shown = runTool(folder.path(), { "show", "data/かんたん家計簿.bak", "--json" }, folder / "show.json");
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_TRUE(pythonAgrees(folder.path(), R"(import json, sys
report = json.load(open("report.json", encoding="utf-8"))
entry = json.load(open("show.json", encoding="utf-8"))
ok = (report["entry"] == entry and report["written"] == "data/かんたん家計簿.bak"
      and entry["headline"] == 'say "hi" \\ \x01 ok' and entry["shareware"]["fee"] == "1500"
      and entry["shareware"]["conditions"] == ["試用期間は30日間です。", "試用中は印刷に透かしが入ります。"]
      and entry["handling"] == {"text": "シェアウェア", "kind": 3}
      and all(d["level"] != "error" for d in report["diagnostics"]))
sys.exit(0 if ok else 1)
)"));
}

// Run inside the data folder, a relative data folder still has the start
// folder above it: its setting.dat gives the author. A handling's number
// becomes its item.
TEST_F(RegTextCli, RelativeDataFolderFindsTheStartFolderAboveIt)
{
    TARVO_SKIP_UNLESS_PAD_IMPORT();
    std::filesystem::create_directory(folder / "data");
    write("in.xml", kSmallPad);
    write("setting.dat", test::sj("#作者番号PA000009\r\n"));
    for (const char* data : { ".", "./", "../data" }) {
        const ToolRun result = runTool(folder / "data",
            { "import-pad", "../in.xml", "--data", data, "--dry-run", "--json", "--set", "handling=2" });
        EXPECT_EQ(result.status, 0) << data << result.err;
        EXPECT_NE(result.out.find("\"authorId\": \"作者番号PA000009\""), std::string::npos) << data << result.out;
        EXPECT_NE(result.out.find("\"text\": \"フリーウェア（寄付歓迎：カンパウェア）\""), std::string::npos) << data;
    }
}

// A refused import still shows what it would have written, characters and all.
TEST_F(RegTextCli, RefusedImportReportShowsTheEntryAsRead)
{
    TARVO_SKIP_UNLESS_PAD_IMPORT();
    std::filesystem::create_directory(folder / "data");
    write("in.xml", padFixture("menu-windows-1252.xml"));
    const ToolRun result
        = runTool(folder.path(), { "import-pad", "in.xml", "--data", "data", "--json" }, folder / "report.json");
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(std::filesystem::is_empty(folder / "data"));
    EXPECT_TRUE(pythonAgrees(folder.path(), R"(import json, sys
report = json.load(open("report.json", encoding="utf-8"))
refusals = [d for d in report["diagnostics"] if d["level"] == "error"]
ok = all(d["kind"] == "unrepresentable" and "--transliterate" in d["message"] for d in refusals)
sys.exit(0 if ok and refusals and report["written"] is None and report["entry"]["softwareName"] == "Café Menu" else 1)
)"));
}

// As an ordinary user, in a folder of another user's.
TEST_F(RegTextCli, ImportIntoAReadOnlyFolderAsAnOrdinaryUserWritesNothing)
{
    TARVO_SKIP_UNLESS_PAD_IMPORT();
    TARVO_SKIP_UNLESS_LINUX_FILE_SYSTEM();
    std::filesystem::permissions(folder.path(), std::filesystem::perms(0755));
    std::filesystem::create_directory(folder / "data");
    // Write bits for its owner only: the system, not the tool, says no.
    std::filesystem::permissions(folder / "data", std::filesystem::perms(0755));
    write("in.xml", kSmallPad);
    std::filesystem::permissions(folder / "in.xml", std::filesystem::perms(0644));
    const ToolRun result = runTool(folder.path(), { "import-pad", "in.xml", "--data", "data" }, {},
        { "/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups" });
    EXPECT_EQ(result.status, 2) << result.err;
    EXPECT_NE(result.err.find("を作成できません"), std::string::npos) << result.err;
    EXPECT_TRUE(std::filesystem::is_empty(folder / "data"));
}

// A build without PAD import says so and leaves the data folder alone.
TEST_F(RegTextCli, ImportPadWithoutPadImportIsAnApplicationError)
{
    if (TARVO_PAD_IMPORT)
        GTEST_SKIP() << "this build has PAD import";
    std::filesystem::create_directory(folder / "data");
    write("in.xml", kSmallPad);
    const ToolRun result = run({ "import-pad", "in.xml", "--data", "data" });
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("import-pad のないビルド"), std::string::npos) << result.err;
    EXPECT_TRUE(std::filesystem::is_empty(folder / "data"));
}

TEST_F(RegTextCli, ShowRefusesBytesThatAreNotCp932)
{
    write("x.bak", "#a\r\n#0\r\n#\r\n#x\r\n#ok\x85\r\n");
    const ToolRun result = run({ "show", "x.bak", "--json" });
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("項目 headline の 3 バイト目"), std::string::npos) << result.err;
}

} // namespace
} // namespace tarvo
