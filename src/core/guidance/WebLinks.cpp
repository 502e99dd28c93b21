#include "guidance/Guidance.h"

#include "guidance/LinkSettings.h"
#include "text/Cp932.h"

#include <algorithm>

namespace tarvo {

namespace {

WebLink siteLink(std::string control, std::string_view utf8LeadIn, LinkEndpoint endpoint, std::string path)
{
    return WebLink { std::move(control), cp932FromUtf8(utf8LeadIn), endpoint, std::move(path), {} };
}

WebLink homePageLink(std::string control, std::string_view utf8Question)
{
    return WebLink { std::move(control), {}, LinkEndpoint::HomePage, {}, cp932FromUtf8(utf8Question) };
}

} // namespace

std::string WebLink::url() const
{
    switch (endpoint) {
    case LinkEndpoint::Site:
        return std::string("http://") + TARVO_SITE_HOST + path;
    case LinkEndpoint::SecureSite:
        return std::string("https://") + TARVO_SECURE_HOST + path;
    case LinkEndpoint::HomePage:
        break;
    }
    return TARVO_HOMEPAGE_URL;
}

const std::vector<WebLink>& webLinks()
{
    static const std::vector<WebLink> links {
        siteLink("Label77", "★タルヴォの公式サイトはここから行けます", LinkEndpoint::Site, "/"),
        siteLink("Label90", "★差し替え、追加、削除はこちらからどうぞ", LinkEndpoint::Site,
            "/for_authors/upload/soft_reg.html"),
        siteLink("Label91", "★ライブラリ作者登録をまだ行っていない方", LinkEndpoint::Site,
            "/for_authors/upload/auth_reg.html"),
        siteLink(
            "Label92", "★ライブラリ作者パスワードがまだ無い方は", LinkEndpoint::Site, "/for_authors/pw/index.html"),
        siteLink("Label93", "★シェアウェアの送金代行を希望の方はレジ作者登録・レジ作品登録▼", LinkEndpoint::Site,
            "/swauth/man/"),
        siteLink("Label94", "★シェアの場合は次に作者情報の登録が必要", LinkEndpoint::SecureSite, "/swauth/auth.entry"),
        homePageLink("Label73", "当HP「Velmo Studio」へ行きますか？"),
        homePageLink("Image1", "当ホームページ「Velmo Studio」へ行きますか？"),
    };
    return links;
}

const WebLink* webLinkFor(std::string_view control)
{
    const auto& links = webLinks();
    const auto found
        = std::find_if(links.begin(), links.end(), [&](const WebLink& link) { return link.control == control; });
    return found == links.end() ? nullptr : &*found;
}

std::string homePageCaption()
{
    const std::string_view url = TARVO_HOMEPAGE_URL;
    const std::size_t scheme = url.find("://");
    return cp932FromUtf8(scheme == std::string_view::npos ? url : url.substr(scheme + 3));
}

} // namespace tarvo
