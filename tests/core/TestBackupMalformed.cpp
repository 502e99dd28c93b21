#include "BackupRecords.h"

#include "core/errors/RuntimeError.h"
#include "core/text/Utf8.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::describe;
using test::restoredFrom;
using test::sj;

TEST(MalformedBackup, EmptyFileReadsAsEmptyRows)
{
    const RegistrationEntry e = restoredFrom(std::string());
    EXPECT_EQ(e.authorId.str(), "");
    EXPECT_EQ(e.submissionKind, 0);
    EXPECT_EQ(e.description.text(), "");
    EXPECT_EQ(e.supportedOs, (std::array<bool, 6> {}));
    EXPECT_EQ(e.handling.str(), "");
    EXPECT_EQ(e.handlingKind.text(), "1"); // no item matched: the kind stays
    EXPECT_EQ(e.fileLocation, 0);
    EXPECT_EQ(e.fileLocationOther.str(), "old-location");
    // A missing permission row is not "#0", so it reads as refused.
    EXPECT_EQ(e.printPermission, 1);
    EXPECT_EQ(e.printRefusalReason.str(), "");
    EXPECT_EQ(e.notes.text(), "");
    EXPECT_EQ(e.sharewareFee.str(), "777");
    EXPECT_EQ(e.visibility, (FollowUpVisibility { false, false, true, true }));
}

// A file that ends after any row reads exactly as one whose remaining rows are
// empty lines, and never reads outside what it holds.
TEST(MalformedBackup, FileEndingEarlyAtEachRowReadsTheMissingRowsAsEmpty)
{
    const auto rows = test::fullRows();
    for (size_t kept = 0; kept <= rows.size(); ++kept) {
        std::vector<std::string> truncated(rows.begin(), rows.begin() + static_cast<long>(kept));
        std::vector<std::string> padded = truncated;
        padded.resize(rows.size() + 4);
        const auto early = describe(restoredFrom(truncated));
        EXPECT_EQ(early, describe(restoredFrom(padded))) << "rows kept: " << kept;
        // Without its last line break the file reads the same.
        std::string unterminated = joinLines(truncated);
        if (!unterminated.empty())
            unterminated.resize(unterminated.size() - 2);
        EXPECT_EQ(describe(restoredFrom(unterminated)), early) << "rows kept: " << kept;
    }
}

TEST(MalformedBackup, FileEndingInsideTheSharewareSection)
{
    auto rows = test::fullRows();
    rows.resize(21); // fee and conditions only
    const RegistrationEntry e = restoredFrom(rows);
    EXPECT_EQ(e.sharewareFee.str(), "1000");
    EXPECT_EQ(e.sharewareConditions.text(), "cond\r\n");
    EXPECT_EQ(e.bankRemittance.str(), "");
    EXPECT_EQ(e.otherRemittance.str(), "");
}

TEST(MalformedBackup, MissingPrefixesAreReadByPosition)
{
    auto rows = test::fullRows();
    for (auto& row : rows) {
        if (!row.empty() && row.front() == '#')
            row.front() = '*';
    }
    const RegistrationEntry e = restoredFrom(rows);
    EXPECT_EQ(e.authorId.str(), sj("山川 一郎"));
    EXPECT_EQ(e.submissionKind, 1);
    EXPECT_EQ(e.otherOs.str(), "NT3.51");
    EXPECT_EQ(e.fileLocationOther.str(), "http://x/");
    EXPECT_EQ(e.webPermission, 1); // "*0" is not "#0"
    EXPECT_EQ(e.registeredProductNumber.str(), "SR01234");
}

TEST(MalformedBackup, TextLineWithoutAtSignShiftsTheRows)
{
    auto rows = test::commonRows();
    rows[5] = "#desc-as-value";
    rows.erase(rows.begin() + 6);
    const RegistrationEntry e = restoredFrom(rows);
    EXPECT_EQ(e.description.text(), "");
    EXPECT_EQ(e.archiveFileName.str(), "desc-as-value");
    EXPECT_EQ(e.publicationFileName.str(), "sync.lzh");
    EXPECT_EQ(e.notes.text(), "notes\r\n");
}

