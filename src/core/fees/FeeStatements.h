#pragma once

#include "core/fees/FeeQuote.h"

#include <string>
#include <vector>

namespace tarvo {

// The six-line statements of the calculator (CP932): what the user is charged
// and what the author is paid.
std::vector<std::string> userStatement(const FeeQuote& quote);
std::vector<std::string> authorStatement(const FeeQuote& quote);

} // namespace tarvo
