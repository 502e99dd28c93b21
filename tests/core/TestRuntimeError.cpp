#include "TestSupport.h"

#include "core/errors/RuntimeError.h"
#include "core/files/NativePath.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::sj;

struct MessageCase {
    const char* name;
    RuntimeError error;
    std::string message;
};

class RuntimeErrorMessages : public testing::TestWithParam<MessageCase> { };

TEST_P(RuntimeErrorMessages, CarriesTheSystemsExactMessage)
{
    const MessageCase& c = GetParam();
    // Windows names are characters, never bytes.
    if (std::string_view(c.name) == "NameInShiftJisBytes")
        TARVO_SKIP_UNLESS_LINUX_FILE_SYSTEM();
    EXPECT_EQ(c.error.message(), c.message);
    EXPECT_EQ(std::string(c.error.what()), c.message);
}

INSTANTIATE_TEST_SUITE_P(Messages, RuntimeErrorMessages,
    testing::Values(MessageCase { "NotAnIntegerEmpty", RuntimeError::notAnInteger(""), "'' は整数ではありません" },
        MessageCase {
            "NotAnIntegerText", RuntimeError::notAnInteger("2147483648"), "'2147483648' は整数ではありません" },
        MessageCase { "ArgumentHoldingPercentS", RuntimeError::notAnInteger("%s"), "'%s' は整数ではありません" },
        MessageCase { "CannotOpen", RuntimeError::cannotOpen(pathFromNativeBytes("データ/ソフト.bak")),
            "ファイル データ/ソフト.bak は開けません" },
        MessageCase {
            "CannotCreate", RuntimeError::cannotCreate("setting.dat"), "ファイル setting.dat を作成できません" },
        // A file name is shown by its real characters, a byte that is not UTF-8
        // as U+FFFD; nothing after it is lost.
        MessageCase { "NameCp932Lacks", RuntimeError::cannotCreate(pathFromNativeBytes("/tmp/café/data/x.bak")),
            "ファイル /tmp/café/data/x.bak を作成できません" },
        MessageCase {
            "NameInShiftJisBytes", RuntimeError::cannotOpen(sj("表.bak")), "ファイル \uFFFD\\.bak は開けません" },
        MessageCase {
            "IndexOutOfRange", RuntimeError::indexOutOfRange(-1), "リストのインデックスが範囲を超えています (-1)" },
        MessageCase { "Io2", RuntimeError::ioError(2), "ファイルが見つかりません" },
        MessageCase { "Io3", RuntimeError::ioError(3), "不正なファイル名です" },
        MessageCase { "Io4", RuntimeError::ioError(4), "オープンしたファイルが多すぎます" },
        MessageCase { "Io5", RuntimeError::ioError(5), "ファイルへのアクセスが拒否されました" },
        MessageCase { "Io101", RuntimeError::ioError(101), "ディスクがいっぱいです" },
        MessageCase { "IoOther", RuntimeError::ioError(32), "I/O エラー (32)" },
        MessageCase { "IoZero", RuntimeError::ioError(0), "I/O エラー (0)" }),
    [](const testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.name); });

struct BoxCase {
    const char* name;
    std::string message;
    std::string shown;
};

class ErrorBoxText : public testing::TestWithParam<BoxCase> { };

TEST_P(ErrorBoxText, AppendsAFullStopOnlyAfterALastByteAboveTheFullStop)
{
    EXPECT_EQ(errorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Messages, ErrorBoxText,
    testing::Values(BoxCase { "JapaneseEnding", "'' は整数ではありません", "'' は整数ではありません." },
        BoxCase { "ClosingParenthesis", "I/O エラー (32)", "I/O エラー (32)" },
        BoxCase { "IndexMessage", "リストのインデックスが範囲を超えています (3)",
            "リストのインデックスが範囲を超えています (3)" },
        BoxCase { "HalfWidthKatakanaEnding", "ｱ", "ｱ." }, BoxCase { "ReplacementCharacterEnding", "\uFFFD", "\uFFFD." },
        BoxCase { "AlreadyAFullStop", "Done.", "Done." }, BoxCase { "Hyphen", "a-", "a-" },
        BoxCase { "Slash", "a/", "a/." }, BoxCase { "Digit", "a0", "a0." }, BoxCase { "Letter", "a", "a." },
        BoxCase { "Blank", "a ", "a " }, BoxCase { "Empty", "", "" }),
    [](const testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvo
