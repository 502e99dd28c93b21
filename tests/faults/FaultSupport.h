#pragma once

#include "TestSupport.h"

#include <filesystem>
#include <functional>
#include <map>
#include <string>

namespace tarvo::test {

// What a body run in another process reports: empty for success, otherwise the
// failures it found, one a line.
struct ChildOutcome {
    bool skipped = false;
    std::string report;
};

// Runs `body` in a forked child, so that process-wide changes (limits, mounts,
// the current directory) end with it. The body returns its failures as text; a
// child that runs for longer than a minute is stopped and counts as failed.
ChildOutcome runInChild(const std::function<std::string()>& body);

// Runs `body` in a child that has its own mount table with a tmpfs of `bytes`
// mounted at `mountPoint`, which vanishes with the child. Skipped when the
// system allows neither a mount namespace nor a user namespace.
ChildOutcome runOnSmallTmpfs(
    const std::filesystem::path& mountPoint, std::size_t bytes, const std::function<std::string()>& body);

// Writes to `path` until the file system is full; then frees `leaveFree` bytes
// again by shortening the file, so that the next write fills up part way.
void fillFileSystem(const std::filesystem::path& path, std::size_t leaveFree = 0);

} // namespace tarvo::test
