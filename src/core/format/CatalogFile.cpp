#include "format/CatalogFile.h"

#include "files/FileIo.h"
#include "text/Lines.h"

namespace tarvo {

CategoryCatalog readCatalog(std::string_view cp932FileBytes)
{
    return CategoryCatalog(splitLines(cp932FileBytes));
}

CategoryCatalog loadCatalog(const std::filesystem::path& file)
{
    return readCatalog(readWholeFile(file));
}

} // namespace tarvo
