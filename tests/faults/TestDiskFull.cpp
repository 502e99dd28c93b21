// A full disk while the program replaces one of its files: the write is
// refused with the file's create message, every earlier file keeps its bytes,
// and no temporary file stays behind. Once there is room again the same write
// goes through.

#include "FaultSupport.h"
#include "FaultWriters.h"

#include "core/files/FileIo.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>

namespace tarvo {
namespace {

namespace fs = std::filesystem;
using test::FaultWriter;
using test::FolderSnapshot;
using test::PrintTo;

// More than the small disks below can take, in lines as the program writes them.
const std::string& largeContent()
{
    static const std::string content = [] {
        std::string text;
        while (text.size() < 64 * 1024)
            text += test::sj("@説明の一行 line of a long description\r\n");
        return text;
    }();
    return content;
}

// The entries that differ between two snapshots, by name.
std::vector<std::string> changedEntries(const FolderSnapshot& before, const FolderSnapshot& after)
{
    std::vector<std::string> changed;
    for (const auto& [name, state] : after) {
        const auto earlier = before.find(name);
        if (earlier == before.end() || earlier->second != state)
            changed.push_back(name);
    }
    for (const auto& [name, state] : before) {
        if (!after.contains(name))
            changed.push_back(name);
    }
    return changed;
}

std::string describeChanges(const FolderSnapshot& before, const FolderSnapshot& after)
{
    std::ostringstream out;
    for (const auto& name : changedEntries(before, after))
        out << "changed: " << name << "\n";
    return out.str();
}

// Checks one refused write inside a child; returns what went wrong.
std::string refusedWithoutTrace(const FaultWriter& writer, const fs::path& folder, const std::string& bytes)
{
    const FolderSnapshot before = test::snapshotOf(folder);
    const std::string message = test::failureOf([&] { writer.write(folder, bytes); });
    std::string report;
    if (message != writer.createError(folder))
        report += "wrong message: " + message + "\n";
    return report + describeChanges(before, test::snapshotOf(folder));
}

class DiskFull : public testing::TestWithParam<FaultWriter> {
protected:
    DiskFull() { test::prepareStartFolder(folder.path()); }

    test::TemporaryFolder folder;
    test::CurrentDirectory cwd { folder.path() };
};

TEST_P(DiskFull, FullAtAnyStepOfTheAtomicWriteChangesNothing)
{
    const FaultWriter& writer = GetParam();
    const FolderSnapshot before = test::snapshotOf(folder.path());
    for (const WriteStep step : { WriteStep::CreateTemporary, WriteStep::Write, WriteStep::Flush, WriteStep::Rename }) {
        setWriteFaultHookForTesting([step](WriteStep at) { return at == step ? ENOSPC : 0; });
        const std::string message = test::failureOf([&] { writer.write(folder.path(), largeContent()); });
        setWriteFaultHookForTesting({});
        EXPECT_EQ(message, writer.createError(folder.path())) << "step " << static_cast<int>(step);
        EXPECT_EQ(changedEntries(before, test::snapshotOf(folder.path())), std::vector<std::string> {})
            << "step " << static_cast<int>(step);
    }
    writer.write(folder.path(), "#new");
    EXPECT_EQ(
        changedEntries(before, test::snapshotOf(folder.path())), std::vector<std::string> { writer.target.string() });
}

// A real limit of the system, not the seam: the file-size limit stops the write
// part way, after some bytes of the temporary file are on disk.
TEST_P(DiskFull, FileSizeLimitReachedPartWayChangesNothing)
{
    const FaultWriter& writer = GetParam();
    const fs::path root = folder.path();
    const test::ChildOutcome outcome = test::runInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { 16 * 1024, 16 * 1024 };
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return std::string("cannot set the file-size limit");
        return refusedWithoutTrace(writer, root, largeContent());
    });
    EXPECT_EQ(outcome.report, "");
}

// A real full disk: a small tmpfs of the test's own, filled up to the last byte
// or to a few pages, so that the write fails at once or part way.
TEST_P(DiskFull, FullTmpfsChangesNothingAndTheWriteSucceedsOnceThereIsRoom)
{
    const FaultWriter& writer = GetParam();
    const fs::path disk = folder / "disk";
    fs::create_directory(disk);
    for (const std::size_t leaveFree : { std::size_t { 0 }, std::size_t { 8192 } }) {
        const test::ChildOutcome outcome = test::runOnSmallTmpfs(disk, 256 * 1024, [&] {
            test::prepareStartFolder(disk);
            test::fillFileSystem(disk / "filler", leaveFree);
            if (::chdir(disk.c_str()) != 0)
                return std::string("cannot enter the tmpfs");
            std::string report = refusedWithoutTrace(writer, disk, largeContent());
            fs::remove(disk / "filler");
            const FolderSnapshot before = test::snapshotOf(disk);
            writer.write(disk, largeContent());
            if (changedEntries(before, test::snapshotOf(disk)) != std::vector<std::string> { writer.target.string() })
                report += "the write after freeing room did not replace just its file\n";
            return report;
        });
        if (outcome.skipped)
            GTEST_SKIP() << outcome.report;
        EXPECT_EQ(outcome.report, "") << "free bytes: " << leaveFree;
    }
}

INSTANTIATE_TEST_SUITE_P(Writers, DiskFull, testing::ValuesIn(test::faultWriters()),
    [](const testing::TestParamInfo<FaultWriter>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvo
