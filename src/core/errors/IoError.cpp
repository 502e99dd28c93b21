#include "errors/IoError.h"

#include <cerrno>

namespace tarvo {

namespace {

bool hasOwnMessage(int code)
{
    switch (code) {
    case ioCode::fileNotFound:
    case ioCode::invalidName:
    case ioCode::tooManyOpenFiles:
    case ioCode::accessDenied:
    case ioCode::readPastEnd:
    case ioCode::diskFull:
    case ioCode::notANumber:
        return true;
    default:
        return false;
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
        return hasOwnMessage(error) ? ioCode::notReady : error;
    }
}

} // namespace tarvo
