#include "TestSupport.h"

#include "core/files/NativePath.h"

#include "core/errors/RuntimeError.h"
#include "core/files/FileIo.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utility>

namespace tarvo {
namespace {

namespace fs = std::filesystem;
using test::sj;

const std::string kEarlierBytes = "#earlier\r\n@\x82\xA0\r\n";
const std::string kNewBytes = "#new\r\n#\r\n";

std::vector<std::string> namesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

unsigned modeOf(const fs::path& path)
{
    return static_cast<unsigned>(fs::status(path).permissions()) & 07777;
}

class FileIo : public testing::Test {
protected:
    void TearDown() override { setWriteFaultHookForTesting({}); }

    test::TemporaryFolder folder;
};

// Reading

TEST_F(FileIo, ReadsEveryByteAsItIs)
{
    const std::string bytes = std::string("a\r\nb\rc\n\0\xFF", 9) + std::string(200000, '\x82');
    test::writeBytes(folder / "in.txt", bytes);
    EXPECT_EQ(readWholeFile((folder / "in.txt").string()), bytes);
}

TEST_F(FileIo, ReadsAnEmptyFile)
{
    test::writeBytes(folder / "empty.txt", "");
    EXPECT_EQ(readWholeFile((folder / "empty.txt").string()), "");
}

// A name is used as the bytes it is: UTF-8, Shift-JIS from an old disk, or a
// character CP932 lacks; each opens its own file and no other.
TEST_F(FileIo, ReadsEachFileByItsOwnNativeName)
{
    // Windows names are characters, and "?" is not one of them.
    const std::vector<std::string> names = test::kLinuxFileSystem
        ? std::vector<std::string> { "テスト.txt", sj("テスト.txt"), "café.txt", "caf?.txt", "a\xFF.txt" }
        : std::vector<std::string> { "テスト.txt", "café.txt", "ソ表.txt" };
    for (const std::string& name : names)
        test::writeBytes(folder / name, "content of " + name);
    test::CurrentDirectory here(folder.path());
    for (const std::string& name : names)
        EXPECT_EQ(readWholeFile(pathFromNativeBytes(name)), "content of " + name) << name;
}

struct UnreadableCase {
    const char* name;
    std::string utf8Name; // relative to the test folder
};

class FileIoUnreadable : public FileIo, public testing::WithParamInterface<UnreadableCase> { };

TEST_P(FileIoUnreadable, RaisesCannotOpenWithTheNameAsPassed)
{
    fs::create_directory(folder / "sub");
    test::writeBytes(folder / "plain", "x");
    test::CurrentDirectory here(folder.path());
    const std::string& name = GetParam().utf8Name;
    EXPECT_EQ(test::failureOf([&] { readWholeFile(pathFromNativeBytes(name)); }),
        "ファイル " + GetParam().utf8Name + " は開けません");
}

INSTANTIATE_TEST_SUITE_P(Names, FileIoUnreadable,
    testing::Values(UnreadableCase { "MissingFile", "category.dat" },
        UnreadableCase { "MissingCp932Name", "データ.bak" }, UnreadableCase { "MissingFolder", "data/ソフト.bak" },
        UnreadableCase { "Folder", "sub" }, UnreadableCase { "FileAsFolder", "plain/x.bak" },
        UnreadableCase { "DotRelative", "./nothing.txt" }),
    [](const testing::TestParamInfo<UnreadableCase>& info) { return std::string(info.param.name); });

TEST_F(FileIo, RegularFileExistsOnlyForRegularFiles)
{
    fs::create_directory(folder / "sub");
    test::writeBytes(folder / "plain", "x");
    EXPECT_TRUE(regularFileExists((folder / "plain").string()));
    EXPECT_FALSE(regularFileExists((folder / "sub").string()));
    EXPECT_FALSE(regularFileExists((folder / "missing").string()));
}

// Writing

TEST_F(FileIo, WritesANewFileWithTheDefaultMode)
{
    const fs::path target = folder / "new.bak";
    writeFileAtomically(target.string(), kNewBytes);
    EXPECT_EQ(test::readBytes(target), kNewBytes);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(modeOf(target), 0666 & ~mask);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string> { "new.bak" });
}

TEST_F(FileIo, WritesAnEmptyFile)
{
    writeFileAtomically((folder / "empty.txt").string(), "");
    EXPECT_EQ(test::readBytes(folder / "empty.txt"), "");
}

TEST_F(FileIo, ReplacesAnEarlierFileAndKeepsItsMode)
{
    TARVO_SKIP_UNLESS_LINUX_FILE_SYSTEM();
    const fs::path target = folder / "soft.bak";
    test::writeBytes(target, kEarlierBytes + std::string(100000, 'z'));
    fs::permissions(target, fs::perms(0640));
    writeFileAtomically(target.string(), kNewBytes);
    EXPECT_EQ(test::readBytes(target), kNewBytes);
    EXPECT_EQ(modeOf(target), 0640u);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string> { "soft.bak" });
}

