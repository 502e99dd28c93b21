#include "core/pad/PadMapping.h"

#include "core/entry/EntryLists.h"
#include "core/fees/FeeRange.h"
#include "core/files/NativePath.h"
#include "core/text/Cp932.h"
#include "core/text/Lines.h"
#include "core/text/Utf8.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>

namespace tarvo {

namespace {

using Level = PadDiagnostic::Level;

constexpr std::string_view kBlanks = " \t\r\n";
constexpr std::size_t kLongestNameFileBytes = 239;
constexpr std::size_t kDescriptionGuideBytes = 1024;

// The entry's text fields by their JSON keys, in field order.
struct TextField {
    std::string_view key;
    SingleLineText RegistrationEntry::*single;
    LinesText RegistrationEntry::*lines;
};

constexpr std::array<TextField, 25> kTextFields { {
    { "authorId", &RegistrationEntry::authorId, nullptr },
    { "originalLibraryNumber", &RegistrationEntry::originalLibraryNumber, nullptr },
    { "softwareName", &RegistrationEntry::softwareName, nullptr },
    { "headline", &RegistrationEntry::headline, nullptr },
    { "description", nullptr, &RegistrationEntry::description },
    { "archiveFileName", &RegistrationEntry::archiveFileName, nullptr },
    { "publicationFileName", &RegistrationEntry::publicationFileName, nullptr },
    { "version", &RegistrationEntry::version, nullptr },
    { "machine", &RegistrationEntry::machine, nullptr },
    { "otherOs", &RegistrationEntry::otherOs, nullptr },
    { "requiredSoftware", &RegistrationEntry::requiredSoftware, nullptr },
    { "handling", &RegistrationEntry::handling, nullptr },
    { "category", &RegistrationEntry::category, nullptr },
    { "subcategory", &RegistrationEntry::subcategory, nullptr },
    { "fileLocationOther", &RegistrationEntry::fileLocationOther, nullptr },
    { "printRefusalReason", &RegistrationEntry::printRefusalReason, nullptr },
    { "webRefusalReason", &RegistrationEntry::webRefusalReason, nullptr },
    { "notes", nullptr, &RegistrationEntry::notes },
    { "sharewareFee", &RegistrationEntry::sharewareFee, nullptr },
    { "sharewareConditions", nullptr, &RegistrationEntry::sharewareConditions },
    { "bankRemittance", &RegistrationEntry::bankRemittance, nullptr },
    { "postalRemittance", &RegistrationEntry::postalRemittance, nullptr },
    { "registeredProductNumber", &RegistrationEntry::registeredProductNumber, nullptr },
    { "niftyRemittance", &RegistrationEntry::niftyRemittance, nullptr },
    { "otherRemittance", &RegistrationEntry::otherRemittance, nullptr },
} };

constexpr std::array<std::string_view, 7> kSharewareKeys { "sharewareFee", "sharewareConditions", "bankRemittance",
    "postalRemittance", "registeredProductNumber", "niftyRemittance", "otherRemittance" };

// Settings that choose an item by its 1-based number, and how many there are.
struct NumberedSetting {
    std::string_view key;
    int items;
};
constexpr std::array<NumberedSetting, 4> kNumberedSettings { { { "submissionKind", 4 }, { "fileLocation", 4 },
    { "printPermission", 2 }, { "webPermission", 2 } } };

const TextField* textField(std::string_view key)
{
    for (const TextField& field : kTextFields) {
        if (field.key == key)
            return &field;
    }
    return nullptr;
}

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return lower;
}

std::string_view trimmed(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(kBlanks);
    if (start == std::string_view::npos)
        return {};
    return text.substr(start, text.find_last_not_of(kBlanks) - start + 1);
}

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<int> smallNumber(std::string_view text)
{
    if (!allDigits(text) || text.size() > 6)
        return std::nullopt;
    return std::stoi(std::string(text));
}

char32_t codePointAt(std::string_view utf8, std::size_t at, std::size_t length)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[at + i]); };
    switch (length) {
    case 1:
        return byte(0);
    case 2:
        return ((byte(0) & 0x1Fu) << 6) | (byte(1) & 0x3Fu);
    case 3:
        return ((byte(0) & 0x0Fu) << 12) | ((byte(1) & 0x3Fu) << 6) | (byte(2) & 0x3Fu);
    default:
        return ((byte(0) & 0x07u) << 18) | ((byte(1) & 0x3Fu) << 12) | ((byte(2) & 0x3Fu) << 6) | (byte(3) & 0x3Fu);
    }
}

std::string codePointName(char32_t code)
{
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
    return text;
}

// Base letters of U+00C0 to U+017F without their marks ('?': none in ASCII).
constexpr std::string_view kLatinBases = "AAAAAA?CEEEEIIII?NOOOOO??UUUUY??aaaaaa?ceeeeiiii?nooooo??uuuuy?yAaAaAaCcCc"
                                         "CcCcDd??EeEeEeEeEeGgGgGgGgHh??IiIiIiIiI???JjKk?LlLlLl????NnNnNn???OoOoOo??"
                                         "RrRrRrSsSsSsSsTtTt??UuUuUuUuUuUuWwYyYZzZzZz?";

