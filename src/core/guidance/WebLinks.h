#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

enum class LinkEndpoint { Site, SecureSite, HomePage };

// The links of the help page: the site's author pages, then the author's home
// page from the about panel and from the banner.
enum class LinkId {
    OfficialSite,
    ReplaceSubmission,
    AuthorRegistration,
    AuthorPassword,
    SharewareRegistration,
    SharewareAuthorInfo,
    HomePageInAbout,
    HomePageBanner,
};

// Where a site link's lead-in stands: on its own line above the link, or on
// the link's line, to its left.
enum class LeadIn { Above, OnTheLeft };

struct WebLink {
    LinkId id;
    std::string_view leadIn; // UTF-8; empty for none
    LeadIn placement;
    LinkEndpoint endpoint;
    std::string_view path; // the fixed path on the endpoint; empty for the home page
    std::string_view question; // UTF-8; empty when the link opens without asking
    bool handCursor;
    // The address handed to the browser (UTF-8).
    std::string url() const;
};

// The six site links in page order, then the two home-page links.
const std::vector<WebLink>& webLinks();
const WebLink& webLink(LinkId id);

// The author's home page without its scheme, as the about panel shows it (UTF-8).
std::string homePageCaption();

} // namespace tarvo