TEST_F(FileIo, WritesARelativeNameIntoTheCurrentDirectory)
{
    test::CurrentDirectory here(folder.path());
    writeFileAtomically(pathFromNativeBytes("テストソフト.txt"), kNewBytes);
    EXPECT_EQ(test::readBytes(folder / "テストソフト.txt"), kNewBytes);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string> { "テストソフト.txt" });
}

TEST_F(FileIo, WritesALargeFileWhole)
{
    std::string bytes;
    for (int i = 0; i < 200000; ++i)
        bytes += "@\x82\xA0line " + std::to_string(i) + "\r\n";
    writeFileAtomically((folder / "large.bak").string(), bytes);
    EXPECT_EQ(test::readBytes(folder / "large.bak"), bytes);
}

struct LinkCase {
    const char* name;
    // Makes data/link.bak a link (maybe through others); returns where the
    // write must land, relative to the test folder.
    std::function<fs::path(const fs::path& root)> link;
};

class FileIoThroughLink : public FileIo, public testing::WithParamInterface<LinkCase> { };

// As QSaveFile does: the file at the end of the link is replaced, the link
// stays a link, and no temporary file is left on either side.
TEST_P(FileIoThroughLink, ReplacesTheFileAtTheEndAndKeepsTheLink)
{
    TARVO_SKIP_UNLESS_LINUX_FILE_SYSTEM();
    fs::create_directory(folder / "data");
    fs::create_directory(folder / "elsewhere");
    const fs::path landsOn = GetParam().link(folder.path());
    const auto linksBefore = namesIn(folder / "data");
    const fs::path linkTarget = fs::read_symlink(folder / "data" / "link.bak");

    writeFileAtomically(folder / "data" / "link.bak", kNewBytes);

    EXPECT_EQ(test::readBytes(folder.path() / landsOn), kNewBytes);
    EXPECT_TRUE(fs::is_symlink(folder / "data" / "link.bak"));
    EXPECT_EQ(fs::read_symlink(folder / "data" / "link.bak"), linkTarget);
    EXPECT_EQ(namesIn(folder / "data"), linksBefore);
    EXPECT_EQ(namesIn(folder / "elsewhere"), std::vector<std::string> { landsOn.filename().string() });
}

INSTANTIATE_TEST_SUITE_P(Links, FileIoThroughLink,
    testing::Values(LinkCase { "RelativeLinkToAFile",
                        [](const fs::path& root) {
                            test::writeBytes(root / "elsewhere" / "real.bak", kEarlierBytes);
                            fs::create_symlink("../elsewhere/real.bak", root / "data" / "link.bak");
                            return fs::path("elsewhere/real.bak");
                        } },
        LinkCase { "AbsoluteLinkToAFile",
            [](const fs::path& root) {
                test::writeBytes(root / "elsewhere" / "real.bak", kEarlierBytes);
                fs::create_symlink(root / "elsewhere" / "real.bak", root / "data" / "link.bak");
                return fs::path("elsewhere/real.bak");
            } },
        LinkCase { "LinkToANameNotThereYet",
            [](const fs::path& root) {
                fs::create_symlink("../elsewhere/new.bak", root / "data" / "link.bak");
                return fs::path("elsewhere/new.bak");
            } },
        LinkCase { "ChainOfLinks",
            [](const fs::path& root) {
                test::writeBytes(root / "elsewhere" / "real.bak", kEarlierBytes);
                fs::create_symlink(root / "elsewhere" / "real.bak", root / "data" / "middle.bak");
                fs::create_symlink("middle.bak", root / "data" / "link.bak");
                return fs::path("elsewhere/real.bak");
            } }),
    [](const testing::TestParamInfo<LinkCase>& info) { return std::string(info.param.name); });

