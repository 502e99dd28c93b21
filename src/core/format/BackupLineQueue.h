#pragma once

#include <cstddef>
#include <string_view>

namespace tarvo {

// The lines of a backup file, taken from the front. Lines are kept whole, however
// long. Taking from an exhausted queue yields an empty line, as a file that ends
// early reads as empty rows. The lines view the bytes given, which must outlive
// the queue.
class BackupLineQueue {
public:
    explicit BackupLineQueue(std::string_view fileBytes);

    std::string_view peek() const { return m_line; }
    std::string_view take();

private:
    // Each line is found when the one before it is taken: one pass over the
    // bytes, with no list of every line.
    void findLine();

    std::string_view m_bytes;
    std::size_t m_next = 0; // where the line after m_line starts
    std::string_view m_line;
};

} // namespace tarvo
