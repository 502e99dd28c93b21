#include "TestSupport.h"

#include "core/files/FileIo.h"
#include "core/files/NewFile.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace tarvo {
namespace {

class NewFile : public testing::Test {
protected:
    void TearDown() override { setWriteFaultHookForTesting({}); }

    test::TemporaryFolder folder;
};

// A failure at any step of the no-replace write leaves the folder exactly as it
// was: no file, no temporary, named or not.
TEST_F(NewFile, EveryFailedStepLeavesNothing)
{
    for (const WriteStep step : { WriteStep::CreateTemporary, WriteStep::Write, WriteStep::Flush, WriteStep::Rename,
             WriteStep::TemporaryNamed }) {
        const auto before = test::snapshotOf(folder.path());
        setWriteFaultHookForTesting([step](WriteStep at) { return at == step ? ENOSPC : 0; });
        const std::string failure = test::failureOf([&] { writeNewFile(folder / "a.bak", "rows"); });
        setWriteFaultHookForTesting({});
        // Where the temporary has no name, the step never comes.
        if (failure != "(no failure)" || step != WriteStep::TemporaryNamed) {
            EXPECT_EQ(test::snapshotOf(folder.path()), before) << static_cast<int>(step);
        }
        std::filesystem::remove(folder / "a.bak");
    }
}

// Whatever has the name, a file, a folder or a dangling link, stays as it is.
TEST_F(NewFile, NeverReplacesWhatHasTheName)
{
    test::writeBytes(folder / "a.bak", "old");
    std::filesystem::create_directory(folder / "d.bak");
    if (test::kLinuxFileSystem)
        std::filesystem::create_symlink(folder / "nowhere", folder / "b.bak");
    const auto before = test::snapshotOf(folder.path());
    EXPECT_FALSE(writeNewFile(folder / "a.bak", "new"));
    EXPECT_FALSE(writeNewFile(folder / "d.bak", "new"));
    if (test::kLinuxFileSystem) {
        EXPECT_FALSE(writeNewFile(folder / "b.bak", "new"));
    }
    EXPECT_EQ(test::snapshotOf(folder.path()), before);
    EXPECT_TRUE(writeNewFile(folder / "c.bak", "new"));
    EXPECT_EQ(test::readBytes(folder / "c.bak"), "new");
}

} // namespace
} // namespace tarvo
