// Web_Info: the archive's name from the download URLs, and the home page.

#include "core/pad/PadMapper.h"

#include "core/text/Utf8.h"

#include <algorithm>
#include <cctype>

namespace tarvo::pad {

namespace {

constexpr std::string_view kUrls = "Web_Info/Download_URLs/";

// The site takes archives and installers alike.
constexpr auto kArchiveExtensions = std::to_array<std::string_view>({ "zip", "lzh", "lha", "7z", "rar", "cab", "exe",
    "msi", "msix", "com", "bin", "gz", "gzip", "tgz", "tar", "taz", "tgx", "bz2", "xz", "z", "uu", "dmg", "pkg", "deb",
    "rpm", "appimage", "sit", "sitx", "hqx", "sea", "jar", "apk", "app", "air", "sh", "sis" });

constexpr auto kInstallerExtensions
    = std::to_array<std::string_view>({ "exe", "msi", "msix", "dmg", "pkg", "deb", "rpm", "appimage" });

std::string extensionOf(std::string_view name)
{
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? std::string() : lowerAscii(name.substr(dot + 1));
}

// %XX decoded (and '+' as a blank in a query); left as written when the
// result is no UTF-8 text.
std::string decoded(std::string_view text, bool query)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1]))
            && std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            result += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else
            result += query && text[i] == '+' ? ' ' : text[i];
    }
    return isValidUtf8(result) && result.find('\0') == std::string::npos ? result : std::string(text);
}

// The last segment of a path, when it names a file the site takes.
std::string archiveIn(std::string_view path, bool query)
{
    while (path.ends_with('/'))
        path.remove_suffix(1);
    const std::string name = decoded(path.substr(path.rfind('/') + 1), query);
    const std::string extension = extensionOf(name);
    const bool known
        = std::find(kArchiveExtensions.begin(), kArchiveExtensions.end(), extension) != kArchiveExtensions.end();
    return known && name.find_first_of("/\\") == std::string::npos ? name : std::string();
}

} // namespace

// The file an URL names, or nothing: the last path segment, the one before a
// final "/download" (SourceForge), else a query value naming a file
// ("get.php?file=tool.zip").
std::string fileOfUrl(std::string_view url)
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
    rest = rest.substr(0, rest.find('#'));
    const std::size_t question = rest.find('?');
    std::string_view path = rest.substr(0, question);
    const std::string_view query = question == std::string_view::npos ? std::string_view() : rest.substr(question + 1);
    const std::size_t host = path.find('/');
    path = host == std::string_view::npos ? std::string_view() : path.substr(host);
    while (path.ends_with('/'))
        path.remove_suffix(1);
    if (lowerAscii(path).ends_with("/download"))
        path.remove_suffix(std::string_view("/download").size());
    if (std::string name = archiveIn(path, false); !name.empty())
        return name;
    for (std::size_t start = 0; start < query.size();) {
        const std::size_t end = std::min(query.find('&', start), query.size());
        const std::string_view pair = query.substr(start, end - start);
        if (const std::size_t equals = pair.find('='); equals != std::string_view::npos) {
            if (std::string name = archiveIn(decoded(pair.substr(equals + 1), true), false); !name.empty())
                return name;
        }
        start = end + 1;
    }
    return {};
}

// The first download URL that names a file gives the archive's name and the
// file's place; the others are alternatives (a .dmg, a portable build, a
// mirror) that the form has no room for, and are named.
void Mapper::mapWebInfo()
{
    std::vector<std::string> alternatives;
    for (const std::string_view name : { "Primary_Download_URL", "Secondary_Download_URL", "Additional_Download_URL_1",
             "Additional_Download_URL_2" }) {
        const std::string path = std::string(kUrls) + std::string(name);
        const std::string url = single("fileLocationOther", path);
        const std::string file = m_fileLocation == 3 ? std::string() : fileOfUrl(url);
        if (file.empty()) {
            if (!url.empty())
                alternatives.push_back(url);
            continue;
        }
        set("archiveFileName", file, path);
        set("fileLocationOther", url, path);
        m_fileLocation = 3;
        add(Level::Info, "archiveFileName", path, "アーカイブファイルの名前は " + url + " から取りました。");
        if (std::find(kInstallerExtensions.begin(), kInstallerExtensions.end(), extensionOf(file))
            != kInstallerExtensions.end())
            add(Level::Info, "archiveFileName", path, "登録先に送るファイルが同じ名前か確かめて下さい。");
    }
    if (m_fileLocation != 3)
        add(Level::Warning, "archiveFileName", "Web_Info/Download_URLs",
            "ファイル名の分かるダウンロード URL がありません。アーカイブファイルの名前はプレビューで必要です。",
            { { "archiveFileName", "" } });
    else if (!alternatives.empty()) {
        std::string named;
        for (const std::string& url : alternatives)
            named += (named.empty() ? "" : "、") + url;
        add(Level::Info, "fileLocationOther", "Web_Info/Download_URLs",
            "ほかのダウンロード URL は取り込みません：" + named);
    }
    // The home page goes to the staff with the notes.
    std::string_view home = "Web_Info/Application_URLs/Application_Info_URL";
    std::string url = single("notes", home);
    if (url.empty()) {
        home = "Company_Info/Company_WebSite_URL";
        url = single("notes", home);
    }
    if (!url.empty())
        set("notes", "ホームページ：" + url, home);
}

} // namespace tarvo::pad
