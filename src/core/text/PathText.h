#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvo {

// A path as the bytes the program handles, and back: the system's own bytes
// where paths are narrow, UTF-8 where they are wide (Windows). Every conversion
// between a path and a narrow text goes through these two.
std::string nativeBytes(const std::filesystem::path& path);
std::filesystem::path pathFromNativeBytes(std::string_view bytes);

// The path as a person reads it (UTF-8): its characters, each byte that is not
// valid UTF-8 shown as U+FFFD.
std::string displayText(const std::filesystem::path& path);
// Never a narrow text: made a path on the way, Windows would read it in its
// ANSI code page. Native names go through pathFromNativeBytes() first.
template <typename Text> std::string displayText(const Text&) = delete;

} // namespace tarvo
