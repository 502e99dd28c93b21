#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace tarvo {

// A run-time failure of the system's own. The message is a CP932 byte string and
// is shown unchanged (apart from the full-stop rule) in the application error box.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(const std::string& cp932Message);

    const std::string& messageCp932() const noexcept { return m_message; }

    static RuntimeError notAnInteger(std::string_view cp932Text);
    static RuntimeError cannotOpen(std::string_view cp932FileName);
    static RuntimeError cannotCreate(std::string_view cp932FileName);
    static RuntimeError indexOutOfRange(int index);
    // A folder that cannot be entered, by the system's error code.
    static RuntimeError ioError(int code);

private:
    std::string m_message;
};

// The text of the application error box: a full stop is appended when the
// message's last byte sorts after ".".
std::string errorBoxText(std::string_view cp932Message);

} // namespace tarvo
