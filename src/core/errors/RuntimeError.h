#pragma once

#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace tarvo {

// A run-time failure of the system's own, carrying its exact message as a person
// reads it (UTF-8): CP932 text in it is shown by its characters, a file name by
// its real characters. Shown unchanged (apart from the full-stop rule) in the
// application error box.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(const std::string& utf8Message);

    // Every byte, a NUL among them; what() ends at the first NUL.
    const std::string& message() const noexcept { return *m_message; }
    const char* what() const noexcept override { return m_message->c_str(); }

    // `text` as a person reads it: CP932 text goes through utf8FromCp932() first.
    static RuntimeError notAnInteger(std::string_view utf8Text);
    static RuntimeError cannotOpen(const std::filesystem::path& file);
    static RuntimeError cannotCreate(const std::filesystem::path& file);
    static RuntimeError indexOutOfRange(int index);
    // A folder that cannot be entered, by the system's error code.
    static RuntimeError ioError(int code);

private:
    // Shared, so that copying an exception cannot fail.
    std::shared_ptr<const std::string> m_message;
};

// The text of the application error box: a full stop is appended when the
// message's last character sorts after ".". In UTF-8 as in CP932 that is so for
// every character beyond ASCII, so the last byte tells.
std::string errorBoxText(std::string_view utf8Message);

} // namespace tarvo