std::optional<std::string> transliteration(char32_t code)
{
    static const std::map<char32_t, std::string> others { { 0x00DF, "ss" }, { 0x00E6, "ae" }, { 0x00C6, "AE" },
        { 0x0153, "oe" }, { 0x0152, "OE" }, { 0x00F8, "o" }, { 0x00D8, "O" }, { 0x00A9, "(C)" }, { 0x00AE, "(R)" },
        { 0x2122, "(TM)" }, { 0x2022, "・" }, { 0x00B7, "・" }, { 0x2013, "-" }, { 0x00A0, " " }, { 0x20AC, "EUR" } };
    if (const auto found = others.find(code); found != others.end())
        return found->second;
    if (code >= 0xC0 && code <= 0x17F && kLatinBases[code - 0xC0] != '?')
        return std::string(1, kLatinBases[code - 0xC0]);
    return std::nullopt;
}

// Characters CP932 takes in but gives back as another one.
std::optional<std::string_view> oneWayCharacter(char32_t code)
{
    switch (code) {
    case 0x301C:
        return "～ (U+FF5E)";
    case 0x2212:
        return "－ (U+FF0D)";
    case 0x2016:
        return "∥ (U+2225)";
    case 0x2014:
        return "― (U+2015)";
    case 0x00A2:
        return "￠ (U+FFE0)";
    case 0x00A3:
        return "￡ (U+FFE1)";
    case 0x00AC:
        return "￢ (U+FFE2)";
    case 0x00A5:
        return "\\ (U+005C)";
    default:
        return std::nullopt;
    }
}

struct OsAlias {
    std::string_view padName; // lower case, blanks collapsed
    int box; // 0..5, or -1 for the other-OS text
    std::string_view text; // the other-OS text
};

const std::vector<OsAlias> kOsAliases {
    { "win3.1x", 0, "" },
    { "win3.x", 0, "" },
    { "win31", 0, "" },
    { "win 3.1", 0, "" },
    { "windows3.1", 0, "" },
    { "windows 3.1", 0, "" },
    { "win95", 1, "" },
    { "windows95", 1, "" },
    { "windows 95", 1, "" },
    { "win98", 2, "" },
    { "windows98", 2, "" },
    { "windows 98", 2, "" },
    { "winnt 3.x", 3, "" },
    { "winnt 4.x", 3, "" },
    { "winnt", 3, "" },
    { "windowsnt", 3, "" },
    { "windows nt", 3, "" },
    { "win2000", 4, "" },
    { "windows2000", 4, "" },
    { "windows 2000", 4, "" },
    { "win2k", 4, "" },
    { "ms-dos", 5, "" },
    { "msdos", 5, "" },
    { "dos", 5, "" },
    { "winme", -1, "WindowsMe" },
    { "winxp", -1, "WindowsXP" },
    { "windowsxp", -1, "WindowsXP" },
    { "win2003", -1, "WindowsServer2003" },
    { "windows2003", -1, "WindowsServer2003" },
    { "winserver", -1, "WindowsServer" },
    { "winvista", -1, "WindowsVista" },
    { "winvista x64", -1, "WindowsVista" },
    { "win7 x32", -1, "Windows7" },
    { "win7 x64", -1, "Windows7" },
    { "windows 8", -1, "Windows8" },
    { "win 8", -1, "Windows8" },
    { "win8 x32", -1, "Windows8" },
    { "win8 x64", -1, "Windows8" },
    { "windows rt", -1, "WindowsRT" },
    { "winmobile", -1, "WindowsMobile" },
    { "windows phone 7", -1, "WindowsPhone7" },
    { "windows phone 8", -1, "WindowsPhone8" },
    { "wince", -1, "WindowsCE" },
    { "windows ce", -1, "WindowsCE" },
    { "winother", -1, "その他のWindows" },
    { "android", -1, "Android" },
    { "blackberry", -1, "BlackBerry" },
    { "handheld/mobile other", -1, "Handheld/Mobile Other" },
    { "iphone", -1, "iPhone" },
    { "ipad", -1, "iPad" },
    { "ipod", -1, "iPod" },
    { "itouch", -1, "iTouch" },
    { "java", -1, "Java" },
    { "linux", -1, "Linux" },
    { "mac os x", -1, "Mac OS X" },
    { "mac other", -1, "Mac Other" },
    { "palm", -1, "Palm" },
    { "pocket pc", -1, "Pocket PC" },
    { "unix", -1, "Unix" },
};

constexpr std::array<std::string_view, 8> kVerbatimOs { "Linux Console", "Linux Gnome", "Linux GPL",
    "Linux Open Source", "Netware", "OpenVMS", "Symbian", "Java" };

constexpr std::array<std::string_view, 31> kArchiveExtensions { "zip", "lzh", "lha", "7z", "rar", "cab", "exe", "msi",
    "com", "bin", "gz", "gzip", "tgz", "tar", "taz", "tgx", "bz2", "xz", "z", "uu", "dmg", "sit", "sitx", "hqx", "sea",
    "jar", "apk", "app", "air", "sh", "sis" };

