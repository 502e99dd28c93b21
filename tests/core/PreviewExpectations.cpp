#include "PreviewExpectations.h"

#include "TestSupport.h"

#include <algorithm>
#include <stdexcept>

namespace tarvo::test {

namespace {

const Lines& allHeaders()
{
    // clang-format off
    static const Lines headers = sjLines({
        "[作者名 または ライブラリ作者番号(PA??????)] ←必須",
        "[新規ですか? バージョンアップ等の差し替えですか?]",
        "[差し替え/追加/変更の場合、元のライブラリ作品番号(PS??????)]",
        "[ソフト名称] ←必須]",
        "[1行見出し(ソフトの簡単な説明1行だけです)]",
        "[内容説明(1キロバイト程度)]",
        "[アーカイブファイルの名前] ←必須",
        "[インターネット・書籍公開用アーカイブファイル名]",
        "[バージョン]",
        "[動作可能機種]",
        "[動作可能OS (Windows95,98,NT など)]",
        "[OS、配布ファイル以外に必要なソフト]",
        "[取り扱い(フリーソフト、シェアウェアなど)]",
        "[掲載希望ディレクトリ]",
        "[ファイルの所在(メールに添付 or タルヴォFTPサイト or BBSなど)] ←必須",
        "[弊社出版物への掲載許諾]",
        "[弊社インターネットサイトでの公開許諾]",
        "[その他、弊社への連絡事項]",
        "---以下の部分はシェアウェアの場合のみお書きください--",
        "[シェアウェア料金]",
        "[シェアウェア利用条件/制限]",
        "[銀行送金方法]",
        "[郵便振替送金方法]",
        "[レジ作品番号(SR??????)]",
        "[NIFTY SERVE送金方法(シェアウェア番号)]",
        "[その他の送金方法(現金書留など)]",
    });
    // clang-format on
    return headers;
}

bool isHeader(const std::string& line)
{
    const auto& headers = allHeaders();
    return std::find(headers.begin(), headers.end(), line) != headers.end();
}

Lines::const_iterator headerIn(const Lines& document, std::string_view headerCp932)
{
    const auto at = std::find(document.begin(), document.end(), headerCp932);
    if (at == document.end())
        throw std::logic_error("no such header in the document");
    return at;
}

} // namespace

Lines sjLines(const std::vector<std::string_view>& utf8Lines)
{
    Lines lines;
    for (const auto line : utf8Lines)
        lines.push_back(sj(line));
    return lines;
}

RegistrationEntry requiredFieldsOnly(std::string_view handlingUtf8)
{
    RegistrationEntry entry;
    entry.authorId = sj("山川 一郎");
    entry.softwareName = sj("テストソフト");
    entry.archiveFileName = "test.lzh";
    entry.changeHandling(sj(handlingUtf8));
    return entry;
}

RegistrationEntry withSharewareFields(std::string_view handlingUtf8)
{
    RegistrationEntry entry = requiredFieldsOnly(handlingUtf8);
    entry.sharewareFee = "1000";
    entry.sharewareConditions = sj("30日間試用可\r\n\r\n登録後は制限なし\r\n");
    entry.bankRemittance = sj("さくら銀行 本店 普通 1234567");
    entry.postalRemittance = sj("00100-1-23456 山川");
    entry.registeredProductNumber = "SR012345";
    entry.niftyRemittance = "SW0042";
    entry.otherRemittance = sj("現金書留");
    return entry;
}

// The expected texts keep one section of the document per source line.
// clang-format off
Lines commonSectionOfRequiredFieldsOnly(std::string_view handlingUtf8)
{
    return sjLines({
        "ソフト登録フォーム (99.07.21版)", "",
        "[作者名 または ライブラリ作者番号(PA??????)] ←必須", "山川 一郎", "",
        "[新規ですか? バージョンアップ等の差し替えですか?]", "1：新規", "",
        "[差し替え/追加/変更の場合、元のライブラリ作品番号(PS??????)]", "",
        "[ソフト名称] ←必須]", "テストソフト", "",
        "[1行見出し(ソフトの簡単な説明1行だけです)]", "",
        "[内容説明(1キロバイト程度)]", "",
        "[アーカイブファイルの名前] ←必須", "test.lzh", "",
        "[インターネット・書籍公開用アーカイブファイル名]", "",
        "[バージョン]", "",
        "[動作可能機種]", "",
        "[動作可能OS (Windows95,98,NT など)]", "",
        "[OS、配布ファイル以外に必要なソフト]", "",
        "[取り扱い(フリーソフト、シェアウェアなど)]", handlingUtf8, "",
        "[掲載希望ディレクトリ]", "",
        "[ファイルの所在(メールに添付 or タルヴォFTPサイト or BBSなど)] ←必須", "メールに添付", "",
        "[弊社出版物への掲載許諾]", "許可", "",
        "[弊社インターネットサイトでの公開許諾]", "許可", "",
        "[その他、弊社への連絡事項]", "特になし", "",
    });
}

Lines sharewareSectionOfFilledFields(std::string_view feeText, bool throughProductNumber)
{
    Lines lines = sjLines({
        "---以下の部分はシェアウェアの場合のみお書きください--", "",
        "[シェアウェア料金]",
    });
    lines.push_back(std::string(feeText) + sj("円"));
    lines = concatenated(lines, sjLines({
        "",
        "[シェアウェア利用条件/制限]", "30日間試用可", "", "登録後は制限なし", "",
        "[銀行送金方法]", "さくら銀行 本店 普通 1234567", "",
        "[郵便振替送金方法]", "00100-1-23456 山川", "",
    }));
    if (throughProductNumber) {
            lines = concatenated(lines, sjLines({
            "[レジ作品番号(SR??????)]", "SR012345", "",
            "[NIFTY SERVE送金方法(シェアウェア番号)]", "SW0042", "",
            "[その他の送金方法(現金書留など)]", "現金書留", "",
        }));
        }
    return lines;
}

Lines commonBackupOfRequiredFieldsOnly(std::string_view handlingUtf8)
{
    Lines lines = sjLines({
        "#山川 一郎", "#0", "#", "#テストソフト", "#",
        "#test.lzh", "#", "#", "#", "#000000", "#",
    });
    lines.push_back("#" + sj(handlingUtf8));
    return concatenated(lines, sjLines({"#", "#", "#0", "#0", "#0", "@特になし"}));
}

Lines sharewareBackupOfFilledFields(std::string_view feeText)
{
    Lines lines{"#" + std::string(feeText)};
    return concatenated(lines, sjLines({
        "@30日間試用可", "@", "@登録後は制限なし",
        "#さくら銀行 本店 普通 1234567", "#00100-1-23456 山川",
        "#SR012345", "#SW0042", "#現金書留",
    }));
}
// clang-format on

Lines sectionAfter(const Lines& document, std::string_view headerCp932)
{
    const auto begin = headerIn(document, headerCp932) + 1;
    return Lines(begin, std::find_if(begin, document.end(), isHeader));
}

Lines withSection(Lines document, std::string_view headerCp932, const Lines& section)
{
    const auto begin = headerIn(document, headerCp932) + 1;
    const auto end = std::find_if(begin, document.cend(), isHeader);
    const auto at = document.erase(begin, end);
    document.insert(at, section.begin(), section.end());
    return document;
}

Lines concatenated(Lines first, const Lines& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

} // namespace tarvo::test
