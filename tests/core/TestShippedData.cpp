#include "TestSupport.h"

#include "core/format/CatalogFile.h"
#include "core/text/Cp932.h"
#include "core/text/Lines.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

const std::filesystem::path kStart = TARVO_TEST_START_DIR;

// Every line, the last one included, ends in CR LF, and no CR or LF stands alone.
void expectCrLfLines(const std::string& bytes)
{
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    size_t pairs = 0;
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2))
        ++pairs;
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), pairs);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), pairs);
}

TEST(ShippedData, StartFolderHoldsTheFilesAndAnEmptyBackupFolder)
{
    EXPECT_TRUE(std::filesystem::is_regular_file(kStart / "category.dat"));
    EXPECT_TRUE(std::filesystem::is_regular_file(kStart / "tarvo.dat"));
    EXPECT_TRUE(std::filesystem::is_directory(kStart / "data"));
}

TEST(ShippedData, CatalogueIsCp932WithCrLfAndWellFormedGroups)
{
    const std::string bytes = test::readBytes(kStart / "category.dat");
    expectCrLfLines(bytes);
    EXPECT_EQ(utf8FromCp932(bytes).find("\xEF\xBF\xBD"), std::string::npos);

    const auto catalog = readCatalog(bytes);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.front(), '#');
    const auto names = catalog.topLevelNames();
    EXPECT_GE(names.size(), 10u);
    EXPECT_LE(names.size(), 14u);
    for (const auto& name : names) {
        EXPECT_EQ(std::count(names.begin(), names.end(), name), 1) << utf8FromCp932(name);
        const auto entries = catalog.subcategoriesFor(name);
        EXPECT_GE(entries.size(), 5u) << utf8FromCp932(name);
        EXPECT_LE(entries.size(), 15u) << utf8FromCp932(name);
    }
    for (const auto& line : splitLines(bytes))
        EXPECT_FALSE(line.empty());
}

TEST(ShippedData, GuideIsCp932WithCrLf)
{
    const std::string bytes = test::readBytes(kStart / "tarvo.dat");
    expectCrLfLines(bytes);
    EXPECT_EQ(utf8FromCp932(bytes).find("\xEF\xBF\xBD"), std::string::npos);
    const size_t lines = std::count(bytes.begin(), bytes.end(), '\n');
    EXPECT_GE(lines, 100u);
    EXPECT_LE(lines, 200u);
}

} // namespace
} // namespace tarvo
