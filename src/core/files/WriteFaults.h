#pragma once

#include "core/files/FileIo.h"

namespace tarvo {

// True when the test hook fails this step of a write; errno then holds the
// hook's error. Shared by the platforms' writers.
bool injectedFault(WriteStep step);

// False while a test has the writers behave as on a file system without
// unnamed files.
bool unnamedTemporariesAllowed();

} // namespace tarvo
