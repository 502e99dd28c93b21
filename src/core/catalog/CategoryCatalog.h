#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// The two-level list of listing directories, the lines of "category.dat" exactly
// as read. A line whose first byte is "#" names a top-level directory (the rest
// of the line); every other line is an entry of the nearest top-level line above.
class CategoryCatalog {
public:
    CategoryCatalog() = default;
    explicit CategoryCatalog(std::vector<std::string> cp932Lines);

    const std::vector<std::string>& lines() const { return m_lines; }

    // The names of all top-level lines in file order, duplicates kept.
    std::vector<std::string> topLevelNames() const;

    // The entry lines of the first group whose top-level line equals "#" + the
    // Category text byte for byte; empty when none does.
    std::vector<std::string> subcategoriesFor(std::string_view cp932CategoryText) const;

private:
    std::vector<std::string> m_lines;
};

} // namespace tarvo
