#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tarvo {

// The fixed texts of saving the preview text (CP932).
struct TextOutputTexts {
    std::string nothingToSave;
    std::string created;
    std::string overwritten;
    std::string cancelled;
    std::string confirmTitle;
};

const TextOutputTexts& textOutputTexts();

// "「name」は存在します。上書きしますか？", the name shown without ".txt".
std::string overwriteQuestion(std::string_view cp932SoftwareName);

// SoftwareName + ".txt", relative to the current directory, the name's
// characters unchanged.
std::filesystem::path textFileName(std::string_view cp932SoftwareName);

// True only for an existing regular file; a folder of that name does not count.
bool textFileExists(std::string_view cp932SoftwareName);

// Replaces the file with `memoBytes` exactly as given, or leaves the earlier file
// intact. A name holding a path separator would write outside the chosen folder,
// so it is refused like a name the file system rejects: "ファイル %s を作成できません"
// with the relative file name.
void writeTextFile(std::string_view cp932SoftwareName, std::string_view memoBytes);

// Asked before an existing file is replaced; true only for "はい(&Y)".
using OverwriteConfirmation = std::function<bool(const std::string& cp932Question)>;

// The whole save: returns the message to show afterwards (nothing to save,
// created, overwritten or cancelled). A file that cannot be written raises
// RuntimeError, with no message to show besides the error box.
std::string saveTextFile(
    std::string_view memoBytes, std::string_view cp932SoftwareName, const OverwriteConfirmation& confirmOverwrite);

} // namespace tarvo
