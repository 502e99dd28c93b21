#include "core/files/Folders.h"

#include "core/errors/IoError.h"
#include "core/errors/RuntimeError.h"
#include "core/files/NativePath.h"
#include "core/files/WindowsErrors.h"

#include <windows.h>

namespace tarvo {

namespace {

struct FoundEntry {
    std::string name;
    DWORD attributes;
};

// Every entry of the folder but "." and "..", or the system's error. "*" rather
// than "*.bak": a pattern also matches the 8.3 short names.
std::vector<FoundEntry> folderEntries(const std::filesystem::path& folder, DWORD& error)
{
    std::vector<FoundEntry> entries;
    WIN32_FIND_DATAW found {};
    const std::wstring pattern = (folder / L"*").native();
    HANDLE search = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    error = ERROR_SUCCESS;
    if (search == INVALID_HANDLE_VALUE) {
        error = ::GetLastError();
        // An empty drive root has not even "." in it.
        if (error == ERROR_FILE_NOT_FOUND && ::GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES)
            error = ERROR_SUCCESS;
        return entries;
    }
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L"..")
            entries.push_back({ nativeBytes(std::filesystem::path(found.cFileName)), found.dwFileAttributes });
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return entries;
}

// Hidden by its attribute, or by a leading "." as the writer's temporaries are.
bool isHidden(const FoundEntry& entry)
{
    return entry.name.front() == '.' || (entry.attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
}

} // namespace

void enterFolder(const std::filesystem::path& folder)
{
    if (folder.empty())
        throw RuntimeError::ioError(ioCode::fileNotFound);
    if (!::SetCurrentDirectoryW(folder.c_str()))
        throw RuntimeError::ioError(ioErrorCodeFromWindowsError(::GetLastError()));
}

std::vector<std::string> subFolderNames(const std::filesystem::path& folder)
{
    DWORD error = 0;
    std::vector<std::string> names;
    for (FoundEntry& entry : folderEntries(folder, error)) {
        if (!isHidden(entry) && (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            names.push_back(std::move(entry.name));
    }
    return names;
}

std::vector<std::string> regularFileNames(
    const std::filesystem::path& folder, const std::function<bool(std::string_view)>& wanted)
{
    DWORD error = 0;
    std::vector<FoundEntry> entries = folderEntries(folder, error);
    if (error != ERROR_SUCCESS)
        throw RuntimeError::ioError(ioErrorCodeFromWindowsError(error));
    std::vector<std::string> names;
    for (FoundEntry& entry : entries) {
        constexpr DWORD kNotAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE;
        if (!isHidden(entry) && (entry.attributes & kNotAFile) == 0 && wanted(entry.name))
            names.push_back(std::move(entry.name));
    }
    return names;
}

std::filesystem::path currentFolder()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
        if (length == 0)
            throw RuntimeError::ioError(ioErrorCodeFromWindowsError(::GetLastError()));
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.resize(length);
    }
}

bool folderHolds(const std::filesystem::path& root, const std::filesystem::path& path)
{
    const std::wstring& rootText = root.native();
    const std::wstring& pathText = path.native();
    if (rootText.empty() || pathText.size() < rootText.size()
        || ::CompareStringOrdinal(rootText.data(), static_cast<int>(rootText.size()), pathText.data(),
               static_cast<int>(rootText.size()), TRUE)
            != CSTR_EQUAL)
        return false;
    return pathText.size() == rootText.size() || rootText.back() == L'\\' || pathText[rootText.size()] == L'\\';
}

bool userCanRead(const std::filesystem::path& folder)
{
    return ::GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace tarvo
