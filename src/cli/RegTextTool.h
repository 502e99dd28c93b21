#pragma once

#include "core/Outcome.h"
#include "core/backup/BackupList.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// The command-line companion: the registration text of a backup, and the fee
// statements, for scripts. Writes data to `out` and one-line diagnostics (UTF-8)
// to `err`. Only import-pad writes a file: one backup in the data folder.
class RegTextTool {
public:
    enum ExitStatus {
        Success = 0, // the success message, or a quote
        Refused = 1, // a validation message
        ApplicationError = 2, // a run-time failure, shown with the error box's full stop
        WrongUsage = 64,
    };

    // Writes all of the bytes to the standard output; on failure returns the
    // system's reason.
    using Output = std::function<std::optional<std::string>(std::string_view bytes)>;

    RegTextTool(Output out, std::ostream& err);

    // `arguments` without the program name, as the system passes them: bytes,
    // UTF-8 by convention.
    int run(const std::vector<std::string>& arguments);

    static const char* usageText();

private:
    int render(const std::vector<std::string>& arguments);
    int fees(const std::vector<std::string>& arguments);
    int importPad(const std::vector<std::string>& arguments);
    int show(const std::vector<std::string>& arguments);
    int wrongUsage(const std::string& reason);

    // The backup at the path as given, restored as the window's "load" would;
    // nothing once the reason is reported, with `status` the exit status.
    std::optional<ListedRestore> restoreNamedBackup(const std::string& path, int& status);

    // False after reporting "cannot write the output" on the error stream.
    bool write(std::string_view bytes);
    // The outcome's message as the window would show it, and its exit status.
    int report(const Outcome& outcome);
    // One line on the error stream.
    void reportLine(const std::string& utf8Message);

    Output m_out;
    std::ostream& m_err;
};

} // namespace tarvo