class Mapper {
public:
    Mapper(const PadDocument& document, const PadImportOptions& options)
        : m_doc(document)
        , m_options(options)
    {
    }

    PadImport run()
    {
        m_result.padVersion = std::string(trimmed(take("MASTER_PAD_VERSION_INFO/MASTER_PAD_VERSION")));
        for (const std::string& path : m_doc.repeatedPaths)
            add(Level::Warning, "-", path, "この項目が何度も出てきます。最初のものだけを使いました。");
        for (const std::string& path : m_doc.mixedPaths)
            add(Level::Warning, "-", path, "値の中に要素（HTML のタグなど）があります。その中の文字は取り込みません。");
        mapProgram();
        mapDescriptions();
        mapDownload();
        mapAuthor();
        add(Level::Warning, "printPermission", "Permissions/Distribution_Permissions",
            "掲載許諾（出版物・インターネット）は PAD から決められないため「許可」のままです。"
            "ウィンドウで確かめて下さい。");
        applySettings();
        warnOfMissingSharewareFields();
        listNotImported();
        buildEntry();
        return std::move(m_result);
    }

private:
    void add(Level level, std::string_view field, std::string_view source, std::string message)
    {
        m_result.diagnostics.push_back({ level, std::string(field), std::string(source), std::move(message) });
    }

    std::string_view take(std::string_view path)
    {
        m_used.insert(std::string(path));
        return m_doc.value(path);
    }

    // A single-line value: trimmed, every run of line breaks or tabs one blank.
    std::string single(std::string_view field, std::string_view path)
    {
        const std::string_view value = trimmed(take(path));
        std::string text;
        bool joined = false;
        for (std::size_t at = 0; at < value.size(); ++at) {
            if (value[at] == '\r' || value[at] == '\n' || value[at] == '\t') {
                if (text.empty() || text.back() != ' ')
                    text += ' ';
                joined = true;
                continue;
            }
            text += value[at];
        }
        if (joined && field != "-")
            add(Level::Info, field, path, "改行やタブを空白に置き換えました。");
        return text;
    }

    void set(std::string_view field, std::string value, std::string_view source)
    {
        m_text[std::string(field)] = std::move(value);
        m_source[std::string(field)] = std::string(source);
    }

    void mapProgram()
    {
        const std::string name = single("softwareName", "Program_Info/Program_Name");
        const std::string version = single("version", "Program_Info/Program_Version");
        set("softwareName", name, "Program_Info/Program_Name");
        set("version", version, "Program_Info/Program_Version");
        if (!version.empty() && name.size() > version.size() && name.ends_with(version))
            add(Level::Warning, "softwareName", "Program_Info/Program_Name",
                "ソフト名が版数で終わっています。ソフト名には版数を含めないで下さい。");
        const std::string status = lowerAscii(single("-", "Program_Info/Program_Release_Status"));
        if (status == "major update" || status == "minor update")
            add(Level::Warning, "submissionKind", "Program_Info/Program_Release_Status",
                "更新版です。すでに登録済みなら --set submissionKind=2 --set originalLibraryNumber=PS…… "
                "を付けて下さい。");
        if (const std::string requirements = single("requiredSoftware", "Program_Info/Program_System_Requirements");
            !requirements.empty()) {
            set("requiredSoftware", requirements, "Program_Info/Program_System_Requirements");
            add(Level::Info, "requiredSoftware", "Program_Info/Program_System_Requirements",
                "PAD の動作環境を入れました。OS と配布ファイル以外に必要なソフトか確かめて下さい。");
        }
        if (const std::string_view category = trimmed(take("Program_Info/Program_Category_Class")); !category.empty())
            add(Level::Info, "category", "Program_Info/Program_Category_Class",
                "PAD の分類「" + std::string(category)
                    + "」は登録先の分類に対応しません。--set category= --set subcategory= で指定して下さい。");
        mapHandling();
        mapFee();
        mapConditions();
        mapOperatingSystems();
    }

    void mapHandling()
    {
        const std::string type = single("handling", "Program_Info/Program_Type");
        const std::string lower = lowerAscii(type);
        const auto& handlings = entryLists().handlings;
        const auto item = [&](int number) { return utf8FromCp932(handlings.at(static_cast<std::size_t>(number - 1))); };
        m_shareware = lower == "shareware";
        if (lower == "freeware")
            set("handling", item(1), "Program_Info/Program_Type");
        else if (m_shareware)
            set("handling", item(3), "Program_Info/Program_Type");
        else if (lower == "demo")
            set("handling", item(4), "Program_Info/Program_Type");
        else if (lower == "commercial" || lower == "adware" || lower == "data only") {
            set("handling", item(10), "Program_Info/Program_Type");
            add(Level::Warning, "handling", "Program_Info/Program_Type",
                "種類「" + type + "」は「その他」にしました。試用版なら --set handling=4 を付けて下さい。");
        } else
            add(Level::Warning, "handling", "Program_Info/Program_Type",
                "種類「" + type + "」に当たる取扱いがありません。--set handling=1..10 で指定して下さい。");
    }

