#include "core/files/WindowsErrors.h"

#include "core/errors/IoError.h"

#include <windows.h>

#include <algorithm>
#include <iterator>

namespace tarvo {

int ioErrorCodeFromWindowsError(unsigned long error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ioCode::fileNotFound;
    case ERROR_DIRECTORY:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
        return ioCode::invalidName;
    case ERROR_TOO_MANY_OPEN_FILES:
        return ioCode::tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return ioCode::accessDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ioCode::diskFull;
    case ERROR_NOT_READY:
        return ioCode::notReady;
    case ioCode::diskFull:
        return ioCode::notReady;
    default:
        // A system code that equals one of the run time's names no wrong cause.
        const int code = static_cast<int>(error);
        return std::find(std::begin(ioCode::reservedCodes), std::end(ioCode::reservedCodes), code)
                != std::end(ioCode::reservedCodes)
            ? ioCode::notReady
            : code;
    }
}

} // namespace tarvo
