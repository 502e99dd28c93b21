#include "core/errors/RuntimeError.h"

#include "core/errors/IoError.h"

#include "core/text/PathText.h"

namespace tarvo {

namespace {

std::string formatted(std::string_view pattern, std::string_view utf8Argument)
{
    const auto at = pattern.find("%s");
    return std::string(pattern.substr(0, at)) + std::string(utf8Argument) + std::string(pattern.substr(at + 2));
}

} // namespace

RuntimeError::RuntimeError(const std::string& utf8Message)
    : m_message(std::make_shared<const std::string>(utf8Message))
{
}

RuntimeError RuntimeError::notAnInteger(std::string_view utf8Text)
{
    return RuntimeError(formatted("'%s' は整数ではありません", utf8Text));
}

RuntimeError RuntimeError::cannotOpen(const std::filesystem::path& file)
{
    return RuntimeError(formatted("ファイル %s は開けません", displayText(file)));
}

RuntimeError RuntimeError::cannotCreate(const std::filesystem::path& file)
{
    return RuntimeError(formatted("ファイル %s を作成できません", displayText(file)));
}

RuntimeError RuntimeError::indexOutOfRange(int index)
{
    return RuntimeError(formatted("リストのインデックスが範囲を超えています (%s)", std::to_string(index)));
}

RuntimeError RuntimeError::ioError(int code)
{
    switch (code) {
    case ioCode::fileNotFound:
        return RuntimeError("ファイルが見つかりません");
    case ioCode::invalidName:
        return RuntimeError("不正なファイル名です");
    case ioCode::tooManyOpenFiles:
        return RuntimeError("オープンしたファイルが多すぎます");
    case ioCode::accessDenied:
        return RuntimeError("ファイルへのアクセスが拒否されました");
    case ioCode::diskFull:
        return RuntimeError("ディスクがいっぱいです");
    default:
        return RuntimeError(formatted("I/O エラー (%s)", std::to_string(code)));
    }
}

std::string errorBoxText(std::string_view utf8Message)
{
    std::string text(utf8Message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

} // namespace tarvo