    void mapFee()
    {
        const std::string dollars = single("-", "Program_Info/Program_Cost_Dollars");
        const std::string code = single("-", "Program_Info/Program_Cost_Other_Code");
        const std::string other = single("-", "Program_Info/Program_Cost_Other");
        const bool dollarPrice = !dollars.empty() && dollars.find_first_not_of("0.") != std::string::npos;
        if (!m_shareware) {
            if (dollarPrice || (!other.empty() && other.find_first_not_of("0.") != std::string::npos))
                add(Level::Info, "sharewareFee", "Program_Info/Program_Cost_Dollars",
                    "シェアウェアではないため価格（" + (dollarPrice ? dollars + " USD" : other + " " + code)
                        + "）は送金額にしませんでした。");
            return;
        }
        if (lowerAscii(code) == "jpy")
            yenFee(other);
        else if (dollarPrice)
            add(Level::Warning, "sharewareFee", "Program_Info/Program_Cost_Dollars",
                "価格が US ドルだけです（" + dollars + " USD）。円には換算しません。");
        else if (!code.empty() && !other.empty())
            add(Level::Warning, "sharewareFee", "Program_Info/Program_Cost_Other",
                "価格の通貨 " + code + " は円ではないため使いません。");
    }

    // What the preview will ask of a shareware, once the settings are in.
    void warnOfMissingSharewareFields()
    {
        if (m_text["handling"] != utf8FromCp932(entryLists().handlings[2]))
            return;
        if (m_text["sharewareFee"].empty())
            add(Level::Warning, "sharewareFee", "", "シェアウェアには送金額が必要です（プレビューで求められます）。");
        if (m_text["registeredProductNumber"].empty())
            add(Level::Warning, "registeredProductNumber", "",
                "シェアウェアには登録製品番号が必要です。--set registeredProductNumber=SR…… で指定して下さい。");
    }

    void yenFee(const std::string& price)
    {
        constexpr std::string_view source = "Program_Info/Program_Cost_Other";
        const std::size_t point = price.find('.');
        const std::string whole = price.substr(0, point);
        const std::string fraction = point == std::string::npos ? std::string() : price.substr(point + 1);
        if (!allDigits(whole) || (point != std::string::npos && !allDigits(fraction))) {
            add(Level::Warning, "sharewareFee", source, "価格「" + price + "」は数字だけではないため使いません。");
            return;
        }
        if (fraction.find_first_not_of('0') != std::string::npos) {
            add(Level::Warning, "sharewareFee", source, "価格「" + price + "」に円未満の端数があるため使いません。");
            return;
        }
        const std::size_t first = whole.find_first_not_of('0');
        if (first == std::string::npos) {
            add(Level::Warning, "sharewareFee", source, "価格が 0 円のため使いません。");
            return;
        }
        const std::string yen = whole.substr(first);
        set("sharewareFee", yen, source);
        add(Level::Info, "sharewareFee", source, "送金額 " + yen + " 円は価格「" + price + " JPY」から取りました。");
        if (yen.size() > 5 || !isAcceptedFee(std::stoi(yen)))
            add(Level::Warning, "sharewareFee", source,
                "送金額は " + std::to_string(kLowestFee) + "～" + std::to_string(kHighestFee)
                    + " 円でなければプレビューで断られます。");
    }

    void mapConditions()
    {
        const std::string has = lowerAscii(single("-", "Program_Info/Expire_Info/Has_Expire_Info"));
        if (!m_shareware || has != "y")
            return;
        std::vector<std::string> lines;
        const std::string count = single("-", "Program_Info/Expire_Info/Expire_Count");
        const std::string basis = lowerAscii(single("-", "Program_Info/Expire_Info/Expire_Based_On"));
        if (const auto n = smallNumber(count); n && *n > 0) {
            if (basis == "days")
                lines.push_back("試用期間は" + count + "日間です。");
            else if (basis == "uses")
                lines.push_back("試用できるのは" + count + "回までです。");
            else if (basis == "either/or")
                lines.push_back("試用は" + count + "日間または" + count + "回までです。");
        }
        const auto year = smallNumber(single("-", "Program_Info/Expire_Info/Expire_Year"));
        const auto month = smallNumber(single("-", "Program_Info/Expire_Info/Expire_Month"));
        const auto day = smallNumber(single("-", "Program_Info/Expire_Info/Expire_Day"));
        if (year && month && day && *year > 0 && *month > 0 && *day > 0)
            lines.push_back("試用期限は" + std::to_string(*year) + "年" + std::to_string(*month) + "月"
                + std::to_string(*day) + "日です。");
        for (const std::string& line : linesOf(take("Program_Info/Expire_Info/Expire_Other_Info")))
            lines.push_back(line);
        if (lines.empty())
            return;
        set("sharewareConditions", joinedLines(lines), "Program_Info/Expire_Info");
        add(Level::Info, "sharewareConditions", "Program_Info/Expire_Info",
            "試用の条件を PAD から作りました。確かめて下さい。");
    }

