#include "TestSupport.h"

#include "document/PreviewCommand.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using test::sj;

RegistrationEntry minimalFreewareEntry()
{
    RegistrationEntry entry;
    entry.authorId = sj("山川 一郎");
    entry.softwareName = sj("テストソフト");
    entry.archiveFileName = "test.lzh";
    entry.changeHandling(sj("フリーウェア"));
    return entry;
}

TEST(PreviewCommon, MinimalFreewareEntryGivesTheFortySevenLineDocument)
{
    RegistrationEntry entry = minimalFreewareEntry();
    const PreviewOutcome outcome = runPreviewCommand(entry);

    const std::vector<std::string> expected{
        sj("ソフト登録フォーム (99.07.21版)"), "",
        sj("[作者名 または ライブラリ作者番号(PA??????)] ←必須"), sj("山川 一郎"), "",
        sj("[新規ですか? バージョンアップ等の差し替えですか?]"), sj("1：新規"), "",
        sj("[差し替え/追加/変更の場合、元のライブラリ作品番号(PS??????)]"), "",
        sj("[ソフト名称] ←必須]"), sj("テストソフト"), "",
        sj("[1行見出し(ソフトの簡単な説明1行だけです)]"), "",
        sj("[内容説明(1キロバイト程度)]"), "",
        sj("[アーカイブファイルの名前] ←必須"), "test.lzh", "",
        sj("[インターネット・書籍公開用アーカイブファイル名]"), "",
        sj("[バージョン]"), "",
        sj("[動作可能機種]"), "",
        sj("[動作可能OS (Windows95,98,NT など)]"), "",
        sj("[OS、配布ファイル以外に必要なソフト]"), "",
        sj("[取り扱い(フリーソフト、シェアウェアなど)]"), sj("フリーウェア"), "",
        sj("[掲載希望ディレクトリ]"), "",
        sj("[ファイルの所在(メールに添付 or タルヴォFTPサイト or BBSなど)] ←必須"), sj("メールに添付"), "",
        sj("[弊社出版物への掲載許諾]"), sj("許可"), "",
        sj("[弊社インターネットサイトでの公開許諾]"), sj("許可"), "",
        sj("[その他、弊社への連絡事項]"), sj("特になし"), "",
    };
    EXPECT_EQ(outcome.status, PreviewStatus::Success);
    EXPECT_EQ(outcome.message, sj("バックアップを取ると同時にプレビューの作成に成功しました！"));
    EXPECT_TRUE(outcome.previewRebuilt);
    EXPECT_TRUE(outcome.writeBackup);
    ASSERT_EQ(expected.size(), 47u);
    EXPECT_EQ(outcome.previewLines(), expected);
    EXPECT_EQ(outcome.previewText, joinLines(expected));
    EXPECT_EQ(entry.notes.text(), sj("特になし"));
}

} // namespace
} // namespace tarvo
