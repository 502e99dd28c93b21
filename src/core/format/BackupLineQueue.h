#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tarvo {

// The lines of a backup file, taken from the front. Lines are kept whole, however
// long. Taking from an exhausted queue yields an empty line, as a file that ends
// early reads as empty rows. The lines view the bytes given, which must outlive
// the queue.
class BackupLineQueue {
public:
    explicit BackupLineQueue(std::string_view fileBytes);

    std::string_view peek() const;
    std::string_view take();

private:
    std::vector<std::string_view> m_lines;
    std::size_t m_next = 0;
};

} // namespace tarvo
