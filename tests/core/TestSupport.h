#pragma once

#include "core/Outcome.h"

#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace tarvo {
struct RegistrationEntry;
}

namespace tarvo::test {

// What only the Linux build's file system gives the tests: named pipes,
// symbolic links, mode bits, read-only folders, names in any bytes.
inline constexpr bool kLinuxFileSystem = std::is_same_v<std::filesystem::path::value_type, char>;
#define TARVO_SKIP_UNLESS_LINUX_FILE_SYSTEM()                                                                          \
    if (!tarvo::test::kLinuxFileSystem)                                                                                \
    GTEST_SKIP() << "needs the Linux file system"

// CP932 bytes of a UTF-8 literal, so that expectations read as the texts they are.
std::string sj(std::string_view utf8);

// A fresh folder under the system's temporary folder, removed with the object.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The name in UTF-8 (or the system's bytes where paths are narrow).
    std::filesystem::path operator/(std::string_view name) const;

private:
    std::filesystem::path m_path;
};

// The process's current directory for the lifetime of the object.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::filesystem::path& path);
    ~CurrentDirectory();

private:
    std::filesystem::path m_previous;
};

// Prints a named test case by its name instead of its bytes; a test file brings it
// in with `using test::PrintTo;` beside its case structs.
template <typename Case>
requires requires(const Case& c)
{
    std::string_view(c.name);
}
void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

// Runs `action` and returns the message of the RuntimeError it raises (UTF-8, as
// the box shows it before the full stop), or "(no failure)".
std::string failureOf(const std::function<void()>& action);
// The message of a failed outcome, or "(no failure)".
std::string failureOf(const Outcome& outcome);

// A shareware entry with every field filled in and every follow-up field shown
// but the web refusal reason; the core, command-line and fuzz tests share it.
RegistrationEntry sampleSharewareEntry();

// Every field of the entry as one labelled text each, so that two entries compare
// with a readable difference.
std::vector<std::string> describe(const RegistrationEntry& entry);

std::string readBytes(const std::filesystem::path& path);

// Everything under a folder, hidden files included: each entry's kind, mode and
// content (bytes of a file, target of a link). Two snapshots are equal only when
// no file changed and no file came or went.
using FolderSnapshot = std::map<std::string, std::string>;
FolderSnapshot snapshotOf(const std::filesystem::path& root);
void writeBytes(const std::filesystem::path& path, std::string_view bytes);

} // namespace tarvo::test

namespace tarvo {

inline void PrintTo(const Outcome& outcome, std::ostream* out)
{
    static const char* const kinds[] = { "success", "refused", "failed" };
    *out << kinds[static_cast<int>(outcome.kind)] << " \"" << outcome.message << "\"";
}

} // namespace tarvo