    void mapOperatingSystems()
    {
        constexpr std::string_view source = "Program_Info/Program_OS_Support";
        std::string list = std::string(take(source));
        std::replace(list.begin(), list.end(), ';', ',');
        std::vector<std::string> others;
        std::set<std::string, std::less<>> named; // others, to find a repeat at once
        bool windows = false;
        bool any = false;
        std::size_t start = 0;
        while (start <= list.size()) {
            std::size_t end = list.find(',', start);
            if (end == std::string::npos)
                end = list.size();
            std::string name;
            for (const char c : trimmed(std::string_view(list).substr(start, end - start))) {
                const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
                if (blank && !name.empty() && name.back() == ' ')
                    continue;
                name += blank ? ' ' : c;
            }
            start = end + 1;
            if (name.empty())
                continue;
            any = true;
            const std::string lower = lowerAscii(name);
            if (lower == "other" || lower == "not applicable") {
                add(Level::Info, "otherOs", source, "OS「" + name + "」は入れませんでした。");
                continue;
            }
            std::string text;
            const auto alias = std::find_if(
                kOsAliases.begin(), kOsAliases.end(), [&](const OsAlias& a) { return a.padName == lower; });
            if (alias != kOsAliases.end() && alias->box >= 0) {
                m_os[static_cast<std::size_t>(alias->box)] = true;
                windows = windows || alias->box < 5;
                continue;
            }
            if (alias != kOsAliases.end())
                text = alias->text;
            else if (std::find(kVerbatimOs.begin(), kVerbatimOs.end(), name) != kVerbatimOs.end())
                text = name;
            else if (const std::string numbered = numberedWindows(lower); !numbered.empty()) {
                text = numbered;
                add(Level::Info, "otherOs", source, "OS「" + name + "」を " + text + " としました。");
            } else {
                text = name;
                add(Level::Info, "otherOs", source, "OS「" + name + "」は知らない名前のため、そのまま入れました。");
            }
            windows = windows || lower.starts_with("win");
            if (named.insert(text).second)
                others.push_back(text);
        }
        std::string joined;
        for (const std::string& text : others)
            joined += (joined.empty() ? "" : " / ") + text;
        set("otherOs", joined, source);
        if (windows)
            set("machine", utf8FromCp932(entryLists().machines[6]), source);
        else
            add(Level::Warning, "machine", source,
                any ? "Windows 以外の OS のため機種を決められません。--set machine= で指定して下さい。"
                    : "対応 OS がないため機種を決められません。--set machine= で指定して下さい。");
    }

    // "win10 x64", "windows 11": WindowsN.
    static std::string numberedWindows(const std::string& lower)
    {
        std::size_t at = lower.starts_with("windows") ? 7 : lower.starts_with("win") ? 3 : std::string::npos;
        if (at == std::string::npos)
            return {};
        while (at < lower.size() && lower[at] == ' ')
            ++at;
        std::size_t end = at;
        while (end < lower.size() && lower[end] >= '0' && lower[end] <= '9')
            ++end;
        return end == at ? std::string() : "Windows" + lower.substr(at, end - at);
    }

    // A file may hold any number of blocks; those without a description of
    // their own are left out, so that each field looks at the others only.
    std::vector<std::string_view> languages() const
    {
        if (!m_options.language.empty())
            return { m_options.language };
        std::set<std::string_view> described;
        constexpr std::string_view blocks = "Program_Descriptions/";
        for (const auto& [path, value] : m_doc.values) {
            if (path.starts_with(blocks) && !trimmed(value).empty()) {
                const std::string_view block = std::string_view(path).substr(blocks.size());
                described.insert(block.substr(0, block.find('/')));
            }
        }
        std::vector<std::string_view> order { "Japanese", "English" };
        // The reader names each block once.
        for (const std::string& language : m_doc.descriptionLanguages) {
            if (language != order[0] && language != order[1] && described.contains(language))
                order.push_back(language);
        }
        return order;
    }

    // The first language that has the field; a language beats a longer text.
    bool describe(std::string_view field, const std::vector<std::string_view>& names)
    {
        for (const std::string_view language : languages()) {
            for (const std::string_view name : names) {
                const std::string path = "Program_Descriptions/" + std::string(language) + "/" + std::string(name);
                if (trimmed(m_doc.value(path)).empty())
                    continue;
                if (field == "description")
                    set(field, joinedLines(linesOf(take(path))), path);
                else
                    set(field, single(field, path), path);
                if (language != "Japanese")
                    add(Level::Info, field, path, std::string(language) + " の説明から取りました。");
                if (looksLikeHtml(m_text[std::string(field)]))
                    add(Level::Warning, field, path,
                        "HTML のタグのような文字列があります。登録の本文にはそのまま出ます。");
                return true;
            }
        }
        return false;
    }

    void mapDescriptions()
    {
        if (!describe("headline", { "Char_Desc_80" }))
            describe("headline", { "Char_Desc_45" });
        describe("description", { "Char_Desc_2000", "Char_Desc_450", "Char_Desc_250" });
    }

