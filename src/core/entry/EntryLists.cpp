#include "core/entry/EntryLists.h"

#include "core/text/Cp932.h"

namespace tarvo {

const EntryLists& entryLists()
{
    static const EntryLists lists{
        .submissionKinds = {
            cp932FromUtf8("1：新規"),
            cp932FromUtf8("2：差し替え"),
            cp932FromUtf8("3：既存のソフトに更に追加"),
            cp932FromUtf8("4：情報の変更のみ"),
        },
        .fileLocations = {
            cp932FromUtf8("メールに添付"),
            cp932FromUtf8("BBS"),
            cp932FromUtf8("タルヴォFTPサイト"),
            cp932FromUtf8("その他"),
        },
        .permissions = {
            cp932FromUtf8("許可"),
            cp932FromUtf8("不許可"),
        },
        .operatingSystems = {
            "Windows3.1", "Windows95", "Windows98", "WindowsNT", "Windows2000", "MS-DOS",
        },
        .machines = {
            cp932FromUtf8("PC-9801 (PC-9821シリーズを含む) "),
            "IBM-PC ",
            "FM(TOWNS) ",
            "X68000 ",
            "Maicntosh ",
            "Macintosh PPC ",
            cp932FromUtf8("汎用"),
            cp932FromUtf8("その他(の機種) "),
        },
        .handlings = {
            cp932FromUtf8("フリーウェア"),
            cp932FromUtf8("フリーウェア（寄付歓迎：カンパウェア）"),
            cp932FromUtf8("シェアウェア"),
            cp932FromUtf8("サンプル版（正式使用は製品版を購入）"),
            cp932FromUtf8("メールウェア（正式使用は作者にメール）"),
            cp932FromUtf8("Public Domain Software(PDS：無料)"),
            cp932FromUtf8("General Public Licence(GPL：無料)"),
            cp932FromUtf8("改変自由（だが著作権は放棄しない）"),
            cp932FromUtf8("製品差分（修正差分・パッチファイル）"),
            cp932FromUtf8("その他"),
        },
    };
    return lists;
}

} // namespace tarvo
