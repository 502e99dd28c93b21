#include "core/files/SystemRandom.h"

#include <windows.h>

#include <bcrypt.h>
#include <climits>

namespace tarvo {

bool fillFromSystemRandom(void* bytes, std::size_t size)
{
    return size <= ULONG_MAX
        && BCRYPT_SUCCESS(::BCryptGenRandom(
            nullptr, static_cast<PUCHAR>(bytes), static_cast<ULONG>(size), BCRYPT_USE_SYSTEM_PREFERRED_RNG));
}

} // namespace tarvo
