#include "core/files/SystemRandom.h"

#include <cerrno>
#include <sys/random.h>

namespace tarvo {

bool fillFromSystemRandom(void* bytes, std::size_t size)
{
    auto* at = static_cast<unsigned char*>(bytes);
    while (size > 0) {
        const ssize_t count = ::getrandom(at, size, 0);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        at += count;
        size -= static_cast<std::size_t>(count);
    }
    return true;
}

} // namespace tarvo
