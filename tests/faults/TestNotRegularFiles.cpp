// Files that are not regular files where the program expects one, and a save
// cut short by a kill. A named pipe, a socket or a device is refused at once,
// as a folder of that name is, instead of being waited on or read without end;
// a killed save leaves no temporary file behind.

#include "FaultSupport.h"
#include "FaultWriters.h"

#include "core/backup/BackupFolder.h"
#include "core/backup/BackupList.h"
#include "core/files/FileIo.h"
#include "core/format/CatalogFile.h"
#include "core/guidance/HelpText.h"
#include "core/settings/Settings.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace tarvo {
namespace {

namespace fs = std::filesystem;
using test::FaultWriter;
using test::PrintTo;

struct NotRegularFile {
    const char* name;
    // Makes `path` a file of its kind; false when the system does not allow it.
    std::function<bool(const fs::path& path)> make;
};

bool makeSocket(const fs::path& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (fd < 0 || path.native().size() >= sizeof address.sun_path)
        return false;
    path.native().copy(address.sun_path, path.native().size());
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

const NotRegularFile kNotRegularFiles[] = {
    { "NamedPipe", [](const fs::path& path) { return ::mkfifo(path.c_str(), 0644) == 0; } },
    { "Socket", makeSocket },
    // Reading it would never end.
    { "EndlessDevice",
        [](const fs::path& path) {
            std::error_code failed;
            fs::create_symlink("/dev/zero", path, failed);
            return !failed;
        } },
};

class NotRegularFileRead : public testing::TestWithParam<NotRegularFile> {
protected:
    // Runs `body` in a child that the system stops after a while, so that a
    // read that blocks fails the test instead of hanging it.
    std::string boundedInChild(const std::function<std::string()>& body)
    {
        const test::ChildOutcome outcome = test::runInChild(body);
        return outcome.report;
    }

    test::TemporaryFolder folder;
    test::CurrentDirectory cwd { folder.path() };
};

TEST_P(NotRegularFileRead, IsRefusedAtOnceLikeAFolder)
{
    fs::create_directory(folder / "data");
    for (const char* name : { "category.dat", "setting.dat", "tarvo.dat", "data/soft.bak" })
        ASSERT_TRUE(GetParam().make(folder / name)) << name;

    EXPECT_EQ(boundedInChild([] {
        std::string report;
        const auto expect = [&report](const std::string& what, const std::string& got, const std::string& wanted) {
            if (got != wanted)
                report += what + ": " + got + "\n";
        };
        expect(
            "catalogue", test::failureOf([] { loadCatalog(kCategoryFileName); }), "ファイル category.dat は開けません");
        expect("backup", test::failureOf([] {
            RegistrationEntry entry;
            restoreBackupFile("data/soft.bak", entry);
        }),
            "ファイル data/soft.bak は開けません");
        expect("help text", test::failureOf([] { readWholeFile(kHelpFileName); }), "ファイル tarvo.dat は開けません");
        // As a folder of that name does, it counts as no settings file at all.
        if (readAuthorSetting() || readHelpText())
            report += "taken for a regular file\n";
        return report;
    }),
        "");
}

INSTANTIATE_TEST_SUITE_P(Kinds, NotRegularFileRead, testing::ValuesIn(kNotRegularFiles),
    [](const testing::TestParamInfo<NotRegularFile>& info) { return std::string(info.param.name); });

// Whether the folder can hold a file that has no name until it is complete.
bool supportsUnnamedFiles(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

class KilledSave : public testing::TestWithParam<FaultWriter> {
protected:
    KilledSave() { test::prepareStartFolder(folder.path()); }

    test::TemporaryFolder folder;
    test::CurrentDirectory cwd { folder.path() };
};

// Killed after every byte is written and before the file takes its name: the
// earlier file stays as it was and nothing else is left, hidden or not.
TEST_P(KilledSave, LeavesNoTemporaryFile)
{
    if (!supportsUnnamedFiles(folder.path()) || !supportsUnnamedFiles(folder / "data"))
        GTEST_SKIP() << "this file system names every file it holds";
    const FaultWriter& writer = GetParam();
    const test::FolderSnapshot before = test::snapshotOf(folder.path());
    for (const WriteStep killedAt : { WriteStep::Write, WriteStep::Flush, WriteStep::Rename }) {
        const test::ChildOutcome outcome = test::runInChild([&] {
            setWriteFaultHookForTesting([killedAt](WriteStep step) {
                if (step == killedAt)
                    ::raise(SIGKILL);
                return 0;
            });
            writer.write(folder.path(), std::string(256 * 1024, 'k'));
            return std::string("the save was not killed");
        });
        EXPECT_NE(outcome.report.find("ended abnormally"), std::string::npos) << outcome.report;
        EXPECT_EQ(test::snapshotOf(folder.path()), before) << "killed at step " << static_cast<int>(killedAt);
    }
}

// Killed while its temporary holds a name of its own, before that replaces the
// earlier file: the next save of the same file takes the temporary away.
TEST_P(KilledSave, TemporaryLeftBehindGoesWithTheNextSave)
{
    const FaultWriter& writer = GetParam();
    test::FolderSnapshot before = test::snapshotOf(folder.path());
    const test::ChildOutcome outcome = test::runInChild([&] {
        setWriteFaultHookForTesting([](WriteStep step) {
            if (step == WriteStep::TemporaryNamed)
                ::raise(SIGKILL);
            return 0;
        });
        writer.write(folder.path(), "killed");
        return std::string("the save was not killed");
    });
    EXPECT_NE(outcome.report.find("ended abnormally"), std::string::npos) << outcome.report;
    EXPECT_EQ(test::snapshotOf(folder.path()).size(), before.size() + 1);

    writer.write(folder.path(), "saved");
    EXPECT_NE(test::readBytes(folder.path() / writer.target).find("saved"), std::string::npos);
    test::FolderSnapshot after = test::snapshotOf(folder.path());
    after.erase(writer.target.string());
    before.erase(writer.target.string());
    EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(Writers, KilledSave, testing::ValuesIn(test::faultWriters()),
    [](const testing::TestParamInfo<FaultWriter>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvo
