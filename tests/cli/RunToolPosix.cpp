#include "RunTool.h"

#include "TestSupport.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvo {

ToolRun runTool(const std::filesystem::path& folder, const std::vector<std::string>& arguments,
    const std::filesystem::path& output, const std::vector<std::string>& runner)
{
    constexpr unsigned kSecondsAllowed = 30;
    const auto outFile = output.empty() ? folder / ".stdout" : output;
    const auto errFile = folder / ".stderr";
    std::vector<char*> argv;
    for (const auto& part : runner)
        argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(const_cast<char*>(TARVO_REGTEXT_PATH));
    for (const auto& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || ::chdir(folder.c_str()) != 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0)
            ::_exit(127);
        ::alarm(kSecondsAllowed);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ToolRun result;
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status))
        result.status = WEXITSTATUS(status);
    if (output.empty()) {
        result.out = test::readBytes(outFile);
        std::filesystem::remove(outFile);
    }
    result.err = test::readBytes(errFile);
    std::filesystem::remove(errFile);
    return result;
}

} // namespace tarvo
