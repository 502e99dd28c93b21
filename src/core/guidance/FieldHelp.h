#pragma once

#include <array>
#include <string_view>

namespace tarvo {

// The fields that have a help text, in the order of the two entry pages.
enum class HelpTopic {
    Headline,
    ArchiveFileName,
    PublicationFileName,
    Machine,
    Notes,
    SharewareFee,
    SharewareConditions,
    BankRemittance,
    PostalRemittance,
    RegisteredProductNumber,
    NiftyRemittance,
    OtherRemittance,
};

inline constexpr int kHelpTopicCount = 12;

// What the help of a field says (UTF-8).
struct FieldHelp {
    HelpTopic topic;
    std::string_view text;
};

// In the order of the fields on the pages.
const std::array<FieldHelp, kHelpTopicCount>& fieldHelpTexts();
std::string_view fieldHelpFor(HelpTopic topic);

} // namespace tarvo
