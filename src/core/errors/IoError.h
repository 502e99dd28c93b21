#pragma once

namespace tarvo {

// The run time's input/output error codes that have a message of their own;
// any other code is shown as "I/O エラー (%d)".
namespace ioCode {
inline constexpr int fileNotFound = 2;
inline constexpr int invalidName = 3;
inline constexpr int tooManyOpenFiles = 4;
inline constexpr int accessDenied = 5;
inline constexpr int diskFull = 101;
// Device not ready: a medium that cannot be read. No message of its own.
inline constexpr int notReady = 21;
// Codes the run time gives to causes no failure here has (reading past the end
// of a file, a number that does not convert).
inline constexpr int reservedCodes[] = { 100, 106 };
} // namespace ioCode

// The code of the run time's error list for an errno value: the codes with a
// message of their own where the meaning matches, notReady for a medium that
// cannot be read, the errno itself otherwise. An errno that happens to equal a
// code with another meaning is reported as notReady too, so that no message
// names the wrong cause.
int ioErrorCodeFromErrno(int error);

} // namespace tarvo
