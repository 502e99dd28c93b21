#pragma once

#include <string>

namespace tarvo {

// Texts drawn on the about panel (UTF-8).
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
