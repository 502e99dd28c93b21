#include "core/guidance/WebLinks.h"

#include "core/guidance/LinkSettings.h"

#include <algorithm>
#include <stdexcept>

namespace tarvo {

namespace {

WebLink siteLink(LinkId id, std::string_view leadIn, LinkEndpoint endpoint, std::string_view path)
{
    return WebLink { id, leadIn, LeadIn::Above, endpoint, path, {}, false };
}

WebLink homePageLink(LinkId id, std::string_view question)
{
    return WebLink { id, {}, LeadIn::Above, LinkEndpoint::HomePage, {}, question, true };
}

// The only site link on the line of its lead-in, and the only one with the
// hand cursor.
WebLink officialSiteLink()
{
    WebLink link = siteLink(LinkId::OfficialSite, "★タルヴォの公式サイトはここから行けます", LinkEndpoint::Site, "/");
    link.placement = LeadIn::OnTheLeft;
    link.handCursor = true;
    return link;
}

} // namespace

std::string WebLink::url() const
{
    switch (endpoint) {
    case LinkEndpoint::Site:
        return std::string("http://") + TARVO_SITE_HOST + std::string(path);
    case LinkEndpoint::SecureSite:
        return std::string("https://") + TARVO_SECURE_HOST + std::string(path);
    case LinkEndpoint::HomePage:
        break;
    }
    return TARVO_HOMEPAGE_URL;
}

const std::vector<WebLink>& webLinks()
{
    static const std::vector<WebLink> links {
        officialSiteLink(),
        siteLink(LinkId::ReplaceSubmission, "★差し替え、追加、削除はこちらからどうぞ", LinkEndpoint::Site,
            "/for_authors/upload/soft_reg.html"),
        siteLink(LinkId::AuthorRegistration, "★ライブラリ作者登録をまだ行っていない方", LinkEndpoint::Site,
            "/for_authors/upload/auth_reg.html"),
        siteLink(LinkId::AuthorPassword, "★ライブラリ作者パスワードがまだ無い方は", LinkEndpoint::Site,
            "/for_authors/pw/index.html"),
        siteLink(LinkId::SharewareRegistration, "★シェアウェアの送金代行を希望の方はレジ作者登録・レジ作品登録▼",
            LinkEndpoint::Site, "/swauth/man/"),
        siteLink(LinkId::SharewareAuthorInfo, "★シェアの場合は次に作者情報の登録が必要", LinkEndpoint::SecureSite,
            "/swauth/auth.entry"),
        homePageLink(LinkId::HomePageInAbout, "当HP「Velmo Studio」へ行きますか？"),
        homePageLink(LinkId::HomePageBanner, "当ホームページ「Velmo Studio」へ行きますか？"),
    };
    return links;
}

const WebLink& webLink(LinkId id)
{
    const auto& links = webLinks();
    const auto found = std::find_if(links.begin(), links.end(), [id](const WebLink& link) { return link.id == id; });
    if (found == links.end())
        throw std::logic_error("a link without its data");
    return *found;
}

std::string homePageCaption()
{
    const std::string_view url = TARVO_HOMEPAGE_URL;
    const std::size_t scheme = url.find("://");
    return std::string(scheme == std::string_view::npos ? url : url.substr(scheme + 3));
}

} // namespace tarvo
