#include "RunTool.h"

#include "TestSupport.h"
#include "core/files/NativePath.h"

#include <windows.h>

namespace tarvo {

namespace {

// One argument quoted as the C run time splits a command line again.
std::wstring quoted(const std::wstring& argument)
{
    std::wstring text = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        text.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        text += c;
    }
    text.append(2 * backslashes, L'\\');
    return text + L"\"";
}

HANDLE inheritableFile(const std::filesystem::path& path)
{
    SECURITY_ATTRIBUTES inherit { sizeof inherit, nullptr, TRUE };
    return ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
}

} // namespace

ToolRun runTool(const std::filesystem::path& folder, const std::vector<std::string>& arguments,
    const std::filesystem::path& output, const std::vector<std::string>& runner)
{
    constexpr DWORD kMillisecondsAllowed = 30000;
    if (!runner.empty())
        return {};
    const auto outFile = output.empty() ? folder / ".stdout" : output;
    const auto errFile = folder / ".stderr";
    const std::filesystem::path tool = pathFromNativeBytes(TARVO_REGTEXT_PATH);
    std::wstring commandLine = quoted(tool.native());
    for (const auto& argument : arguments)
        commandLine += L" " + quoted(pathFromNativeBytes(argument).native());

    ToolRun result;
    // Under wine a start may fail now and then before the tool runs (a stream
    // file just removed is still held): nothing ran, so it is tried again.
    DWORD startError = 0;
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (attempt > 0)
            ::Sleep(200);
        const HANDLE out = inheritableFile(outFile);
        const HANDLE err = inheritableFile(errFile);
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = INVALID_HANDLE_VALUE;
        startup.hStdOutput = out;
        startup.hStdError = err;
        PROCESS_INFORMATION process {};
        const bool started = out != INVALID_HANDLE_VALUE && err != INVALID_HANDLE_VALUE
            && ::CreateProcessW(tool.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, folder.c_str(),
                &startup, &process);
        startError = started ? 0 : ::GetLastError();
        if (started) {
            DWORD status = 0;
            if (const DWORD waited = ::WaitForSingleObject(process.hProcess, kMillisecondsAllowed);
                waited != WAIT_OBJECT_0) {
                ::TerminateProcess(process.hProcess, 127);
                startError = waited == WAIT_FAILED ? ::GetLastError() : WAIT_TIMEOUT;
            } else if (::GetExitCodeProcess(process.hProcess, &status))
                result.status = static_cast<int>(status);
            ::CloseHandle(process.hThread);
            ::CloseHandle(process.hProcess);
        }
        if (out != INVALID_HANDLE_VALUE)
            ::CloseHandle(out);
        if (err != INVALID_HANDLE_VALUE)
            ::CloseHandle(err);
        if (started)
            break;
    }
    if (output.empty()) {
        result.out = test::readBytes(outFile);
        std::filesystem::remove(outFile);
    }
    result.err = test::readBytes(errFile);
    std::filesystem::remove(errFile);
    if (startError != 0)
        result.err += "(the tool did not run to its end: Windows error " + std::to_string(startError) + ")";
    return result;
}

} // namespace tarvo
