#include "TestSupport.h"

#include "core/errors/RuntimeError.h"
#include "core/settings/DraftFile.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::describe;
using test::sj;

// Everything a form can hold that a backup would lose or change: hidden
// follow-up texts, a lone listing directory, a fee that is no number, texts
// with and without a last line break, empty lines and a preview touched up.
Draft fullDraft()
{
    Draft d;
    RegistrationEntry& e = d.entry;
    e.authorId = sj("山川 一郎 ");
    e.submissionKind = 0;
    e.originalLibraryNumber = "PS000001";
    e.softwareName = sj("ふせん");
    e.description = sj("一行目\r\n\r\n最後は改行なし");
    e.supportedOs = { true, false, true, false, false, true };
    e.otherOs = "#@=";
    e.changeHandling(sj("シェアウェア"));
    e.handling = sj("シェアウェア（手直し）");
    e.category = sj("ゲーム");
    e.fileLocation = 3;
    e.fileLocationOther = "ftp";
    e.printPermission = 1;
    e.webRefusalReason = sj("隠れた理由");
    e.notes = "\r\n";
    e.sharewareFee = sj("１０００");
    e.sharewareConditions = "30 days\r\n";
    e.otherRemittance = "=";
    e.visibility = { true, false, true, true };
    d.previewText = sj("ソフト登録フォーム\r\n\r\n[手直し]\r\n");
    return d;
}

std::vector<std::string> describeDraft(const Draft& d)
{
    std::vector<std::string> fields = describe(d.entry);
    fields.push_back("preview=" + d.previewText);
    return fields;
}

// An empty form, whose required fields are empty too, and full ones.
TEST(DraftFile, ReaderGivesBackWhatTheWriterWrote)
{
    Draft empty;
    Draft lines = fullDraft();
    lines.entry.description = "a\rb\nc";
    lines.previewText = "\r\n\r\n";
    for (const Draft& draft : { empty, fullDraft(), lines }) {
        test::TemporaryFolder start;
        writeDraft(start.path(), draft);
        const std::optional<Draft> read = readDraft(start.path());
        ASSERT_TRUE(read);
        Draft expected = draft;
        // Every line break of a text comes back as CR LF.
        if (draft.entry.description.text() == "a\rb\nc")
            expected.entry.description = "a\r\nb\r\nc";
        EXPECT_EQ(describeDraft(*read), describeDraft(expected));
    }
    test::TemporaryFolder none;
    EXPECT_FALSE(readDraft(none.path()));
}

// A draft cut at any byte, or with a row of the wrong kind, is refused as a
// whole: nothing of it could be trusted to stand in its field.
TEST(DraftFile, DamagedDraftIsRefusedWithTheOpenMessage)
{
    const std::string whole = draftRecordOf(fullDraft());
    std::vector<std::string> damaged;
    for (std::size_t cut = 0; cut < whole.size(); ++cut)
        damaged.push_back(whole.substr(0, cut));
    damaged.push_back(whole + "#\r\n");
    // The second row, the submission kind, names an item the list lacks.
    const std::size_t secondRow = whole.find("\r\n") + 2;
    damaged.push_back(whole.substr(0, secondRow) + "#4" + whole.substr(whole.find("\r\n", secondRow)));
    damaged.push_back("@" + whole.substr(1));
    test::TemporaryFolder start;
    for (const std::string& bytes : damaged) {
        test::writeBytes(start / "draft.dat", bytes);
        EXPECT_EQ(test::failureOf([&] { readDraft(start.path()); }), "ファイル draft.dat は開けません")
            << bytes.size() << " bytes";
    }
    test::writeBytes(start / "draft.dat", whole);
    EXPECT_TRUE(readDraft(start.path()));
    removeDraft(start.path());
    EXPECT_FALSE(readDraft(start.path()));
}

} // namespace
} // namespace tarvo
