#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarvo {

// A run-time failure of the system's own, carrying its exact message as a person
// reads it (UTF-8): CP932 text in it is shown by its characters, a file name by
// its real characters. Shown unchanged (apart from the full-stop rule) in the
// application error box.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(const std::string& utf8Message);

    const std::string& message() const noexcept { return m_message; }

    // `text` as a person reads it: CP932 text goes through utf8FromCp932() first.
    static RuntimeError notAnInteger(std::string_view utf8Text);
    static RuntimeError cannotOpen(const std::filesystem::path& file);
    static RuntimeError cannotCreate(const std::filesystem::path& file);
    static RuntimeError indexOutOfRange(int index);
    // A folder that cannot be entered, by the system's error code.
    static RuntimeError ioError(int code);

private:
    std::string m_message;
};

// The text of the application error box: a full stop is appended when the
// message's last character sorts after ".". In UTF-8 as in CP932 that is so for
// every character beyond ASCII, so the last byte tells.
std::string errorBoxText(std::string_view utf8Message);

} // namespace tarvo