// The temporary's name must fit where the file's does.
TEST_F(FileIo, EveryNameTheFileSystemHoldsCanBeReplaced)
{
    for (const std::size_t length : { 250, 255 }) {
        const fs::path file = folder / std::string(length, 'n');
        writeFileAtomically(file, kEarlierBytes);
        writeFileAtomically(file, kNewBytes);
        EXPECT_EQ(test::readBytes(file), kNewBytes);
        EXPECT_EQ(namesIn(folder.path()), std::vector<std::string> { nativeBytes(file.filename()) });
        fs::remove(file);
    }
}

// Another save of the same file, run while this one's temporary holds a name,
// leaves that temporary alone; both end, the later rename last.
TEST_F(FileIo, RunningSaveKeepsItsTemporaryFromAnotherSave)
{
    const fs::path file = folder / "x.bak";
    test::writeBytes(file, kEarlierBytes);
    bool nested = false;
    std::string nestedFailure;
    setWriteFaultHookForTesting([&](WriteStep step) {
        if (step == WriteStep::TemporaryNamed && !std::exchange(nested, true))
            nestedFailure = test::failureOf([&] { writeFileAtomically(file, kNewBytes); });
        return 0;
    });
    const std::string failure = test::failureOf([&] { writeFileAtomically(file, "#first\r\n"); });
    EXPECT_EQ(nestedFailure, "(no failure)");
    if (test::kLinuxFileSystem) {
        EXPECT_EQ(failure, "(no failure)");
        EXPECT_EQ(test::readBytes(file), "#first\r\n");
    } else {
        // Windows closes the temporary before it takes the file's name, so the
        // other save takes it for one a killed save left: the running save says
        // it failed, and the file holds what was written.
        EXPECT_EQ(failure, "ファイル " + displayText(file) + " を作成できません");
        EXPECT_EQ(test::readBytes(file), kNewBytes);
    }
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string> { "x.bak" });
}

TEST_F(FileIo, AsksTheFaultHookAtEveryStepInOrder)
{
    std::vector<WriteStep> steps;
    setWriteFaultHookForTesting([&steps](WriteStep step) {
        steps.push_back(step);
        return 0;
    });
    writeFileAtomically((folder / "x.bak").string(), kNewBytes);
    EXPECT_EQ(test::readBytes(folder / "x.bak"), kNewBytes);
    std::vector<WriteStep> expected { WriteStep::CreateTemporary, WriteStep::Write, WriteStep::Flush,
        WriteStep::Rename };
    // Only Linux writes a new file without naming its temporary.
    if (!test::kLinuxFileSystem)
        expected.push_back(WriteStep::TemporaryNamed);
    EXPECT_EQ(steps, expected);
}

// Every failure: the name as passed in the message, the earlier file byte for
// byte, and nothing else left in its folder.
struct RefusalCase {
    const char* name;
    // Prepares the folder around "data/soft.bak"; returns the name to write.
    std::function<std::string(const fs::path& root)> prepare;
    // What must be in "data" afterwards (sorted); empty when "data" is not a folder.
    std::vector<std::string> dataFolderAfter;
};

class FileIoRefusal : public FileIo, public testing::WithParamInterface<RefusalCase> { };

TEST_P(FileIoRefusal, RaisesCannotCreateAndLeavesTheEarlierFileIntact)
{
    const RefusalCase& c = GetParam();
    test::CurrentDirectory here(folder.path());
    // Windows has no read-only folders, and links need a privilege there.
    if (std::string_view(c.name).starts_with("Link") || std::string_view(c.name) == "ReadOnlyFolder")
        TARVO_SKIP_UNLESS_LINUX_FILE_SYSTEM();
    const std::string name = c.prepare(folder.path());

    EXPECT_EQ(test::failureOf([&] { writeFileAtomically(pathFromNativeBytes(name), kNewBytes); }),
        "ファイル " + name + " を作成できません");

    setWriteFaultHookForTesting({});
    std::error_code ignored;
    fs::permissions(folder / "data", fs::perms::owner_all, fs::perm_options::add, ignored);
    if (fs::is_directory(folder / "data")) {
        EXPECT_EQ(namesIn(folder / "data"), c.dataFolderAfter);
    }
    if (fs::is_regular_file(folder / "data" / "soft.bak")) {
        EXPECT_EQ(test::readBytes(folder / "data" / "soft.bak"), kEarlierBytes);
    }
}