    static bool looksLikeHtml(std::string_view text)
    {
        // Only a '>' after the last '<' that opens a name counts, so each is looked for once.
        const std::size_t lastClose = text.rfind('>');
        if (lastClose == std::string_view::npos)
            return false;
        for (std::size_t at = text.find('<'); at < lastClose; at = text.find('<', at + 1)) {
            const std::size_t next = at + (at + 1 < text.size() && text[at + 1] == '/' ? 2 : 1);
            if (next < lastClose && std::isalpha(static_cast<unsigned char>(text[next])))
                return true;
        }
        return false;
    }

    // The file an URL names, or nothing: the last path segment, decoded.
    static std::string fileOfUrl(std::string_view url)
    {
        const std::string lower = lowerAscii(url);
        std::size_t at = 0;
        for (const std::string_view scheme : { "http://", "https://", "ftp://" }) {
            if (lower.starts_with(scheme))
                at = scheme.size();
        }
        if (at == 0)
            return {};
        std::string_view rest = url.substr(at);
        rest = rest.substr(0, rest.find_first_of("?#"));
        const std::size_t slash = rest.rfind('/');
        if (slash == std::string_view::npos)
            return {};
        const std::string_view segment = rest.substr(slash + 1);
        std::string decoded;
        for (std::size_t i = 0; i < segment.size(); ++i) {
            if (segment[i] == '%' && i + 2 < segment.size() && std::isxdigit(static_cast<unsigned char>(segment[i + 1]))
                && std::isxdigit(static_cast<unsigned char>(segment[i + 2]))) {
                decoded += static_cast<char>(std::stoi(std::string(segment.substr(i + 1, 2)), nullptr, 16));
                i += 2;
            } else
                decoded += segment[i];
        }
        const std::string name
            = isValidUtf8(decoded) && decoded.find('\0') == std::string::npos ? decoded : std::string(segment);
        const std::size_t dot = name.rfind('.');
        if (dot == std::string::npos || dot == 0)
            return {};
        const std::string extension = lowerAscii(name.substr(dot + 1));
        if (extension.empty()
            || std::find(kArchiveExtensions.begin(), kArchiveExtensions.end(), extension) == kArchiveExtensions.end())
            return {};
        return name;
    }

    void mapDownload()
    {
        bool found = false;
        for (const std::string_view path : { "Web_Info/Download_URLs/Primary_Download_URL",
                 "Web_Info/Download_URLs/Secondary_Download_URL", "Web_Info/Download_URLs/Additional_Download_URL_1",
                 "Web_Info/Download_URLs/Additional_Download_URL_2" }) {
            const std::string url = single("fileLocationOther", path);
            const std::string file = found ? std::string() : fileOfUrl(url);
            if (file.empty())
                continue;
            found = true;
            set("archiveFileName", file, path);
            set("fileLocationOther", url, path);
            m_fileLocation = 3;
            if (!path.ends_with("Primary_Download_URL"))
                add(Level::Info, "archiveFileName", path, "書庫ファイル名は " + url + " から取りました。");
            const std::string extension = lowerAscii(file.substr(file.rfind('.') + 1));
            if (extension == "exe" || extension == "msi")
                add(Level::Info, "archiveFileName", path, "登録先に送るファイルが同じ名前か確かめて下さい。");
        }
        if (!found)
            add(Level::Warning, "archiveFileName", "Web_Info/Download_URLs",
                "ファイル名の分かるダウンロード URL がありません。書庫ファイル名はプレビューで必要です。");
        std::string_view home = "Web_Info/Application_URLs/Application_Info_URL";
        std::string url = single("notes", home);
        if (url.empty()) {
            home = "Company_Info/Company_WebSite_URL";
            url = single("notes", home);
        }
        if (!url.empty())
            set("notes", "ホームページ：" + url, home);
    }

    static bool holdsJapanese(std::string_view utf8)
    {
        for (std::size_t at = 0; at < utf8.size();) {
            const std::size_t length = std::max<std::size_t>(1, utf8CharacterLength(utf8, at));
            if (length >= 3 && codePointAt(utf8, at, length) >= 0x3000)
                return true;
            at += length;
        }
        return false;
    }

    void mapAuthor()
    {
        constexpr std::string_view source = "Company_Info/Contact_Info";
        const std::string first = single("authorId", "Company_Info/Contact_Info/Author_First_Name");
        const std::string last = single("authorId", "Company_Info/Contact_Info/Author_Last_Name");
        if (m_options.rememberedAuthor && !m_options.rememberedAuthor->empty()) {
            set("authorId", utf8FromCp932(*m_options.rememberedAuthor), "setting.dat");
            add(Level::Info, "authorId", "setting.dat", "作者名はウィンドウが覚えているものにしました。");
            return;
        }
        std::string name;
        if (holdsJapanese(first + last))
            name = last + (last.empty() || first.empty() ? "" : " ") + first;
        else
            name = first + (last.empty() || first.empty() ? "" : " ") + last;
        if (name.empty()) {
            add(Level::Warning, "authorId", source, "作者名がありません。プレビューで必要です。");
            return;
        }
        if (!isRepresentableInCp932(name)) {
            add(Level::Warning, "authorId", source, "作者名「" + name + "」は Shift-JIS で表せないため使いません。");
            return;
        }
        set("authorId", name, source);
        add(Level::Info, "authorId", source, "作者名を PAD の名前から作りました。作者登録番号（PA……）がお勧めです。");
    }

