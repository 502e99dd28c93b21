#include "catalog/CategoryCatalog.h"

namespace tarvo {

namespace {

bool isTopLevelLine(std::string_view line)
{
    return !line.empty() && line.front() == '#';
}

} // namespace

CategoryCatalog::CategoryCatalog(std::vector<std::string> cp932Lines)
    : m_lines(std::move(cp932Lines))
{
}

std::vector<std::string> CategoryCatalog::topLevelNames() const
{
    std::vector<std::string> names;
    for (const auto& line : m_lines) {
        if (isTopLevelLine(line))
            names.push_back(line.substr(1));
    }
    return names;
}

std::vector<std::string> CategoryCatalog::subcategoriesFor(std::string_view cp932CategoryText) const
{
    const std::string key = "#" + std::string(cp932CategoryText);
    std::vector<std::string> entries;
    bool collecting = false;
    for (const auto& line : m_lines) {
        if (!collecting) {
            collecting = line == key;
            continue;
        }
        if (isTopLevelLine(line))
            break;
        entries.push_back(line);
    }
    return entries;
}

} // namespace tarvo
