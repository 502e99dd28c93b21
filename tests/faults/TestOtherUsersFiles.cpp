// Run as an ordinary user, the writer replaces only what that user may write:
// another user's file in a folder the user may write keeps its bytes and its
// owner, refused with the create error of a read-only file.

#include "FaultSupport.h"

#include "TestSupport.h"

#include "core/files/FileIo.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo {
namespace {

constexpr uid_t kOrdinaryUser = 65534;

struct OwnerCase {
    const char* name;
    uid_t owner;
    mode_t mode;
    bool replaced;
};

class OrdinaryUser : public testing::TestWithParam<OwnerCase> { };

TEST_P(OrdinaryUser, ReplacesOnlyWhatTheUserMayWrite)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser can give files to two users";
    const OwnerCase& c = GetParam();
    test::TemporaryFolder root;
    const std::filesystem::path file = root / "x.bak";
    test::writeBytes(file, "#earlier\r\n");
    ASSERT_EQ(::chown(root.path().c_str(), kOrdinaryUser, kOrdinaryUser) | ::chown(file.c_str(), c.owner, c.owner)
            | ::chmod(file.c_str(), c.mode),
        0);

    const test::ChildOutcome outcome = test::runInChild([&]() -> std::string {
        if (::setgroups(0, nullptr) != 0 || ::setresgid(kOrdinaryUser, kOrdinaryUser, kOrdinaryUser) != 0
            || ::setresuid(kOrdinaryUser, kOrdinaryUser, kOrdinaryUser) != 0)
            return "skip: cannot become an ordinary user";
        return test::failureOf([&] { writeFileAtomically(file, "#new\r\n"); });
    });
    if (outcome.skipped)
        GTEST_SKIP() << outcome.report;
    EXPECT_EQ(outcome.report, c.replaced ? "(no failure)" : "ファイル " + file.string() + " を作成できません");
    EXPECT_EQ(test::readBytes(file), c.replaced ? "#new\r\n" : "#earlier\r\n");
    struct stat status { };
    ::stat(file.c_str(), &status);
    EXPECT_EQ(status.st_uid, c.replaced ? kOrdinaryUser : c.owner);
}

INSTANTIATE_TEST_SUITE_P(Owners, OrdinaryUser,
    testing::Values(OwnerCase { "OthersFile", 0, 0644, false }, OwnerCase { "OthersFileWritableByAll", 0, 0666, true },
        OwnerCase { "OwnFile", kOrdinaryUser, 0644, true },
        OwnerCase { "OwnReadOnlyFile", kOrdinaryUser, 0444, false }),
    [](const testing::TestParamInfo<OwnerCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvo
