// Any bytes as a text file and as a field: the lines must be what a plain byte
// walk finds (the block-wise line-break search may not differ from it), writing
// them back as CR LF lines must read as the same lines, decoding CP932 must give
// valid UTF-8, and encoding that back must settle after one round.

#include "FuzzCheck.h"

#include "core/files/NativePath.h"
#include "core/settings/StartDirectory.h"
#include "core/text/Cp932.h"
#include "core/text/Cp932Characters.h"
#include "core/text/Lines.h"
#include "core/text/Utf8.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tarvo;

// The line rule written as plainly as possible: CR LF, a lone CR and a lone LF
// end a line; a final break adds none.
std::vector<std::string> referenceLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::string current;
    bool open = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            current += c;
            open = true;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        lines.push_back(current);
        current.clear();
        open = false;
    }
    if (open)
        lines.push_back(current);
    return lines;
}

size_t utf8SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool referenceIsValidUtf8(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = utf8SequenceLength(lead);
        if (length == 0 || i + length > text.size())
            return false;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        const char32_t lowest[] = { 0, 0, 0x80, 0x800, 0x10000 };
        if (code < lowest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

void checkLines(std::string_view text)
{
    const std::vector<std::string> lines = splitLines(text);
    FUZZ_CHECK(lines == referenceLines(text));
    const std::string joined = joinLines(lines);
    FUZZ_CHECK(joined.empty() == lines.empty());
    FUZZ_CHECK(joined.empty() || joined.substr(joined.size() - 2) == "\r\n");
    FUZZ_CHECK(splitLines(joined) == lines);
    // Without a lone CR or LF and with a final CR LF, a text is its own lines.
    if (text.empty() || joined == text)
        return;
    bool onlyCrLf = text.size() >= 2 && text.substr(text.size() - 2) == "\r\n";
    for (size_t i = 0; onlyCrLf && i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            onlyCrLf = false;
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
            onlyCrLf = false;
    }
    FUZZ_CHECK(!onlyCrLf);
}

// A walk by whole characters ends exactly at the end, a stray lead byte there
// counting as a character of its own.
void checkCharacters(std::string_view cp932)
{
    size_t at = 0;
    while (at < cp932.size()) {
        const size_t length = cp932CharacterLength(cp932, at);
        FUZZ_CHECK(length == 1 || length == 2);
        at += length;
    }
    FUZZ_CHECK(at == cp932.size());
}

// Any bytes as a folder the system reports: the start directory keeps them and
// ends in exactly one separator, however often it is formed.
void checkStartDirectory(std::string_view nativeFolder)
{
    const std::string start = startDirectoryFrom(std::string(nativeFolder)).native();
    FUZZ_CHECK(start.back() == '/');
    FUZZ_CHECK(start.size() == 1 || start[start.size() - 2] != '/');
    FUZZ_CHECK(nativeFolder.substr(0, start.size() - 1) == std::string_view(start).substr(0, start.size() - 1));
    FUZZ_CHECK(startDirectoryFrom(start).native() == start);
}

// Any bytes as a name on disk: what is shown is UTF-8, a name that is shown
// unchanged is valid UTF-8, and only a name with no CP932 form says why.
void checkNativeName(std::string_view name)
{
    FUZZ_CHECK(tarvo::isValidUtf8(name) == referenceIsValidUtf8(name));
    const std::string shown = utf8ForDisplay(name);
    FUZZ_CHECK(referenceIsValidUtf8(shown));
    FUZZ_CHECK((shown == name) == referenceIsValidUtf8(name));
    const Cp932NameOfFile ofFile = cp932NameOfFile(name);
    FUZZ_CHECK(referenceIsValidUtf8(ofFile.shown));
    FUZZ_CHECK(ofFile.cp932.has_value() == ofFile.unrepresentable.empty());
}

void checkCp932(std::string_view cp932)
{
    const std::string utf8 = utf8FromCp932(cp932);
    FUZZ_CHECK(referenceIsValidUtf8(utf8));
    const std::string once = cp932FromUtf8(utf8);
    FUZZ_CHECK(cp932FromUtf8(utf8FromCp932(once)) == once);
    // What the encoder writes, the decoder reads without a replacement character.
    FUZZ_CHECK(utf8FromCp932(once).find("\xEF\xBF\xBD") == std::string::npos);

    // The same bytes taken as UTF-8, as a pasted text reaches the core.
    const std::string encoded = cp932FromUtf8(cp932);
    FUZZ_CHECK(referenceIsValidUtf8(utf8FromCp932(encoded)));
    if (referenceIsValidUtf8(cp932) && !firstUnrepresentableCharacter(cp932).has_value())
        FUZZ_CHECK(std::count(encoded.begin(), encoded.end(), '?') == std::count(cp932.begin(), cp932.end(), '?'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkLines(bytes);
    checkCp932(bytes);
    checkCharacters(bytes);
    checkStartDirectory(bytes);
    checkNativeName(bytes);
    return 0;
}
