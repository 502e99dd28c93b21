#pragma once

#include "core/files/FileIo.h"

namespace tarvo {

// True when the test hook fails this step of a write; errno then holds the
// hook's error. Shared by the platforms' writers.
bool injectedFault(WriteStep step);

} // namespace tarvo
