#include "core/document/DocumentTexts.h"

#include "core/text/Cp932.h"

namespace tarvo {

const DocumentTexts& documentTexts()
{
    static const DocumentTexts texts {
        .formTitle = cp932FromUtf8("ソフト登録フォーム (99.07.21版)"),
        .authorHeader = cp932FromUtf8("[作者名 または ライブラリ作者番号(PA??????)] ←必須"),
        .submissionKindHeader = cp932FromUtf8("[新規ですか? バージョンアップ等の差し替えですか?]"),
        .originalLibraryNumberHeader = cp932FromUtf8("[差し替え/追加/変更の場合、元のライブラリ作品番号(PS??????)]"),
        .softwareNameHeader = cp932FromUtf8("[ソフト名称] ←必須]"),
        .headlineHeader = cp932FromUtf8("[1行見出し(ソフトの簡単な説明1行だけです)]"),
        .descriptionHeader = cp932FromUtf8("[内容説明(1キロバイト程度)]"),
        .archiveFileNameHeader = cp932FromUtf8("[アーカイブファイルの名前] ←必須"),
        .publicationFileNameHeader = cp932FromUtf8("[インターネット・書籍公開用アーカイブファイル名]"),
        .versionHeader = cp932FromUtf8("[バージョン]"),
        .machineHeader = cp932FromUtf8("[動作可能機種]"),
        .operatingSystemsHeader = cp932FromUtf8("[動作可能OS (Windows95,98,NT など)]"),
        .requiredSoftwareHeader = cp932FromUtf8("[OS、配布ファイル以外に必要なソフト]"),
        .handlingHeader = cp932FromUtf8("[取り扱い(フリーソフト、シェアウェアなど)]"),
        .directoryHeader = cp932FromUtf8("[掲載希望ディレクトリ]"),
        .fileLocationHeader = cp932FromUtf8("[ファイルの所在(メールに添付 or タルヴォFTPサイト or BBSなど)] ←必須"),
        .printPermissionHeader = cp932FromUtf8("[弊社出版物への掲載許諾]"),
        .webPermissionHeader = cp932FromUtf8("[弊社インターネットサイトでの公開許諾]"),
        .notesHeader = cp932FromUtf8("[その他、弊社への連絡事項]"),

        .directoryArrow = cp932FromUtf8("→"),
        .otherLocationColon = cp932FromUtf8("："),
        .permissionGiven = cp932FromUtf8("許可"),
        .permissionRefused = cp932FromUtf8("不許可　"),
        .operatingSystemSeparator = " / ",
        .notesFiller = cp932FromUtf8("特になし"),

        .sharewareSeparator = cp932FromUtf8("---以下の部分はシェアウェアの場合のみお書きください--"),
        .feeHeader = cp932FromUtf8("[シェアウェア料金]"),
        .yen = cp932FromUtf8("円"),
        .conditionsHeader = cp932FromUtf8("[シェアウェア利用条件/制限]"),
        .bankHeader = cp932FromUtf8("[銀行送金方法]"),
        .postalHeader = cp932FromUtf8("[郵便振替送金方法]"),
        .productNumberHeader = cp932FromUtf8("[レジ作品番号(SR??????)]"),
        .niftyHeader = cp932FromUtf8("[NIFTY SERVE送金方法(シェアウェア番号)]"),
        .otherRemittanceHeader = cp932FromUtf8("[その他の送金方法(現金書留など)]"),
    };
    return texts;
}

} // namespace tarvo
