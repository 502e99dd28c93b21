#include "cli/RegTextTool.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <unistd.h>

namespace {

// Unbuffered, so that every write is checked where it happens and nothing is
// left to a final flush that could fail unseen.
std::optional<std::string> writeToStandardOutput(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return std::string(std::strerror(errno));
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return tarvo::RegTextTool(writeToStandardOutput, std::cerr).run(arguments);
}
