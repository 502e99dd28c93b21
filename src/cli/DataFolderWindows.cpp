#include "cli/DataFolder.h"

#include <windows.h>

#include <string>

namespace tarvo {

namespace fs = std::filesystem;

std::optional<fs::path> defaultDataFolder()
{
    std::wstring program(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
        if (length == 0)
            return std::nullopt;
        if (length < program.size()) {
            program.resize(length);
            return fs::path(program).parent_path() / L"data";
        }
        program.resize(program.size() * 2);
    }
}

const std::string_view kNoDefaultDataFolder
    = "データフォルダが決まりません。このプログラムのフォルダが分かりません。--data で指定して下さい";

} // namespace tarvo
