#pragma once

#include "core/Outcome.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tarvo {

// What saving the preview text says (UTF-8).
inline constexpr std::string_view kNothingToSaveMessage
    = "「ソフト名称」が記入されていないか、プレビューがありません。";
inline constexpr std::string_view kTextCreatedMessage = "テキスト文書の作成に成功しました！";
inline constexpr std::string_view kTextOverwrittenMessage = "テキスト文書を上書きしました！";
inline constexpr std::string_view kSaveCancelledMessage = "処理は中断されました！";

// "「name」は存在します。上書きしますか？" (UTF-8), the name shown without ".txt".
std::string overwriteQuestion(std::string_view cp932SoftwareName);

// SoftwareName + ".txt", relative to the current directory, the name's
// characters unchanged.
std::filesystem::path textFileName(std::string_view cp932SoftwareName);

// Replaces the file with `memoBytes` exactly as given, or leaves the earlier file
// intact. A name holding a path separator would write outside the chosen folder,
// so it is refused like a name the file system rejects: "ファイル %s を作成できません"
// with the relative file name. A name starting with "." would be a hidden file:
// "不正なファイル名です".
void writeTextFile(std::string_view cp932SoftwareName, std::string_view memoBytes);

// Asked before an existing file is replaced; true only for "はい(&Y)".
using OverwriteConfirmation = std::function<bool(const std::string& utf8Question)>;

// The whole save: created or overwritten, refused (nothing to save, or the
// author said no), or failed when the file cannot be written.
Outcome saveTextFile(
    std::string_view memoBytes, std::string_view cp932SoftwareName, const OverwriteConfirmation& confirmOverwrite);

} // namespace tarvo
