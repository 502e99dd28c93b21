#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tarvo {

// The command-line companion: the registration text of a backup, and the fee
// statements, for scripts. Writes data to `out` and one-line diagnostics (UTF-8)
// to `err`; never writes a file.
class RegTextTool {
public:
    enum ExitStatus {
        Success = 0, // the success message, or a quote
        Refused = 1, // a validation message
        ApplicationError = 2, // a run-time failure, shown with the error box's full stop
        WrongUsage = 64,
    };

    RegTextTool(std::ostream& out, std::ostream& err);

    // `arguments` without the program name, as the system passes them (UTF-8).
    int run(const std::vector<std::string>& arguments);

    static const char* usageText();

private:
    int render(const std::vector<std::string>& arguments);
    int fees(const std::vector<std::string>& arguments);
    int wrongUsage(const std::string& reason);

    // One line on the error stream; `cp932Message` is converted to UTF-8.
    void report(const std::string& cp932Message);

    std::ostream& m_out;
    std::ostream& m_err;
};

} // namespace tarvo
