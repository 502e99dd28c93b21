#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// The text a "?" panel shows, keyed by the panel's name ("Panel3" ... "Panel15").
struct FieldHelp {
    std::string panel;
    std::string text; // CP932
};

const std::vector<FieldHelp>& fieldHelpTexts();
// Empty when the panel has no help text.
std::string fieldHelpFor(std::string_view panelName);

// Sum of the CP932 byte lengths of the description's lines, line breaks not
// counted, followed by "バイト使用".
std::string descriptionSizeMessage(std::string_view cp932Description);
// The hint of the "size" panel.
const std::string& descriptionSizeHint();

enum class LinkEndpoint { Site, SecureSite, HomePage };

struct WebLink {
    std::string control; // "Label77", "Label90" ... "Label73", "Image1"
    std::string leadIn; // CP932 text beside or above it; empty for none
    LinkEndpoint endpoint;
    std::string path; // the fixed path on the endpoint; empty for the home page
    std::string question; // CP932; empty when the link opens without asking
    // The address handed to the browser (UTF-8).
    std::string url() const;
};

// The six site links in page order, then the two home-page links.
const std::vector<WebLink>& webLinks();
const WebLink* webLinkFor(std::string_view control);

// The author's home page without its scheme, as the about panel shows it.
std::string homePageCaption();

// Texts drawn on the about panel (CP932).
struct AboutTexts {
    std::string title;
    std::string subtitle;
    std::string mailLine;
    std::string homePage;
    std::string newestVersion;
    std::string studio;
    std::string presentedBy;
};

const AboutTexts& aboutTexts();

} // namespace tarvo
