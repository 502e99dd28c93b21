#include "RunTool.h"
#include "TestSupport.h"

#include "document/PreviewCommand.h"
#include "files/NativePath.h"
#include "text/Cp932.h"
#include "text/Lines.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

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

RegistrationEntry sharewareEntry()
{
    RegistrationEntry e;
    e.authorId = sj("山川 一郎");
    e.softwareName = sj("表計算ソフト");
    e.headline = sj("軽くて速い表計算");
    e.description = sj("一行目\r\n\r\n三行目");
    e.archiveFileName = "calc10.lzh";
    e.supportedOs = { false, true, true, false, false, false };
    e.changeHandling(sj("シェアウェア"));
    e.category = sj("ビジネス");
    e.subcategory = sj("表計算");
    e.printPermission = 1;
    e.printRefusalReason = sj("β版のため");
    e.sharewareFee = "1500";
    e.sharewareConditions = sj("試用期間は30日です。");
    e.registeredProductNumber = "SR012345";
    return e;
}

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
    RegistrationEntry entry = sharewareEntry();
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
    RegistrationEntry entry = sharewareEntry();
    const PreviewOutcome expected = runPreviewCommand(entry);
    write("表計算ソフト.bak", expected.backupText);

    const ToolRun result = run({ "render", "--utf8", nativeBytes(folder / "表計算ソフト.bak") });
    EXPECT_EQ(result.status, 0);
    std::string utf8;
    for (const auto& line : expected.previewLines())
        utf8 += utf8FromCp932(line) + "\n";
    EXPECT_EQ(result.out, utf8);
    EXPECT_NE(result.out.find("[ソフト名称] ←必須]\n表計算ソフト\n"), std::string::npos);
}

// A path of Japanese characters (表 and ソ carry 0x5C as second byte) and blanks,
// relative and absolute, names the file and gives the software name.
TEST_F(RegTextCli, RenderReadsABackupInAFolderOfJapaneseNamesWithBlanks)
{
    RegistrationEntry entry = sharewareEntry();
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
    write("x.bak.bak", backupOf(sharewareEntry()));
    const ToolRun result = run({ "render", "x.bak.bak", "--utf8" });
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("]\nx\n"), std::string::npos);
    EXPECT_EQ(result.out.find("表計算ソフト\n"), std::string::npos);
}

TEST_F(RegTextCli, RefusalWritesThePartialTextAndStatusOne)
{
    RegistrationEntry entry = sharewareEntry();
    entry.sharewareFee = "99";
    auto lines = splitLines(backupOf(sharewareEntry()));
    lines[lines.size() - 7] = "#99";
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
    auto lines = splitLines(backupOf(sharewareEntry()));
    lines[lines.size() - 7] = "#12a";
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
    auto lines = splitLines(backupOf(sharewareEntry()));
    lines[1] = "#x";
    write("calc.bak", joinLines(lines));
    const ToolRun result = run({ "render", "calc.bak" });
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, utf8Line("'x' は整数ではありません."));
}

TEST_F(RegTextCli, HandlingThatNeverMatchedStopsBeforeThePreviewIsEmptied)
{
    RegistrationEntry entry = sharewareEntry();
    entry.changeHandling(sj("フリーウェア"));
    auto lines = splitLines(backupOf(entry));
    lines[14] = sj("#フリー");
    write("calc.bak", joinLines(lines));
    const ToolRun result = run({ "render", "calc.bak" });
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, utf8Line("'' は整数ではありません."));
}

TEST_F(RegTextCli, FileWithoutLowerCaseBakIsNotRestored)
{
    write("CALC.BAK", backupOf(sharewareEntry()));
    const ToolRun result = run({ "render", "CALC.BAK" });
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(result.err.empty());
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
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
            write(name + ".bak", backupOf(sharewareEntry()));
        if (!test::kLinuxFileSystem)
            return;
        write("caf?.bak", backupOf(sharewareEntry()));
        write(sj("旧ソフト") + ".bak", backupOf(sharewareEntry()));
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
        PathCase { "NameCp932Lacks", "café.bak", 2, "", utf8Line("「é」はShift-JISで表せないため使えません。") },
        PathCase { "NameNeitherUtf8NorCp932", "x\xFF.bak", 2, "",
            utf8Line("「\uFFFD」はShift-JISで表せないため使えません。") },
        PathCase { "Missing", "nothere.bak", 2, "", utf8Line("ファイル nothere.bak は開けません.") },
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
    write("calc.bak", backupOf(sharewareEntry()));
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

} // namespace
} // namespace tarvo