    void applySettings()
    {
        // Handling comes as it is meant: an item chosen by its number is its text here.
        for (const auto& [key, value] : m_options.settings) {
            m_setByOption.insert(key);
            const auto number = smallNumber(value);
            if (key == "submissionKind")
                m_submissionKind = *number - 1;
            else if (key == "fileLocation")
                m_fileLocation = *number - 1;
            else if (key == "printPermission")
                m_printPermission = *number - 1;
            else if (key == "webPermission")
                m_webPermission = *number - 1;
            else if (key == "description" || key == "notes" || key == "sharewareConditions")
                set(key, joinedLines(splitLines(value)), "--set");
            else
                set(key, value, "--set");
        }
        if ((m_setByOption.contains("category") || m_setByOption.contains("subcategory")) && m_options.catalog) {
            const auto entries = m_options.catalog->subcategoriesFor(cp932FromUtf8(m_text["category"]));
            if (std::find(entries.begin(), entries.end(), cp932FromUtf8(m_text["subcategory"])) == entries.end())
                add(Level::Warning, "category", "--set", "この分類の組は category.dat にありません。");
        }
    }

    void listNotImported()
    {
        std::size_t count = 0;
        for (const auto& [path, value] : m_doc.values) {
            if (trimmed(value).empty() || m_used.contains(path))
                continue;
            m_result.notImported.push_back(path);
            ++count;
        }
        if (count > 0)
            add(Level::Info, "-", "", "取り込まなかった PAD の項目が " + std::to_string(count) + " 個あります。");
    }

    // Checks every character of a field: what CP932 cannot hold is refused (or,
    // when asked, replaced from the table); what it holds one way only is told.
    std::string checkedCp932(const TextField& field, const std::string& utf8)
    {
        const std::string key(field.key);
        const std::string& source = m_source[key];
        const bool mayReplace = m_options.transliterate && !m_setByOption.contains(key);
        std::string result;
        std::size_t line = 1;
        std::size_t column = 0;
        for (std::size_t at = 0; at < utf8.size();) {
            const std::size_t length = std::max<std::size_t>(1, utf8CharacterLength(utf8, at));
            const std::string character = utf8.substr(at, length);
            const char32_t code = codePointAt(utf8, at, length);
            at += length;
            ++column;
            if (character == "\n") {
                ++line;
                column = 0;
                result += character;
                continue;
            }
            // Worded only for a finding: most characters have none.
            const auto where = [&] {
                return field.lines ? std::to_string(line) + " 行 " + std::to_string(column) + " 文字目"
                                   : std::to_string(column) + " 文字目";
            };
            if (!isRepresentableInCp932(character)) {
                if (const auto replacement = mayReplace ? transliteration(code) : std::nullopt) {
                    add(Level::Warning, key, source,
                        "「" + character + "」(" + codePointName(code) + ") を「" + *replacement
                            + "」に置き換えました（" + where() + "）。"
                            + (key == "softwareName" ? "バックアップのファイル名も変わります。" : ""));
                    result += *replacement;
                    continue;
                }
                add(Level::Error, key, source,
                    unrepresentableMessage(character) + "（" + codePointName(code) + "、" + where() + "）");
                result += character;
                continue;
            }
            if (const auto back = oneWayCharacter(code))
                add(code == 0xA5 ? Level::Warning : Level::Info, key, source,
                    "「" + character + "」(" + codePointName(code) + ") は読み戻すと「" + std::string(*back)
                        + "」になります（" + where() + "）。");
            result += character;
        }
        return result;
    }

    void checkName(const std::string& cp932Name)
    {
        const auto refuse = [&](std::string message) {
            add(Level::Error, "softwareName", m_source["softwareName"], std::move(message));
        };
        if (cp932Name.empty())
            refuse("ソフト名がありません。バックアップのファイル名になるため必要です。");
        else if (!isOneFileName(cp932Name))
            refuse("ソフト名に「/」「\\」（「¥」を含む）があるため、バックアップのファイル名にできません。");
        else if (cp932Name.front() == '.')
            refuse("ソフト名が「.」で始まるため、読込の一覧に出ません。");
        else if (cp932Name.find(".bak") != std::string::npos)
            refuse("ソフト名に「.bak」があるため、読込で別の名前になります。");
        else if (fileNameFromCp932(cp932Name).native().size() > kLongestNameFileBytes)
            refuse("ソフト名が長すぎて、バックアップのファイル名にできません。");
    }