std::string withEarlierFile(const fs::path& root)
{
    fs::create_directory(root / "data");
    test::writeBytes(root / "data" / "soft.bak", kEarlierBytes);
    return "data/soft.bak";
}

std::function<std::string(const fs::path&)> faultAt(WriteStep failing, int error)
{
    return [failing, error](const fs::path& root) {
        setWriteFaultHookForTesting([failing, error](WriteStep step) { return step == failing ? error : 0; });
        return withEarlierFile(root);
    };
}

INSTANTIATE_TEST_SUITE_P(Failures, FileIoRefusal,
    testing::Values(RefusalCase { "MissingFolder", [](const fs::path&) { return std::string("data/soft.bak"); }, {} },
        RefusalCase { "MissingFolderAbsoluteJapanese",
            [](const fs::path& root) {
                return nativeBytes(root / pathFromNativeBytes("データ") / pathFromNativeBytes("ソフト.bak"));
            },
            {} },
        RefusalCase { "FileWhereTheFolderShouldBe",
            [](const fs::path& root) {
                test::writeBytes(root / "data", kEarlierBytes);
                return std::string("data/soft.bak");
            },
            {} },
        RefusalCase { "ReadOnlyFolder",
            [](const fs::path& root) {
                const std::string name = withEarlierFile(root);
                fs::permissions(root / "data", fs::perms(0555));
                return name;
            },
            { "soft.bak" } },
        RefusalCase { "ReadOnlyTarget",
            [](const fs::path& root) {
                const std::string name = withEarlierFile(root);
                fs::permissions(root / "data" / "soft.bak", fs::perms(0444));
                return name;
            },
            { "soft.bak" } },
        RefusalCase { "TargetIsAFolder",
            [](const fs::path& root) {
                fs::create_directories(root / "data" / "soft.bak");
                test::writeBytes(root / "data" / "soft.bak" / "inside", "x");
                return std::string("data/soft.bak");
            },
            { "soft.bak" } },
        RefusalCase { "LinkIntoAMissingFolder",
            [](const fs::path& root) {
                const std::string name = withEarlierFile(root);
                fs::create_symlink("../gone/soft.bak", root / "data" / "link.bak");
                return std::string("data/link.bak");
            },
            { "link.bak", "soft.bak" } },
        RefusalCase { "LinkLoop",
            [](const fs::path& root) {
                const std::string name = withEarlierFile(root);
                fs::create_symlink("loop.bak", root / "data" / "loop.bak");
                return std::string("data/loop.bak");
            },
            { "loop.bak", "soft.bak" } },
        RefusalCase {
            "NameEndingInSlash", [](const fs::path& root) { return withEarlierFile(root) + "/"; }, { "soft.bak" } },
        RefusalCase { "CreateTemporaryFails", faultAt(WriteStep::CreateTemporary, EACCES), { "soft.bak" } },
        RefusalCase { "DiskFullAtWrite", faultAt(WriteStep::Write, ENOSPC), { "soft.bak" } },
        RefusalCase { "FlushFails", faultAt(WriteStep::Flush, EIO), { "soft.bak" } },
        RefusalCase { "RenameRefused", faultAt(WriteStep::Rename, EPERM), { "soft.bak" } }),
    [](const testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

TEST_F(FileIo, TargetThatIsAFolderKeepsItsContent)
{
    fs::create_directories(folder / "soft.bak");
    test::writeBytes(folder / "soft.bak" / "inside", "x");
    EXPECT_THROW(writeFileAtomically((folder / "soft.bak").string(), kNewBytes), RuntimeError);
    EXPECT_EQ(test::readBytes(folder / "soft.bak" / "inside"), "x");
}

TEST_F(FileIo, WritesAgainOnceTheFaultIsGone)
{
    const std::string name = (folder / "soft.bak").string();
    test::writeBytes(folder / "soft.bak", kEarlierBytes);
    setWriteFaultHookForTesting([](WriteStep step) { return step == WriteStep::Write ? ENOSPC : 0; });
    EXPECT_THROW(writeFileAtomically(name, kNewBytes), RuntimeError);
    setWriteFaultHookForTesting({});
    writeFileAtomically(name, kNewBytes);
    EXPECT_EQ(test::readBytes(folder / "soft.bak"), kNewBytes);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string> { "soft.bak" });
}

} // namespace
} // namespace tarvo
