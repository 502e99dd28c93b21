#include "TestSupport.h"

#include "core/errors/IoError.h"
#include "core/errors/RuntimeError.h"
#include "core/files/Folders.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::sj;

TEST(Folders, ErrnoMapsOntoTheSystemsCodes)
{
    const std::vector<std::pair<int, int>> cases {
        { ENOENT, 2 },
        { ENOTDIR, 3 },
        { ENAMETOOLONG, 3 },
        { ELOOP, 3 },
        { EMFILE, 4 },
        { ENFILE, 4 },
        { EACCES, 5 },
        { EPERM, 5 },
        { ENOSPC, 101 },
        // A medium that cannot be read is "not ready", never "access denied" (EIO is 5).
        { EIO, 21 },
#ifdef ENOMEDIUM
        { ENOMEDIUM, 21 },
#endif
        // Unlisted errno values pass through unless they collide with a listed code.
        { ENOMEM, ENOMEM },
#ifdef ESTALE
        { ESTALE, ESTALE },
#endif
#ifdef __linux__
        { ENETDOWN, 21 },
        { ENETUNREACH, 21 },
        { EISCONN, 21 },
#else
        { EADDRINUSE, 21 },
        { EADDRNOTAVAIL, 21 },
        { ECONNABORTED, 21 },
#endif
        { EINTR, 21 },
    };
    for (const auto& [error, code] : cases)
        EXPECT_EQ(ioErrorCodeFromErrno(error), code) << "errno " << error;
}

std::string failureOf(const std::filesystem::path& target)
{
    return test::failureOf([&] { enterFolder(target); });
}

TEST(Folders, EnteringMovesTheCurrentDirectory)
{
    test::TemporaryFolder folder;
    std::filesystem::create_directory(folder / "sub");
    test::CurrentDirectory restore(folder.path());
    enterFolder("sub");
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(folder / "sub"));
}

TEST(Folders, FailureKeepsTheCurrentDirectory)
{
    test::TemporaryFolder folder;
    test::writeBytes(folder / "file", "x");
    test::CurrentDirectory restore(folder.path());
    const auto before = std::filesystem::current_path();

    EXPECT_EQ(failureOf(folder / "missing"), "ファイルが見つかりません");
    EXPECT_EQ(failureOf(folder / "file"), "不正なファイル名です");
    EXPECT_EQ(failureOf(""), "ファイルが見つかりません");
    EXPECT_EQ(std::filesystem::current_path(), before);
}

} // namespace
} // namespace tarvo
