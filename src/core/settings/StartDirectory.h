#pragma once

#include "text/NativePath.h"

#include <string>
#include <string_view>

namespace tarvo {

// The process's current directory as the system reports it (CP932): the root
// with its separator, any other folder without a trailing one.
std::string currentDirectoryCp932();

// The directory with exactly one trailing separator, the form in which the
// backup folder hangs off it. The test looks at whole characters, so a CP932
// character whose second byte is 0x5C does not count as a separator. The
// separator can be chosen so that the Windows form can be checked anywhere.
std::string startDirectoryFrom(std::string_view cp932Directory, char separator = kPathSeparator);

} // namespace tarvo
