#include "text/RuntimeError.h"

#include "text/Cp932.h"

namespace tarvo {

namespace {

std::string formatted(std::string_view utf8Pattern, std::string_view cp932Argument)
{
    const std::string pattern = cp932FromUtf8(utf8Pattern);
    const auto at = pattern.find("%s");
    return pattern.substr(0, at) + std::string(cp932Argument) + pattern.substr(at + 2);
}

} // namespace

RuntimeError::RuntimeError(const std::string& cp932Message)
    : std::runtime_error(cp932Message)
    , m_message(cp932Message)
{
}

RuntimeError RuntimeError::notAnInteger(std::string_view cp932Text)
{
    return RuntimeError(formatted("'%s' は整数ではありません", cp932Text));
}

RuntimeError RuntimeError::cannotOpen(std::string_view cp932FileName)
{
    return RuntimeError(formatted("ファイル %s は開けません", cp932FileName));
}

RuntimeError RuntimeError::cannotCreate(std::string_view cp932FileName)
{
    return RuntimeError(formatted("ファイル %s を作成できません", cp932FileName));
}

RuntimeError RuntimeError::indexOutOfRange(int index)
{
    return RuntimeError(formatted("リストのインデックスが範囲を超えています (%s)", std::to_string(index)));
}

RuntimeError RuntimeError::ioError(int code)
{
    switch (code) {
    case 2: return RuntimeError(cp932FromUtf8("ファイルが見つかりません"));
    case 3: return RuntimeError(cp932FromUtf8("不正なファイル名です"));
    case 4: return RuntimeError(cp932FromUtf8("オープンしたファイルが多すぎます"));
    case 5: return RuntimeError(cp932FromUtf8("ファイルへのアクセスが拒否されました"));
    case 100: return RuntimeError(cp932FromUtf8("ファイルの末尾以降を読み込みました"));
    case 101: return RuntimeError(cp932FromUtf8("ディスクがいっぱいです"));
    case 106: return RuntimeError(cp932FromUtf8("入力値が数値ではありません"));
    default: return RuntimeError(formatted("I/O エラー (%s)", std::to_string(code)));
    }
}

std::string errorBoxText(std::string_view cp932Message)
{
    std::string text(cp932Message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

} // namespace tarvo
