#include "TestSupport.h"

#include "core/files/FileIo.h"
#include "core/files/NewFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

namespace tarvo {
namespace {

class NewFile : public testing::Test {
protected:
    void TearDown() override
    {
        setWriteFaultHookForTesting({});
        setUnnamedTemporariesForTesting(true);
    }

    test::TemporaryFolder folder;
};

// A failure at any step of the no-replace write leaves the folder exactly as it
// was: no file, no temporary, named or not, on a file system with unnamed files
// and on one without.
TEST_F(NewFile, EveryFailedStepLeavesNothing)
{
    for (const bool unnamed : { true, false }) {
        setUnnamedTemporariesForTesting(unnamed);
        for (const WriteStep step : { WriteStep::CreateTemporary, WriteStep::Write, WriteStep::Flush, WriteStep::Rename,
                 WriteStep::TemporaryNamed }) {
            const auto before = test::snapshotOf(folder.path());
            setWriteFaultHookForTesting([step](WriteStep at) { return at == step ? ENOSPC : 0; });
            const std::string failure = test::failureOf([&] { writeNewFile(folder / "a.bak", "rows"); });
            setWriteFaultHookForTesting({});
            // Where the temporary has no name, the step never comes.
            if (failure != "(no failure)" || step != WriteStep::TemporaryNamed) {
                EXPECT_EQ(test::snapshotOf(folder.path()), before) << static_cast<int>(step) << unnamed;
            }
            std::filesystem::remove(folder / "a.bak");
        }
    }
}

// A write killed while its temporary has a name (always so on Windows; on
// Linux where the file system has no unnamed files) leaves that temporary
// behind; the next import or save of the same name, either writer, takes it away.
TEST_F(NewFile, TemporaryOfAKilledWriteGoesWithTheNextOfThatName)
{
    struct Killed { };
    const auto importing = [&](std::string_view bytes) { writeNewFile(folder / "a.bak", bytes); };
    const auto saving = [&](std::string_view bytes) { writeFileAtomically(folder / "a.bak", bytes); };
    const std::function<void(std::string_view)> importOrSave[] { importing, saving };
    for (const auto& killed : importOrSave) {
        for (const auto& next : importOrSave) {
            setUnnamedTemporariesForTesting(false);
            setWriteFaultHookForTesting([](WriteStep step) {
                if (step == WriteStep::TemporaryNamed)
                    throw Killed {}; // as a kill leaves it: the temporary stays, its lock goes
                return 0;
            });
            EXPECT_THROW(killed("killed"), Killed);
            setWriteFaultHookForTesting({});
            setUnnamedTemporariesForTesting(true);
            ASSERT_EQ(test::snapshotOf(folder.path()).size(), 1U);
            next("next");
            EXPECT_EQ(test::snapshotOf(folder.path()).size(), 1U);
            EXPECT_EQ(test::readBytes(folder / "a.bak"), "next");
            std::filesystem::remove(folder / "a.bak");
        }
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
