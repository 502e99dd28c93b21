#include "settings/StartDirectory.h"

#include "text/Cp932Characters.h"
#include "text/NativePath.h"
#include "text/RuntimeError.h"

#include <cerrno>
#include <climits>
#include <unistd.h>

namespace tarvo {

namespace {

bool endsInSeparator(std::string_view text, char separator)
{
    if (text.empty())
        return false;
    const std::size_t last = cp932LastCharacterStart(text);
    return text.size() - last == 1 && text[last] == separator;
}

} // namespace

std::string currentDirectoryCp932()
{
    std::string buffer(PATH_MAX, '\0');
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            throw RuntimeError::ioError(errno == ENOENT ? 2 : errno == EACCES ? 5 : errno);
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(buffer.find('\0'));
    return cp932FromNativePath(buffer);
}

std::string startDirectoryFrom(std::string_view cp932Directory, char separator)
{
    std::string_view directory = cp932Directory;
    // A run of separators at the end still yields exactly one.
    while (endsInSeparator(directory, separator))
        directory.remove_suffix(1);
    std::string result(directory);
    result += separator;
    return result;
}

} // namespace tarvo
