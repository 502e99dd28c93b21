#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace tarvo {

// The temporaries with a name of their own that the POSIX writers leave beside
// a file while they write it: ".HASH.tmp-XXXXXX", HASH sixteen hex digits of
// the file's name. A write holds a lock on its temporary from before it has a
// name until it is gone, so that a temporary nobody holds is known to be left
// over by a killed write, whichever writer it was.

inline constexpr std::size_t kTemporaryUniqueLength = 6; // as mkstemp() makes it
inline constexpr std::string_view kTemporaryCharacters
    = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// The folder part and ".HASH.tmp-" of the target's temporaries.
std::string temporaryPrefix(const std::filesystem::path& target);

// Takes the lock (flock `how`) that marks the open file as a running write's
// temporary; false when it cannot be had.
bool holdAsTemporary(int fd, int how);

// A new temporary of the target, created and held; -1 on failure.
int createNamedTemporary(std::string& temporary, const std::filesystem::path& target);

// Removes the temporaries of this target that killed writes left; one that a
// running write holds stays, and so does anything that changed meanwhile.
void removeLeftTemporaries(const std::filesystem::path& target);

} // namespace tarvo
