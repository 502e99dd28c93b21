#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// The settings file: one line, "#" and the author field, then CR LF. Only the
// first line is read, and its first character is dropped whatever it is.

// The author field as the settings text holds it; empty for an empty text.
std::string authorFromSettingsText(std::string_view cp932Text);

// "#" + author + CR LF.
std::string settingsTextFor(std::string_view cp932Author);

} // namespace tarvo