TEST(MalformedBackup, ExtraTextAfterIndexDigits)
{
    auto rows = test::commonRows();
    rows[1] = "#2 and more";
    rows[15] = "#1 text";
    const RegistrationEntry e = restoredFrom(rows);
    EXPECT_EQ(e.submissionKind, 2);
    EXPECT_EQ(e.fileLocation, 1);
    EXPECT_EQ(e.fileLocationOther.str(), " text");
    EXPECT_TRUE(e.visibility.fileLocationOther);
}

TEST(MalformedBackup, LinesOverAHundredThousandBytesAreKeptWhole)
{
    const std::string longText(150'000, 'x');
    auto rows = test::fullRows();
    rows[4] = "#" + longText;
    rows[5] = "@" + longText;
    rows[10] = "#101010" + longText;
    const RegistrationEntry e = restoredFrom(rows);
    EXPECT_EQ(e.headline.str(), longText);
    EXPECT_EQ(e.description.lines(), std::vector<std::string> { longText });
    EXPECT_EQ(e.otherOs.str(), longText);
    EXPECT_EQ(e.archiveFileName.str(), "sync.lzh");
}

TEST(MalformedBackup, LoneCrAndLoneLfEndLinesLikeCrLf)
{
    const auto rows = test::fullRows();
    const auto expected = describe(restoredFrom(rows));
    for (const char* separator : { "\r", "\n" }) {
        std::string bytes;
        for (const auto& row : rows)
            bytes += row + separator;
        EXPECT_EQ(describe(restoredFrom(bytes)), expected) << int(separator[0]);
    }
    std::string mixed;
    const char* separators[] = { "\r\n", "\r", "\n" };
    for (size_t i = 0; i < rows.size(); ++i)
        mixed += rows[i] + separators[i % 3];
    EXPECT_EQ(describe(restoredFrom(mixed)), expected);
}

TEST(MalformedBackup, LfCrCountsAsTwoLineEnds)
{
    // "\n\r" is a lone LF followed by a lone CR: an empty line between them.
    auto rows = test::commonRows();
    std::string bytes = joinLines(std::vector<std::string>(rows.begin(), rows.begin() + 4));
    bytes += "#headline\n\r@desc\r\n";
    const RegistrationEntry e = restoredFrom(bytes);
    EXPECT_EQ(e.headline.str(), "headline");
    EXPECT_EQ(e.description.text(), "");
    EXPECT_EQ(e.archiveFileName.str(), "");
    EXPECT_EQ(e.publicationFileName.str(), "desc");
}

TEST(MalformedBackup, ArbitraryBytesGiveAtMostTheIndexError)
{
    // Every byte value in every position of the first rows: the only failure a
    // restore may report is a non-digit index byte, named alone.
    const std::string base = joinLines(test::fullRows());
    const std::string suffix = "' は整数ではありません";
    for (size_t at = 0; at < 40; ++at) {
        for (int byte = 0; byte < 256; ++byte) {
            std::string bytes = base;
            bytes[at] = static_cast<char>(byte);
            RegistrationEntry entry;
            try {
                restoreBackup(bytes, entry);
            } catch (const RuntimeError& error) {
                const std::string& message = error.message();
                ASSERT_GT(message.size(), 1 + suffix.size()) << at << " " << byte;
                ASSERT_EQ(message.front(), '\'');
                const std::string named = message.substr(1, message.size() - 1 - suffix.size());
                ASSERT_EQ(named.size(), utf8CharacterLength(named, 0)) << at << " " << byte;
                ASSERT_EQ(message.substr(1 + named.size()), suffix);
            }
        }
    }
}

} // namespace
} // namespace tarvo
