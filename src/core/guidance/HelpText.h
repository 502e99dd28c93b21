#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

// "tarvo.dat" in the current directory: the guide to writing the registration,
// CP932 text shown as it stands on the help page. Read once at start-up; the
// program never writes it.
inline constexpr std::string_view kHelpFileName = "tarvo.dat";

// The guide's bytes. Nothing when there is no such regular file; raises
// "ファイル tarvo.dat は開けません" when it cannot be read.
std::optional<std::string> readHelpText();

} // namespace tarvo
