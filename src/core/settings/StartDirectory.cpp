#include "core/settings/StartDirectory.h"

#include "core/errors/IoError.h"
#include "core/errors/RuntimeError.h"
#include "core/files/NativePath.h"

#include <cerrno>
#include <climits>
#include <unistd.h>

namespace tarvo {

std::filesystem::path currentDirectory()
{
    std::string buffer(PATH_MAX, '\0');
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            throw RuntimeError::ioError(ioErrorCodeFromErrno(errno));
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(buffer.find('\0'));
    return buffer;
}

std::filesystem::path startDirectoryFrom(const std::filesystem::path& directory)
{
    std::string form = directory.native();
    // A run of separators at the end still yields exactly one.
    while (!form.empty() && form.back() == kPathSeparator)
        form.pop_back();
    form += kPathSeparator;
    return form;
}

} // namespace tarvo
