// A "setting.dat" of any shape: the author field is the first line without its
// first character, never holds a line break, and survives being written back.

#include "FuzzCheck.h"

#include "core/format/SettingsFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace tarvo;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string author = authorFromSettingsText(text);

    FUZZ_CHECK(author.find_first_of("\r\n") == std::string::npos);
    const std::string_view firstLine = text.substr(0, text.find_first_of("\r\n"));
    FUZZ_CHECK(author.size() < firstLine.size() || (author.empty() && firstLine.empty()));
    FUZZ_CHECK(firstLine.substr(firstLine.size() - author.size()) == author);

    const std::string written = settingsTextFor(author);
    FUZZ_CHECK(written == "#" + author + "\r\n");
    FUZZ_CHECK(authorFromSettingsText(written) == author);
    return 0;
}
