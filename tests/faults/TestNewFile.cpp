#include "FaultSupport.h"
#include "TestSupport.h"

#include "core/files/NewFile.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace tarvo {
namespace {

// A failure at any step of the no-replace write leaves the folder exactly as it
// was: no file, no temporary, named or not.
TEST(NewFileFaults, EveryFailedStepLeavesNothing)
{
    for (const NewFileStep step :
        { NewFileStep::CreateTemporary, NewFileStep::Write, NewFileStep::Flush, NewFileStep::Link }) {
        const test::TemporaryFolder folder;
        const auto before = test::snapshotOf(folder.path());
        const auto fault = [step](NewFileStep at) { return at == step ? ENOSPC : 0; };
        EXPECT_NE(test::failureOf([&] { writeNewFile(folder / "a.bak", "rows", fault); }), "(no failure)");
        EXPECT_EQ(test::snapshotOf(folder.path()), before) << static_cast<int>(step);
    }
}

// Whatever has the name, a file or a dangling link, stays as it is.
TEST(NewFileFaults, NeverReplacesWhatHasTheName)
{
    const test::TemporaryFolder folder;
    test::writeBytes(folder / "a.bak", "old");
    std::filesystem::create_symlink(folder / "nowhere", folder / "b.bak");
    const auto before = test::snapshotOf(folder.path());
    EXPECT_FALSE(writeNewFile(folder / "a.bak", "new"));
    EXPECT_FALSE(writeNewFile(folder / "b.bak", "new"));
    EXPECT_EQ(test::snapshotOf(folder.path()), before);
    EXPECT_TRUE(writeNewFile(folder / "c.bak", "new"));
    EXPECT_EQ(test::readBytes(folder / "c.bak"), "new");
}

} // namespace
} // namespace tarvo
