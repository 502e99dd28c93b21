// A "category.dat" of any shape and a Category text taken from the same input:
// the text up to the first NUL byte is what the author typed, the rest is the
// file. The lists must follow the catalogue's lines exactly, and the cascade must
// yield the entry lines of the first group whose top-level line equals the key.

#include "FuzzCheck.h"

#include "core/catalog/CategoryCatalog.h"
#include "core/format/CatalogFile.h"
#include "core/text/Lines.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace tarvo;

bool isTopLevel(const std::string& line)
{
    return !line.empty() && line.front() == '#';
}

void checkTopLevelNames(const CategoryCatalog& catalog, const std::vector<std::string>& lines)
{
    const auto names = catalog.topLevelNames();
    size_t next = 0;
    for (const auto& line : lines) {
        if (!isTopLevel(line))
            continue;
        FUZZ_CHECK(next < names.size() && "#" + names[next] == line);
        ++next;
    }
    FUZZ_CHECK(next == names.size());
}

void checkCascade(const CategoryCatalog& catalog, const std::vector<std::string>& lines, std::string_view key)
{
    const auto entries = catalog.subcategoriesFor(key);
    const std::string wanted = "#" + std::string(key);
    size_t at = 0;
    while (at < lines.size() && lines[at] != wanted)
        ++at;
    if (at == lines.size()) {
        FUZZ_CHECK(entries.empty());
        return;
    }
    size_t taken = 0;
    for (++at; at < lines.size() && !isTopLevel(lines[at]); ++at, ++taken)
        FUZZ_CHECK(taken < entries.size() && entries[taken] == lines[at]);
    FUZZ_CHECK(taken == entries.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t nul = input.find('\0');
    const std::string_view key = input.substr(0, nul);
    const std::string_view text = nul == std::string_view::npos ? std::string_view() : input.substr(nul + 1);

    // The file's lines are the model the catalogue is checked against.
    const std::vector<std::string> lines = splitLines(text);
    const CategoryCatalog catalog = readCatalog(text);
    std::string written;
    for (const auto& group : catalog.groups()) {
        FUZZ_CHECK(group.name.find_first_of("\r\n") == std::string::npos);
        written += "#" + group.name + "\r\n";
        for (const auto& entry : group.entries) {
            FUZZ_CHECK(entry.find_first_of("\r\n") == std::string::npos);
            written += entry + "\r\n";
        }
    }
    // The catalogue written back as CR LF lines reads as the same catalogue.
    FUZZ_CHECK(readCatalog(written).groups() == catalog.groups());
    checkTopLevelNames(catalog, lines);
    checkCascade(catalog, lines, key);
    // Choosing a listed name yields that group, as the window's list offers it.
    const auto names = catalog.topLevelNames();
    if (!names.empty())
        checkCascade(catalog, lines, names[key.size() % names.size()]);
    return 0;
}
