#pragma once

namespace tarvo {

// The code of the run time's error list for a Windows system error. The
// list's codes are the system's own numbers, so most pass through; those that
// would name the wrong cause become ioCode::notReady.
int ioErrorCodeFromWindowsError(unsigned long error);

} // namespace tarvo
