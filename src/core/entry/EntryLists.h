#pragma once

#include <array>
#include <string>

namespace tarvo {

// The fixed item lists of the entry. Each item is written into the registration
// text exactly as it stands, so the strings are part of the format. All are CP932.
struct EntryLists {
    std::array<std::string, 4> submissionKinds;
    std::array<std::string, 4> fileLocations;
    std::array<std::string, 2> permissions;
    // In the order of the operating-system line and of the backup's flag digits.
    std::array<std::string, 6> operatingSystems;
    // Every item but "汎用" ends in one blank, and the blank belongs to the item;
    // "Maicntosh " is spelt so on purpose.
    std::array<std::string, 8> machines;
    // Position + 1 is the HandlingKind of the item.
    std::array<std::string, 10> handlings;
};

const EntryLists& entryLists();

inline constexpr int kOperatingSystemCount = 6;

} // namespace tarvo
