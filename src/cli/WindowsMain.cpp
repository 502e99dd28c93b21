#include "cli/RegTextTool.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <iostream>
#include <windows.h>

#include <shellapi.h>

namespace {

std::string utf8FromWide(std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int length = static_cast<int>(wide.size());
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

// The command line as the system holds it, wide: argv would carry it in the
// ANSI code page, where every character outside it has become "?".
std::vector<std::string> utf8Arguments()
{
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int at = 1; wide && at < count; ++at)
        arguments.push_back(utf8FromWide(wide[at]));
    ::LocalFree(wide);
    return arguments;
}

// Unbuffered, so that every write is checked where it happens and nothing is
// left to a final flush that could fail unseen.
std::optional<std::string> writeToStandardOutput(std::string_view bytes)
{
    while (!bytes.empty()) {
        const auto chunk = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), INT_MAX));
        const int written = ::_write(_fileno(stdout), bytes.data(), chunk);
        if (written < 0)
            return std::string(std::strerror(errno));
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return std::nullopt;
}

} // namespace

int main()
{
    // The texts are CP932 with CR LF already: text mode would make that CR CR LF,
    // and would end a PAD file read from standard input at its first Ctrl+Z.
    ::_setmode(_fileno(stdin), _O_BINARY);
    ::_setmode(_fileno(stdout), _O_BINARY);
    ::_setmode(_fileno(stderr), _O_BINARY);
    // Messages are UTF-8; a console shows them so only in that code page.
    const UINT consoleCodePage = ::GetConsoleOutputCP();
    if (consoleCodePage != 0)
        ::SetConsoleOutputCP(CP_UTF8);
    const int status = tarvo::RegTextTool(writeToStandardOutput, std::cerr).run(utf8Arguments());
    if (consoleCodePage != 0)
        ::SetConsoleOutputCP(consoleCodePage);
    return status;
}
