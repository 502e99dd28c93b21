#pragma once

#include <cstddef>

namespace tarvo {

// Fills `size` bytes from the system's cryptographic random source; false when
// the system gives none.
bool fillFromSystemRandom(void* bytes, std::size_t size);

} // namespace tarvo
