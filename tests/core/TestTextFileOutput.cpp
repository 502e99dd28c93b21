#include "TestSupport.h"

#include "core/files/NativePath.h"

#include "core/document/TextFileOutput.h"
#include "core/errors/RuntimeError.h"
#include "core/files/FileIo.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::sj;

// Records every question and answers with a fixed choice.
struct ScriptedConfirmation {
    bool answer = true;
    std::vector<std::string> questions;

    OverwriteConfirmation function()
    {
        return [this](const std::string& question) {
            questions.push_back(question);
            return answer;
        };
    }
};

class TextFileOutputTest : public ::testing::Test {
protected:
    void TearDown() override { setWriteFaultHookForTesting({}); }

    test::TemporaryFolder folder;
    test::CurrentDirectory inFolder { folder.path() };
    ScriptedConfirmation confirmation;
};

TEST_F(TextFileOutputTest, NothingToSaveWithoutTextOrName)
{
    struct Case {
        std::string memo;
        std::string name;
    };
    const std::vector<Case> cases { { "", sj("ソフト") }, { "text\r\n", "" }, { "", "" } };
    for (const Case& c : cases) {
        EXPECT_EQ(saveTextFile(c.memo, c.name, confirmation.function()),
            Outcome::refused("「ソフト名称」が記入されていないか、プレビューがありません。"));
    }
    EXPECT_TRUE(confirmation.questions.empty());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST_F(TextFileOutputTest, NewFileHoldsTheMemoBytesUnchanged)
{
    const std::vector<std::string> memos {
        sj("ソフト登録フォーム\r\n\r\n[ソフト名称]\r\n表示\r\n"), sj("最後の行に改行なし"),
        "\r\n", // a lone line break counts as text
    };
    for (const std::string& memo : memos) {
        std::filesystem::remove(folder / "x.txt");
        EXPECT_EQ(
            saveTextFile(memo, "x", confirmation.function()), Outcome::success("テキスト文書の作成に成功しました！"));
        EXPECT_EQ(test::readBytes(folder / "x.txt"), memo);
    }
    EXPECT_TRUE(confirmation.questions.empty());
}

TEST_F(TextFileOutputTest, JapaneseNameWithBackslashTrailByteIsAPlainName)
{
    // ソ and 表 end in byte 0x5C in CP932.
    const std::string name = sj("ソフト表");
    EXPECT_EQ(
        saveTextFile("a\r\n", name, confirmation.function()), Outcome::success("テキスト文書の作成に成功しました！"));
    EXPECT_EQ(test::readBytes(folder / "ソフト表.txt"), "a\r\n");
}

TEST_F(TextFileOutputTest, ExistingFileIsReplacedOnlyAfterYes)
{
    test::writeBytes(folder / "tool.txt", "old\r\n");

    confirmation.answer = false;
    EXPECT_EQ(saveTextFile("new\r\n", sj("tool"), confirmation.function()), Outcome::refused("処理は中断されました！"));
    EXPECT_EQ(test::readBytes(folder / "tool.txt"), "old\r\n");

    confirmation.answer = true;
    EXPECT_EQ(saveTextFile("new\r\n", sj("tool"), confirmation.function()),
        Outcome::success("テキスト文書を上書きしました！"));
    EXPECT_EQ(test::readBytes(folder / "tool.txt"), "new\r\n");

    const std::string question = "「tool」は存在します。上書きしますか？";
    EXPECT_EQ(confirmation.questions, (std::vector<std::string> { question, question }));
}

TEST_F(TextFileOutputTest, QuestionShowsTheJapaneseNameWithoutExtension)
{
    EXPECT_EQ(overwriteQuestion(sj("表ソフト")), "「表ソフト」は存在します。上書きしますか？");
}

TEST_F(TextFileOutputTest, FolderOfTheSameNameIsNoFileAndCannotBeReplaced)
{
    std::filesystem::create_directory(folder / "dir.txt");
    EXPECT_EQ(test::failureOf(saveTextFile("t", "dir", confirmation.function())), "ファイル dir.txt を作成できません");
    EXPECT_TRUE(confirmation.questions.empty());
    EXPECT_TRUE(std::filesystem::is_directory(folder / "dir.txt"));
}

TEST_F(TextFileOutputTest, NamesWithPathSeparatorsAreRefusedBeforeAnyQuestion)
{
    std::filesystem::create_directory(folder / "sub");
    test::writeBytes(folder / "sub" / "a.txt", "keep");
    for (const std::string& name :
        std::vector<std::string> { "sub/a", "sub\\a", "../a", "/tmp/a", std::string("a\0b", 3) }) {
        EXPECT_EQ(test::failureOf(saveTextFile("t", name, confirmation.function())),
            "ファイル " + name + ".txt を作成できません")
            << name;
        EXPECT_EQ(test::failureOf([&] { writeTextFile(name, "t"); }), "ファイル " + name + ".txt を作成できません");
    }
    EXPECT_TRUE(confirmation.questions.empty());
    EXPECT_EQ(test::readBytes(folder / "sub" / "a.txt"), "keep");
    EXPECT_FALSE(std::filesystem::exists(folder.path().parent_path() / "a.txt"));
}

TEST_F(TextFileOutputTest, NamesStartingWithADotAreRefusedBeforeAnyQuestion)
{
    for (const std::string name : { ".hidden", ".", ".." }) {
        test::writeBytes(folder / (name + ".txt"), "keep");
        // "..txt" is a name Windows stores too: hidden, like ".hidden.txt".
        const std::string refusal = "不正なファイル名です";
        EXPECT_EQ(test::failureOf(saveTextFile("t", name, confirmation.function())), refusal);
        EXPECT_EQ(test::failureOf([&] { writeTextFile(name, "t"); }), refusal);
        EXPECT_EQ(test::readBytes(folder / (name + ".txt")), "keep");
    }
    EXPECT_TRUE(confirmation.questions.empty());
}

TEST_F(TextFileOutputTest, FailedReplacementKeepsTheEarlierFile)
{
    test::writeBytes(folder / "tool.txt", "old\r\n");
    for (const WriteStep failing :
        { WriteStep::CreateTemporary, WriteStep::Write, WriteStep::Flush, WriteStep::Rename }) {
        setWriteFaultHookForTesting([failing](WriteStep step) { return step == failing ? ENOSPC : 0; });
        EXPECT_EQ(test::failureOf(saveTextFile("new contents\r\n", "tool", confirmation.function())),
            "ファイル tool.txt を作成できません");
        EXPECT_EQ(test::readBytes(folder / "tool.txt"), "old\r\n");
    }
    // Nothing but the earlier file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(TextFileOutputTest, ReadOnlyFolderCannotBeWritten)
{
    TARVO_SKIP_UNLESS_LINUX_FILE_SYSTEM();
    std::filesystem::create_directory(folder / "ro");
    std::filesystem::permissions(
        folder / "ro", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    test::CurrentDirectory inReadOnly(folder / "ro");
    EXPECT_EQ(test::failureOf(saveTextFile("t", "x", confirmation.function())), "ファイル x.txt を作成できません");
}

} // namespace
} // namespace tarvo
