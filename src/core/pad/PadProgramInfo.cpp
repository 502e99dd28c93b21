// Program_Info: the name, version, type, price and trial of the program.

#include "core/pad/PadMapper.h"

#include "core/entry/EntryLists.h"
#include "core/fees/FeeRange.h"
#include "core/text/Cp932.h"

#include <algorithm>

namespace tarvo::pad {

namespace {

constexpr std::string_view kType = "Program_Info/Program_Type";
constexpr std::string_view kDollars = "Program_Info/Program_Cost_Dollars";
constexpr std::string_view kOtherCode = "Program_Info/Program_Cost_Other_Code";
constexpr std::string_view kOther = "Program_Info/Program_Cost_Other";
constexpr std::string_view kExpire = "Program_Info/Expire_Info";

std::string handlingItem(int number)
{
    return utf8FromCp932(entryLists().handlings.at(static_cast<std::size_t>(number - 1)));
}

// The type as generators spell it, without case, blanks, hyphens or
// underscores: "Open-Source", "open source" and "Open_Source" are one.
std::string typeKey(std::string_view type)
{
    std::string key;
    for (const char c : lowerAscii(type)) {
        if (c != ' ' && c != '-' && c != '_')
            key += c;
    }
    return key;
}

// What each program type becomes, by the neighbour it resembles most: a free
// program is フリーウェア, a program to try before buying is サンプル版, and what
// the form has no item for is その他, with the author's choice offered.
struct TypeRule {
    std::string_view key;
    int item;
    Level level; // of the finding; Info with no message: none
    std::string_view message;
    std::string_view suggestion; // the item numbers offered instead
};

constexpr std::array<TypeRule, 12> kTypeRules { {
    { "freeware", 1, Level::Info, "", "" },
    { "shareware", 3, Level::Info, "", "" },
    { "demo", 4, Level::Info, "", "" },
    { "donationware", 2, Level::Info, "寄付を募るフリーウェアとして「カンパウェア」にしました。", "" },
    { "opensource", 1, Level::Warning,
        "オープンソースは「フリーウェア」にしました。GPL なら 7、改変自由なら 8 が合います。", "7" },
    { "trial", 4, Level::Warning, "試用版は「サンプル版」にしました。登録先で送金を受けるならシェアウェア（3）です。",
        "3" },
    { "freetrial", 4, Level::Warning,
        "試用版は「サンプル版」にしました。登録先で送金を受けるならシェアウェア（3）です。", "3" },
    { "freemium", 10, Level::Warning, "基本無料で有料の機能があるため「その他」にしました。", "1..10" },
    { "adware", 10, Level::Warning, "広告付きのため「その他」にしました。", "1..10" },
    { "commercial", 10, Level::Warning, "製品は「その他」にしました。試用版なら 4 が合います。", "4" },
    { "dataonly", 10, Level::Warning, "データだけのため「その他」にしました。", "1..10" },
    // A generator's template left unfilled.
    { "programtype", 0, Level::Warning, "種類が生成ツールの見本の「Program_Type」のままです。", "1..10" },
} };

bool isPrice(std::string_view price)
{
    return !price.empty() && price.find_first_not_of("0.") != std::string_view::npos;
}

} // namespace

void Mapper::mapProgramInfo()
{
    const std::string name = single("softwareName", "Program_Info/Program_Name");
    const std::string version = single("version", "Program_Info/Program_Version");
    set("softwareName", name, "Program_Info/Program_Name");
    set("version", version, "Program_Info/Program_Version");
    if (!version.empty() && name.size() > version.size() && name.ends_with(version))
        add(Level::Warning, "softwareName", "Program_Info/Program_Name",
            "ソフト名が版数で終わっています。ソフト名には版数を含めないで下さい。");
    // The form asks new or replacement; PAD only says what changed.
    const std::string status = lowerAscii(single("-", "Program_Info/Program_Release_Status"));
    if (status == "major update" || status == "minor update")
        add(Level::Warning, "submissionKind", "Program_Info/Program_Release_Status",
            "更新版です。すでに登録済みなら差し替えとして、元のライブラリ番号も要ります。",
            { { "submissionKind", "2" }, { "originalLibraryNumber", "PS……" } });
    // PAD's requirements are the closest the file has to "software needed".
    if (const std::string requirements = single("requiredSoftware", "Program_Info/Program_System_Requirements");
        !requirements.empty()) {
        set("requiredSoftware", requirements, "Program_Info/Program_System_Requirements");
        add(Level::Info, "requiredSoftware", "Program_Info/Program_System_Requirements",
            "PAD の動作環境を入れました。OS と配布ファイル以外に必要なソフトか確かめて下さい。");
    }
    // The site's catalogue and PAD's classes are different trees.
    if (const std::string category = single("-", "Program_Info/Program_Category_Class"); !category.empty())
        add(Level::Info, "category", "Program_Info/Program_Category_Class",
            "PAD の分類「" + category + "」は登録先の分類に対応しません。",
            { { "category", "" }, { "subcategory", "" } });
    mapHandling();
    mapFee();
    mapConditions();
    mapOperatingSystems();
}

// Program_Type → handling, by the table above.
void Mapper::mapHandling()
{
    const std::string type = single("handling", kType);
    m_shareware = typeKey(type) == "shareware";
    const auto rule
        = std::find_if(kTypeRules.begin(), kTypeRules.end(), [&](const TypeRule& r) { return r.key == typeKey(type); });
    if (rule == kTypeRules.end() || rule->item == 0) {
        add(Level::Warning, "handling", kType,
            type.empty()                   ? std::string("種類がないため取扱いは空のままです。")
                : rule != kTypeRules.end() ? std::string(rule->message) + "取扱いは空のままです。"
                                           : "種類「" + type + "」に当たる取扱いがないため空のままです。",
            { { "handling", "1..10" } });
        return;
    }
    set("handling", handlingItem(rule->item), kType);
    if (!rule->message.empty())
        add(rule->level, "handling", kType, "種類「" + type + "」：" + std::string(rule->message),
            rule->level == Level::Warning ? std::vector<Fill> { { "handling", std::string(rule->suggestion) } }
                                          : std::vector<Fill> {});
}

// Prices → the shareware fee: whole yen only, never converted. Every price
// that is not taken is named, the second one included.
void Mapper::mapFee()
{
    const std::string dollars = single("-", kDollars);
    const std::string code = single("-", kOtherCode);
    const std::string other = single("-", kOther);
    const bool yen = lowerAscii(code) == "jpy";
    std::vector<std::string> prices;
    if (isPrice(dollars))
        prices.push_back(dollars + " USD");
    // A dollar price written twice is one price.
    if (isPrice(other) && !(yen && m_shareware) && !(lowerAscii(code) == "usd" && isPrice(dollars)))
        prices.push_back(other + " " + (code.empty() ? std::string("（通貨不明）") : code));
    std::string named;
    for (const std::string& price : prices)
        named += (named.empty() ? "" : "、") + price;
    if (!m_shareware) {
        if (!named.empty())
            add(Level::Info, "sharewareFee", isPrice(dollars) ? kDollars : kOther,
                "シェアウェアではないため価格（" + named + "）は送金額にしませんでした。");
        return;
    }
    if (yen)
        yenFee(other);
    if (prices.empty())
        return;
    const bool dollarsOnly
        = std::all_of(prices.begin(), prices.end(), [](const std::string& price) { return price.ends_with(" USD"); });
    add(Level::Warning, "sharewareFee", dollarsOnly ? kDollars : kOther,
        dollarsOnly ? "価格が US ドルだけです（" + named + "）。円には換算しません。"
                    : "円でない価格（" + named + "）は送金額にしません。円には換算しません。");
}

void Mapper::yenFee(const std::string& price)
{
    const std::size_t point = price.find('.');
    const std::string whole = price.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : price.substr(point + 1);
    if (!allDigits(whole) || (point != std::string::npos && !allDigits(fraction))) {
        add(Level::Warning, "sharewareFee", kOther, "価格「" + price + "」は数字だけではないため使いません。");
        return;
    }
    if (fraction.find_first_not_of('0') != std::string::npos) {
        add(Level::Warning, "sharewareFee", kOther, "価格「" + price + "」に円未満の端数があるため使いません。");
        return;
    }
    const std::size_t first = whole.find_first_not_of('0');
    if (first == std::string::npos) {
        add(Level::Warning, "sharewareFee", kOther, "価格が 0 円のため使いません。");
        return;
    }
    const std::string fee = whole.substr(first);
    set("sharewareFee", fee, kOther);
    use(kOtherCode);
    add(Level::Info, "sharewareFee", kOther, "送金額 " + fee + " 円は価格「" + price + " JPY」から取りました。");
    if (fee.size() > 5 || !isAcceptedFee(std::stoi(fee)))
        add(Level::Warning, "sharewareFee", kOther,
            "送金額は " + std::to_string(kLowestFee) + "～" + std::to_string(kHighestFee)
                + " 円でなければプレビューで断られます。");
}

// Expire_Info → the shareware conditions, from fixed templates. Only a
// shareware has conditions; any other program's trial is told, not dropped.
void Mapper::mapConditions()
{
    const std::string has = lowerAscii(single("-", std::string(kExpire) + "/Has_Expire_Info"));
    if (has != "y")
        return;
    if (!m_shareware) {
        add(Level::Info, "sharewareConditions", kExpire, "シェアウェアではないため試用の条件は取り込みません。");
        return;
    }
    const auto path = [](std::string_view name) { return std::string(kExpire) + "/" + std::string(name); };
    std::vector<std::string> lines;
    const std::string count = single("-", path("Expire_Count"));
    const std::string basis = lowerAscii(single("-", path("Expire_Based_On")));
    if (const auto n = smallNumber(count); n && *n > 0) {
        if (basis == "days")
            lines.push_back("試用期間は" + count + "日間です。");
        else if (basis == "uses")
            lines.push_back("試用できるのは" + count + "回までです。");
        else if (basis == "either/or")
            lines.push_back("試用は" + count + "日間または" + count + "回までです。");
        if (!lines.empty()) {
            use(path("Expire_Count"));
            use(path("Expire_Based_On"));
        }
    }
    const auto year = smallNumber(single("-", path("Expire_Year")));
    const auto month = smallNumber(single("-", path("Expire_Month")));
    const auto day = smallNumber(single("-", path("Expire_Day")));
    if (year && month && day && *year > 0 && *month > 0 && *day > 0) {
        lines.push_back("試用期限は" + std::to_string(*year) + "年" + std::to_string(*month) + "月"
            + std::to_string(*day) + "日です。");
        for (const std::string_view part : { "Expire_Year", "Expire_Month", "Expire_Day" })
            use(path(part));
    }
    for (const std::string& line : paragraphs(path("Expire_Other_Info"))) {
        lines.push_back(line);
        use(path("Expire_Other_Info"));
    }
    if (lines.empty())
        return;
    set("sharewareConditions", joinedLines(lines), kExpire);
    use(path("Has_Expire_Info"));
    add(Level::Info, "sharewareConditions", kExpire, "試用の条件を PAD から作りました。確かめて下さい。");
}

} // namespace tarvo::pad