    void buildEntry()
    {
        RegistrationEntry& e = m_result.entry;
        RegistrationEntry& shown = m_result.shownEntry;
        bool anyShareware = false;
        for (const TextField& field : kTextFields) {
            const std::string utf8 = checkedCp932(field, m_text[std::string(field.key)]);
            const std::string cp932 = cp932FromUtf8(utf8);
            if (field.lines)
                shown.*field.lines = LinesText(utf8ForDisplay(utf8));
            else
                shown.*field.single = utf8ForDisplay(utf8);
            if (field.lines) {
                std::string text;
                forEachLine(cp932, [&](std::string_view line) {
                    text += line;
                    text += kCrLf;
                });
                e.*field.lines = LinesText(std::move(text));
            } else
                e.*field.single = cp932;
            if (std::find(kSharewareKeys.begin(), kSharewareKeys.end(), field.key) != kSharewareKeys.end())
                anyShareware = anyShareware || !cp932.empty();
        }
        if (!m_result.refused())
            checkName(e.softwareName.str());
        e.supportedOs = m_os;
        e.submissionKind = m_submissionKind;
        e.fileLocation = m_fileLocation;
        e.printPermission = m_printPermission;
        e.webPermission = m_webPermission;
        e.changeHandling(e.handling.str());
        shown.supportedOs = m_os;
        shown.submissionKind = m_submissionKind;
        shown.fileLocation = m_fileLocation;
        shown.printPermission = m_printPermission;
        shown.webPermission = m_webPermission;
        shown.handlingKind = e.handlingKind;
        shown.visibility.fileLocationOther = m_fileLocation == 3 && !shown.fileLocationOther.empty();
        std::size_t bytes = 0;
        e.description.forEachLine([&](std::string_view line) { bytes += line.size(); });
        if (bytes > kDescriptionGuideBytes)
            add(Level::Warning, "description", m_source["description"],
                "内容説明が " + std::to_string(bytes) + " バイトあります（1キロバイト程度が目安です）。");
        const std::string& kind = e.handlingKind.text();
        const DocumentClass documentClass
            = kind.empty() ? DocumentClass::SharewareOptional : documentClassOf(std::stoi(kind));
        // As the preview decides: an optional section goes with its fee.
        const bool withShareware = documentClass == DocumentClass::SharewareRequired
            || (documentClass == DocumentClass::SharewareOptional
                && (kind.empty() ? anyShareware : !e.sharewareFee.empty()));
        if (!withShareware && anyShareware)
            add(Level::Warning, "sharewareFee", "", "この取扱いでは送金額がないとシェアウェアの項目は書かれません。");
        m_result.sections = withShareware ? BackupSections::CommonAndShareware : BackupSections::CommonOnly;
    }

    static std::vector<std::string> linesOf(std::string_view value)
    {
        std::vector<std::string> lines = splitLines(trimmed(value));
        for (std::string& line : lines)
            line.erase(line.find_last_not_of(" \t") + 1);
        while (!lines.empty() && lines.back().empty())
            lines.pop_back();
        return lines;
    }

    static std::string joinedLines(const std::vector<std::string>& lines)
    {
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i)
            text += (i == 0 ? "" : "\n") + lines[i];
        return text;
    }

    const PadDocument& m_doc;
    const PadImportOptions& m_options;
    PadImport m_result;
    std::map<std::string, std::string, std::less<>> m_text;
    std::map<std::string, std::string, std::less<>> m_source;
    std::set<std::string, std::less<>> m_used;
    std::set<std::string, std::less<>> m_setByOption;
    std::array<bool, 6> m_os {};
    bool m_shareware = false;
    int m_submissionKind = 0;
    int m_fileLocation = 0;
    int m_printPermission = 0;
    int m_webPermission = 0;
};

} // namespace

std::string_view levelName(PadDiagnostic::Level level)
{
    switch (level) {
    case Level::Error:
        return "error";
    case Level::Warning:
        return "warning";
    case Level::Info:
        break;
    }
    return "info";
}

std::string PadDiagnostic::line() const
{
    std::string text = std::string(levelName(level)) + " " + field;
    if (!source.empty())
        text += " (" + source + ")";
    return text + ": " + message;
}

bool PadImport::refused() const
{
    return std::any_of(diagnostics.begin(), diagnostics.end(),
        [](const PadDiagnostic& diagnostic) { return diagnostic.level == Level::Error; });
}

PadImport mapPad(const PadDocument& document, const PadImportOptions& options)
{
    return Mapper(document, options).run();
}

std::optional<std::string> settingProblem(std::string_view field, std::string_view value)
{
    for (const NumberedSetting& setting : kNumberedSettings) {
        if (setting.key != field)
            continue;
        const auto number = smallNumber(value);
        if (!number || *number < 1 || *number > setting.items)
            return std::string(field) + " takes a number from 1 to " + std::to_string(setting.items);
        return std::nullopt;
    }
    if (!textField(field))
        return "unknown field '" + std::string(field) + "'";
    // The fee field keeps digits only; anything else would not load back.
    if (field == "sharewareFee" && !value.empty() && !allDigits(value))
        return "sharewareFee takes digits only";
    return std::nullopt;
}

} // namespace tarvo
