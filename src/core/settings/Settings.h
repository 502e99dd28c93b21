#pragma once

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

// Writes "setting.dat" into the current directory atomically; raises
// "ファイル setting.dat を作成できません".
void writeAuthorSetting(std::string_view cp932Author);

} // namespace tarvo
