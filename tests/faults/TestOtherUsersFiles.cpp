// Run as an ordinary user, the writer replaces only what that user may write:
// another user's file in a folder the user may write keeps its bytes and its
// owner, refused with the create error of a read-only file.

#include "FaultSupport.h"

#include "TestSupport.h"

#include "files/FileIo.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kOrdinaryUser = 65534;

struct OwnerCase {
    const char* name;
    uid_t owner;
    mode_t mode;
    bool replaced;
};

const OwnerCase kOwnerCases[] = {
    { "OthersFile", 0, 0644, false },
    { "OthersFileWritableByAll", 0, 0666, true },
    { "OwnFile", kOrdinaryUser, 0644, true },
    { "OwnReadOnlyFile", kOrdinaryUser, 0444, false },
};

class OrdinaryUser : public testing::TestWithParam<OwnerCase> { };

TEST_P(OrdinaryUser, ReplacesOnlyWhatTheUserMayWrite)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can give files to two users";
    const OwnerCase& c = GetParam();
    test::TemporaryFolder root;
    const fs::path folder = root / "shared";
    const fs::path file = folder / "x.bak";
    fs::create_directory(folder);
    test::writeBytes(file, "#earlier\r\n");
    ASSERT_EQ(::chmod(root.path().c_str(), 0711), 0);
    ASSERT_EQ(::chown(folder.c_str(), kOrdinaryUser, kOrdinaryUser), 0);
    ASSERT_EQ(::chown(file.c_str(), c.owner, c.owner), 0);
    ASSERT_EQ(::chmod(file.c_str(), c.mode), 0);

    const test::ChildOutcome outcome = test::runInChild([&]() -> std::string {
        if (::setgroups(0, nullptr) != 0 || ::setresgid(kOrdinaryUser, kOrdinaryUser, kOrdinaryUser) != 0
            || ::setresuid(kOrdinaryUser, kOrdinaryUser, kOrdinaryUser) != 0)
            return "skip: cannot become an ordinary user";
        const std::string failure = test::failureOf([&] { writeFileAtomically(file, "#new\r\n"); });
        const std::string wanted = c.replaced ? "(no failure)" : "ファイル " + file.string() + " を作成できません";
        return failure == wanted ? std::string() : failure;
    });
    if (outcome.skipped)
        GTEST_SKIP() << outcome.report;
    EXPECT_EQ(outcome.report, "");
    EXPECT_EQ(test::readBytes(file), c.replaced ? "#new\r\n" : "#earlier\r\n");
    struct stat status { };
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, c.replaced ? kOrdinaryUser : c.owner);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(Owners, OrdinaryUser, testing::ValuesIn(kOwnerCases),
    [](const testing::TestParamInfo<OwnerCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvo
