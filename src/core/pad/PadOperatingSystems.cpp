// Program_Info/Program_OS_Support: the six check boxes, the other-OS text and
// the machine.

#include "core/pad/PadMapper.h"

#include "core/entry/EntryLists.h"
#include "core/text/Cp932.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <set>

namespace tarvo::pad {

namespace {

constexpr std::string_view kSource = "Program_Info/Program_OS_Support";

// Names that tick a box (0..5); the form's boxes are the systems of its day, so
// later NT systems (XP, Vista, servers) do not tick WindowsNT.
struct BoxAlias {
    std::string_view padName; // lower case, blanks collapsed, bitness removed
    int box;
};

constexpr auto kBoxAliases = std::to_array<BoxAlias>({
    { "win3.1x", 0 },
    { "win3.x", 0 },
    { "win31", 0 },
    { "win 3.1", 0 },
    { "windows3.1", 0 },
    { "windows 3.1", 0 },
    { "win95", 1 },
    { "windows95", 1 },
    { "windows 95", 1 },
    { "win98", 2 },
    { "windows98", 2 },
    { "windows 98", 2 },
    { "winnt 3.x", 3 },
    { "winnt 4.x", 3 },
    { "winnt", 3 },
    { "windowsnt", 3 },
    { "windows nt", 3 },
    { "win2000", 4 },
    { "windows2000", 4 },
    { "windows 2000", 4 },
    { "win2k", 4 },
    { "ms-dos", 5 },
    { "msdos", 5 },
    { "dos", 5 },
});

// One system by every spelling generators write: the prefix of its folded PAD
// name, and its other-OS text.
struct Family {
    std::string_view prefix;
    std::string_view text;
};

constexpr auto kFamilies = std::to_array<Family>({
    { "winme", "WindowsMe" },
    { "windows me", "WindowsMe" },
    { "windowsme", "WindowsMe" },
    { "winxp", "WindowsXP" },
    { "windows xp", "WindowsXP" },
    { "windowsxp", "WindowsXP" },
    // Both 2005 editions are editions of XP.
    { "windows tablet pc edition", "WindowsXP" },
    { "windows media center edition", "WindowsXP" },
    { "winvista", "WindowsVista" },
    { "windows vista", "WindowsVista" },
    { "windowsvista", "WindowsVista" },
    { "windows rt", "WindowsRT" },
    { "windows phone", "WindowsPhone" },
    { "winmobile", "WindowsMobile" },
    { "windows mobile", "WindowsMobile" },
    { "wince", "WindowsCE" },
    { "windows ce", "WindowsCE" },
    { "winother", "その他のWindows" },
    { "mac os x", "Mac OS X" },
    { "mac osx", "Mac OS X" },
    { "macosx", "Mac OS X" },
    { "macos", "Mac OS X" },
    { "os x", "Mac OS X" },
    { "mac other", "Mac Other" },
    { "ios", "iOS" },
    { "iphone", "iPhone" },
    { "ipad", "iPad" },
    { "ipod", "iPod" },
    { "itouch", "iTouch" },
    { "android", "Android" },
    { "linux", "Linux" },
    { "unix", "Unix" },
    { "blackberry", "BlackBerry" },
    { "palm", "Palm" },
    { "pocket pc", "Pocket PC" },
    { "symbian", "Symbian" },
    { "java", "Java" },
    { "netware", "Netware" },
    { "openvms", "OpenVMS" },
    { "handheld/mobile other", "Handheld/Mobile Other" },
});

// 32- and 64-bit builds run on one syste// The order of the other-OS text, by family, whatever the file's order: the
// same systems always read the same. Numbered systems follow their numbers.
constexpr auto kOrder = std::to_array<std::string_view>({ "WindowsMe", "WindowsXP", "WindowsVista", "Windows",
    "WindowsServer", "WindowsRT", "WindowsPhone", "WindowsMobile", "WindowsCE", "その他のWindows", "Mac OS X",
    "Mac Other", "iOS", "iPhone", "iPad", "iPod", "iTouch", "Android", "Linux", "Unix", "BlackBerry", "Palm",
    "Pocket PC", "Symbian", "Java", "Netware", "OpenVMS", "Handheld/Mobile Other" });

// 32- and 64-bit builds run on one system.
std::string withoutBitness(std::string name)
{
    for (bool cut = true; cut;) {
        cut = false;
        while (!name.empty() && (name.back() == ' ' || name.back() == ')' || name.back() == '('))
            name.pop_back();
        for (const std::string_view suffix :
            { "x32", "x64", "x86", "32-bit", "64-bit", "32bit", "64bit", "32 bit", "64 bit", "32-bits", "64-bits" }) {
            if (name.size() > suffix.size() && name.ends_with(suffix)) {
                name.resize(name.size() - suffix.size());
                cut = true;
            }
        }
    }
    return name;
}

// "7", "8.1", "2008R2" after the given prefix, or empty.
std::string versionAfter(std::string_view name, std::string_view prefix)
{
    if (!name.starts_with(prefix))
        return {};
    std::string_view rest = name.substr(prefix.size());
    while (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);
    if (rest.empty() || rest.front() < '0' || rest.front() > '9'
        || rest.find_first_not_of("0123456789.r ") != std::string_view::npos)
        return {};
    std::string version;
    for (const char c : rest) {
        if (c != ' ')
            version += c == 'r' ? 'R' : c;
    }
    return version;
}

struct OtherOs {
    std::string text;
    std::string_view family; // an entry of kOrder, or empty when unknown
    double number = 0;
};

std::size_t rankOf(const OtherOs& os)
{
    return static_cast<std::size_t>(std::find(kOrder.begin(), kOrder.end(), os.family) - kOrder.begin());
}

// The other-OS entry for a name that ticks no box.
OtherOs otherOsOf(const std::string& folded, const std::string& asWritten)
{
    for (const std::string_view server : { "windows server", "windowsserver", "winserver", "windows", "win" }) {
        const std::string year = versionAfter(folded, server);
        if (year.size() >= 4 && year.starts_with("20"))
            return { "WindowsServer" + year, "WindowsServer",
                std::atof(year.c_str()) + (year.ends_with("R2") ? 0.5 : 0) };
    }
    for (const std::string_view windows : { "windows phone", "windows", "win" }) {
        const std::string version = versionAfter(folded, windows);
        if (!version.empty() && version.find('R') == std::string::npos) {
            const std::string_view family = windows == "windows phone" ? "WindowsPhone" : "Windows";
            return { std::string(family) + version, family, std::atof(version.c_str()) };
        }
    }
    if (folded == "winserver" || folded == "windows server")
        return { "WindowsServer", "WindowsServer" };
    for (const Family& family : kFamilies) {
        if (folded.starts_with(family.prefix))
            return { std::string(family.text), family.text };
    }
    return { asWritten, {} };
}

} // namespace

// Old Windows names tick the boxes; every other system, folded to one name
// per system, goes into the other-OS text; a Windows program runs on any PC.
void Mapper::mapOperatingSystems()
{
    std::string list(value(kSource));
    std::replace(list.begin(), list.end(), ';', ',');
    std::vector<OtherOs> others;
    std::set<std::string, std::less<>> named; // others' texts, to find a repeat at once
    std::vector<std::string> unknown;
    std::vector<std::string> dropped;
    bool windows = false;
    bool any = false;
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        std::string name;
        for (const char c : trimmed(std::string_view(list).substr(start, end - start))) {
            const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
            if (!(blank && !name.empty() && name.back() == ' '))
                name += blank ? ' ' : c;
        }
        start = end + 1;
        if (name.empty())
            continue;
        any = true;
        const std::string folded = withoutBitness(lowerAscii(name));
        if (folded == "other" || folded == "not applicable") {
            dropped.push_back(name);
            continue;
        }
        // Any NT 3.x or 4.x spelling ("Windows NT 4.0") is the NT box.
        const auto box = std::find_if(kBoxAliases.begin(), kBoxAliases.end(), [&](const BoxAlias& a) {
            return a.padName == folded
                || (a.box == 3 && folded.starts_with(a.padName) && folded.size() > a.padName.size()
                    && (folded[a.padName.size()] == ' ' || folded[a.padName.size()] == '3'
                        || folded[a.padName.size()] == '4'));
        });
        if (box != kBoxAliases.end()) {
            m_os[static_cast<std::size_t>(box->box)] = true;
            windows = windows || box->box < 5;
            continue;
        }
        OtherOs other = otherOsOf(folded, name);
        windows = windows || folded.starts_with("win");
        if (other.family.empty())
            unknown.push_back(name);
        if (named.insert(other.text).second)
            others.push_back(std::move(other));
    }
    std::stable_sort(others.begin(), others.end(), [](const OtherOs& a, const OtherOs& b) {
        return rankOf(a) != rankOf(b) ? rankOf(a) < rankOf(b) : a.number < b.number;
    });
    std::string joined;
    for (const OtherOs& other : others)
        joined += (joined.empty() ? "" : " / ") + other.text;
    if (any)
        set("otherOs", joined, kSource);
    if (!joined.empty() || !dropped.empty()) {
        std::string message = "チェックボックスにない OS を「その他」に「" + joined + "」と入れました。";
        const auto named = [](const std::vector<std::string>& names) {
            std::string text;
            for (const std::string& name : names)
                text += (text.empty() ? "「" : "」「") + name;
            return text + "」";
        };
        if (!unknown.empty())
            message += "知らない名前" + named(unknown) + "はそのままです。";
        if (!dropped.empty())
            message += named(dropped) + "は入れませんでした。";
        add(Level::Info, "otherOs", kSource, message);
    }
    if (windows)
        set("machine", utf8FromCp932(entryLists().machines[6]), kSource);
    else
        add(Level::Warning, "machine", kSource,
            any ? "Windows 以外の OS のため機種を決められません。" : "対応 OS がないため機種を決められません。",
            { { "machine", "" } });
}

} // namespace tarvo::pad
