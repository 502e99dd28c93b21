#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

// "setting.dat" in the current directory: read at start-up, written at every
// close of the window; its format is format/SettingsFile.
inline constexpr std::string_view kSettingsFileName = "setting.dat";

// Reads "setting.dat" from the current directory. Nothing when there is no such
// regular file; raises "ファイル setting.dat は開けません" when it cannot be read.
std::optional<std::string> readAuthorSetting();

// Writes "setting.dat" atomically into `folder`, the start directory where the
// next start reads it (the current directory when empty); raises "ファイル
// setting.dat を作成できません" whatever the folder.
void writeAuthorSetting(std::string_view cp932Author, const std::filesystem::path& folder = {});

} // namespace tarvo
