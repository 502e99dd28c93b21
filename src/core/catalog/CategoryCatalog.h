#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

// One top-level listing directory and the entries under it (CP932), in file order.
struct CategoryGroup {
    std::string name;
    std::vector<std::string> entries;

    friend bool operator==(const CategoryGroup&, const CategoryGroup&) = default;
};

// The two-level list of listing directories, as format/CatalogFile reads it from
// "category.dat".
class CategoryCatalog {
public:
    CategoryCatalog() = default;
    explicit CategoryCatalog(std::vector<CategoryGroup> groups);

    const std::vector<CategoryGroup>& groups() const { return m_groups; }

    // The names of all groups in file order, duplicates kept.
    std::vector<std::string> topLevelNames() const;

    // The entries of the first group named exactly the Category text, byte for
    // byte; empty when none is.
    std::vector<std::string> subcategoriesFor(std::string_view cp932CategoryText) const;

private:
    std::vector<CategoryGroup> m_groups;
};

} // namespace tarvo
