#include "core/catalog/CategoryCatalog.h"

#include <algorithm>

namespace tarvo {

CategoryCatalog::CategoryCatalog(std::vector<CategoryGroup> groups)
    : m_groups(std::move(groups))
{
}

std::vector<std::string> CategoryCatalog::topLevelNames() const
{
    std::vector<std::string> names;
    names.reserve(m_groups.size());
    for (const CategoryGroup& group : m_groups)
        names.push_back(group.name);
    return names;
}

std::vector<std::string> CategoryCatalog::subcategoriesFor(std::string_view cp932CategoryText) const
{
    const auto found = std::find_if(m_groups.begin(), m_groups.end(),
        [cp932CategoryText](const CategoryGroup& group) { return group.name == cp932CategoryText; });
    return found == m_groups.end() ? std::vector<std::string>() : found->entries;
}

} // namespace tarvo
