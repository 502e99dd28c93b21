#include "core/format/CatalogFile.h"

#include "core/files/FileIo.h"
#include "core/text/Lines.h"

namespace tarvo {

namespace {

constexpr char kTopLevelMark = '#';

} // namespace

CategoryCatalog readCatalog(std::string_view cp932FileBytes)
{
    std::vector<CategoryGroup> groups;
    for (std::string& line : splitLines(cp932FileBytes)) {
        if (!line.empty() && line.front() == kTopLevelMark)
            groups.push_back({ line.substr(1), {} });
        else if (!groups.empty())
            groups.back().entries.push_back(std::move(line));
    }
    return CategoryCatalog(std::move(groups));
}

CategoryCatalog loadCatalog(const std::filesystem::path& file)
{
    return readCatalog(readWholeFile(file));
}

} // namespace tarvo
