#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvo {

// A PAD file (Portable Application Description, the XML record other download
// sites read), read into its element texts. Only the shape is checked here; what
// the values mean is the mapping's part (pad/PadMapping.h).

inline constexpr std::size_t kLargestPadFile = std::size_t(4) << 20;
inline constexpr int kDeepestPadElement = 32;

// A file that cannot be read as a PAD file. The message (UTF-8, Japanese) names
// the place when there is one. When another encoding would likely read it,
// `encoding` is that one ("windows-1252"), or empty when only the author
// knows it; each front end offers it in its own way.
class PadReadError : public std::runtime_error {
public:
    explicit PadReadError(const std::string& utf8Message)
        : std::runtime_error(utf8Message)
    {
    }
    PadReadError(const std::string& utf8Message, std::string encoding)
        : std::runtime_error(utf8Message)
        , encodingHint(true)
        , encoding(std::move(encoding))
    {
    }

    bool encodingHint = false;
    std::string encoding;
};

struct PadDocument {
    PadDocument() = default;
    // Moved only: a copy's index would point at the paths of the original.
    PadDocument(PadDocument&&) = default;
    PadDocument& operator=(PadDocument&&) = default;
    PadDocument(const PadDocument&) = delete;
    PadDocument& operator=(const PadDocument&) = delete;

    // The encoding the bytes were decoded from, lower case ("utf-8", "windows-1252").
    std::string encoding;
    // Every element's own text (UTF-8, untrimmed) by its path below the root
    // ("Program_Info/Program_Name"), in file order; the first of repeated paths.
    // Filled through addValue() only, which keeps the index value() looks in;
    // a deque, so that the index may point at the paths where they stand.
    std::deque<std::pair<std::string, std::string>> values;
    // Paths that occurred more than once, each named once.
    std::vector<std::string> repeatedPaths;
    // Paths whose element holds text and elements side by side (HTML written
    // as markup); the text inside the inner elements is not part of the value.
    std::vector<std::string> mixedPaths;
    // The element names below Program_Descriptions, in file order, each once.
    std::vector<std::string> descriptionLanguages;

    // The text at the path; empty when there is none. Found through an index,
    // as a file may hold hundreds of thousands of paths.
    std::string_view value(std::string_view path) const;
    // Appends the value of a path not seen yet; false, changing nothing, for a
    // path already there.
    bool addValue(std::string_view path, std::string text);

private:
    std::map<std::string_view, std::size_t> m_index; // path (in values) -> place in values
};

// Decodes strictly (a UTF-8 byte-order mark is skipped, a UTF-16 one selects
// UTF-16, else the declaration's encoding, which `inputEncoding` overrides when
// not empty) and parses with every document type declaration refused. Raises
// PadReadError for a file over kLargestPadFile, an unknown encoding, a byte that
// is not valid in its encoding, a file that declares none and is not UTF-8, a C1
// control character, XML that is not well-formed, a nesting deeper than
// kDeepestPadElement, or a root other than XML_DIZ_INFO.
PadDocument readPad(std::string_view fileBytes, std::string_view inputEncoding = {});

} // namespace tarvo
