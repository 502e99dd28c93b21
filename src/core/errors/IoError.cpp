#include "core/errors/IoError.h"

#include <algorithm>
#include <cerrno>
#include <iterator>

namespace tarvo {

namespace {

// A code of the run time's list, with a meaning of its own.
bool isListedCode(int code)
{
    switch (code) {
    case ioCode::fileNotFound:
    case ioCode::invalidName:
    case ioCode::tooManyOpenFiles:
    case ioCode::accessDenied:
    case ioCode::diskFull:
        return true;
    default:
        return std::find(std::begin(ioCode::reservedCodes), std::end(ioCode::reservedCodes), code)
            != std::end(ioCode::reservedCodes);
    }
}

} // namespace

int ioErrorCodeFromErrno(int error)
{
    switch (error) {
    case ENOENT:
        return ioCode::fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
    case EILSEQ:
        return ioCode::invalidName;
    case EMFILE:
    case ENFILE:
        return ioCode::tooManyOpenFiles;
    case EACCES:
    case EPERM:
        return ioCode::accessDenied;
    case ENOSPC:
        return ioCode::diskFull;
    case EIO:
    case ENXIO:
    case ENODEV:
#ifdef ENOMEDIUM
    case ENOMEDIUM:
#endif
        return ioCode::notReady;
    default:
        return isListedCode(error) ? ioCode::notReady : error;
    }
}

} // namespace tarvo
