#include "TestSupport.h"

#include "text/RuntimeError.h"

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
    EXPECT_EQ(c.error.messageCp932(), c.message);
    EXPECT_EQ(std::string(c.error.what()), c.message);
}

INSTANTIATE_TEST_SUITE_P(Messages, RuntimeErrorMessages,
    testing::Values(MessageCase { "NotAnIntegerEmpty", RuntimeError::notAnInteger(""), sj("'' は整数ではありません") },
        MessageCase {
            "NotAnIntegerText", RuntimeError::notAnInteger("2147483648"), sj("'2147483648' は整数ではありません") },
        // The argument is CP932 already and must not be converted a second time.
        MessageCase { "NotAnIntegerCp932", RuntimeError::notAnInteger(sj("５")), sj("'５' は整数ではありません") },
        MessageCase { "ArgumentHoldingPercentS", RuntimeError::notAnInteger("%s"), sj("'%s' は整数ではありません") },
        MessageCase { "CannotOpen", RuntimeError::cannotOpen(sj("データ/ソフト.bak")),
            sj("ファイル データ/ソフト.bak は開けません") },
        MessageCase {
            "CannotCreate", RuntimeError::cannotCreate("setting.dat"), sj("ファイル setting.dat を作成できません") },
        MessageCase {
            "IndexOutOfRange", RuntimeError::indexOutOfRange(-1), sj("リストのインデックスが範囲を超えています (-1)") },
        MessageCase { "Io2", RuntimeError::ioError(2), sj("ファイルが見つかりません") },
        MessageCase { "Io3", RuntimeError::ioError(3), sj("不正なファイル名です") },
        MessageCase { "Io4", RuntimeError::ioError(4), sj("オープンしたファイルが多すぎます") },
        MessageCase { "Io5", RuntimeError::ioError(5), sj("ファイルへのアクセスが拒否されました") },
        MessageCase { "Io100", RuntimeError::ioError(100), sj("ファイルの末尾以降を読み込みました") },
        MessageCase { "Io101", RuntimeError::ioError(101), sj("ディスクがいっぱいです") },
        MessageCase { "Io106", RuntimeError::ioError(106), sj("入力値が数値ではありません") },
        MessageCase { "IoOther", RuntimeError::ioError(32), sj("I/O エラー (32)") },
        MessageCase { "IoZero", RuntimeError::ioError(0), sj("I/O エラー (0)") }),
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
    testing::Values(BoxCase { "JapaneseEnding", sj("'' は整数ではありません"), sj("'' は整数ではありません.") },
        BoxCase { "ClosingParenthesis", sj("I/O エラー (32)"), sj("I/O エラー (32)") },
        BoxCase { "IndexMessage", sj("リストのインデックスが範囲を超えています (3)"),
            sj("リストのインデックスが範囲を超えています (3)") },
        BoxCase { "AlreadyAFullStop", "Done.", "Done." }, BoxCase { "Hyphen", "a-", "a-" },
        BoxCase { "Slash", "a/", "a/." }, BoxCase { "Digit", "a0", "a0." }, BoxCase { "Letter", "a", "a." },
        BoxCase { "Blank", "a ", "a " }, BoxCase { "Empty", "", "" }),
    [](const testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvo
